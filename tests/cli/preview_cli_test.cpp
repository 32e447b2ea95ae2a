// ravelin-cli preview and loss: the lines other programs read.
#include <gtest/gtest.h>

#include "cli/cli_days.h"
#include "cli/cli_runner.h"
#include "common/temp_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::run_cli;

class PreviewCli : public ::testing::Test {
 protected:
  // Race 1 of 2026-12-06 at 中山: ten runners, 枠連 1-2 at 4.0, 1-3 and 2-3 at 8.0, 4-5 at
  // 50.0, so that the box of brackets 1-3 is recommended at synthetic odds 2.0.
  PreviewCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    std::filesystem::create_directories(app_.path() / "jvfeed");
    const jvfeed::RaceKey k = jvfeed::key(20261206, 6, 1);
    std::vector<jvfeed::Record> records = testing::race_records(k, 10);
    auto o1 = jvfeed::o1(k, 10);
    for (int h = 1; h <= 10; ++h) o1.win(h, Odds::of_tenths(10 + 10 * h), h);
    o1.bracket(1, 2, 4.0, 1).bracket(1, 3, 8.0, 2).bracket(2, 3, 8.0, 3).bracket(4, 5, 50.0, 4);
    records.push_back(o1);
    testing::store_records(app_.path(), records);
  }

  testing::CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--appdir", app_.path().string()});
    return run_cli(args);
  }

  testing::TempDir app_;
};

TEST_F(PreviewCli, PrintsTheOddsTableTheLabelsAndTheBracketTable) {
  const testing::CliResult r = cli({"preview", "20261206", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_EQ(lines.size(), 1 + 19 + 28 + 1 + 5);
  EXPECT_EQ(lines[0], "## StringGrid2");
  EXPECT_EQ(lines[2], " 1\t 1- 2\t   4.0\t●");
  EXPECT_EQ(lines[19], "\t\t\t");
  EXPECT_EQ(lines[20], "WakuAveLabel\t 1750\t#ff0000");
  EXPECT_EQ(lines[26], "KenLabel\t\t#80ff80");
  EXPECT_EQ(lines[28], "KaiPaternLabel\t 1- 2・ 1- 3・ 2- 3\t#fffbf0");
  EXPECT_EQ(lines[30], "枠連1位人気\t 1- 2    4.0\t#fffbf0");
  EXPECT_EQ(lines[47], "単勝10位人気\t10   11.0\t#fffbf0");
  EXPECT_EQ(lines[48], "## StringGrid28");
  EXPECT_EQ(lines[50].substr(0, 17), "\t 1\t 1- 2\t    4.0");
  EXPECT_EQ(lines.back(), "totals\t  3\t  3100\t  202.2\t");
}

TEST_F(PreviewCli, LossCommandsPrintTheTableAndTheTotal) {
  testing::CliResult r = cli({"loss", "show"});
  EXPECT_EQ(r.out, "No.\tレース\t馬券種\t損失金\n\t\t\t\n\n");
  r = cli({"loss", "record", "20261206", "0", "2000"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "No.\tレース\t馬券種\t損失金\n 1\t2026/12/06中山1R\t枠連\t   2000\n    2000\n");
  r = cli({"loss", "record", "20261206", "0", "2000"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("すでに同じ内容が計上済みです。"), std::string::npos);
  r = cli({"loss", "delete", "1"});
  EXPECT_EQ(r.status, 1);
  r = cli({"--no", "loss", "clear"});
  EXPECT_EQ(r.status, 1);
  r = cli({"loss", "clear"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No.\tレース\t馬券種\t損失金\n\t\t\t\n\n");
}

}  // namespace
}  // namespace rv
