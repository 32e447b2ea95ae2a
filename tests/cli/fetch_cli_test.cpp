// ravelin-cli fetch on a stored day of 中山 (two races) and real-time odds of both races.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_days.h"
#include "cli_runner.h"
#include "jvfeed/records.h"

namespace rv {
namespace {

using testing::run_cli;

TEST(FetchCli, PrintsEveryStatusTextAndFailsWhenAFetchFails) {
  unsetenv("JVLINK_SIM_FEED");
  unsetenv("RAVELIN_APPDIR");
  const testing::TempDir app;
  std::vector<jvfeed::Record> day;
  std::string odds;
  for (int r = 1; r <= 2; ++r) {
    const auto key = jvfeed::key(20261206, 6, r);
    for (auto& rec : testing::race_records(key, 8)) day.push_back(rec);
    testing::write_bytes(app.path() / "jvfeed" / "0B30" / (key.text() + ".jvd"),
                         jvfeed::o1(key, 8).str());
  }
  testing::store_records(app.path(), day);

  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{"odds", "20261206", "1"}, 0, "中山 2オッズ取得中\n"},
      {{"all-odds", "2026年12月06日"}, 0, "中山 1オッズ取得中\n中山 2オッズ取得中\n"},
      {{"results", "20261206"},
       1,
       "ﾚｰｽ情報データ取得中\n中山 1R:ﾚｰｽ情報データ取得エラー： "
       "取得済みデータより最新のデータがありません。(-1)\n"},
      {{"odds"}, 2, ""},
      {{"all-odds", "20261206", "1"}, 2, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"--appdir", app.path().string(), "--clock", "202612061600",
                                  "fetch"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto r = run_cli(args);
    SCOPED_TRACE(c.args.front());
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
  }
}

}  // namespace
}  // namespace rv
