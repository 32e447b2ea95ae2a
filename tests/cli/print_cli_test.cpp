// ravelin-cli print on a stored day of 中山 (two races, one paid out).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_days.h"
#include "cli_runner.h"
#include "jvfeed/records.h"

namespace rv {
namespace {

using testing::run_cli;

TEST(PrintCli, WritesTheSheetAsPdfWithoutADisplayAndPrintsThePath) {
  unsetenv("JVLINK_SIM_FEED");
  unsetenv("RAVELIN_APPDIR");
  unsetenv("DISPLAY");
  const testing::TempDir app;
  std::filesystem::create_directories(app.path() / "jvfeed");  // JV-Link counts as installed
  std::vector<jvfeed::Record> day;
  for (int r = 1; r <= 2; ++r) {
    const auto key = jvfeed::key(20261206, 6, r);
    for (auto& rec : testing::race_records(key, 8)) day.push_back(rec);
  }
  day.push_back(
      jvfeed::hr(jvfeed::key(20261206, 6, 1), 8).pay(jvfeed::Bet::Bracket, 1, {2, 7}, 1560, 5));
  testing::store_records(app.path(), day);

  const std::string pdf = (app.path() / "一覧表.pdf").string();
  const auto r = run_cli({"--appdir", app.path().string(), "print", "20261206", "--pdf", pdf});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, pdf + "\n");
  EXPECT_EQ(testing::slurp(pdf).substr(0, 5), "%PDF-");

  EXPECT_EQ(run_cli({"--appdir", app.path().string(), "print", "20261206"}).status, 2);
  EXPECT_EQ(run_cli({"--appdir", app.path().string(), "print", "20261207", "--pdf", pdf}).status,
            1);
}

}  // namespace
}  // namespace rv
