// report hits DAY [--ana] | report totals DAY | report ninki: "的中" / "穴的中", "集計" on the
// loaded day, "不出現数" over every stored day (a progress line per day on standard error);
// prints the paths written.

#include "cli/day_arg.h"
#include "support/files.h"

namespace rv::cli {
namespace {

class ReportCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    std::vector<std::string> plain;
    for (const std::string& a : args) {
      if (a == "--ana") {
        ana_ = true;
      } else if (a.starts_with("--")) {
        throw UsageError("unknown option " + a);
      } else {
        plain.push_back(a);
      }
    }
    if (plain.empty()) throw UsageError("report takes hits, totals or ninki");
    what_ = plain[0];
    const bool ninki = what_ == "ninki";
    if (!ninki && what_ != "hits" && what_ != "totals") {
      throw UsageError("report takes hits, totals or ninki: " + what_);
    }
    if (plain.size() != (ninki ? 1U : 2U))
      throw UsageError("report " + what_ + ": wrong arguments");
    if (ana_ && what_ != "hits") throw UsageError("--ana belongs to report hits");
    if (!ninki) day_ = ParseDayArg(plain[1]);
  }

  int run(CliContext& ctx) override {
    MainForm& form = ctx.form;
    WrittenFiles written;
    if (what_ == "ninki") {
      form.evaluation_runs().on_day = [&ctx](const std::string& text) {
        print_progress(ctx, text);
      };
      written = form.N41Click();
    } else {
      if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
      written = what_ == "hits" ? form.TekiAnaBtnClick(ana_) : form.ShukeiBtnClick();
    }
    print_written(ctx, written);
    return 0;
  }

 private:
  std::string what_;
  std::string day_;
  bool ana_ = false;
};

}  // namespace

std::unique_ptr<CliCommand> make_report_command() {
  return std::make_unique<ReportCommand>();
}

}  // namespace rv::cli
