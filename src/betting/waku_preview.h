// The figures of the 枠連 preview, worked out from a race's bracket-quinella odds: each
// bracket's share of the chances (its 連対率) and rank, the combinations in popularity order,
// and the three-point box of the top brackets with its synthetic odds.
#pragma once

#include <array>

#include "jvdata/combo_labels.h"
#include "model/day.h"

namespace rv {

// WakuRate and WakuNinki of the race from its 枠連 odds. A combination's chance is its
// inverse odds over the sum of the inverse odds of every combination on sale; a bracket's
// rate is 100 x the chances of the combinations that hold it (b-b once). Brackets rank by
// rate, highest first, ties to the lower bracket; a bracket of rate 0 has rank 0.
void ComputeWakuRates(RaceWork& w);

// The 枠連 combinations on sale (odds > 0) in WakurenNinki order, ties by index; a
// combination on sale without a rank comes after the ranked ones.
struct WakurenOrder {
  std::array<int, kWakurenCount> index{};
  int count = 0;
};
WakurenOrder WakurenByPopularity(const RaceWork& w);

// The rate of the bracket of rank r (1..8), 0 when no bracket has that rank.
double RateOfRank(const RaceWork& w, int rank);

// The three-point box of the brackets ranked 1-3: its combinations on sale, most popular
// first, and their synthetic odds 1 / sum(1 / odds). The race is skipped ("見送") when fewer
// than two of them are on sale or the synthetic odds are below 2.0.
struct WakuBox {
  std::array<int, 3> index{};
  int count = 0;
  double synthetic = 0.0;
  [[nodiscard]] bool skip() const { return count < 2 || synthetic < 2.0; }
};
WakuBox RecommendedBox(const RaceWork& w, const WakurenOrder& order);

}  // namespace rv
