#include "betting/waku_preview.h"

#include <algorithm>

namespace rv {
namespace {

// The two brackets of every 枠連 index, as the fixed ordering lays them out (a <= b).
struct Brackets {
  std::array<std::array<int, 2>, kWakurenCount + 1> of{};
  Brackets() {
    int k = 0;
    for (int a = 1; a <= 8; ++a) {
      for (int b = a; b <= 8; ++b) of[static_cast<std::size_t>(++k)] = {a, b};
    }
  }
};

const Brackets& brackets() {
  static const Brackets b;
  return b;
}

}  // namespace

void ComputeWakuRates(RaceWork& w) {
  w.WakuRate.fill(0.0);
  w.WakuNinki.fill(0);
  double sum = 0.0;
  for (int k = 1; k <= kWakurenCount; ++k) {
    const double o = w.WakurenOdds[static_cast<std::size_t>(k)];
    if (o > 0) sum += 1.0 / o;
  }
  if (sum <= 0) return;
  for (int k = 1; k <= kWakurenCount; ++k) {
    const double o = w.WakurenOdds[static_cast<std::size_t>(k)];
    if (o <= 0) continue;
    const double q = 100.0 / o / sum;
    const auto [a, b] = brackets().of[static_cast<std::size_t>(k)];
    w.WakuRate[static_cast<std::size_t>(a)] += q;
    if (b != a) w.WakuRate[static_cast<std::size_t>(b)] += q;
  }
  std::array<int, 8> order{1, 2, 3, 4, 5, 6, 7, 8};
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    return w.WakuRate[static_cast<std::size_t>(x)] > w.WakuRate[static_cast<std::size_t>(y)];
  });
  int rank = 0;
  for (const int b : order) {
    if (w.WakuRate[static_cast<std::size_t>(b)] > 0)
      w.WakuNinki[static_cast<std::size_t>(b)] = ++rank;
  }
}

WakurenOrder WakurenByPopularity(const RaceWork& w) {
  WakurenOrder o;
  for (int k = 1; k <= kWakurenCount; ++k) {
    if (w.WakurenOdds[static_cast<std::size_t>(k)] > 0)
      o.index[static_cast<std::size_t>(o.count++)] = k;
  }
  const auto key = [&](int k) {
    const int n = w.WakurenNinki[static_cast<std::size_t>(k)];
    return n > 0 ? n : kWakurenCount + 1;
  };
  std::stable_sort(o.index.begin(), o.index.begin() + o.count,
                   [&](int a, int b) { return key(a) < key(b); });
  return o;
}

double RateOfRank(const RaceWork& w, int rank) {
  for (int b = 1; b <= 8; ++b) {
    if (w.WakuNinki[static_cast<std::size_t>(b)] == rank)
      return w.WakuRate[static_cast<std::size_t>(b)];
  }
  return 0.0;
}

WakuBox RecommendedBox(const RaceWork& w, const WakurenOrder& order) {
  std::array<bool, 9> top{};
  for (int b = 1; b <= 8; ++b) {
    const int r = w.WakuNinki[static_cast<std::size_t>(b)];
    top[static_cast<std::size_t>(b)] = r >= 1 && r <= 3;
  }
  WakuBox box;
  double inverse = 0.0;
  for (int i = 0; i < order.count && box.count < 3; ++i) {
    const int k = order.index[static_cast<std::size_t>(i)];
    const auto [a, b] = brackets().of[static_cast<std::size_t>(k)];
    if (a == b || !top[static_cast<std::size_t>(a)] || !top[static_cast<std::size_t>(b)]) continue;
    box.index[static_cast<std::size_t>(box.count++)] = k;
    inverse += 1.0 / w.WakurenOdds[static_cast<std::size_t>(k)];
  }
  if (inverse > 0) box.synthetic = 1.0 / inverse;
  return box;
}

}  // namespace rv
