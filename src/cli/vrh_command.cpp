// vrh day DAY|--all, vrh csv DAY|--all, vrh log, vrh other DAY|--month yyyymm: the ＶＲＨ
// commands of the development menu; the paths written, or the log window's grid and labels.
#include <string>
#include <vector>

#include "cli/day_arg.h"
#include "cli/dev_menu_run.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::cli {
namespace {

constexpr const char* kUsage = "vrh day DAY|--all | csv DAY|--all | log | other DAY|--month yyyymm";

class VrhCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.empty()) throw UsageError(kUsage);
    action_ = args[0];
    if (action_ == "log") {
      if (args.size() != 1) throw UsageError(kUsage);
      return;
    }
    if (action_ != "day" && action_ != "csv" && action_ != "other") throw UsageError(kUsage);
    if (action_ == "other" && args.size() == 3 && args[1] == "--month") {
      month_ = args[2];
      if (month_.size() != 6 || !all_digits(month_)) throw UsageError("--month takes yyyymm");
      return;
    }
    if (args.size() != 2) throw UsageError(kUsage);
    if (args[1] == "--all" && action_ != "other") {
      all_ = true;
    } else {
      day_ = ParseDayArg(args[1]);
    }
  }

  int run(CliContext& ctx) override {
    if (action_ == "log") {
      const TVRHLogForm& log = ctx.form.development().VRH3Click();
      print_grid(ctx.out, log.StringGrid1);
      const std::pair<const char*, const Label*> labels[] = {{"単勝的中率", &log.TanTekiLabel},
                                                             {"単勝回収率", &log.TanKaiLabel},
                                                             {"複勝的中率", &log.FukTekiLabel},
                                                             {"複勝回収率", &log.FukKaiLabel}};
      for (const auto& [caption, label] : labels)
        print_line(ctx.out, sj(caption) + "\t" + label->text());
      return 0;
    }
    if (!day_.empty()) {
      if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
    }
    return RunDevelopmentCommand(ctx, [this](DevelopmentMenu& m) {
      if (action_ == "day") {
        all_ ? m.VRH2Click() : m.VRH1Click();
      } else if (action_ == "csv") {
        all_ ? m.N45Click() : m.N44Click();
      } else if (!month_.empty()) {
        m.VRH6Month(month_);
      } else {
        m.VRH5Click();
      }
    });
  }

 private:
  std::string action_;
  std::string day_;
  std::string month_;
  bool all_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> make_vrh_command() {
  return std::make_unique<VrhCommand>();
}

}  // namespace rv::cli
