// What the development-menu commands share: the progress line per day of a run over every
// stored day, and the paths of the files written.
#pragma once

#include "cli/cli.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::cli {

// Each day being read goes to standard error as a line while `run` runs; then the paths
// DevelopmentMenu wrote, one a line. 0 when it wrote something, 1 when it wrote nothing.
template <typename Run>
int RunDevelopmentCommand(CliContext& ctx, Run&& run) {
  DevelopmentMenu& menu = ctx.form.development();
  menu.on_day = [&ctx](std::string_view day) { print_progress(ctx, day); };
  run(menu);
  menu.on_day = nullptr;
  print_written(ctx, menu.written);
  return menu.written.empty() ? 1 : 0;
}

}  // namespace rv::cli
