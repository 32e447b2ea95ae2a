#include "stats/vrh_other.h"

#include <algorithm>

#include "model/payouts.h"
#include "stats/vrh_day_report.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kPartnerRanks = 5;
constexpr int kBetYen = 100;

struct PatternSet {
  const char* name;
  unsigned patterns;  // bit p-1 for pattern p
};
constexpr std::array<PatternSet, kVrhPatternSets> kSets = {{{"全パターン ", 0x3F},
                                                            {"パターンA", 0x01},
                                                            {"パターンB", 0x02},
                                                            {"パターンAB", 0x03},
                                                            {"パターンCD", 0x0C},
                                                            {"パターンD", 0x08},
                                                            {"パターンDE", 0x18},
                                                            {"パターンDEF", 0x38},
                                                            {"パターンF", 0x20}}};
constexpr std::array<BetType, 4> kTypes = {BetType::kWide, BetType::kUmatan, BetType::kSanrenpuku,
                                           BetType::kSanrentan};
constexpr std::array<const char*, 4> kTypeNames = {"【ワイド】", "【馬単　】", "【３連複】",
                                                   "【３連単】"};

// The payout of a combination (horse numbers in bet order; unordered types compare sorted).
int payout(const HrRecord& hr, BetType type, std::array<int, 3> horses, int count) {
  const bool ordered = type == BetType::kUmatan || type == BetType::kSanrentan;
  if (!ordered) std::sort(horses.begin(), horses.begin() + count);
  for (int k = 1; k <= kPayCount[bet_index(type)]; ++k) {
    const HrEntry e = ReadHrEntry(hr, type, k);
    if (e.pay <= 0) continue;
    std::array<int, 3> paid = {e.horse[0], e.horse[1], e.horse[2]};
    if (!ordered) std::sort(paid.begin(), paid.begin() + count);
    if (std::equal(horses.begin(), horses.begin() + count, paid.begin())) return e.pay;
  }
  return 0;
}

void bet(std::array<VrhBetTally, 4>& t, int type, const HrRecord& hr, std::array<int, 3> horses,
         int count) {
  VrhBetTally& b = t[static_cast<std::size_t>(type)];
  ++b.points;
  if (const int pay = payout(hr, kTypes[static_cast<std::size_t>(type)], horses, count); pay > 0) {
    ++b.hits;
    b.returned += pay * kBetYen / 100;
  }
}

// Every bet of one axis.
void axis_bets(std::array<VrhBetTally, 4>& t, const HrRecord& hr, int axis,
               const std::vector<int>& partners) {
  for (const int p : partners) {
    bet(t, 0, hr, {axis, p, 0}, 2);
    bet(t, 1, hr, {axis, p, 0}, 2);
  }
  for (std::size_t i = 0; i < partners.size(); ++i) {
    for (std::size_t j = i + 1; j < partners.size(); ++j) {
      bet(t, 2, hr, {axis, partners[i], partners[j]}, 3);
      bet(t, 3, hr, {axis, partners[i], partners[j]}, 3);
      bet(t, 3, hr, {axis, partners[j], partners[i]}, 3);
    }
  }
}

}  // namespace

void AddVrhOtherDay(const Day& day, const VrhRanges& ranges, VrhOtherTally& tally) {
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (day.runners(slot) <= 0) continue;
    const RaceWork& w = day.Work[s];
    const std::vector<int> axes = VrhHorses(w, ranges);
    if (axes.empty()) continue;
    std::vector<int> favourites;
    for (int h = 1; h <= kMaxHorses; ++h) {
      const int rank = w.WinNinki[static_cast<std::size_t>(h)];
      if (rank >= 1 && rank <= kPartnerRanks) favourites.push_back(h);
    }
    for (const int axis : axes) {
      const int pattern = VrhPattern(w.WinNinki[static_cast<std::size_t>(axis)]);
      if (pattern == 0) continue;
      std::vector<int> partners = favourites;
      std::erase(partners, axis);
      for (std::size_t i = 0; i < kSets.size(); ++i) {
        if ((kSets[i].patterns & (1U << (pattern - 1))) != 0) {
          axis_bets(tally.sets[i], day.HrData[s], axis, partners);
        }
      }
    }
  }
}

void AppendVrhOtherBlocks(const VrhOtherTally& tally, std::vector<std::string>& out) {
  for (std::size_t i = 0; i < kSets.size(); ++i) {
    out.push_back(SJ("[") + sj(kSets[i].name) + "]");
    for (std::size_t t = 0; t < kTypes.size(); ++t) {
      const VrhBetTally& b = tally.sets[i][t];
      const long long invest = static_cast<long long>(b.points) * kBetYen;
      const double hit = b.points > 0 ? b.hits * 100.0 / b.points : 0.0;
      const double back =
          invest > 0 ? static_cast<double>(b.returned) * 100.0 / static_cast<double>(invest) : 0.0;
      out.push_back(sj(kTypeNames[t]) +
                    fmt("%6d点 投資%9lld円 回収%9lld円 的中率：%6.1f%%  回収率：%6.1f%%", b.points,
                        invest, b.returned, hit, back));
    }
  }
}

}  // namespace rv
