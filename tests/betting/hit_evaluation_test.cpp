#include "betting/hit_evaluation.h"

#include <gtest/gtest.h>

#include "betting/bet_race.h"

namespace rv {
namespace {

using testing::Rows;

// Bets with their amounts: combination and amount per row.
void fill(BetTable& t, const std::vector<std::pair<std::string, int>>& bets) {
  t.set_data_rows(static_cast<int>(bets.size()));
  const BetColumns& c = t.columns();
  for (int r = 1; r <= static_cast<int>(bets.size()); ++r) {
    const auto& [kumi, amount] = bets[static_cast<std::size_t>(r - 1)];
    t.set_cell(r, BetColumns::kNo, t.no_text(r));
    t.set_cell(r, BetColumns::kKumi, kumi);
    t.set_cell(r, BetColumns::kOdds, "    3.0");
    t.set_cell(r, c.amount, amount > 0 ? fmt("%6d", amount) : "");
  }
}

PayoutEntries entries(std::initializer_list<PayoutEntry> list) {
  PayoutEntries e{};
  std::size_t i = 0;
  for (const PayoutEntry& p : list) e[i++] = p;
  return e;
}

TEST(EvaluateBetTable, ADeadHeatHitsTwoRowsAndTheTotalComparesWithTheInvestment) {
  BetTable t(BetType::kTansho);
  fill(t, {{" 2", 300}, {" 5", 300}, {" 9", 300}});
  t.total(BetTotal::kToshi).set_text("   900");
  // Horses 5 and 9 dead-heated for the win.
  const PayoutEntries paid = entries({{" 5", 3, 450}, {" 9", 1, 210}});
  EXPECT_EQ(EvaluateBetTable(t, paid), 1350 + 630);
  EXPECT_EQ(Rows(t, {9, 10, 11}),
            (std::vector<std::string>{"||", "    450|   1350|  3", "    210|    630|  1"}));
  EXPECT_EQ(t.total(BetTotal::kKaishu).text(), "    1980");
  EXPECT_EQ(t.total(BetTotal::kKaishu).font_color(), colors::kRed);

  t.total(BetTotal::kToshi).set_text("  1980");  // not above the investment: black
  EvaluateBetTable(t, paid);
  EXPECT_EQ(t.total(BetTotal::kKaishu).font_color(), colors::kBlack);

  // Without payouts the result cells and the return empty again.
  EXPECT_EQ(EvaluateBetTable(t, PayoutEntries{}), 0);
  EXPECT_EQ(Rows(t, {9, 10, 11}), (std::vector<std::string>{"||", "||", "||"}));
  EXPECT_EQ(t.total(BetTotal::kKaishu).text(), "");
}

TEST(EvaluateBetTable, CombinationsCompareAsLabelsAndEveryPaidEntryCounts) {
  BetTable t(BetType::kWide);
  fill(t, {{" 1- 3", 200}, {" 1- 5", 100}, {" 3- 5", 100}, {" 5- 7", 100}});
  const PayoutEntries paid = entries({{" 1- 3", 2, 150}, {" 1- 5", 9, 980}, {" 3- 5", 5, 420}});
  EXPECT_EQ(EvaluateBetTable(t, paid), 300 + 980 + 420);
  EXPECT_EQ(Rows(t, {11, 12, 13}),
            (std::vector<std::string>{"    150|    300|  2", "    980|    980|  9",
                                      "    420|    420|  5", "||"}));
  // The trifecta's wide entry list: the sixth entry is read too.
  BetTable tri(BetType::kSanrentan);
  fill(tri, {{" 3- 1- 2", 100}});
  PayoutEntries six{};
  six[5] = {" 3- 1- 2", 4, 123456};
  EXPECT_EQ(EvaluateBetTable(tri, six), 123456);
  EXPECT_EQ(Rows(tri, {12, 13, 14})[0], " 123456| 123456|  4");
}

TEST(EvaluateBetTable, ErasedBetsAndBetsWithoutAmountsReturnNothing) {
  BetTable t(BetType::kUmaren);
  fill(t, {{" 1- 3", 100}, {" 2- 4", 0}});
  const PayoutEntries paid = entries({{" 1- 3", 2, 1500}, {" 2- 4", 6, 4200}});
  EvaluateBetTable(t, paid);
  ASSERT_EQ(t.cell(1, 11), "   1500");
  t.set_erased(1, true);
  EXPECT_EQ(EvaluateBetTable(t, paid), 0);
  // The erased bet shows no result any more; the one without an amount shows its payout.
  EXPECT_EQ(Rows(t, {11, 12, 13}), (std::vector<std::string>{"||", "   4200|      0|  6"}));

  // A 枠連 hit without an amount leaves its return empty.
  BetTable w(BetType::kWakuren);
  fill(w, {{" 1- 5", 0}, {" 2- 2", 100}});
  EvaluateBetTable(w, entries({{" 1- 5", 1, 640}, {" 2- 2", 8, 3000}}));
  EXPECT_EQ(Rows(w, {11, 12, 13}),
            (std::vector<std::string>{"    640||  1", "   3000|   3000|  8"}));
}

TEST(EvaluateBetTable, EmptyRowsAndUnusedEntriesNeverMatch) {
  BetTable t(BetType::kFukusho);
  t.set_cell(1, BetColumns::kNo, " 1");                // a numbered row without a horse
  EXPECT_EQ(EvaluateBetTable(t, PayoutEntries{}), 0);  // five empty entries
  EXPECT_EQ(t.cell(1, 9), "");
  BetTable u(BetType::kUmatan);
  EXPECT_EQ(EvaluateBetTable(u, PayoutEntries{}), 0);
  EXPECT_EQ(u.cell(1, 11), "");
}

}  // namespace
}  // namespace rv
