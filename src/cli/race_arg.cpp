#include "cli/race_arg.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/day_arg.h"
#include "model/day.h"
#include "support/text.h"

namespace rv::cli {

int ParseSlotArg(std::string_view arg) {
  if (!all_digits(arg) || arg.size() > 9 || inum(arg) >= kMaxRaces) {
    throw UsageError("SLOT must be a race-list index 0..35: " + std::string(arg));
  }
  return inum(arg);
}

int SelectRaceArg(CliContext& ctx, int slot) {
  MainForm& f = ctx.form;
  ListControl& list = f.loaded_day.DatList;
  if (slot >= list.count()) {
    ctx.dialogs.info(sj("レース " + std::to_string(slot) + " はありません（" +
                        std::to_string(list.count()) + " レース）。"));
    return 1;
  }
  list.set_item_index(slot);
  f.DatListClick();
  return f.race_on_screen().slot() == slot && f.day.PageControl1.visible() ? 0 : 1;
}

void RaceArgs::parse(std::string_view day_arg, std::string_view slot_arg) {
  day = ParseDayArg(day_arg);
  slot = ParseSlotArg(slot_arg);
}

int RaceArgs::show(CliContext& ctx) const {
  if (const int status = LoadDayArg(ctx, day); status != 0) return status;
  return SelectRaceArg(ctx, slot);
}

namespace {

class ShownRaceCommand final : public CliCommand {
 public:
  ShownRaceCommand(std::string_view name, void (*print)(CliContext&))
      : name_(name), print_(print) {}

  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 2) throw UsageError(std::string(name_) + " takes DAY and SLOT");
    race_.parse(args[0], args[1]);
  }

  int run(CliContext& ctx) override {
    if (const int status = race_.show(ctx); status != 0) return status;
    print_(ctx);
    return 0;
  }

 private:
  std::string_view name_;
  void (*print_)(CliContext&);
  RaceArgs race_;
};

}  // namespace

std::unique_ptr<CliCommand> make_shown_race_command(std::string_view name,
                                                    void (*print)(CliContext& ctx)) {
  return std::make_unique<ShownRaceCommand>(name, print);
}

}  // namespace rv::cli
