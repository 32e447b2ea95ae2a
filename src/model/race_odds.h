// The odds loader: the raw odds records of a race (O1..O6) into odds numbers, popularity
// ranks and the win-rate figures of its working record.
//
// Every odds value is > 0 (the published odds: the field / 10), 0.0 (no votes), -1.0 (a
// field of dashes or stars: no sale, or the runner withdrawn) or -2.0 (a blank field: no
// such horse or combination). Consumers use a value only when it is > 0.
#pragma once

#include "model/day.h"

namespace rv {

inline constexpr double kOddsWithdrawn = -1.0;
inline constexpr double kOddsBlank = -2.0;

// Loads the odds of one slot from the day's odds files (day.Files): for each kind, the
// first record of the file whose venue code and race number are the slot's is copied into
// the slot's record copy and read into the slot's working record. A missing file, or a
// file without the race, leaves that kind cleared (zeros) and its record copy blank.
// Throws FileError when a file exists but cannot be read.
void LoadRaceOdds(Day& day, int slot);

// LoadRaceOdds for every slot, in slot order, reading each odds file once. OzRace is left
// at the last slot, as a slot-by-slot run leaves it. Every odds copy the files lack ends
// blank (those taken from a file before as well), so a day load need not blank them first;
// a file that cannot be read leaves the copies taken so far and clears the other odds.
void LoadDayOdds(Day& day);

}  // namespace rv
