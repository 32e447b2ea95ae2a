// download: the stored-data window run without a window. Prints every line added to the list
// of created data and every progress text (--quiet: only the final label); the boxes go to
// standard error.
#include <chrono>
#include <thread>

#include "acquire/stored_download.h"
#include "cli/cli.h"
#include "support/clock.h"

namespace rv::cli {
namespace {

class DownloadCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] == "--odds") {
        odds_ = true;
      } else if (args[i] == "--week") {
        week_ = true;
      } else if (args[i] == "--quiet") {
        quiet_ = true;
      } else if (args[i] == "--from") {
        if (++i == args.size()) throw UsageError("--from needs yyyymmddhhnnss");
        from_ = parse_dt(args[i]);
        if (args[i].size() != 14 || !from_->valid()) {
          throw UsageError("--from needs yyyymmddhhnnss, not " + args[i]);
        }
      } else {
        throw UsageError("download: unknown argument " + args[i]);
      }
    }
  }

  int run(CliContext& ctx) override {
    TGetDataForm form(ctx.dialogs, ctx.form.jvlink());
    form.FormCreate();
    if (from_) form.DateTimePicker1.set_value(*from_);
    form.OddsCheck.set_checked(odds_);
    form.DataKindGroup.set_item_index(week_ ? 1 : 0);
    std::string last;
    const auto print = [&](std::string_view line) {
      print_line(ctx.out, line);
      last = line;
    };
    if (!quiet_) {
      form.on_list_line = print;
      form.on_progress = print;
    }

    form.StartBtnClick();
    RunStatusTimer(form,
                   [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
    if (last != form.ProgressLabel.text()) print_line(ctx.out, form.ProgressLabel.text());

    form.FormClose();
    ctx.form.GetDataFormClose();
    return form.completed() ? 0 : 1;
  }

 private:
  std::optional<DateTime> from_;
  bool odds_ = false;
  bool week_ = false;
  bool quiet_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> make_download_command() {
  return std::make_unique<DownloadCommand>();
}

}  // namespace rv::cli
