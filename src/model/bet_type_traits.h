// What each bet type is, in one table: how many horses a combination names, how its bet
// table lays out its columns and writes its numbers, where its odds and payouts stand, what
// the voting files call it. Every piece of code that differs by bet type looks it up here
// instead of deciding it in a switch of its own.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "jvdata/combo_labels.h"
#include "model/bet_type.h"
#include "model/day.h"

namespace rv {

// Where a bet table keeps what. The first five columns are the same in every table; a column
// a table lacks is -1.
struct BetColumns {
  static constexpr int kErase = 0;  // "消" when the bet is erased
  static constexpr int kNo = 1;     // row number, right-aligned in no_width
  static constexpr int kKumi = 2;   // combination: " 3", " 1- 2", " 1- 2- 3"
  static constexpr int kOdds = 3;
  static constexpr int kNinki = 4;

  int count = 0;          // 12, 14 or 15
  int ren_ninki = -1;     // "連人気": win popularity of each horse of the combination
  int amount = 0;         // "購入額"
  int payback = 0;        // "回収額"
  int rate = 0;           // "回収率"
  int finish = 0;         // first "出現率" column
  int finish_count = 0;   // 1, 2 or 3 "出現率" columns
  int result_pay = 0;     // "結果配当"
  int result_return = 0;  // "結果回収"
  int result_ninki = 0;   // "結果人気"
  int no_width = 0;       // "%*d" width of the No. column
  int kumi_width = 0;     // characters of a combination label: 2, 5 or 8
};

// Where one "出現率" column takes its rate from: a block of the finish-rate table (1 first,
// 2 first two, 3 first three) and the rank it looks up, the row's popularity (ren -1) or the
// win popularity of the n-th horse of "連人気". Block 0: no column.
struct FinishSource {
  int block = 0;
  int ren = -1;
};

struct BetTypeTraits {
  BetType type;
  const char* name;      // UTF-8 "単勝" … "３連単"
  const char* tab_name;  // UTF-8, "三連複", "三連単" for the last two
  int horses;            // horses (brackets for 枠連) of a combination: 1, 2 or 3
  int combinations;      // entries of the combination table (horse numbers for 1 horse)
  // The combination table: label of an index and index of a label (0 for no label);
  // nullptr for the single-horse types, whose combination is the horse number.
  const std::string& (*label)(int index);
  int (*label_index)(std::string_view label);
  // The odds and popularity of the race by combination index (horse number).
  const double* (*odds)(const RaceWork& w);
  const int* (*ninki)(const RaceWork& w);

  BetColumns columns;
  int odds_width;   // "%*.1f" of the odds cell
  int ninki_width;  // "%*d" of the popularity cell
  std::array<FinishSource, 3> finish;

  const char* grid_name;                   // "StringGrid3" … "StringGrid34"
  std::array<const char*, 4> total_names;  // the total labels, in BetTotal order
  int sort_group;  // tables sharing their sort flags: 単勝, 複勝, the pairs, the trios
  int filter;      // index of the set's odds filter, -1 for none

  int pay_first;  // payout entries pay_first .. pay_first + pay_count - 1 of the race
  int pay_count;

  const char* vote_code;  // the voting plug-in's name of the type
  bool vote_zero_padded;  // the plug-in's numbers "%02d" (else "%d")

  // The race's odds record of its own the type's bets need, or nullptr where the odds come
  // with the win odds (O1), which every race with runners has.
  std::string_view (*odds_record)(const Day& day, std::size_t slot);
};

namespace bet_traits_detail {

inline constexpr BetColumns kSingle{.count = 12,
                                    .ren_ninki = -1,
                                    .amount = 5,
                                    .payback = 6,
                                    .rate = 7,
                                    .finish = 8,
                                    .finish_count = 1,
                                    .result_pay = 9,
                                    .result_return = 10,
                                    .result_ninki = 11,
                                    .no_width = 2,
                                    .kumi_width = 2};
inline constexpr BetColumns kPair{.count = 14,
                                  .ren_ninki = 5,
                                  .amount = 6,
                                  .payback = 7,
                                  .rate = 8,
                                  .finish = 9,
                                  .finish_count = 2,
                                  .result_pay = 11,
                                  .result_return = 12,
                                  .result_ninki = 13,
                                  .no_width = 3,
                                  .kumi_width = 5};
inline constexpr BetColumns kTrio{.count = 15,
                                  .ren_ninki = 5,
                                  .amount = 6,
                                  .payback = 7,
                                  .rate = 8,
                                  .finish = 9,
                                  .finish_count = 3,
                                  .result_pay = 12,
                                  .result_return = 13,
                                  .result_ninki = 14,
                                  .no_width = 3,
                                  .kumi_width = 8};
constexpr BetColumns with_no_width(BetColumns c, int w) {
  c.no_width = w;
  return c;
}

constexpr int pay_first(BetType t) {
  return kPayFirst[static_cast<std::size_t>(bet_index(t))];
}
constexpr int pay_count(BetType t) {
  return kPayCount[static_cast<std::size_t>(bet_index(t))];
}

}  // namespace bet_traits_detail

inline constexpr std::array<BetTypeTraits, kBetTypeCount> kBetTypeTraits = [] {
  namespace d = bet_traits_detail;
  using T = BetType;
  const auto totals = [](const char* a, const char* b, const char* c, const char* e) {
    return std::array<const char*, 4>{a, b, c, e};
  };
  return std::array<BetTypeTraits, kBetTypeCount>{{
      {T::kTansho,
       "単勝",
       "単勝",
       1,
       kMaxHorses,
       nullptr,
       nullptr,
       [](const RaceWork& w) { return w.WinOdds.data(); },
       [](const RaceWork& w) { return w.WinNinki.data(); },
       d::kSingle,
       6,
       2,
       {FinishSource{1, -1}},
       "StringGrid3",
       totals("TanTensuLabel", "TanToshiLabel", "TanYosoKaishuLabel", "TanKaishuLabel"),
       0,
       -1,
       d::pay_first(T::kTansho),
       d::pay_count(T::kTansho),
       "TAN",
       true,
       nullptr},
      {T::kFukusho,
       "複勝",
       "複勝",
       1,
       kMaxHorses,
       nullptr,
       nullptr,
       [](const RaceWork& w) { return w.PlaceOddsLow.data(); },
       [](const RaceWork& w) { return w.PlaceNinki.data(); },
       d::kSingle,
       6,
       2,
       {FinishSource{3, -1}},
       "StringGrid5",
       totals("FukTensuLabel", "FukToshiLabel", "FukYosoKaishuLabel", "FukKaishuLabel"),
       1,
       0,
       d::pay_first(T::kFukusho),
       d::pay_count(T::kFukusho),
       "FUKU",
       true,
       nullptr},
      {T::kWakuren,
       "枠連",
       "枠連",
       2,
       kWakurenCount,
       WakurenLabel,
       WakurenIndex,
       [](const RaceWork& w) { return w.WakurenOdds.data(); },
       [](const RaceWork& w) { return w.WakurenNinki.data(); },
       d::with_no_width(d::kPair, 2),
       7,
       3,
       {},
       "StringGrid28",
       totals("WRTensuLabel", "WRToshiLabel", "WRYosoKaishuLabel", "WRKaishuLabel"),
       2,
       -1,
       d::pay_first(T::kWakuren),
       d::pay_count(T::kWakuren),
       "WAKU",
       false,
       nullptr},
      {T::kUmaren,
       "馬連",
       "馬連",
       2,
       kUmarenCount,
       UmarenLabel,
       UmarenIndex,
       [](const RaceWork& w) { return w.UmarenOdds.data(); },
       [](const RaceWork& w) { return w.UmarenNinki.data(); },
       d::kPair,
       7,
       3,
       {FinishSource{2, 0}, FinishSource{2, 1}},
       "StringGrid30",
       totals("URTensuLabel", "URToshiLabel", "URYosoKaishuLabel", "URKaishuLabel"),
       2,
       1,
       d::pay_first(T::kUmaren),
       d::pay_count(T::kUmaren),
       "UMAFUKU",
       true,
       [](const Day& d, std::size_t s) { return d.O2Data[s].view(); }},
      {T::kWide,
       "ワイド",
       "ワイド",
       2,
       kUmarenCount,
       UmarenLabel,
       UmarenIndex,
       [](const RaceWork& w) { return w.WideOdds.data(); },
       [](const RaceWork& w) { return w.WideNinki.data(); },
       d::kPair,
       7,
       3,
       {FinishSource{3, 0}, FinishSource{3, 1}},
       "StringGrid31",
       totals("WDTensuLabel", "WDToshiLabel", "WDYosoKaishuLabel", "WDKaishuLabel"),
       2,
       2,
       d::pay_first(T::kWide),
       d::pay_count(T::kWide),
       "WIDE",
       true,
       [](const Day& d, std::size_t s) { return d.O3Data[s].view(); }},
      {T::kUmatan,
       "馬単",
       "馬単",
       2,
       kUmatanCount,
       UmatanLabel,
       UmatanIndex,
       [](const RaceWork& w) { return w.UmatanOdds.data(); },
       [](const RaceWork& w) { return w.UmatanNinki.data(); },
       d::kPair,
       7,
       3,
       {FinishSource{2, 0}, FinishSource{2, 1}},
       "StringGrid32",
       totals("UTTensuLabel", "UTToshiLabel", "UTYosoKaishuLabel", "UTKaishuLabel"),
       2,
       3,
       d::pay_first(T::kUmatan),
       d::pay_count(T::kUmatan),
       "UMATAN",
       true,
       [](const Day& d, std::size_t s) { return d.O4Data[s].view(); }},
      {T::kSanrenpuku,
       "３連複",
       "三連複",
       3,
       kSanrenpukuCount,
       SanrenpukuLabel,
       SanrenpukuIndex,
       [](const RaceWork& w) { return w.SanrenpukuOdds.data(); },
       [](const RaceWork& w) { return w.SanrenpukuNinki.data(); },
       d::kTrio,
       7,
       3,
       {FinishSource{3, 0}, FinishSource{3, 1}, FinishSource{3, 2}},
       "StringGrid33",
       totals("SRFTensuLabel", "SRFToshiLabel", "SRFYosoKaishuLabel", "SRFKaishuLabel"),
       3,
       4,
       d::pay_first(T::kSanrenpuku),
       d::pay_count(T::kSanrenpuku),
       "SANFUKU",
       true,
       [](const Day& d, std::size_t s) { return d.O5Data[s].view(); }},
      {T::kSanrentan,
       "３連単",
       "三連単",
       3,
       kSanrentanCount,
       SanrentanLabel,
       SanrentanIndex,
       [](const RaceWork& w) { return w.SanrentanOdds.data(); },
       [](const RaceWork& w) { return w.SanrentanNinki.data(); },
       d::with_no_width(d::kTrio, 4),
       8,
       4,
       {FinishSource{1, 0}, FinishSource{2, 1}, FinishSource{3, 2}},
       "StringGrid34",
       totals("SRTTensuLabel", "SRTToshiLabel", "SRTYosoKaishuLabel", "SRTKaishuLabel"),
       3,
       5,
       d::pay_first(T::kSanrentan),
       d::pay_count(T::kSanrentan),
       "SANTAN",
       true,
       [](const Day& d, std::size_t s) { return d.O6Data[s].view(); }},
  }};
}();

constexpr const BetTypeTraits& bet_traits(BetType t) {
  return kBetTypeTraits[static_cast<std::size_t>(bet_index(t))];
}

// The table is in BetType order.
static_assert([] {
  for (int i = 0; i < kBetTypeCount; ++i) {
    if (bet_index(kBetTypeTraits[static_cast<std::size_t>(i)].type) != i) return false;
  }
  return true;
}());

}  // namespace rv
