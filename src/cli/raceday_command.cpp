// raceday DAY --from hhmm --to hhmm: the day loaded at DAY + --from on a clock of its own,
// then the window's timers run to --to, the clock jumping from one tick to the next. Prints
// one line per action as hh:nn:ss TAB the timer (or handler) TAB what it did: the status
// text of every JVRTOpen, every delivery, and every error-log line as written. Exit 1 when the day
// was refused.
#include <string>
#include <vector>

#include "cli/day_arg.h"
#include "support/clock.h"
#include "support/error_log.h"

namespace rv::cli {
namespace {

// hhmm, 0000 to 2359, as minutes of the day.
int parse_hhmm(std::string_view option, std::string_view value) {
  if (value.size() != 4 || !all_digits(value) || inum(value.substr(0, 2)) > 23 ||
      inum(value.substr(2, 2)) > 59) {
    throw UsageError(std::string(option) + " needs a time as hhmm: '" + std::string(value) + "'");
  }
  return inum(value.substr(0, 2)) * 60 + inum(value.substr(2, 2));
}

class RacedayCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 5) throw UsageError("raceday takes DAY --from hhmm --to hhmm");
    day_ = ParseDayArg(args[0]);
    for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
      if (args[i] == "--from") {
        from_ = parse_hhmm(args[i], args[i + 1]);
      } else if (args[i] == "--to") {
        to_ = parse_hhmm(args[i], args[i + 1]);
      } else {
        throw UsageError("raceday takes DAY --from hhmm --to hhmm");
      }
    }
    if (from_ < 0 || to_ < 0) throw UsageError("raceday needs both --from and --to");
    if (to_ < from_) throw UsageError("raceday: --to comes before --from");
  }

  int run(CliContext& ctx) override {
    // The day name holds its date's digits in order: yyyy年mm月dd日.
    std::string digits;
    for (const char c : day_) {
      if (c >= '0' && c <= '9') digits += c;
    }
    const DateTime midnight{inum(digits.substr(0, 4)), inum(digits.substr(4, 2)),
                            inum(digits.substr(6, 2))};
    ManualClock clock(midnight.add_seconds(60LL * from_));
    const AppClockScope scope(&clock);

    MainForm& form = ctx.form;
    std::string_view handler = "DateComboChange";
    const auto action = [&](std::string_view text) {
      const std::string_view timer = form.timers().running();
      ctx.out << format_dt(clock.now(), "hh:nn:ss") << '\t' << (timer.empty() ? handler : timer)
              << '\t';
      print_line(ctx.out, text);
    };
    form.fetch().on_open = action;
    MailDelivery& mail = form.mail();
    mail.on_deliver = [&](std::string_view title) { action(SJ("配信：") + std::string(title)); };
    // The day's clock stands still while a mail is on its way, as if it took no time.
    mail.after_send = [&] { WaitForMail(ctx, mail.SendMail1); };
    const ErrorLogEcho echo(action);
    const int status = LoadDayArg(ctx, day_);
    if (status == 0) form.timers().run_until(clock, midnight.add_seconds(60LL * to_));
    form.fetch().on_open = nullptr;
    mail.on_deliver = nullptr;
    mail.after_send = nullptr;
    return status;
  }

 private:
  std::string day_;
  int from_ = -1;
  int to_ = -1;
};

}  // namespace

std::unique_ptr<CliCommand> make_raceday_command() {
  return std::make_unique<RacedayCommand>();
}

}  // namespace rv::cli
