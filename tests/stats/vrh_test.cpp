// The ＶＲＨ day report, its log and log window, the CSV export and the other-bet-type report,
// run from the development menu on hand-made stored days.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "stats/stats_days.h"
#include "stats/vrh_day_report.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Bet;
using testing::Runner;
using testing::write_bytes;

std::vector<std::string> utf8_lines(std::string_view relative) {
  std::vector<std::string> out;
  for (const std::string& l : read_lines(app_path(sj(relative)))) out.push_back(to_utf8(l));
  return out;
}

class Vrh : public testing::DayFormFixture {
 protected:
  Vrh() : DayFormFixture(DateTime{2026, 12, 20, 9, 0, 0}) {}

  // Ranks by odds: 1 the favourite, 2 at 5.0, 4 at 8.0, 5 at 20.0 and 6 at 60.0 (above the
  // range); 3 scratched. 2 wins, 1 second, 4 third.
  static void store_day(int ymd) {
    testing::store_race(
        ymd, 11, {{2.0, 2, 1}, {5.0, 1, 2}, {0, 0, 0, 1}, {8.0, 3, 3}, {20.0, 4, 4}, {60.0, 5, 5}},
        {{Bet::Win, {2}, 500},
         {Bet::Place, {2}, 200},
         {Bet::Place, {1}, 110},
         {Bet::Place, {4}, 300},
         {Bet::Wide, {1, 2}, 250},
         {Bet::Exacta, {2, 1}, 900},
         {Bet::Trio, {1, 2, 4}, 1200},
         {Bet::Trifecta, {2, 1, 4}, 5000}});
  }

  DevelopmentMenu& menu() { return form->development(); }
};

TEST(VrhPatterns, BandsChangeAtTheirEdges) {
  const std::vector<std::pair<int, char>> cases = {
      {1, 0},   {2, 'A'},  {3, 'A'},  {4, 'B'},  {5, 'B'},  {6, 'C'},  {8, 'C'},
      {9, 'D'}, {11, 'D'}, {12, 'E'}, {14, 'E'}, {15, 'F'}, {18, 'F'}, {19, 0}};
  for (const auto& [rank, letter] : cases) {
    const int p = VrhPattern(rank);
    EXPECT_EQ(p == 0 ? 0 : VrhPatternLetter(p), letter) << rank;
  }
}

TEST_F(Vrh, DayReportListsEveryHorseAndCountsOnlyTheBetOnes) {
  store_day(20261206);
  start();
  choose_day("2026年12月06日");
  menu().VRH1Click();

  const auto lines = utf8_lines("\\TEXT\\VRH20261206.txt");
  ASSERT_EQ(lines.size(), 2U + 6 + 3 + 3 * 2 + 3 + 1);
  EXPECT_EQ(lines[0], "【2026年12月06日】VRH");
  EXPECT_EQ(lines[2], "[中山11R]　１ サンプルホース　　 2着 　       複   110");
  EXPECT_EQ(lines[3], "[中山11R]○２ サンプルホース　　 1着 単   500 複   200");
  EXPECT_EQ(lines[4], "[中山11R]　３ サンプルホース　　出走取消 　       　      ");
  EXPECT_EQ(lines[8], std::string(45, '-') + "[全ＶＲＨ] 6頭");
  EXPECT_EQ(lines[9], "[単勝] 的中率：  20.0%  回収率： 100.0%");
  EXPECT_EQ(lines[11], std::string(44, '-') + "[パターンA] 2頭");
  EXPECT_EQ(lines[14], std::string(44, '-') + "[パターンB] 1頭");
  EXPECT_EQ(lines[17], std::string(45, '-') + "[人気絞込] 3頭");
  EXPECT_EQ(lines[19], "[複勝] 的中率：  66.7%  回収率： 166.7%");
  EXPECT_EQ(desktop.opened.size(), 1U);

  menu().VRH1Click();  // again: still one line for the day
  EXPECT_EQ(utf8_lines("\\VRHlog.txt"),
            std::vector<std::string>{"20261206      5      1    500      3    610      3      1  "
                                     "  500      2    500"});
}

TEST_F(Vrh, AllDaysFillTheLogWhichListsTheNewestDayFirst) {
  store_day(20261205);
  store_day(20261206);
  write_bytes(dir.path() / "VRHlog.txt", "20261205 stale\r\n");
  start();
  menu().VRH2Click();
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_EQ(utf8_lines("\\VRHlog.txt").size(), 2U);

  TVRHLogForm& log = menu().VRH3Click();
  EXPECT_EQ(log.StringGrid1.cell(1, 0), "2026/12/06");
  EXPECT_EQ(log.StringGrid1.cell(2, 0), "2026/12/05");
  EXPECT_EQ(log.StringGrid1.cell(1, 3), "  20.0");
  EXPECT_EQ(log.StringGrid1.cell(1, 4), "    500");
  EXPECT_EQ(log.TanKaiLabel.text(), " 100.0");
  log.RadioGroup1.set_item_index(1);
  log.RadioGroup1Click();
  EXPECT_EQ(log.StringGrid1.cell(1, 1), "      3");
  EXPECT_EQ(log.FukTekiLabel.text(), "  66.7");
  log.ClipBtnClick();
  EXPECT_TRUE(to_utf8(desktop.clipboard).starts_with("単勝的中率  33.3\r\n単勝回収率 166.7\r\n"));
}

TEST_F(Vrh, CancelledRunLeavesTheLogAsItWas) {
  store_day(20261205);
  store_day(20261206);
  start();
  menu().on_day = [this](std::string_view) { menu().CancelBtnClick(); };
  menu().VRH2Click();
  EXPECT_FALSE(file_exists(app_path("\\VRHlog.txt")));
  EXPECT_FALSE(form->batch.BatchPanel.visible());
  EXPECT_EQ(menu().written.size(), 1U);  // the report of the day read before the cancel
}

TEST_F(Vrh, CsvCarriesEachHorsesPatternAndOtherTypesBetTheAxes) {
  store_day(20261206);
  start();
  choose_day("2026年12月06日");
  menu().N44Click();
  EXPECT_EQ(utf8_lines("\\CSV\\VRH20261206.CSV"),
            (std::vector<std::string>{"0626521101,0", "0626521102,1", "0626521103,0",
                                      "0626521104,1", "0626521105,2", "0626521106,0"}));

  menu().VRH5Click();
  const auto lines = utf8_lines("\\TEXT\\VRH220261206.txt");
  // Axis 2 (A) with partners 1, 4, 5, 6; axis 4 (A) with 1, 2, 5, 6; axis 5 (B) with 1, 2, 4, 6.
  EXPECT_EQ(lines[2], "[全パターン ]");
  EXPECT_EQ(lines[3],
            "【ワイド】    12点 投資     1200円 回収      250円 的中率：   8.3%  回収率：  20.8%");
  EXPECT_EQ(lines[6],
            "【３連単】    36点 投資     3600円 回収     5000円 的中率：   2.8%  回収率： 138.9%");
  EXPECT_EQ(lines[13],
            "【ワイド】     4点 投資      400円 回収        0円 的中率：   0.0%  回収率：   0.0%");
}

}  // namespace
}  // namespace rv
