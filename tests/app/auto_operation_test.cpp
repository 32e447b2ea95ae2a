// Automatic operation through the main window's form on a manual clock: a stored day of
// 中山 on 2026-12-06 whose races start at the times a test gives, the feed folder written by
// the test, the timers' handlers called at chosen moments or run from tick to tick.
#include <gtest/gtest.h>

#include <string>
#include <utility>
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

constexpr int kDay = 20261206;
const std::string kDayText = "2026年12月06日";

DateTime at(int day, int hour, int minute, int second = 0) {
  return DateTime{2026, 12, day, hour, minute, second};
}

class AutoOperationTest : public testing::DayFormFixture {
 protected:
  AutoOperationTest() : DayFormFixture(at(6, 8, 0)) {}

  // 中山 race r + 1 of `day` starts at starts[r]; its runners' data kind is '2' (the final
  // card) unless given.
  void store_day(const std::vector<std::string_view>& starts, char data_kind = '2',
                 int day = kDay) {
    DayStore store(DayStore::Mode::kWriteBack);
    for (std::size_t r = 0; r < starts.size(); ++r) {
      const auto key = jvfeed::key(day, 6, static_cast<int>(r) + 1);
      store.Store(jvfeed::ra(key, {.runners = 8, .start = starts[r]}), RecordOrigin::kStoredData,
                  true);
      for (int h = 1; h <= 8; ++h) {
        store.Store(jvfeed::se(key, {.data_kind = data_kind, .horse = h, .runners = 8}),
                    RecordOrigin::kStoredData, true);
      }
    }
    store.Flush();
  }

  void feed(const std::string& relative, const std::vector<jvfeed::Record>& records) {
    std::string bytes;
    for (const auto& r : records) bytes += r.str();
    write_bytes(dir.path() / "jvfeed" / relative, bytes);
  }

  // Started at `now` with JV-Link open and `day` loaded (none: the date box left empty);
  // every JVRTOpen recorded as "hh:nn:ss status".
  MainForm& load(const DateTime& now, std::string_view day = kDayText) {
    clock_.set(now);
    std::filesystem::create_directories(dir.path() / "jvfeed");
    form.reset();
    jvlink.reset();
    MainForm& f = start();
    f.FormShow();
    if (!day.empty()) choose_day(day);
    f.fetch().on_open = [this](std::string_view status) {
      opens.push_back(format_dt(clock_.now(), "hh:nn:ss ") + to_utf8(status));
    };
    dialogs.calls.clear();
    return f;
  }

  // The odds timer's handler at hh:mm; answers how many fetches it opened.
  int odds_tick(MainForm& f, int hour, int minute) {
    clock_.set(at(6, hour, minute));
    const int before = f.fetch().tally().opened;
    f.auto_operation().Timer1Timer();
    return f.fetch().tally().opened - before;
  }

  Lines opens;
};

TEST_F(AutoOperationTest, ARaceIsFetchedInItsTwoMinutesUntilItsOddsAreFresh) {
  struct Case {
    const char* announced;  // MMDDhhmm of the feed's odds
    int at_1520, at_1521, at_1522;
  };
  // Odds announced before 15:15 are stale for a start at 15:30 (AutoOzGet 10).
  const Case cases[] = {{"12061514", 1, 1, 0}, {"12061515", 1, 0, 0}};
  store_day({"1530"});
  const auto key = jvfeed::key(kDay, 6, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.announced);
    feed("0B30/" + key.text() + ".jvd",
         {jvfeed::odds(jvfeed::Kind::O1, key, 8, '1', c.announced).win(1, 2.5, 1)});
    MainForm& f = load(at(6, 15, 0));
    EXPECT_EQ(odds_tick(f, 15, 20), c.at_1520);
    EXPECT_EQ(odds_tick(f, 15, 21), c.at_1521);
    EXPECT_EQ(odds_tick(f, 15, 22), c.at_1522);
    EXPECT_FALSE(f.auto_operation().OzLoopBusy);
  }
}

// No feed: every fetch fails, so each race is still due in its second minute.
TEST_F(AutoOperationTest, TheOddsPassRunsFromNineToSixInclusive) {
  store_day({"0909", "1810"});
  MainForm& f = load(at(6, 8, 0));
  const struct {
    int hour, minute, opened;
  } ticks[] = {{8, 59, 0}, {9, 0, 1}, {9, 1, 0}, {18, 0, 1}, {18, 1, 0}};
  for (const auto& t : ticks) {
    EXPECT_EQ(odds_tick(f, t.hour, t.minute), t.opened) << t.hour << ":" << t.minute;
  }
  EXPECT_EQ(opens.front(), "09:00:00 中山 1R ｵｯｽﾞ取得中");
  EXPECT_EQ(split_lines(to_utf8(slurp(dir.path() / "ErrorLog.txt"))).back(),
            "【エラー】18:00:00：中山 2R:" + to_utf8(JVResultText("JVRTOpen", -1)));
}

TEST_F(AutoOperationTest, TheOddsCheckRefusesADayThatCannotRunByItself) {
  struct Case {
    DateTime now;
    const char* day;
    char data_kind;
    const char* message;  // empty: accepted
  };
  const Case cases[] = {
      {at(5, 17, 59), "2026年12月06日", '2', "翌日のﾃﾞｰﾀは１８時過ぎに読み込んでください。"},
      {at(5, 18, 0), "2026年12月06日", '2', ""},
      {at(6, 12, 0), "2026年12月06日", '2', ""},
      {at(7, 12, 0), "2026年12月06日", '2', "本日のﾃﾞｰﾀを読み込んでください。"},
      {at(6, 12, 0), "2026年12月06日", '1',
       "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッズを取得"
       "してください。"},
      {at(6, 12, 0), "", '2', "ﾃﾞｰﾀを読み込んでください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.day) + format_dt(c.now, " dd hh:nn") + c.data_kind);
    store_day({"1530"}, c.data_kind);
    MainForm& f = load(c.now, c.day);
    AutoOperation& a = f.auto_operation();
    a.AutoOzCheck.set_checked(true);
    a.AutoOzCheckClick();
    const std::string message = c.message;
    const Lines refused{"beep", "info: " + sj(message)};
    EXPECT_EQ(dialogs.calls, message.empty() ? Lines{} : refused);
    EXPECT_EQ(a.AutoOzCheck.checked(), message.empty());
    EXPECT_EQ(a.Timer1.enabled(), message.empty());
  }
}

// GetInterval 5 is the lead: results from 10:05 - 35 minutes, changes from 10:05 - 65.
TEST_F(AutoOperationTest, ResultsAndChangesStartRelativeToTheFirstRace) {
  store_day({"1005", "1035"});
  store_day({"1005"}, '2', 20261205);
  MainForm& f = load(at(6, 8, 30));
  f.timers().run_until(clock_, at(6, 9, 45));
  const auto first = [this](std::string_view status) {
    for (const std::string& o : opens) {
      if (o.ends_with(status)) return o.substr(0, 8);
    }
    return std::string("none");
  };
  EXPECT_EQ(first("ﾚｰｽ情報データ取得中"), "09:40:00");
  EXPECT_EQ(first("開催速報データ取得中"), "09:05:00");
  EXPECT_EQ(first("DM取得中"), "08:40:00");

  // Another day loaded: the results timer stops, the change timer goes on.
  AutoOperation& a = f.auto_operation();
  choose_day("2026年12月05日");
  EXPECT_FALSE(a.Timer4.enabled());
  EXPECT_TRUE(a.HenkoJohoTimer.enabled());
}

TEST_F(AutoOperationTest, TheOddsPassShowsTheRaceOnScreenAgainWithItsFreshOdds) {
  store_day({"1530", "1600"});
  const auto key = jvfeed::key(kDay, 6, 1);
  feed("0B30/" + key.text() + ".jvd",
       {jvfeed::odds(jvfeed::Kind::O1, key, 8, '1', "12061519").win(1, 2.5, 1)});
  MainForm& f = load(at(6, 15, 0));
  EXPECT_EQ(odds_tick(f, 15, 20), 1);
  EXPECT_EQ(to_utf8(f.card.TFWtimeLabel.text()), "15:19");
  EXPECT_DOUBLE_EQ(f.race_day().Work[0].WinOdds[1], 2.5);
}

TEST_F(AutoOperationTest, ClockCountdownAndNextRace) {
  store_day({"1530", "1500", "1600"});
  MainForm& f = load(at(6, 15, 29, 59));
  AutoOperation& a = f.auto_operation();
  a.Timer2Timer();
  EXPECT_EQ(to_utf8(f.layout.tool_bar.NowTimLabel.text()), "15時29分59秒");
  a.Timer3Timer();  // race 1 on screen
  EXPECT_EQ(to_utf8(f.day.RestTimeLabel.text()), "発走までの残り時間：00:00:01");
  clock_.set(at(6, 15, 30));
  a.Timer3Timer();
  EXPECT_EQ(to_utf8(f.day.RestTimeLabel.text()), "発走済み");
  f.NextRaceBtnClick();
  EXPECT_EQ(f.loaded_day.DatList.item_index(), 2);
  EXPECT_EQ(f.race_on_screen().slot(), 2);
}

// Whatever JV-Link answers, the day files stay whole, the failure is logged, and the next
// fetch asks again: a stream whose close failed is closed before the next open.
TEST_F(AutoOperationTest, AFailingTimedFetchIsLoggedAndTriedAgain) {
  const struct {
    const char* fault;
    std::size_t logged;  // two ticks of mining and results
    bool stored;
  } cases[] = {{"JVRTOpen=-504", 4, false},
               {"JVRead=-502", 4, false},
               {"JVRead=-203", 4, false},
               {"JVClose.1=-201", 1, true}};
  store_day({"1000"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    std::filesystem::remove_all(dir.path() / "jvfeed");
    write_bytes(dir.path() / "jvfeed" / "jvlink.ini", std::string("[fail]\n") + c.fault + "\n");
    const auto key = jvfeed::key(kDay, 6, 1);
    feed("0B12/20261206.jvd",
         {jvfeed::ra(key, {.data_kind = '7', .runners = 8, .start = "1000"}), jvfeed::hr(key, 8)});
    feed("0B13/20261206.jvd", {jvfeed::dm(key, 8)});
    MainForm& f = load(at(6, 12, 0));
    const std::size_t logged = split_lines(slurp(dir.path() / "ErrorLog.txt")).size();
    for (int tick = 0; tick < 2; ++tick) f.auto_operation().Timer4Timer();
    EXPECT_EQ(f.fetch().tally().opened, 4);  // mining and results, twice
    EXPECT_EQ(split_lines(slurp(dir.path() / "ErrorLog.txt")).size(), logged + c.logged);
    const std::string hr = slurp(dir.path() / "DATA" / u8_path(kDayText + ".jvHR"));
    EXPECT_EQ(hr != "<missing>", c.stored);
    std::filesystem::remove(dir.path() / "DATA" / u8_path(kDayText + ".jvHR"));
  }
}

}  // namespace
}  // namespace rv
