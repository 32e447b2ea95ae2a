// The recommended box of the top three brackets and the advice to skip a race.
#include "betting/waku_preview.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/day.h"

namespace rv {
namespace {

// The 枠連 index of a-b (a <= b).
int index_of(int a, int b) {
  int k = 0;
  for (int x = 1; x <= 8; ++x) {
    for (int y = x; y <= 8; ++y) {
      ++k;
      if (x == a && y == b) return k;
    }
  }
  return 0;
}

TEST(RecommendedBox, IsSkippedBelowSyntheticOddsOfTwoOrWithFewerThanTwoOnSale) {
  struct Combo {
    int a, b;
    double odds;
  };
  struct Case {
    const char* what;
    std::vector<Combo> combos;  // in popularity order
    bool skip;
    int count;
  };
  const Case cases[] = {
      {"synthetic 2.0", {{1, 2, 4.0}, {1, 3, 8.0}, {2, 3, 8.0}, {3, 4, 20.0}}, false, 3},
      {"synthetic 1.99", {{1, 2, 4.0}, {1, 3, 8.0}, {2, 3, 7.9}, {3, 4, 20.0}}, true, 3},
      {"one on sale", {{1, 2, 4.0}, {3, 3, 20.0}, {4, 4, 30.0}}, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RaceWork w;
    int rank = 0;
    for (const Combo& x : c.combos) {
      const auto k = static_cast<std::size_t>(index_of(x.a, x.b));
      w.WakurenOdds[k] = x.odds;
      w.WakurenNinki[k] = ++rank;
    }
    ComputeWakuRates(w);
    const WakuBox box = RecommendedBox(w, WakurenByPopularity(w));
    EXPECT_EQ(box.count, c.count);
    EXPECT_EQ(box.skip(), c.skip);
    EXPECT_EQ(box.index[0], index_of(1, 2));
  }
}

}  // namespace
}  // namespace rv
