// ravelin-cli download on a generated feed: what it prints, what it stores, and a second run
// with nothing newer.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli_runner.h"
#include "jvfeed/feed.h"
#include "support/files.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::run_cli;
using testing::slurp;
using testing::u8_path;

class DownloadCli : public ::testing::Test {
 protected:
  DownloadCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    // Two race days of one venue and two races each, delivered by noon of the Wednesday.
    jvfeed::FeedOptions o;
    o.plan.venues = 1;
    o.plan.races = 2;
    o.days = jvfeed::weekend_days_from(DateTime{2026, 12, 5}, 2);
    o.now = DateTime{2026, 12, 9, 12};
    o.out = app_.path() / "jvfeed";
    jvfeed::write_feed(o);
  }
  [[nodiscard]] std::string dir() const { return app_.path().string(); }
  // The first progress text, "ReadCount:n, DownloadCount:m", gives n.
  static std::string read_count(const std::vector<std::string>& lines) {
    const std::string& first = lines.front();
    return first.substr(10, first.find(',') - 10);
  }

  testing::TempDir app_;
};

TEST_F(DownloadCli, PrintsEveryListLineAndProgressTextAndStoresTheDays) {
  const auto r = run_cli({"--appdir", dir(), "download", "--from", "20261201000000", "--odds"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_GE(lines.size(), 4U);
  EXPECT_EQ(lines.front().substr(0, 10), "ReadCount:");
  EXPECT_EQ(lines[1], "データ読込み中．．．(0/" + read_count(lines) + ")");
  EXPECT_EQ(lines.back(), "データ作成が完了しました。");
  int created = 0;
  for (const std::string& l : lines) created += l.starts_with("作成済み:") ? 1 : 0;
  // Per day and race at least the card, each runner, the payout and six odds kinds.
  EXPECT_GT(created, 2 * 2 * (1 + 5 + 1 + 6));
  EXPECT_NE(r.out.find("作成済み:1R/2026年12月05日.jvO6\n"), std::string::npos);
  EXPECT_NE(r.out.find("/2026年12月06日"), std::string::npos);
  // The start text went where boxes go.
  EXPECT_NE(r.err.find("2026年12月01日00時00分00秒以降のデータ取込を開始します。"),
            std::string::npos);
  for (const char* file : {"2026年12月05日.jvRA", "2026年12月06日.jvHR", "2026年12月06日.jvO1"}) {
    EXPECT_TRUE(fs::exists(app_.path() / "DATA" / u8_path(file))) << file;
  }
  const std::string last =
      to_utf8(TIniGT(app_.path() / "ravelin.ini").ReadString("JvDataGet", "LastTime", ""));
  // The newest delivery: the Monday after.
  EXPECT_EQ(last.substr(0, 11), "2026/12/07 ");

  // The day list now holds both days.
  const auto days = run_cli({"--appdir", dir(), "days"});
  EXPECT_EQ(days.out, "2026年12月06日\n2026年12月05日\n");

  // From LastTime on there is nothing newer: refused, the message on standard error.
  const auto again = run_cli({"--appdir", dir(), "download"});
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.err.find("最新のデータがありません。"), std::string::npos) << again.err;
  EXPECT_EQ(to_utf8(TIniGT(app_.path() / "ravelin.ini").ReadString("JvDataGet", "LastTime", "")),
            last);
}

TEST_F(DownloadCli, QuietPrintsOnlyTheFinalLabelAndStoresTheSame) {
  const auto r =
      run_cli({"--appdir", dir(), "download", "--from", "20261201000000", "--odds", "--quiet"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "データ作成が完了しました。\n");
  EXPECT_TRUE(fs::exists(app_.path() / "DATA" / u8_path("2026年12月05日.jvO6")));
}

TEST_F(DownloadCli, AReadErrorFailsAndAWrongStartTimeIsAUsageError) {
  testing::write_bytes(app_.path() / "jvfeed" / "jvlink.ini", "[fail]\nrecord.3=-502\n");
  const auto r = run_cli({"--appdir", dir(), "download", "--from", "20261201000000"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(
      r.err.find("JVReadエラー:ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"),
      std::string::npos)
      << r.err;
  // The final label is the one the loop left.
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "データ読込み中．．．(0/" + read_count(lines) + ")");

  for (const char* from : {"2026120100", "20261301000000", "x"}) {
    const auto bad = run_cli({"--appdir", dir(), "download", "--from", from});
    EXPECT_EQ(bad.status, 2) << from;
  }
  EXPECT_EQ(run_cli({"--appdir", dir(), "download", "--bogus"}).status, 2);
}

// A generated weekend (three venues, twelve races) through ravelin-jvlink serving the same
// feed folder: the same day files as the stand-in in the program writes. On Windows also
// through the fake control registered as a COM server, which the helper creates by its ProgID
// and reads with JVGets. The times go to the test's output for the notes, never into an
// assertion.
TEST(DownloadCliBridge, StoresTheSameDayFilesAsTheStandIn) {
  unsetenv("JVLINK_SIM_FEED");
  const testing::TempDir direct;
  jvfeed::FeedOptions o;
  o.days = jvfeed::weekend_days_from(DateTime{2026, 12, 5}, 2);
  o.now = DateTime{2026, 12, 9, 12};
  o.out = direct.path() / "jvfeed";
  jvfeed::write_feed(o);

  const auto timed = [](const testing::TempDir& app) {
    const auto t0 = std::chrono::steady_clock::now();
    const auto r = run_cli({"--appdir", app.path().string(), "download", "--quiet", "--from",
                            "20261201000000", "--odds"});
    EXPECT_EQ(r.status, 0) << r.err;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  };
  const auto files = [](const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      if (e.is_regular_file()) out[fs::relative(e.path(), dir).string()] = slurp(e.path());
    }
    return out;
  };
  std::printf("download of the weekend: stand-in %.2f s\n", timed(direct));
  const auto want = files(direct.path() / "DATA");
  ASSERT_FALSE(want.empty());

  const std::string helper = "'" + std::string(RAVELIN_JVLINK) + "'";
  std::vector<std::pair<const char*, std::string>> bridges = {
      {"helper's stand-in", helper + " --feed '" + o.out.string() + "'"}};
#ifdef _WIN32
  const std::string dll = FAKE_JVLINK_DLL;
  // Left registered: the helper's tests register the same server and may run meanwhile.
  if (std::system(("regsvr32 /s \"" + dll + "\"").c_str()) == 0) {
    bridges.emplace_back("registered fake control", helper + " Ravelin.FakeJVLink");
  }
#endif
  for (const auto& [what, command] : bridges) {
    SCOPED_TRACE(what);
    const testing::TempDir bridged;
    setenv("RAVELIN_JVLINK_HELPER", command.c_str(), 1);
    setenv("JVLINK_SIM_FEED", o.out.string().c_str(), 1);  // where the fake control reads
    const double t = timed(bridged);
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_JVLINK_HELPER");
    std::printf("download of the weekend: bridge to the %s %.2f s\n", what, t);
    EXPECT_EQ(files(bridged.path() / "DATA"), want);
  }
}

}  // namespace
}  // namespace rv
