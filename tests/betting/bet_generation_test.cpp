#include "betting/bet_generation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "betting/bet_race.h"
#include "jvdata/combo_labels.h"

namespace rv {
namespace {

using testing::BetRace;
using testing::OpenSet;
using testing::Rows;

std::string u8(std::string_view s) {
  return to_utf8(s);
}

void generate(BetRace& race, const SelectionSet& set = OpenSet(), std::int64_t amount = 3000,
              AllocationMode mode = AllocationMode::kEqual) {
  GenerateBets(race.day(), BetRace::kSlot, race.grid8(), set, mode, amount, race.tables);
}

std::vector<std::string> labels(const BetTable& t) {
  std::vector<std::string> out;
  for (int r = 1; r <= t.data_rows(); ++r) out.emplace_back(t.cell(r, BetColumns::kKumi));
  return out;
}

// The combinations each listed type's table holds, in row order.
void expect_labels(BetRace& race,
                   std::initializer_list<std::pair<BetType, std::vector<std::string>>> want) {
  for (const auto& [t, rows] : want) {
    EXPECT_EQ(labels(race.tables[t]), rows) << "bet type " << bet_index(t);
  }
}

TEST(GenerateBets, AnAxisThatIsAlsoAFirstPartnerNeverPairsWithItself) {
  BetRace race;
  race.show();
  race.mark({1, 2}, {1, 2}, {});
  generate(race);
  const int k = UmarenIndex(" 1- 2");
  EXPECT_EQ(
      Rows(race.tables[BetType::kUmaren], {0, 1, 2, 3, 4, 5}),
      (std::vector<std::string>{"|  1| 1- 2|" + fmt("%7.1f", testing::combo_tenths(k) / 10.0) +
                                "|" + fmt("%3d", k) + "| 1- 2"}));
  expect_labels(race, {{BetType::kWide, {" 1- 2"}}, {BetType::kUmatan, {" 1- 2", " 2- 1"}}});
  // No ヒモ2 horse: no triples, one empty row each.
  for (const BetType t : {BetType::kSanrenpuku, BetType::kSanrentan}) {
    EXPECT_EQ(race.tables[t].data_rows(), 1);
    EXPECT_EQ(Rows(race.tables[t], {1, 2, 3}), (std::vector<std::string>{"||"}));
  }
}

TEST(GenerateBets, OneHorseOfEachMarkGivesOneTrioAndSixTrifectaOrders) {
  BetRace race;
  race.show();
  race.mark({3}, {5}, {7});
  generate(race);
  EXPECT_EQ(labels(race.tables[BetType::kSanrentan]),
            (std::vector<std::string>{" 3- 5- 7", " 3- 7- 5", " 5- 3- 7", " 5- 7- 3", " 7- 3- 5",
                                      " 7- 5- 3"}));
  const int k = SanrentanIndex(" 3- 5- 7");
  EXPECT_EQ(Rows(race.tables[BetType::kSanrentan], {0, 1, 2, 3, 4, 5})[0],
            "|   1| 3- 5- 7|" + fmt("%8.1f", testing::combo_tenths(k) / 10.0) + "|" +
                fmt("%4d", k) + "| 3- 5- 7");
  EXPECT_EQ(Rows(race.tables[BetType::kSanrentan], {1, 5})[5], "   6| 7- 5- 3");
  const int trio = SanrenpukuIndex(" 3- 5- 7");
  EXPECT_EQ(
      Rows(race.tables[BetType::kSanrenpuku], {1, 2, 3, 4, 5}),
      (std::vector<std::string>{"  1| 3- 5- 7|" + fmt("%7.1f", testing::combo_tenths(trio) / 10.0) +
                                "|" + fmt("%3d", trio) + "| 3- 5- 7"}));
  EXPECT_EQ(Rows(race.tables[BetType::kTansho], {1, 2, 3, 4}),
            (std::vector<std::string>{" 1| 3|   5.0| 3"}));
  // Place odds low of horse 3: 5.0 / 3 to one decimal.
  EXPECT_EQ(Rows(race.tables[BetType::kFukusho], {1, 2, 3, 4}),
            (std::vector<std::string>{" 1| 3|   1.6| 3"}));
  EXPECT_EQ(labels(race.tables[BetType::kUmatan]), (std::vector<std::string>{" 3- 5"}));
}

TEST(GenerateBets, AnErasedHorseLeavesEveryBetTypeWhateverItsMarks) {
  BetRace race;
  race.show();
  race.mark({1, 2}, {1, 2, 3}, {1, 2, 3}, {2});
  generate(race);
  expect_labels(race, {{BetType::kTansho, {" 1"}},
                       {BetType::kFukusho, {" 1"}},
                       {BetType::kUmaren, {" 1- 3"}},
                       {BetType::kUmatan, {" 1- 3"}},
                       // Two horses left: no triple of three different horses.
                       {BetType::kSanrenpuku, {""}}});
}

TEST(GenerateBets, WithdrawnHorsesDropOutWhenTheOddsRecordsArePresent) {
  BetRace race(12);
  race.withdraw(2);
  race.withdraw(9);
  race.show();
  race.mark({1, 2}, {2, 3, 9}, {4, 9});
  generate(race);
  expect_labels(race, {{BetType::kTansho, {" 1"}},
                       {BetType::kUmaren, {" 1- 3"}},
                       {BetType::kWide, {" 1- 3"}},
                       {BetType::kUmatan, {" 1- 3"}},
                       {BetType::kSanrenpuku, {" 1- 3- 4"}}});
  EXPECT_EQ(labels(race.tables[BetType::kSanrentan]).size(), 6u);
  // The amounts follow: 3000 over one bet is 3000.
  EXPECT_EQ(race.tables[BetType::kUmaren].cell(1, 6), "  3000");
}

TEST(GenerateBets, WithoutAnOddsRecordEveryPairIsListedWithBlankOddsAndNothingAllocated) {
  BetRace race(12);
  race.withdraw(2);
  race.drop_record(jvfeed::Kind::O2);
  race.drop_record(jvfeed::Kind::O6);
  race.show();
  race.mark({1, 2}, {2, 3}, {4});
  generate(race);
  const BetTable& umaren = race.tables[BetType::kUmaren];
  // The withdrawn horse stays too: nothing tells it apart without the record.
  EXPECT_EQ(Rows(umaren, {1, 2, 3, 4, 5}),
            (std::vector<std::string>{"  1| 1- 2|       |   |", "  2| 1- 3|       |   | 1- 3",
                                      "  3| 2- 3|       |   |"}));
  EXPECT_EQ(Rows(umaren, {6, 7, 8}), (std::vector<std::string>{"||", "||", "||"}));
  for (const BetTotal k : kBetTotals) EXPECT_EQ(umaren.total(k).text(), "");
  // The trifecta's blanks fill its wider odds column and leave two for the popularity.
  EXPECT_EQ(race.tables[BetType::kSanrentan].cell(1, 3), "        ");
  EXPECT_EQ(race.tables[BetType::kSanrentan].cell(1, 4), "  ");
  // ワイド has its record: the withdrawn horse is gone there, and the bets are allocated.
  EXPECT_EQ(labels(race.tables[BetType::kWide]), (std::vector<std::string>{" 1- 3"}));
  EXPECT_EQ(race.tables[BetType::kWide].total(BetTotal::kTensu).text(), "  1");
}

TEST(GenerateBets, OddsFiltersAreInclusiveWholeOdds) {
  BetRace race;
  race.show();
  race.mark({1}, {2, 3, 4}, {});
  SelectionSet set = OpenSet();
  // 馬連 1-2, 1-3, 1-4 are indexes 1, 2, 3: odds 3.7, 4.4, 5.1.
  set.filters[1] = {4, 5};
  // 複勝 low of horse 1 is 1.0.
  set.filters[0] = {1, 1};
  generate(race, set);
  expect_labels(race, {{BetType::kUmaren, {" 1- 3"}}, {BetType::kFukusho, {" 1"}}});
  set.filters[0] = {2, 1000};
  generate(race, set);
  expect_labels(race, {{BetType::kFukusho, {""}}, {BetType::kTansho, {" 1"}}});  // 単勝: no filter
}

TEST(GenerateBets, RenNinkiNeedsEveryHorseRankedAndItsFinishRatesFollowIt) {
  BetRace race(8);
  race.horse(4, 9.9, 0, 4);  // priced but not ranked
  race.show();
  race.mark({1}, {2, 4}, {});
  generate(race);
  const BetTable& umaren = race.tables[BetType::kUmaren];
  EXPECT_EQ(Rows(umaren, {2, 5, 9, 10}),
            (std::vector<std::string>{" 1- 2| 1- 2|  0.0|  0.0", " 1- 4|||"}));
}

TEST(GenerateBets, ASmallerTableLeavesNothingOfTheLargerOneBeforeIt) {
  BetRace race;
  race.show();
  std::vector<int> all(18);
  for (int h = 1; h <= 18; ++h) all[static_cast<std::size_t>(h - 1)] = h;
  race.mark(all, all, all);
  generate(race);
  EXPECT_EQ(race.tables[BetType::kSanrentan].data_rows(), 4896);
  race.tables.Click(BetType::kSanrentan, 1, 0);  // an erase mark that must not survive
  race.mark({1}, {2}, {});
  generate(race);
  const BetTable& t = race.tables[BetType::kSanrentan];
  ASSERT_EQ(t.data_rows(), 1);
  for (int c = 0; c < t.columns().count; ++c) EXPECT_EQ(t.cell(1, c), "") << c;
  for (const BetTotal k : kBetTotals) EXPECT_EQ(t.total(k).text(), "");
  EXPECT_EQ(Rows(race.tables[BetType::kUmaren], {0, 1, 2}),
            (std::vector<std::string>{"|  1| 1- 2"}));
}

TEST(FinishRates, EachColumnTakesItsBlockAndTheRankOfItsHorse) {
  BetRace race(10);
  race.show();
  race.mark({2}, {5}, {9});
  generate(race);
  FinishRateTable rates;
  rates.set(10, 1, 2, 0.305);  // block 1: the favourite-by-rank of the first horse
  rates.set(10, 2, 5, 0.25);
  rates.set(10, 3, 9, 0.125);
  rates.set(10, 3, 2, 0.5);
  rates.set(10, 2, 2, 0.4);
  BetTable& trifecta = race.tables[BetType::kSanrentan];
  FillFinishRates(trifecta, 10, rates);
  // " 2- 5- 9": 1着 of rank 2, 2着内 of rank 5, 3着内 of rank 9.
  EXPECT_EQ(Rows(trifecta, {2, 9, 10, 11})[0], " 2- 5- 9| 30.5| 25.0| 12.5");
  BetTable& trio = race.tables[BetType::kSanrenpuku];
  FillFinishRates(trio, 10, rates);
  EXPECT_EQ(Rows(trio, {9, 10, 11})[0], " 50.0|  0.0| 12.5");
  BetTable& umaren = race.tables[BetType::kUmaren];
  FillFinishRates(umaren, 10, rates);
  EXPECT_EQ(Rows(umaren, {9, 10})[0], " 40.0| 25.0");
  BetTable& tansho = race.tables[BetType::kTansho];
  FillFinishRates(tansho, 10, rates);
  EXPECT_EQ(Rows(tansho, {8})[0], " 30.5");
  BetTable& fukusho = race.tables[BetType::kFukusho];
  FillFinishRates(fukusho, 10, rates);
  EXPECT_EQ(Rows(fukusho, {8})[0], " 50.0");
  // Outside the table's runner counts every rate is 0.
  FillFinishRates(tansho, 3, rates);
  EXPECT_EQ(Rows(tansho, {8})[0], "  0.0");
}

// ---- The index walk against the bets' texts in a sorted list -----------------------------

// The rows as a sorted list of the bets' texts with duplicates ignored makes them: every
// ordered choice of rows, each bet's text label + odds + popularity, cut into the cells.
std::vector<std::string> reference_rows(BetRace& race, const SelectionSet& set, BetType type) {
  const Grid& g = race.grid8();
  const RaceWork& w = race.work();
  const int n = g.row_count() - 1;
  const auto usable = [&](int r) { return g.cell(r, 11) != sj("消"); };
  const auto horse = [&](int r) { return inum(g.cell(r, 1)); };
  const auto marked = [&](int r, int col) { return !g.cell(r, col).empty(); };
  const bool record = HasOddsRecord(race.day(), BetRace::kSlot, type);
  const OddsRange filter = set.filter(type).value_or(OddsRange{});
  std::set<std::string> keys;
  const auto add = [&](const std::string& label, const double* odds, const int* ninki, int k,
                       const char* odds_fmt, const char* ninki_fmt) {
    if (!record) {
      keys.insert(label + "       " + "   ");
    } else if (filter.contains(odds[k])) {
      keys.insert(label + fmt(odds_fmt, odds[k]) + fmt(ninki_fmt, ninki[k]));
    }
  };
  switch (type) {
    case BetType::kTansho:
    case BetType::kFukusho:
      for (int r = 1; r <= n; ++r) {
        const int h = horse(r);
        const auto i = static_cast<std::size_t>(h);
        if (!usable(r) || h < 1 || !marked(r, 8) || w.WinNinki[i] < 1) continue;
        if (type == BetType::kTansho) {
          keys.insert(fmt("%2d%6.1f%2d", h, w.WinOdds[i], w.WinNinki[i]));
        } else if (filter.contains(w.PlaceOddsLow[i])) {
          keys.insert(fmt("%2d%6.1f%2d", h, w.PlaceOddsLow[i], w.PlaceNinki[i]));
        }
      }
      break;
    case BetType::kUmaren:
    case BetType::kWide:
    case BetType::kUmatan:
      for (int a = 1; a <= n; ++a) {
        for (int b = 1; b <= n; ++b) {
          if (a == b || !usable(a) || !usable(b) || !marked(a, 8) || !marked(b, 9)) continue;
          int x = horse(a);
          int y = horse(b);
          if (type != BetType::kUmatan && x > y) std::swap(x, y);
          const std::string label = fmt("%2d-%2d", x, y);
          if (type == BetType::kUmaren) {
            add(label, w.UmarenOdds.data(), w.UmarenNinki.data(), UmarenIndex(label), "%7.1f",
                "%3d");
          } else if (type == BetType::kWide) {
            add(label, w.WideOdds.data(), w.WideNinki.data(), UmarenIndex(label), "%7.1f", "%3d");
          } else {
            add(label, w.UmatanOdds.data(), w.UmatanNinki.data(), UmatanIndex(label), "%7.1f",
                "%3d");
          }
        }
      }
      break;
    default:
      for (int a = 1; a <= n; ++a) {
        for (int b = 1; b <= n; ++b) {
          for (int c = 1; c <= n; ++c) {
            if (a == b || b == c || a == c || !usable(a) || !usable(b) || !usable(c)) continue;
            if (!marked(a, 8) || !marked(b, 9) || !marked(c, 10)) continue;
            std::array<int, 3> h = {horse(a), horse(b), horse(c)};
            if (type == BetType::kSanrenpuku) {
              std::sort(h.begin(), h.end());
              const std::string label = fmt("%2d-%2d-%2d", h[0], h[1], h[2]);
              add(label, w.SanrenpukuOdds.data(), w.SanrenpukuNinki.data(), SanrenpukuIndex(label),
                  "%7.1f", "%3d");
              continue;
            }
            const int orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                      {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
            for (const auto& o : orders) {
              const std::string label =
                  fmt("%2d-%2d-%2d", h[static_cast<std::size_t>(o[0])],
                      h[static_cast<std::size_t>(o[1])], h[static_cast<std::size_t>(o[2])]);
              add(label, w.SanrentanOdds.data(), w.SanrentanNinki.data(), SanrentanIndex(label),
                  "%8.1f", "%4d");
            }
          }
        }
      }
      break;
  }
  // Cut the texts into the cells.
  const BetColumns& c = bet_columns(type);
  const int kw = c.kumi_width;
  const int ow = type == BetType::kSanrentan ? 8 : (kw == 2 ? 6 : 7);
  std::vector<std::string> rows;
  int i = 0;
  for (const std::string& key : keys) {
    ++i;
    std::string row = "|" + fmt("%*d", c.no_width, i) + "|" + key.substr(0, kw) + "|" +
                      key.substr(kw, ow) + "|" + key.substr(kw + ow);
    if (c.ren_ninki > 0) {
      std::string ren;
      bool all = true;
      for (int p = 0; p * 3 < kw; ++p) {
        const int rank = w.WinNinki[static_cast<std::size_t>(inum(key.substr(p * 3, 2)))];
        all = all && rank >= 1;
        ren += (p > 0 ? "-" : "") + fmt("%2d", rank);
      }
      row += "|" + (all ? ren : "");
    }
    rows.push_back(row);
  }
  if (rows.empty()) rows.emplace_back(c.ren_ninki > 0 ? "|||||" : "||||");
  return rows;
}

void expect_like_sorted_lists(BetRace& race, const SelectionSet& set) {
  generate(race, set);
  for (const BetType t : kGeneratedTypes) {
    const std::vector<std::string> want = reference_rows(race, set, t);
    const std::vector<std::string> got = bet_columns(t).ren_ninki > 0
                                             ? Rows(race.tables[t], {0, 1, 2, 3, 4, 5})
                                             : Rows(race.tables[t], {0, 1, 2, 3, 4});
    // Rows() gives UTF-8 and the reference Shift-JIS, both plain ASCII here.
    ASSERT_EQ(got.size(), want.size()) << u8(BetTypeName(t));
    EXPECT_EQ(got, want) << u8(BetTypeName(t));
  }
}

TEST(GenerateBetsLikeSortedLists, TheWholeFieldOnEveryMark) {
  BetRace race;
  race.show();
  std::vector<int> all;
  for (int h = 1; h <= 18; ++h) all.push_back(h);
  race.mark(all, all, all);
  expect_like_sorted_lists(race, OpenSet());
  EXPECT_EQ(race.tables[BetType::kSanrentan].data_rows(), 4896);
}

TEST(GenerateBetsLikeSortedLists, RandomMarksOddsFiltersAndMissingRecords) {
  std::mt19937 rng(20261206);
  for (int round = 0; round < 30; ++round) {
    const int runners = 5 + static_cast<int>(rng() % 14);
    BetRace race(runners);
    // Odds of every kind, with dashes, blanks and no-vote zeros among them.
    RaceWork& w = race.work();
    const auto odd = [&rng]() {
      const unsigned v = rng() % 20;
      return v == 0 ? -1.0 : v == 1 ? -2.0 : v == 2 ? 0.0 : (10 + rng() % 5000) / 10.0;
    };
    for (auto* a : {w.UmarenOdds.data(), w.WideOdds.data(), w.UmatanOdds.data()}) {
      for (int k = 1; k <= kUmatanCount; ++k) {
        if (a != w.UmatanOdds.data() && k > kUmarenCount) break;
        a[k] = odd();
      }
    }
    for (int k = 1; k <= kSanrenpukuCount; ++k)
      w.SanrenpukuOdds[static_cast<std::size_t>(k)] = odd();
    for (int k = 1; k <= kSanrentanCount; ++k) w.SanrentanOdds[static_cast<std::size_t>(k)] = odd();
    for (int h = 1; h <= runners; ++h) {
      if (rng() % 6 == 0) race.horse(h, 5.5, 0, h);  // unranked
    }
    if (rng() % 3 == 0) race.drop_record(jvfeed::Kind::O2);
    if (rng() % 3 == 0) race.drop_record(jvfeed::Kind::O5);
    if (rng() % 3 == 0) race.drop_record(jvfeed::Kind::O6);
    race.show();
    std::vector<int> axis, himo1, himo2, erased;
    for (int h = 1; h <= runners; ++h) {
      if (rng() % 3 == 0) axis.push_back(h);
      if (rng() % 2 == 0) himo1.push_back(h);
      if (rng() % 2 == 0) himo2.push_back(h);
      if (rng() % 8 == 0) erased.push_back(h);
    }
    race.mark(axis, himo1, himo2, erased);
    // A heading sort leaves the rows in another order: the bets do not change.
    if (round % 2 == 1) race.grid8().swap_rows(1, runners);
    SelectionSet set = OpenSet();
    for (OddsRange& f : set.filters) {
      if (rng() % 2 == 0) f = {static_cast<int>(rng() % 30), static_cast<int>(30 + rng() % 300)};
    }
    SCOPED_TRACE(round);
    expect_like_sorted_lists(race, set);
  }
}

}  // namespace
}  // namespace rv
