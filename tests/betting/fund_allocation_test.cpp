#include "betting/fund_allocation.h"

#include <gtest/gtest.h>

#include "betting/bet_race.h"

namespace rv {
namespace {

using testing::Rows;

// A 馬連 table of bets at the given odds texts (" 1- 2", " 1- 3", …).
void fill(BetTable& t, const std::vector<std::string>& odds) {
  t.set_data_rows(static_cast<int>(odds.size()));
  for (int r = 1; r <= static_cast<int>(odds.size()); ++r) {
    t.set_cell(r, BetColumns::kNo, fmt("%3d", r));
    t.set_cell(r, BetColumns::kKumi, fmt("%2d-%2d", 1, r + 1));
    t.set_cell(r, BetColumns::kOdds, odds[static_cast<std::size_t>(r - 1)]);
  }
}

std::vector<std::string> totals(const BetTable& t) {
  return {t.total(BetTotal::kTensu).text(), t.total(BetTotal::kToshi).text(),
          t.total(BetTotal::kYosoKaishu).text()};
}

TEST(AllocateEqually, TheShareGoesUpToWholeHundredsUnlessItsFractionIsBelowATenth) {
  BetTable t(BetType::kUmaren);
  fill(t, {"    2.0", "    5.0", "   10.0"});
  AllocateFunds(t, AllocationMode::kEqual, 1000);  // 3.33 + 0.9: 400 each
  EXPECT_EQ(Rows(t, {6, 7, 8}),
            (std::vector<std::string>{"   400|    800|   66.7", "   400|   2000|  166.7",
                                      "   400|   4000|  333.3"}));
  // Mean payout of one hit over the whole investment: 6800 / 3 / 1200.
  EXPECT_EQ(totals(t), (std::vector<std::string>{"  3", "  1200", "  188.9"}));
  EXPECT_EQ(t.total(BetTotal::kYosoKaishu).font_color(), colors::kBlack);

  fill(t, {"    2.0", "    2.0", "    2.0", "    2.0"});
  AllocateFunds(t, AllocationMode::kEqual, 1000);  // 2.5 + 0.9: 300 each
  EXPECT_EQ(totals(t), (std::vector<std::string>{"  4", "  1200", "   50.0"}));
  EXPECT_EQ(t.total(BetTotal::kYosoKaishu).font_color(), colors::kRed);

  fill(t, std::vector<std::string>(20, "   12.3"));
  AllocateFunds(t, AllocationMode::kEqual, 1000);  // 0.5 + 0.9: the 100-yen minimum
  EXPECT_EQ(totals(t), (std::vector<std::string>{" 20", "  2000", "   61.5"}));
  EXPECT_EQ(Rows(t, {6, 7})[19], "   100|   1230");

  // A share of exactly x.1 hundreds goes up, one just below stays.
  fill(t, {"    1.5"});
  AllocateFunds(t, AllocationMode::kEqual, 310);
  EXPECT_EQ(t.cell(1, 6), "   400");
  AllocateFunds(t, AllocationMode::kEqual, 309);
  EXPECT_EQ(t.cell(1, 6), "   300");
}

TEST(AllocateProportionally, EveryHitPaysAboutTheSame) {
  BetTable t(BetType::kUmaren);
  fill(t, {"    2.0", "    8.0"});
  AllocateFunds(t, AllocationMode::kProportional, 1000);
  EXPECT_EQ(Rows(t, {6, 7, 8}),
            (std::vector<std::string>{"   800|   1600|  160.0", "   200|   1600|  160.0"}));
  EXPECT_EQ(totals(t), (std::vector<std::string>{"  2", "  1000", "  160.0"}));
  EXPECT_EQ(t.total(BetTotal::kYosoKaishu).font_color(), colors::kBlack);

  // Small shares still get 100 yen; so does every bet when no bet has a weight.
  fill(t, {"    1.5", "  300.0"});
  AllocateFunds(t, AllocationMode::kProportional, 1000);
  EXPECT_EQ(Rows(t, {6})[1], "   100");
  fill(t, {"    0.0", "    8.0", "    4.0"});
  AllocateFunds(t, AllocationMode::kProportional, 1000);
  EXPECT_EQ(Rows(t, {6, 7}),
            (std::vector<std::string>{"   100|      0", "   100|    800", "   100|    400"}));
  EXPECT_EQ(totals(t), (std::vector<std::string>{"  3", "   300", "  133.3"}));
}

TEST(Allocate, AnErasedBetGetsNothingAndDoesNotCount) {
  for (const AllocationMode mode : {AllocationMode::kEqual, AllocationMode::kProportional}) {
    BetTable t(BetType::kSanrenpuku);
    fill(t, {"    2.0", "    4.0", "    8.0"});
    t.set_erased(2, true);
    AllocateFunds(t, mode, 1000);
    EXPECT_EQ(t.cell(2, 6), "");
    EXPECT_EQ(t.cell(2, 7), "");
    EXPECT_EQ(t.total(BetTotal::kTensu).text(), "  2");
    EXPECT_EQ(Rows(t, {6}), mode == AllocationMode::kEqual
                                ? (std::vector<std::string>{"   500", "", "   500"})
                                : (std::vector<std::string>{"   800", "", "   200"}));
  }
}

TEST(Allocate, NothingToAllocateLeavesEmptyCellsAndNoStaleTotals) {
  BetTable t(BetType::kWide);
  fill(t, {"    2.0", "    8.0"});
  AllocateFunds(t, AllocationMode::kEqual, 1000);
  ASSERT_EQ(t.cell(1, 6), "   500");
  const auto expect_cleared = [&t]() {
    EXPECT_EQ(Rows(t, {6, 7, 8}), (std::vector<std::string>{"||", "||"}));
    EXPECT_EQ(totals(t), (std::vector<std::string>{"", "", ""}));
  };
  AllocateFunds(t, AllocationMode::kEqual, 99);  // below 100 yen
  expect_cleared();
  AllocateFunds(t, AllocationMode::kEqual, 1000);
  t.set_erased(1, true);
  t.set_erased(2, true);
  for (const AllocationMode mode : {AllocationMode::kEqual, AllocationMode::kProportional}) {
    AllocateFunds(t, mode, 1000);  // every bet erased
    expect_cleared();
  }
  fill(t, {"       ", "       "});  // no odds record
  AllocateFunds(t, AllocationMode::kProportional, 1000);
  expect_cleared();
  BetTable empty(BetType::kUmatan);
  AllocateFunds(empty, AllocationMode::kEqual, 1000);
  EXPECT_EQ(Rows(empty, {6}), (std::vector<std::string>{""}));
}

TEST(Allocate, ThePlainTablesUseTheirOwnColumns) {
  BetTable t(BetType::kTansho);
  t.set_cell(1, 1, " 1");
  t.set_cell(1, 2, " 7");
  t.set_cell(1, 3, "  12.5");
  AllocateFunds(t, AllocationMode::kEqual, 3000);
  EXPECT_EQ(Rows(t, {5, 6, 7}), (std::vector<std::string>{"  3000|  37500| 1250.0"}));
  EXPECT_EQ(AllocationModeOf(0), AllocationMode::kEqual);
  EXPECT_EQ(AllocationModeOf(1), AllocationMode::kProportional);
  EXPECT_EQ(AllocationModeOf(2), AllocationMode::kProportional);  // past the last item
}

TEST(Oiage, WinsBackLossAndProfitAtTheExpectedReturn) {
  EXPECT_EQ(OiageAmount(10000, 5000, 150.0, 100), 30000);
  // Down to whole hundreds: 15000 / 33.3 x 100 = 45045.0...
  EXPECT_EQ(OiageAmount(10000, 5000, 133.3, 100), 45000);
  EXPECT_EQ(OiageAmount(10000, 0, 200.0, 50), 5000);
  // No amount pays back at a return of 100 % or less, and none below 100 yen is a bet.
  for (const double r : {0.0, 9.9, 10.0, 50.0, 100.0}) {
    EXPECT_EQ(OiageAmount(10000, 5000, r, 100), std::nullopt) << r;
  }
  EXPECT_EQ(OiageAmount(0, 0, 150.0, 100), std::nullopt);
  EXPECT_EQ(OiageAmount(10, 20, 150.0, 100), std::nullopt);
}

}  // namespace
}  // namespace rv
