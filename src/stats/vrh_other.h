// The ＶＲＨ report for other bet types: per pattern set (A, B, AB, CD, D, DE, DEF, F and all
// patterns together) the ＶＲＨ horses of its patterns are axes, the horses of win popularity
// 1-5 other than the axis partners, 100 yen a bet, and the ワイド, 馬単, ３連複 and ３連単 bets
// are checked against the race's payouts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "betting/vrh_ranges.h"
#include "model/day.h"

namespace rv {

struct VrhBetTally {
  int points = 0;
  int hits = 0;
  long long returned = 0;  // yen on 100-yen bets
};

// Set 0 is every pattern; sets 1..8 are A, B, AB, CD, D, DE, DEF, F. Types in the order
// ワイド, 馬単, ３連複, ３連単.
inline constexpr int kVrhPatternSets = 9;
struct VrhOtherTally {
  std::array<std::array<VrhBetTally, 4>, kVrhPatternSets> sets{};
};

void AddVrhOtherDay(const Day& day, const VrhRanges& ranges, VrhOtherTally& tally);

// The blocks of every pattern set ("[全パターン ]", "[パターンAB]", ...), Shift-JIS lines.
void AppendVrhOtherBlocks(const VrhOtherTally& tally, std::vector<std::string>& out);

}  // namespace rv
