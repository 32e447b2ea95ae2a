// bets DAY SLOT [--set N] [--amount YEN] [--mode 0|1]: chooses the selection set and the
// allocation mode, loads the day, shows the race and prints its eight bet tables.
#include <charconv>
#include <optional>

#include "cli/race_arg.h"

namespace rv::cli {
namespace {

int parse_int(const std::string& text, const char* what, int min, int max) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max) {
    throw UsageError(std::string(what) + " must be a number from " + std::to_string(min) + " to " +
                     std::to_string(max) + ": " + text);
  }
  return v;
}

class BetsCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& a = args[i];
      if (a != "--set" && a != "--amount" && a != "--mode") {
        if (a.starts_with("--")) throw UsageError("unknown option " + a);
        plain.push_back(a);
        continue;
      }
      if (++i == args.size()) throw UsageError(a + " needs a value");
      if (a == "--set") set_ = parse_int(args[i], "--set", 0, 9999);
      if (a == "--amount") amount_ = parse_int(args[i], "--amount", 0, 999999);
      if (a == "--mode") mode_ = parse_int(args[i], "--mode", 0, 1);
    }
    if (plain.size() != 2) throw UsageError("bets takes DAY and SLOT");
    race_.parse(plain[0], plain[1]);
  }

  int run(CliContext& ctx) override {
    MainForm& form = ctx.form;
    if (set_ && !form.UserKaimeForm.SelectSet(*set_)) {
      ctx.dialogs.info(sj("設定 " + std::to_string(*set_) + " はありません（設定は " +
                          std::to_string(form.UserKaimeForm.SetCombo.count()) + " 件）。"));
      return 1;
    }
    // The mode is chosen as in the window (and so stored); the amount is typed into the amount
    // box of the race on screen, which allocates the bets again.
    if (mode_) {
      form.allocation.RadioGroup1.set_item_index(*mode_);
      form.RadioGroup1Click();
    }
    if (const int status = race_.show(ctx); status != 0) return status;
    if (amount_) {
      form.allocation.SaNumEditExC1.set_text(std::to_string(*amount_));
      form.SaNumEditExC1Change();
    }
    for (const std::string& line : BetTablesListing(form.bets)) print_line(ctx.out, line);
    return 0;
  }

 private:
  RaceArgs race_;
  std::optional<int> set_;
  std::optional<int> amount_;
  std::optional<int> mode_;
};

}  // namespace

std::unique_ptr<CliCommand> make_bets_command() {
  return std::make_unique<BetsCommand>();
}

}  // namespace rv::cli
