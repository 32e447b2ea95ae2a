#include "cli/day_arg.h"

#include "acquire/day_files.h"
#include "model/day_paths.h"
#include "support/text.h"

namespace rv::cli {

std::string ParseDayArg(std::string_view arg) {
  std::string name;
  if (const auto from_digits = DayNameOfDate(arg)) {
    name = *from_digits;
  } else if (sjis_representable(arg)) {
    name = sj(arg);
  }
  if (!IsDayName(name)) {
    throw UsageError("DAY must be yyyymmdd or yyyy年mm月dd日: " + std::string(arg));
  }
  return name;
}

int LoadDayArg(CliContext& ctx, const std::string& day_name) {
  ListControl& combo = ctx.form.day.DateCombo;
  combo.set_item_index(combo.index_of(day_name));
  ctx.form.DateComboChange();
  return ctx.form.last_day_load() == DayLoadResult::kLoaded ? 0 : 1;
}

}  // namespace rv::cli
