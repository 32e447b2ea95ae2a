// ravelin-cli raceday on a stored day of 中山 (two races, at 10:00 and 10:30) with real-time
// odds and results in the feed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_days.h"
#include "cli_runner.h"
#include "jvfeed/records.h"

namespace rv {
namespace {

using testing::run_cli;

TEST(RacedayCli, PrintsEachOpenAndEachErrorLineAtItsMoment) {
  unsetenv("JVLINK_SIM_FEED");
  unsetenv("RAVELIN_APPDIR");
  const testing::TempDir app;
  std::vector<jvfeed::Record> day;
  for (int r = 1; r <= 2; ++r) {
    const auto key = jvfeed::key(20261206, 6, r);
    day.push_back(jvfeed::ra(key, {.runners = 8, .start = r == 1 ? "1000" : "1030"}));
    for (int h = 1; h <= 8; ++h) day.push_back(jvfeed::se(key, {.horse = h, .runners = 8}));
  }
  testing::store_records(app.path(), day);
  const auto first = jvfeed::key(20261206, 6, 1);
  testing::write_bytes(app.path() / "jvfeed" / "0B30" / (first.text() + ".jvd"),
                       jvfeed::odds(jvfeed::Kind::O1, first, 8, '1', "12060949").str());
  testing::write_bytes(app.path() / "jvfeed" / "0B12" / "20261206.jvd",
                       jvfeed::ra(first, {.data_kind = '7', .runners = 8, .start = "1000"}).str() +
                           jvfeed::hr(first, 8).str());
  testing::write_bytes(app.path() / "jvfeed" / "jvlink.ini", "[fail]\nJVRTOpen.3=-504\n");

  const auto r = run_cli(
      {"--appdir", app.path().string(), "raceday", "20261206", "--from", "0945", "--to", "1016"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string none = "取得済みデータより最新のデータがありません。(-1)";
  const std::string changes = "\tHenkoJohoTimer\t開催速報データ取得中\n";
  const auto mining_and_results = [&](const std::string& t, const std::string& dm_error,
                                      bool results_in) {
    std::string out = t + "\tTimer4\tDM取得中\n" + t + "\tTimer4\t【エラー】" + t +
                      "：中山 1R:DMデータ取得エラー：" + dm_error + "\n" + t +
                      "\tTimer4\tﾚｰｽ情報データ取得中\n";
    if (!results_in) {
      out += t + "\tTimer4\t【エラー】" + t + "：中山 1R:ﾚｰｽ情報データ取得エラー： " + none + "\n";
    }
    return out;
  };
  // The third open fails as the ini says; results come ten minutes after the 10:00 start.
  EXPECT_EQ(r.out,
            "09:50:00" + changes + "09:50:20\tTimer1\t中山 1R ｵｯｽﾞ取得中\n" +
                mining_and_results("09:55:00", "サーバーがメンテナンス中です。(-504)", false) +
                "09:55:00" + changes + "10:00:00" + changes +
                mining_and_results("10:05:00", " " + none, false) + "10:05:00" + changes +
                "10:10:00" + changes + mining_and_results("10:15:00", " " + none, true) +
                "10:15:00" + changes);
  for (const auto& bad : std::vector<std::vector<std::string>>{
           {"raceday", "20261206", "--from", "0945"},
           {"raceday", "20261206", "--from", "1000", "--to", "0900"},
           {"raceday", "20261206", "--from", "2460", "--to", "2500"}}) {
    EXPECT_EQ(run_cli(bad).status, 2) << bad.back();
  }
}

}  // namespace
}  // namespace rv
