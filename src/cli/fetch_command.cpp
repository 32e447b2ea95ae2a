// fetch odds|results|mining|changes DAY [SLOT], fetch all-odds DAY: loads the day (and selects
// the race), presses the fetch and prints every text DLlabel shows, one a line; the label
// being cleared between them is not a text. Exit 1 when no fetch ran (nothing to fetch, or
// refused) or one showed an error.
#include <optional>
#include <string>
#include <vector>

#include "cli/day_arg.h"
#include "cli/race_arg.h"

namespace rv::cli {
namespace {

struct FetchCommandName {
  std::string_view name;
  void (MainForm::*press)();
  bool takes_slot;
};

constexpr FetchCommandName kFetches[] = {
    {"odds", &MainForm::SokuhoOddsBtnClick, true}, {"results", &MainForm::KekkaGetBtnClick, true},
    {"mining", &MainForm::GetDMBtnClick, true},    {"changes", &MainForm::GetKaisaiBtnClick, true},
    {"all-odds", &MainForm::N1O1Click, false},
};

class FetchCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    for (const FetchCommandName& f : kFetches) {
      if (!args.empty() && args[0] == f.name) fetch_ = &f;
    }
    const std::size_t most = fetch_ != nullptr && fetch_->takes_slot ? 3 : 2;
    if (fetch_ == nullptr || args.size() < 2 || args.size() > most) {
      throw UsageError("fetch takes odds|results|mining|changes DAY [SLOT] or all-odds DAY");
    }
    day_ = ParseDayArg(args[1]);
    if (args.size() == 3) slot_ = ParseSlotArg(args[2]);
  }

  int run(CliContext& ctx) override {
    if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
    if (slot_) {
      if (const int status = SelectRaceArg(ctx, *slot_); status != 0) return status;
    }
    RealtimeFetch& fetch = ctx.form.fetch();
    fetch.on_status = [&ctx](std::string_view text) {
      if (!text.empty()) print_line(ctx.out, text);
    };
    const FetchTally before = fetch.tally();
    (ctx.form.*(fetch_->press))();
    fetch.on_status = nullptr;
    const FetchTally& after = fetch.tally();
    return after.opened > before.opened && after.failed == before.failed ? 0 : 1;
  }

 private:
  const FetchCommandName* fetch_ = nullptr;
  std::string day_;
  std::optional<int> slot_;
};

}  // namespace

std::unique_ptr<CliCommand> make_fetch_command() {
  return std::make_unique<FetchCommand>();
}

}  // namespace rv::cli
