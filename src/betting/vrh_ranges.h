// The ranges that make a runner a ＶＲＨ horse (signal horse): its win popularity rank and
// its win odds both inside the user's [VRH] bounds, every bound inclusive.
#pragma once

#include <vector>

#include "model/day.h"
#include "support/settings.h"

namespace rv {

struct VrhRanges {
  double toz1 = 1.0;   // Toz1: lowest win odds
  double toz2 = 50.0;  // Toz2: highest win odds
  int tnin1 = 2;       // Tnin1: best win popularity rank
  int tnin2 = 18;      // Tnin2: worst win popularity rank
};

// [VRH] Toz1, Toz2 (decimal texts; a text that is not a number reads 0) and Tnin1, Tnin2
// (integers; anything else reads the default).
VrhRanges LoadVrhRanges(const TIniGT& ini);

// A horse without a rank (0) or without published odds (<= 0) is never one, whatever the
// bounds: it cannot be bet on.
bool IsVrhHorse(const VrhRanges& r, int win_rank, double win_odds);

// The ＶＲＨ horses of a race: horse numbers 1..18 ascending, by the race's WinNinki and
// WinOdds.
std::vector<int> VrhHorses(const RaceWork& race, const VrhRanges& r);

}  // namespace rv
