// ravelin-cli vrh and stats: the lines other programs read.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "common/temp_dir.h"
#include "stats/stats_days.h"
#include "support/files.h"

namespace rv {
namespace {

using testing::run_cli;

class VrhCli : public ::testing::Test {
 protected:
  VrhCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    std::filesystem::create_directories(app_.path() / "jvfeed");
    std::filesystem::create_directories(app_.path() / "DATA");
    for (const int ymd : {20261205, 20261206}) {
      testing::store_race(ymd, 1, {{2.0, 1, 1}, {5.0, 2, 2}, {9.0, 3, 3}, {20.0, 4, 4}},
                          {{jvfeed::Bet::Win, {1}, 200}});
    }
  }

  testing::CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--appdir", app_.path().string()});
    return run_cli(args);
  }

  // The path as the program prints it, with the system's separators.
  std::string path(const char* relative) const {
    return (app_.path() / relative).make_preferred().string();
  }

  testing::AppDirScope app_;
};

TEST_F(VrhCli, CommandsPrintWhatTheyWroteAndTheLog) {
  testing::CliResult r = cli({"vrh", "day", "--all"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "2026年12月06日\n2026年12月05日\n");
  EXPECT_EQ(r.out, path("TEXT/VRH20261206.txt") + "\n" + path("TEXT/VRH20261205.txt") + "\n" +
                       path("VRHlog.txt") + "\n");

  r = cli({"vrh", "log"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.out,
      "開催日\t単投資馬\t単的中馬\t単的中率\t単投資額\t単回収額\t単回収率\t複投資馬\t複的中馬\t"
      "複的中率\t複投資額\t複回収額\t複回収率\n"
      "2026/12/06\t      4\t      1\t  25.0\t    400\t    200\t  50.0\t      4\t      0\t   0.0\t"
      "    400\t      0\t   0.0\n"
      "2026/12/05\t      4\t      1\t  25.0\t    400\t    200\t  50.0\t      4\t      0\t   0.0\t"
      "    400\t      0\t   0.0\n"
      "単勝的中率\t  25.0\n単勝回収率\t  50.0\n複勝的中率\t   0.0\n複勝回収率\t   0.0\n");

  r = cli({"stats", "finish-rates"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, path("STAT/finishrate.csv") + "\n");

  EXPECT_EQ(cli({"vrh", "other", "--month", "2026-12"}).status, 2);
}

}  // namespace
}  // namespace rv
