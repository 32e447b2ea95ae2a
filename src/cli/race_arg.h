// The DAY and SLOT arguments of the commands that work on one race of a stored day.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cli/cli.h"

namespace rv::cli {

// SLOT: the race-list index 0..35. Throws UsageError for anything else.
int ParseSlotArg(std::string_view arg);

// Selects race `slot` of the loaded day in the race list and shows it as a click there
// does. 0 when the race is on screen, 1 when it was refused (the message went to the
// dialogs) or the day has no such race.
int SelectRaceArg(CliContext& ctx, int slot);

// DAY SLOT parsed together; show() loads the day and shows the race as the window would,
// 0 when the race is on screen.
struct RaceArgs {
  std::string day;
  int slot = 0;

  void parse(std::string_view day_arg, std::string_view slot_arg);
  [[nodiscard]] int show(CliContext& ctx) const;
};

// A command of DAY and SLOT alone, `name` in its usage error: it shows the race as the window
// would, then `print` writes out part of what the window shows.
std::unique_ptr<CliCommand> make_shown_race_command(std::string_view name,
                                                    void (*print)(CliContext& ctx));

}  // namespace rv::cli
