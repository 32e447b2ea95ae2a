// ravelin-cli as a user runs it: the built program, a fresh AppDir, its exit status and
// its two output streams.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_days.h"
#include "cli_runner.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using Result = testing::CliResult;
using testing::race_records;
using testing::run_cli;
using testing::slurp;
using testing::store_records;
using testing::TempDir;
using testing::u8_path;
using testing::write_bytes;

class Cli : public ::testing::Test {
 protected:
  Cli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
  }
  [[nodiscard]] std::string dir() const { return app_.path().string(); }
  void with_feed() const { fs::create_directories(app_.path() / "jvfeed"); }

  TempDir app_;
};

TEST_F(Cli, DaysOnAFreshFolderStartsUpAndPrintsNothing) {
  with_feed();
  const Result r = run_cli({"--appdir", dir(), "days"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  for (const char* folder : {"DATA", "kaime", "CHG"}) {
    EXPECT_TRUE(fs::is_directory(app_.path() / folder)) << folder;
  }
  const std::vector<std::string> log = read_lines(app_.path() / "ErrorLog.txt");
  ASSERT_EQ(log.size(), 2U);
  EXPECT_EQ(log[0].substr(0, sj("ソフト起動：").size()), sj("ソフト起動："));
  EXPECT_EQ(log[0].size(), sj("ソフト起動：yyyy/mm/dd hh:nn:ss").size());
  EXPECT_EQ(to_utf8(log[1]), dir());
}

TEST_F(Cli, DaysPrintsTheStoredDaysNewestFirstInUtf8) {
  with_feed();
  for (const char* name : {"2026年01月04日.jvRA", "2025年12月28日.jvRA", "2026年01月05日.jvRA"}) {
    write_bytes(app_.path() / "DATA" / u8_path(name), "");
  }
  // RAVELIN_APPDIR stands in for --appdir.
  setenv("RAVELIN_APPDIR", dir().c_str(), 1);
  const Result r = run_cli({"days"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "2026年01月05日\n2026年01月04日\n2025年12月28日\n");
}

TEST_F(Cli, WithoutJVLinkTheMessageGoesToStandardErrorAndNothingIsTouched) {
  const Result r = run_cli({"--appdir", dir(), "days"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。\n");
  EXPECT_TRUE(fs::is_empty(app_.path()));
}

TEST_F(Cli, UsageErrorsExitWithTwoBeforeStartingUp) {
  with_feed();
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--appdir", dir()},
                                               {"--appdir", dir(), "nosuch"},
                                               {"--appdir", dir(), "--bogus", "days"},
                                               {"--appdir", dir(), "days", "extra"},
                                               {"--appdir"},
                                               {"--appdir", dir() + "/missing", "days"}}) {
    const Result r = run_cli(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: ravelin-cli"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(app_.path() / "ErrorLog.txt"));
}

TEST_F(Cli, ClockRunsTheCommandAtTheMomentGiven) {
  with_feed();
  const Result r = run_cli({"--clock", "202612061030", "--appdir", dir(), "days"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> log = read_lines(app_.path() / "ErrorLog.txt");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(to_utf8(log[0]), "ソフト起動：2026/12/06 10:30:00");

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--clock", "2026120610", "days"},
        {"--clock", "2026120610300", "days"},
        {"--clock", "20261206103x", "days"},
        {"--clock", "202612061060", "days"},
        {"--clock", "202602301030", "days"},
        {"--clock=", "days"},
        {"days", "--clock"}}) {
    std::vector<std::string> full = {"--appdir", dir()};
    full.insert(full.end(), args.begin(), args.end());
    const Result bad = run_cli(full);
    EXPECT_EQ(bad.status, 2) << args[0] << " " << args[1];
    EXPECT_NE(bad.err.find("ravelin-cli: --clock needs a moment as yyyymmddhhmm"),
              std::string::npos)
        << bad.err;
    EXPECT_NE(bad.err.find("[--clock yyyymmddhhmm]"), std::string::npos) << bad.err;
  }
}

TEST_F(Cli, RacesLoadsTheDayAndPrintsTheRaceList) {
  with_feed();
  std::vector<std::string> ra;
  for (const int venue : {6, 9}) {
    for (int r = 1; r <= 2; ++r) ra.push_back(jvfeed::ra(jvfeed::key(20261206, venue, r)).line());
  }
  ra.push_back(jvfeed::ra(jvfeed::key(20261206, 6, 10)).line());
  std::sort(ra.begin(), ra.end());
  fs::create_directories(app_.path() / "DATA");
  write_lines(app_.path() / "DATA" / u8_path("2026年12月06日.jvRA"), ra);
  const std::string list = "0\t中山 1R\n1\t中山 2R\n2\t中山10R\n3\t阪神 1R\n4\t阪神 2R\n";
  for (const char* day : {"20261206", "2026年12月06日"}) {
    const Result r = run_cli({"--appdir", dir(), "races", day});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, list);
    // The load shows the first race, which has no runner records here.
    EXPECT_EQ(r.err, "1レースはデータが不十分です。\n");
  }
}

TEST_F(Cli, BetsPrintsTheEightTablesOfTheRaceAndRefusesWhatDoesNotExist) {
  with_feed();
  std::vector<jvfeed::Record> records = race_records(jvfeed::key(20261206, 6, 1), 16);
  const std::vector<jvfeed::Record> second = race_records(jvfeed::key(20261206, 6, 2), 16);
  records.insert(records.end(), second.begin(), second.end());
  store_records(app_.path(), records);
  const Result r = run_cli({"--appdir", dir(), "bets", "20261206", "1", "--set", "5", "--mode", "1",
                            "--amount", "5000"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_EQ(lines.size(), 32u) << r.out;
  EXPECT_EQ(lines[0], "## 単勝 StringGrid3");
  EXPECT_TRUE(lines[1].starts_with("消\tNo.\t買い目\tオッズ\t")) << lines[1];
  EXPECT_EQ(lines[2], std::string(11, '\t'));
  EXPECT_EQ(lines[3], "totals\t\t\t\t");
  EXPECT_EQ(lines[12], "## 馬連 StringGrid30");
  EXPECT_EQ(lines[14], std::string(13, '\t'));
  EXPECT_EQ(lines[28], "## ３連単 StringGrid34");
  EXPECT_EQ(lines[30], std::string(14, '\t'));
  // The set chosen is remembered, as choosing it in the window does.
  EXPECT_NE(slurp(app_.path() / "ravelin.ini").find("SetIndex=5"), std::string::npos);

  const Result no_set = run_cli({"--appdir", dir(), "bets", "20261206", "0", "--set", "6"});
  EXPECT_EQ(no_set.status, 1);
  EXPECT_EQ(no_set.out, "");
  EXPECT_EQ(no_set.err, "設定 6 はありません（設定は 6 件）。\n");
  const Result no_race = run_cli({"--appdir", dir(), "bets", "20261206", "2"});
  EXPECT_EQ(no_race.status, 1);
  EXPECT_EQ(no_race.err, "レース 2 はありません（2 レース）。\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"bets", "20261206"},
                                               {"bets", "20261206", "36"},
                                               {"bets", "20261206", "x"},
                                               {"bets", "20261206", "0", "--mode", "2"},
                                               {"bets", "20261206", "0", "--set"},
                                               {"bets", "20261206", "0", "--sets", "1"}}) {
    std::vector<std::string> full = {"--appdir", dir()};
    full.insert(full.end(), args.begin(), args.end());
    EXPECT_EQ(run_cli(full).status, 2) << args.back();
  }
}

TEST_F(Cli, EvaluationsPrintTheFilesWrittenAndAnAllDaysRunItsDays) {
  with_feed();
  for (const int ymd : {20261205, 20261206}) {
    store_records(app_.path(), race_records(jvfeed::key(ymd, 6, 1), 8));
  }
  const std::string hp = (app_.path() / "HPupload" / "").make_preferred().string();
  Result r = run_cli({"--appdir", dir(), "verify", "34", "--all"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, hp + "Kaishu20261205.txt\n" + hp + "Kaishu20261206.txt\n" + hp + "Kaishu.txt\n" +
                       hp + "Kaishu.csv\n");
  EXPECT_EQ(r.err, "1/2日目 2026年12月05日\n2/2日目 2026年12月06日\n");
  r = run_cli({"--appdir", dir(), "report", "totals", "20261206"});
  EXPECT_EQ(r.out, hp + "Kaishu20261206.txt\n");
  r = run_cli({"--appdir", dir(), "report", "hits", "20261206", "--ana"});  // no hits
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(run_cli({"--appdir", dir(), "report", "ninki", "20261206"}).status, 2);
  EXPECT_EQ(run_cli({"--appdir", dir(), "verify", "12", "--all"}).status, 2);
}

TEST_F(Cli, RacesOfADayNotStoredIsRefusedWithTheWindowsMessage) {
  with_feed();
  const Result r = run_cli({"--appdir", dir(), "races", "20261213"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "データ作成が未完了のようです。\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--appdir", dir(), "races"},
                                               {"--appdir", dir(), "races", "2026-12-06"},
                                               {"--appdir", dir(), "races", "2026年12月6日"},
                                               {"--appdir", dir(), "races", "20261206", "0"}}) {
    EXPECT_EQ(run_cli(args).status, 2) << args.back();
  }
}

// A stored day at 中山: race 1 of seven runners with a dead heat for first, race 2 without
// runner records.
class CliRace : public Cli {
 protected:
  CliRace() {
    with_feed();
    const auto k1 = jvfeed::key(20261206, 6, 1);
    std::vector<jvfeed::Record> records = race_records(k1, 7, "テスト特別");
    records.push_back(jvfeed::ra(jvfeed::key(20261206, 6, 2), {.runners = 9}));
    jvfeed::Record hr = jvfeed::hr(k1, 7);
    hr.pay(jvfeed::Bet::Win, 1, {3}, 250, 1).pay(jvfeed::Bet::Win, 2, {5}, 1480, 6);
    hr.pay(jvfeed::Bet::Place, 1, {3}, 110, 1).pay(jvfeed::Bet::Place, 2, {5}, 300, 6);
    hr.pay(jvfeed::Bet::Trifecta, 1, {3, 5, 1}, 123450, 321);
    records.push_back(hr);
    store_records(app_.path(), records);
  }
};

TEST_F(CliRace, CardPrintsTheHeaderLabelsAndTheThreeCards) {
  const Result r = run_cli({"--appdir", dir(), "card", "20261206", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::vector<std::string> lines = split_lines(r.out);
  ASSERT_EQ(lines.size(), 6U + 3 * (1 + 8));
  EXPECT_EQ(lines[0].rfind("2026年12月06日(日)中山05回02日01R   15.40発走", 0), 0U);
  EXPECT_EQ(lines[1].rfind("テスト特別", 0), 0U);
  EXPECT_EQ(lines[5].rfind("【付加賞金】1着:", 0), 0U);
  EXPECT_EQ(lines[6], "## StringGrid6");
  EXPECT_EQ(lines[7].substr(0, lines[7].find("\t調教師")), "枠\t馬\t馬名/騎手/斤量/性齢");
  EXPECT_EQ(lines[15], "## StringGrid26");
  EXPECT_EQ(std::count(lines[17].begin(), lines[17].end(), '\t'), 18);
  EXPECT_EQ(lines[17].substr(0, 6), " 1\t 1\t");
  EXPECT_EQ(lines[24], "## StringGrid8");
  EXPECT_EQ(lines[25].rfind("枠\t馬\t単ｵｯｽﾞ\t順\t", 0), 0U);
  EXPECT_EQ(std::count(lines[32].begin(), lines[32].end(), '\t'), 13);
}

TEST_F(CliRace, ResultsPrintsEveryBetTypeWithItsColumns) {
  const Result r = run_cli({"--appdir", dir(), "results", "2026年12月06日", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_EQ(lines.size(), 32U);
  const std::vector<std::string> win(lines.begin(), lines.begin() + 8);
  EXPECT_EQ(
      win, (std::vector<std::string>{"単勝", "結果：\t 3\t 5\t", "人気：\t 1\t 6\t",
                                     "配当：\t     250\t    1480\t", "複勝", "結果：\t 3\t 5\t\t\t",
                                     "人気：\t 1\t 6\t\t\t", "配当：\t     110\t     300\t\t\t"}));
  EXPECT_EQ(lines[16], "ワイド");
  EXPECT_EQ(lines[17], "結果：\t\t\t\t\t\t\t");
  EXPECT_EQ(lines[28], "３連単");
  EXPECT_EQ(lines[29], "結果：\t 3- 5- 1\t\t\t\t\t");
  EXPECT_EQ(lines[30], "人気：\t321\t\t\t\t\t");
  EXPECT_EQ(lines[31], "配当：\t  123450\t\t\t\t\t");
}

TEST_F(CliRace, RacesThatCannotBeShownAreRefusedAndBadSlotsAreUsageErrors) {
  Result r = run_cli({"--appdir", dir(), "card", "20261206", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "2レースはデータが不十分です。\n");
  r = run_cli({"--appdir", dir(), "results", "20261206", "5"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "レース 5 はありません（2 レース）。\n");
  for (const char* slot : {"36", "-1", "x", "", "100"}) {
    EXPECT_EQ(run_cli({"--appdir", dir(), "card", "20261206", slot}).status, 2) << slot;
  }
  EXPECT_EQ(run_cli({"--appdir", dir(), "results", "20261206"}).status, 2);
}

TEST_F(Cli, VersionPrintsTheVersionText) {
  const Result r = run_cli({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Ver.1.05\n");
}

}  // namespace
}  // namespace rv

namespace rv {
namespace {

// A folder where a file belongs, or a file where the day folder belongs: the message names
// the place and the cause, and the program fails.
TEST_F(Cli, AnUnreadableFileOrFolderIsNamedWithItsCauseAndFails) {
  struct Case {
    const char* make;  // what stands in the way
    bool folder;
    const char* message;
  };
  const Case cases[] = {
      {"DATA", false, "DATA を開けません。（フォルダがありません）"},
#ifdef _WIN32
      // Windows does not open a folder as a file at all.
      {"userkaimeset.dat", true, "userkaimeset.dat を開けません。（同じ名前のフォルダがあります）"},
#else
      {"userkaimeset.dat", true,
       "userkaimeset.dat を読み込めません。（同じ名前のフォルダがあります）"},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.make);
    fs::remove_all(app_.path());
    fs::create_directories(app_.path() / "jvfeed");
    if (c.folder) {
      fs::create_directories(app_.path() / c.make);
    } else {
      testing::write_bytes(app_.path() / c.make, "x");
    }
    const Result r = run_cli({"--appdir", dir(), "days"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace rv
