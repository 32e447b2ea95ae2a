// days: the date list, newest first.
#include "cli/cli.h"

namespace rv::cli {
namespace {

class DaysCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (!args.empty()) throw UsageError("days takes no arguments");
  }

  // Start-up has built the list.
  int run(CliContext& ctx) override {
    for (const std::string& item : ctx.form.day.DateCombo.items()) print_line(ctx.out, item);
    return 0;
  }
};

}  // namespace

std::unique_ptr<CliCommand> make_days_command() {
  return std::make_unique<DaysCommand>();
}

}  // namespace rv::cli
