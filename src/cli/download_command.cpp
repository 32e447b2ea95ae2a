// download: the stored-data window run without a window. Prints every line added to the list
// of created data and every progress text (--quiet: only the final label); the boxes go to
// standard error. Nobody is there to press Cancel: --timeout SECONDS (default 300) cancels
// as the window's Cancel does once JV-Link has delivered nothing for that long.
#include <charconv>
#include <chrono>
#include <iostream>
#include <thread>

#include "acquire/stored_download.h"
#include "cli/cli.h"
#include "support/clock.h"

namespace rv::cli {
namespace {

using SteadyClock = std::chrono::steady_clock;

// The console's boxes, with a look at the run's progress whenever the run lets messages
// run or waits for a download: a run that stands still for the time limit is cancelled.
class Watchdog final : public Dialogs {
 public:
  Watchdog(Dialogs& console, std::ostream& err, std::chrono::seconds limit)
      : console_(console), err_(err), limit_(limit) {}
  void watch(TGetDataForm* form) { form_ = form; }

  void check() {
    if (form_ == nullptr || fired_) return;
    const auto now = SteadyClock::now();
    if (form_->progress_count() != seen_) {
      seen_ = form_->progress_count();
      since_ = now;
      return;
    }
    if (now - since_ < limit_) return;
    fired_ = true;
    err_ << "download: nothing delivered for " << limit_.count() << " s; cancelled\n";
    form_->Cancel();
  }

  void info(std::string_view text) override { console_.info(text); }
  bool confirm(std::string_view text) override { return console_.confirm(text); }
  void error(std::string_view text) override { console_.error(text); }
  void beep() override { console_.beep(); }
  void busy(bool on) override { console_.busy(on); }
  void process_events() override {
    console_.process_events();
    check();
  }

 private:
  Dialogs& console_;
  std::ostream& err_;
  std::chrono::seconds limit_;
  TGetDataForm* form_ = nullptr;
  long long seen_ = -1;
  SteadyClock::time_point since_ = SteadyClock::now();
  bool fired_ = false;
};

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
      } else if (args[i] == "--timeout") {
        const std::string_view v = ++i < args.size() ? std::string_view(args[i]) : "";
        int seconds = 0;
        const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), seconds);
        if (v.empty() || ec != std::errc() || end != v.data() + v.size() || seconds <= 0) {
          throw UsageError("--timeout needs a number of seconds above 0");
        }
        timeout_ = std::chrono::seconds(seconds);
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
    Watchdog watchdog(ctx.dialogs, std::cerr, timeout_);
    TGetDataForm form(watchdog, ctx.form.jvlink());
    watchdog.watch(&form);
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
    RunStatusTimer(form, [&watchdog](int ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
      watchdog.check();
    });
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
  std::chrono::seconds timeout_{300};
};

}  // namespace

std::unique_ptr<CliCommand> make_download_command() {
  return std::make_unique<DownloadCommand>();
}

}  // namespace rv::cli
