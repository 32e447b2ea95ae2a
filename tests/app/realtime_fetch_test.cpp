// The real-time fetches through the main window's form on a stored day of 中山 (two races of
// eight runners, at 10:00 and 10:30) and a feed the stand-in serves by a clock at 16:00.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "acquire/jvresult.h"
#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "jvfeed/records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::slurp;
using testing::u8_path;
using testing::write_bytes;
using Lines = std::vector<std::string>;

const auto kRace1 = jvfeed::key(20261206, 6, 1);
const auto kTokyo1 = jvfeed::key(20261206, 5, 1);
const jvfeed::RaceInfo kStart10{.runners = 8, .start = "1000"};

std::string zeroed(const jvfeed::Record& r) {
  return r.line().replace(2, 9, "000000000");
}

class RealtimeFetchTest : public testing::DayFormFixture {
 protected:
  RealtimeFetchTest() : DayFormFixture(DateTime{2026, 12, 6, 16, 0, 0}) {
    DayStore store(DayStore::Mode::kWriteBack);
    for (int r = 1; r <= 2; ++r) {
      const auto key = jvfeed::key(20261206, 6, r);
      store.Store(jvfeed::ra(key, {.runners = 8, .start = r == 1 ? "1000" : "1030"}),
                  RecordOrigin::kStoredData, true);
      for (int h = 1; h <= 8; ++h) {
        store.Store(jvfeed::se(key, {.horse = h, .runners = 8}), RecordOrigin::kStoredData, true);
      }
    }
    store.Flush();
  }

  // A real-time file of the feed folder.
  void feed(const std::string& relative, const std::vector<jvfeed::Record>& records) {
    std::string bytes;
    for (const auto& r : records) bytes += r.str();
    write_bytes(dir.path() / "jvfeed" / relative, bytes);
  }

  // The form started with JV-Link open and the day loaded; DLlabel's texts recorded.
  MainForm& load() {
    std::filesystem::create_directories(dir.path() / "jvfeed");
    MainForm& f = start();
    f.FormShow();
    choose_day("2026年12月06日");
    f.fetch().on_status = [this](std::string_view t) { labels.push_back(to_utf8(t)); };
    dialogs.calls.clear();
    return f;
  }

  [[nodiscard]] std::string day_file(std::string_view name) const {
    return slurp(dir.path() / "DATA" / u8_path("2026年12月06日" + std::string(name)));
  }
  [[nodiscard]] std::string last_log_line() const {
    const Lines lines = split_lines(to_utf8(slurp(dir.path() / "ErrorLog.txt")));
    return lines.empty() ? std::string() : lines.back();
  }

  Lines labels;
};

TEST_F(RealtimeFetchTest, ResultsStoreRaAndHrButNoRunnersOfAVenueWithoutItsFile) {
  const auto ra = jvfeed::ra(kTokyo1, kStart10);
  const auto hr = jvfeed::hr(kTokyo1, 8).pay(jvfeed::Bet::Win, 1, {3}, 520, 2);
  const auto runner = jvfeed::se(kRace1, {.data_kind = '7', .horse = 1, .runners = 8});
  feed("0B12/20261206.jvd", {ra, jvfeed::se(kTokyo1, {.data_kind = '7', .horse = 1, .runners = 8}),
                             hr, jvfeed::ra(kRace1, kStart10), runner});
  MainForm& f = load();
  f.KekkaGetBtnClick();

  EXPECT_NE(day_file(".jvRA").find(zeroed(ra)), std::string::npos);
  EXPECT_NE(day_file(".jvHR").find(hr.line()), std::string::npos);  // as it came
  EXPECT_EQ(day_file("東京.jvSEr"), "<missing>");
  EXPECT_NE(day_file("中山.jvSEr").find(runner.line()), std::string::npos);
  EXPECT_EQ(labels, (Lines{"ﾚｰｽ情報データ取得中", ""}));
  EXPECT_EQ(dialogs.calls, Lines{"beep"});  // the close of a fetch that went well
}

TEST_F(RealtimeFetchTest, OddsOfADeletionOrACancelledRaceLeaveTheOddsFiles) {
  DayStore().Store(jvfeed::o2(kRace1, 8), RecordOrigin::kStoredData, true);
  const std::string o2_before = day_file(".jvO2");
  const auto o1 = jvfeed::o1(kRace1, 8).win(1, 3.4, 1);
  feed("0B30/" + kRace1.text() + ".jvd",
       {o1, jvfeed::o2(kRace1, 8, '0').pair(1, 2, 9.9, 1), jvfeed::o3(kRace1, 8, '9')});
  MainForm& f = load();
  f.SokuhoOddsBtnClick();

  EXPECT_EQ(day_file(".jvO1"), zeroed(o1) + "\r\n");
  EXPECT_EQ(day_file(".jvO2"), o2_before);
  EXPECT_EQ(day_file(".jvO3"), "<missing>");
  EXPECT_DOUBLE_EQ(f.race_day().Work[0].WinOdds[1], 3.4);  // reloaded and shown
  EXPECT_EQ(labels, (Lines{"中山 1オッズ取得中", ""}));
  EXPECT_TRUE(dialogs.calls.empty());  // the odds fetch ends silently
}

TEST_F(RealtimeFetchTest, WithoutADayOnlyTheAllOddsCommandSpeaks) {
  struct Case {
    void (MainForm::*press)();
    Lines calls;
  };
  const Case cases[] = {
      {&MainForm::N1O1Click, {"beep", "info: " + sj("ﾃﾞｰﾀを読み込んでください。")}},
      {&MainForm::SokuhoOddsBtnClick, {}},
      {&MainForm::KekkaGetBtnClick, {}},
      {&MainForm::GetDMBtnClick, {}},
      {&MainForm::GetKaisaiBtnClick, {}},
  };
  MainForm& f = start();
  f.FormShow();
  f.day.DateCombo.set_item_index(-1);
  for (const Case& c : cases) {
    dialogs.calls.clear();
    (f.*c.press)();
    EXPECT_EQ(dialogs.calls, c.calls);
  }
  EXPECT_EQ(f.fetch().tally().opened, 0);
}

// Each failure shows its text, goes to the error log and beeps; the odds on disk are shown.
TEST_F(RealtimeFetchTest, AFailingOddsFetchIsShownLoggedAndStillReloadsTheOdds) {
  struct Case {
    const char* ini;
    bool has_feed;
    Lines labels;
    std::size_t logged;  // the label that went to the log
  };
  const std::string status = "中山 1オッズ取得中";
  const Case cases[] = {
      {"",
       false,
       {status, "中山 1R:ｵｯｽﾞ取得エラー：" + to_utf8(JVResultText("JVRTOpen", -1)), ""},
       1},
      {"[fail]\nrecord.1=-502\n", true, {status, to_utf8(JVResultText("JVRead", -502)), ""}, 1},
      {"[fail]\nJVClose=-1\n", true, {status, "", to_utf8(JVResultText("JVClose", -1))}, 2},
  };
  const auto odds = jvfeed::o1(kRace1, 8).win(1, 5.6, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    form.reset();
    jvlink.reset();
    std::filesystem::remove_all(dir.path() / "jvfeed");
    write_bytes(dir.path() / "jvfeed" / "jvlink.ini", c.ini);
    if (c.has_feed) feed("0B30/" + kRace1.text() + ".jvd", {odds});
    labels.clear();
    MainForm& f = load();
    // Stored after the load: only the reload after the fetch brings them.
    DayStore().Store(odds, RecordOrigin::kStoredData, true);
    f.SokuhoOddsBtnClick();
    EXPECT_EQ(labels, c.labels);
    EXPECT_EQ(dialogs.calls, Lines{"beep"});
    EXPECT_EQ(last_log_line(), "【エラー】16:00:00：" + c.labels[c.logged]);
    EXPECT_DOUBLE_EQ(f.race_day().Work[0].WinOdds[1], 5.6);
  }
}

TEST_F(RealtimeFetchTest, AFetchWhileAnotherStreamIsOpenIsRefusedAndLeavesThatStream) {
  feed("0B13/20261206.jvd", {jvfeed::dm(kRace1, 8)});
  MainForm& f = load();
  ASSERT_EQ(jvlink->JVRTOpen("0B13", "20261206"), 0);
  f.KekkaGetBtnClick();
  const std::string error =
      "中山 1R:ﾚｰｽ情報データ取得エラー：" + to_utf8(JVResultText("JVRTOpen", -202));
  EXPECT_EQ(labels, (Lines{"ﾚｰｽ情報データ取得中", error, ""}));
  EXPECT_EQ(last_log_line(), "【エラー】16:00:00：" + error);
  EXPECT_EQ(dialogs.calls, Lines{"beep"});
  std::string buff;
  std::string name;
  int size = 0;
  EXPECT_GT(jvlink->JVRead(buff, size, name), 0);  // still open and unread
}

// A fetch asked for while one reads (a timer, through the messages the loop lets run) is
// skipped; the running one reads to its end.
TEST_F(RealtimeFetchTest, AFetchAskedForWhileOneReadsIsSkipped) {
  feed("0B13/20261206.jvd", {jvfeed::dm(kRace1, 8), jvfeed::dm(jvfeed::key(20261206, 6, 2), 8)});
  feed("0B12/20261206.jvd", {jvfeed::ra(kRace1, kStart10), jvfeed::hr(kRace1, 8)});
  MainForm& f = load();
  dialogs.on_process_events = [&f] { f.KekkaGetBtnClick(); };
  f.GetDMBtnClick();
  dialogs.on_process_events = nullptr;
  EXPECT_EQ(f.fetch().tally().opened, 1);
  EXPECT_EQ(f.fetch().tally().failed, 0);
  EXPECT_EQ(split_lines(day_file(".jvDM")).size(), 2U);
  EXPECT_EQ(day_file(".jvHR"), "<missing>");
}

TEST_F(RealtimeFetchTest, QuietFlagsSilenceTheirFetchAndChangesReachTheDay) {
  feed("0B12/20261206.jvd", {jvfeed::ra(kRace1, kStart10), jvfeed::hr(kRace1, 8)});
  feed("0B13/20261206.jvd", {jvfeed::dm(kRace1, 8)});
  feed("0B14/20261206.jvd", {jvfeed::tc(jvfeed::key(20261206, 6, 2), "12060905", "1050", "1030")});
  MainForm& f = load();
  struct Case {
    void (MainForm::*press)();
    bool RealtimeFetch::*quiet;
  };
  const Case cases[] = {{&MainForm::KekkaGetBtnClick, &RealtimeFetch::QuietResultsFetch},
                        {&MainForm::GetDMBtnClick, &RealtimeFetch::QuietDmFetch},
                        {&MainForm::GetKaisaiBtnClick, &RealtimeFetch::QuietChangeFetch}};
  for (const Case& c : cases) {
    for (const bool quiet : {false, true}) {
      f.fetch().*c.quiet = quiet;
      dialogs.calls.clear();
      (f.*c.press)();
      EXPECT_EQ(dialogs.calls, quiet ? Lines{} : Lines{"beep"});
      f.fetch().*c.quiet = false;
    }
  }
  EXPECT_EQ(f.fetch().tally().failed, 0);
  EXPECT_NE(slurp(dir.path() / "CHG" / u8_path("2026年12月06日.TC")), "<missing>");
  EXPECT_EQ(f.race_day().Work[1].OzTime, "1040");  // the new start minus ten minutes
}

}  // namespace
}  // namespace rv
