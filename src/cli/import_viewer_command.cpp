// import-viewer DAY: loads the day, presses "時系列オッズより取得(&T)" and prints the message
// the window shows, one line of it a line. Exit 1 when the import was refused.
#include "cli/day_arg.h"
#include "support/files.h"

namespace rv::cli {
namespace {

class ImportViewerCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 1) throw UsageError("import-viewer takes one DAY");
    day_ = ParseDayArg(args[0]);
  }

  int run(CliContext& ctx) override {
    if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
    const std::string message = ctx.form.T1Click();
    if (message.empty()) return 1;
    for (const std::string& line : split_lines(message)) print_line(ctx.out, line);
    return 0;
  }

 private:
  std::string day_;
};

}  // namespace

std::unique_ptr<CliCommand> make_import_viewer_command() {
  return std::make_unique<ImportViewerCommand>();
}

}  // namespace rv::cli
