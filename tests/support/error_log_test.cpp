#include "support/error_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/temp_dir.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;

class ErrorLog : public ::testing::Test {
 protected:
  ErrorLog() { set_app_clock(&clock_); }
  ~ErrorLog() override { set_app_clock(nullptr); }

  [[nodiscard]] fs::path log() const { return app_.path() / "ErrorLog.txt"; }
  [[nodiscard]] std::vector<std::string> lines() const { return read_lines(log()); }

  static std::vector<std::string> numbered(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back(fmt("line %d", i));
    return v;
  }

  AppDirScope app_;
  ManualClock clock_{DateTime{2026, 3, 7, 9, 5, 4}};
};

TEST_F(ErrorLog, StartUpKeepsTheLastHundredLinesThenAddsTheStartAndAppDirLines) {
  for (const int before : {150, 101, 100, 3}) {
    SCOPED_TRACE(before);
    write_lines(log(), numbered(before));
    StartErrorLog();
    const std::vector<std::string> got = lines();
    const int kept = std::min(before, 100);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(kept + 2));
    EXPECT_EQ(got.front(), fmt("line %d", before - kept + 1));
    EXPECT_EQ(got[got.size() - 3], fmt("line %d", before));
    EXPECT_EQ(got[got.size() - 2], sj("ソフト起動：2026/03/07 09:05:04"));
    EXPECT_EQ(got.back(), app_dir_text());
  }
}

TEST_F(ErrorLog, AMissingLogIsCreatedWithCrLfLines) {
  StartErrorLog();
  EXPECT_EQ(testing::slurp(log()),
            sj("ソフト起動：2026/03/07 09:05:04\r\n") + app_dir_text() + "\r\n");
}

TEST_F(ErrorLog, AppendedLinesCarryTheTimeOfDayAndKeepEverythingBefore) {
  // Lines of any kind (a damaged Shift-JIS byte, an empty line) survive a rewrite.
  write_lines(log(), {"\x81", "", "old"});
  clock_.set(DateTime{2026, 3, 7, 17, 30, 0});
  AppendErrorLog(sj("R:ｵｯｽﾞ取得エラー：(-502)"));
  EXPECT_EQ(lines(), (std::vector<std::string>{
                         "\x81", "", "old", sj("【エラー】17:30:00：R:ｵｯｽﾞ取得エラー：(-502)")}));
  // Only start-up cuts the log.
  write_lines(log(), numbered(150));
  AppendErrorLog("x");
  EXPECT_EQ(lines().size(), 151U);
}

}  // namespace
}  // namespace rv
