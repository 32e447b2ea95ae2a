// ravelin-cli vote: its arguments, its refusals and the files it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_days.h"
#include "cli_runner.h"
#include "jvfeed/records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::run_cli;

class VoteCli : public ::testing::Test {
 protected:
  VoteCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    fs::create_directories(app_.path() / "jvfeed");
    fs::create_directories(app_.path() / "DATA");
  }
  [[nodiscard]] std::string dir() const { return app_.path().string(); }
  testing::CliResult vote(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--appdir", dir(), "vote"});
    return run_cli(args);
  }

  testing::TempDir app_;
};

TEST_F(VoteCli, RaceWithoutBetsIsRefusedAndArgumentsAreChecked) {
  testing::store_records(app_.path(), testing::race_records(jvfeed::key(20090510, 5, 11, 2, 6), 8));
  for (const char* type : {"馬連", "3", "三連単"}) {
    const testing::CliResult r = vote({"20090510", "0", type});
    EXPECT_EQ(r.status, 1) << type;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "買い目が作成されていません。\n");
  }
  const testing::CliResult no_race = vote({"20090510", "1", "0", "--plugin"});
  EXPECT_EQ(no_race.status, 1);
  EXPECT_EQ(no_race.err, "レース 1 はありません（1 レース）。\n");
  EXPECT_EQ(vote({"20090511", "0", "0"}).err, "データ作成が未完了のようです。\n");

  for (const std::vector<std::string>& args : {std::vector<std::string>{"20090510", "0"},
                                               {"20090510", "0", "8"},
                                               {"20090510", "0", "3連単"},
                                               {"20090510", "36", "0"},
                                               {"20090510", "0", "0", "--plug"}}) {
    EXPECT_EQ(vote(args).status, 2) << args.back();
  }
  EXPECT_FALSE(fs::exists(app_.path() / "kaime" / "090510.BET"));
}

}  // namespace
}  // namespace rv
