// verify 13|34 DAY|--all: "連対計1-3該当" / "連対差3-4該当" on one day, or over every stored day
// with a progress line per day on standard error; prints the paths written.

#include "cli/day_arg.h"
#include "support/files.h"

namespace rv::cli {
namespace {

class VerifyCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 2 || (args[0] != "13" && args[0] != "34")) {
      throw UsageError("verify takes 13 or 34, then DAY or --all");
    }
    set_ = args[0] == "13" ? FilterSet::kSum13 : FilterSet::kGap34;
    all_ = args[1] == "--all";
    if (!all_) day_ = ParseDayArg(args[1]);
  }

  int run(CliContext& ctx) override {
    MainForm& form = ctx.form;
    WrittenFiles written;
    if (all_) {
      form.evaluation_runs().on_day = [&ctx](const std::string& text) {
        print_progress(ctx, text);
      };
      written = set_ == FilterSet::kSum13 ? form.N35Click() : form.N37Click();
    } else {
      if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
      written = set_ == FilterSet::kSum13 ? form.N34Click() : form.N36Click();
    }
    print_written(ctx, written);
    return 0;
  }

 private:
  FilterSet set_ = FilterSet::kSum13;
  bool all_ = false;
  std::string day_;
};

}  // namespace

std::unique_ptr<CliCommand> make_verify_command() {
  return std::make_unique<VerifyCommand>();
}

}  // namespace rv::cli
