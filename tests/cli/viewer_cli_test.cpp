// ravelin-cli import-viewer on a generated day whose odds viewer folder jvfeed wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"
#include "jvfeed/feed.h"
#include "support/files.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::run_cli;

TEST(ViewerCli, PrintsTheCountsAndLeavesOneLinePerRaceOfTheViewerDay) {
  unsetenv("JVLINK_SIM_FEED");
  unsetenv("RAVELIN_APPDIR");
  const testing::TempDir app;
  jvfeed::FeedOptions o;
  o.plan.venues = 1;
  o.plan.races = 3;
  o.plan.announcements = 4;
  o.days = {DateTime{2026, 12, 6}};
  o.now = DateTime{2026, 12, 9, 12};
  o.out = app.path() / "jvfeed";
  o.viewer = app.path() / "viewer";
  jvfeed::write_feed(o);
  const std::string dir = app.path().string();
  ASSERT_EQ(run_cli({"--appdir", dir, "download", "--from", "20261201000000", "--odds"}).status, 0);

  // Refused until the folder is set.
  auto r = run_cli({"--appdir", dir, "import-viewer", "20261206"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"), std::string::npos);

  TIniGT(app.path() / "ravelin.ini").WriteString("Dir", "jikeiretu", path_text(o.viewer));
  const std::filesystem::path o6 = app.path() / "DATA" / testing::u8_path("2026年12月06日.jvO6");
  for (int run = 0; run < 2; ++run) {
    r = run_cli({"--appdir", dir, "import-viewer", "2026年12月06日"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "3ﾚｰｽ分の単複枠ｵｯｽﾞ\n3ﾚｰｽ分の馬連ｵｯｽﾞ\nを取りこみました。\n");
    // Each race's stored final odds gave way to an announcement of the race day.
    const std::vector<std::string> lines = read_lines(o6);
    ASSERT_EQ(lines.size(), 3U);
    for (const std::string& line : lines) EXPECT_EQ(line.substr(27, 4), "1206") << run;
  }
}

}  // namespace
}  // namespace rv
