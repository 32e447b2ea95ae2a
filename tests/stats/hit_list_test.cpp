// The hit list and the return totals of one race on screen, from its bet tables and payouts.
#include "stats/hit_list.h"

#include <gtest/gtest.h>

#include "stats/return_totals.h"
#include "support/text.h"

namespace rv {
namespace {

class RaceHits : public ::testing::Test {
 protected:
  // 中山 11R of 2026-12-06, horse 5 winning at `pay` yen and bet in the 単勝 table.
  void race(int pay) {
    RaRecord& ra = day_->RaData[0];
    ra.blank();
    ra.put(jv::head::Year, "2026");
    ra.put(jv::head::MonthDay, "1206");
    ra.put(jv::head::JyoCD, "06");
    ra.put(jv::head::RaceNum, "11");
    day_->Payouts.table[0][0][0] = {" 5", 4, pay};
    BetTable& win = tables_[BetType::kTansho];
    win.set_data_rows(3);
    for (int r = 1; r <= 3; ++r) {
      win.set_cell(r, BetColumns::kNo, win.no_text(r));
      win.set_cell(r, BetColumns::kKumi, r == 1 ? " 3" : " 5");
    }
    win.set_erased(3, true);  // erased: not bought, so not a hit
  }

  std::unique_ptr<Day> day_ = make_day();
  BetTables tables_;
};

TEST_F(RaceHits, AHitBelowTheColourThresholdIsBlueAndTheAnaListWantsMore) {
  race(900);
  HitList hits = StartHitList({});
  AddRaceHits(*day_, 0, tables_, false, hits);
  ASSERT_EQ(hits.html.size(), 2U);
  EXPECT_EQ(
      to_utf8(hits.html[1]),
      R"(<img src="./image/lis2.gif"><font color="blue">中山11R[単勝　]：　　  5/配当     900円)"
      "　            </font>");
  EXPECT_EQ(to_utf8(hits.manbaken[1]), "202612060611R[単勝　]：　　  5/配当     900円");

  HitList ana = StartHitList({});
  AddRaceHits(*day_, 0, tables_, true, ana);
  EXPECT_EQ(ana.html.size(), 1U);
  EXPECT_FALSE(ana.worth_writing());

  race(1000);  // at the colour threshold: red, and still not above 穴的中's
  HitList red = StartHitList({});
  AddRaceHits(*day_, 0, tables_, false, red);
  EXPECT_TRUE(red.html[1].starts_with(sj(R"(<img src="./image/lis1.gif"><font color="red">)")));
  AddRaceHits(*day_, 0, tables_, true, red);
  EXPECT_EQ(red.html.size(), 2U);
}

// The running list keeps what earlier runs stored and adds to it; without a file it starts
// again with its title line.
TEST_F(RaceHits, TheBigPayoutListGrowsFromWhatWasStoredOrRestarts) {
  race(2500);
  HitList grown = StartHitList({sj("ラベリン"), "earlier"});
  AddRaceHits(*day_, 0, tables_, true, grown);
  ASSERT_EQ(grown.manbaken.size(), 3U);
  EXPECT_EQ(grown.manbaken[1], "earlier");
  HitList fresh = StartHitList({});
  EXPECT_EQ(fresh.manbaken, std::vector<std::string>{sj("ラベリン")});
}

TEST(ReturnTotals, TypesWithRacesGetALineAndARateWithoutInvestmentReadsDashes) {
  TypeTotals totals{};
  totals[0].AddRace(3, 900, 1350);
  totals[0].AddRace(2, 600, 0);
  totals[2].AddRace(1, 0, 0);
  totals[3].AddRace(0, 500, 0);  // no points: not a race
  const auto lines = ReturnTotalsLines(sj("2026年12月06日"), {sj("中山"), sj("阪神"), ""}, totals);
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(to_utf8(lines[0]), " DI-DAVI 2026年12月06日  中山 阪神 ");
  EXPECT_EQ(to_utf8(lines[1]),
            "単勝　： 2R中　 1R的中　　投資額：   1500円　回収額：   1350円　的中率：  "
            "50.0　回収率：  90.0");
  EXPECT_EQ(to_utf8(lines[2]),
            "枠連　： 1R中　 0R的中　　投資額：      0円　回収額：      0円　的中率：   "
            "0.0　回収率：   ---");
}

}  // namespace
}  // namespace rv
