// The SLOT argument of the commands that work on one race of a stored day.
#pragma once

#include <string_view>

#include "cli/cli.h"

namespace rv::cli {

// SLOT: the race-list index 0..35. Throws UsageError for anything else.
int ParseSlotArg(std::string_view arg);

// Selects race `slot` of the loaded day in the race list and shows it as a click there
// does. 0 when the race is on screen, 1 when it was refused (the message went to the
// dialogs) or the day has no such race.
int SelectRaceArg(CliContext& ctx, int slot);

}  // namespace rv::cli
