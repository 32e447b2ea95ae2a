// The stored-data window over the stand-in: opening, downloading, reading, routing into day
// files, LastTime, cancel and every failure on the way.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "acquire/day_store.h"
#include "acquire/jvlink_feed.h"
#include "download_fixture.h"
#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
namespace jv = jvfeed;
using testing::DownloadTest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kSat = 20261205;
constexpr int kSun = 20261206;
const DateTime kFrom{2026, 12, 1, 8, 15, 0};

std::string Ra(int ymd, int race, char kind = '2') {
  return jv::ra(jv::key(ymd, 6, race), {.data_kind = kind, .runners = 8}).str();
}
std::string Se(int ymd, int race, int horse) {
  return jv::se(jv::key(ymd, 6, race), {.horse = horse, .runners = 8}).str();
}
std::string Hr(int ymd, int race) {
  return jv::hr(jv::key(ymd, 6, race), 8).str();
}
std::string O1(int ymd, int race) {
  return jv::o1(jv::key(ymd, 6, race), 8).str();
}

class StoredDownloadTest : public DownloadTest {
 protected:
  // Two race days in three files, as JV-Link delivers them: cards, then results.
  void two_days() {
    deliver("20261204160000", "CARD", {Ra(kSat, 1), Se(kSat, 1, 1), Ra(kSat, 2)});
    deliver("20261205160000", "CARD", {Ra(kSun, 1), Se(kSun, 1, 3), O1(kSun, 1)});
    deliver("20261207140000", "RESULT", {Hr(kSat, 1), Hr(kSun, 1)});
  }

  // The two race days delivered, jvlink.ini written, and the window opened over them.
  TGetDataForm& open_two_days(std::string_view ini_text) {
    two_days();
    ini(ini_text);
    return open_form();
  }

  // Neither a day file nor the time of a last download was kept.
  void expect_nothing_stored() const {
    EXPECT_TRUE(day_files().empty());
    EXPECT_EQ(last_time(), "");
  }

  [[nodiscard]] static std::string ra_file(int ymd) {
    return testing::day_file(
        to_utf8(fmt("\\Data\\%04d年%02d月%02d日.jvRA", ymd / 10000, ymd / 100 % 100, ymd % 100)));
  }
};

TEST_F(StoredDownloadTest, OpeningShowsLastTimeOrTenDaysAgo) {
  TGetDataForm& form = open_form();
  EXPECT_EQ(form.DateTimePicker1.value(), (DateTime{2026, 12, 10, 9, 30, 0}));
  EXPECT_FALSE(form.DataKindGroup.visible());
  EXPECT_FALSE(form.StatusTimer.enabled());
  EXPECT_EQ(form.StatusTimer.interval_ms(), 10);

  TIniGT().WriteString("JvDataGet", "LastTime", "2026/11/30 17:45:12");
  EXPECT_EQ(open_form().DateTimePicker1.value(), (DateTime{2026, 11, 30, 17, 45, 12}));
  // A damaged setting reads as the default.
  TIniGT().WriteString("JvDataGet", "LastTime", "yesterday");
  EXPECT_EQ(open_form().DateTimePicker1.value(), (DateTime{2026, 12, 10, 9, 30, 0}));
}

TEST_F(StoredDownloadTest, AFullRunWithoutDownloadStoresTheWantedRecordsAndMovesLastTime) {
  two_days();
  TGetDataForm& form = open_form();
  start(kFrom);

  EXPECT_EQ(
      dialogs.shown.front(),
      "info:2026年12月01日08時15分00秒以降のデータ取込を開始します。データ作成が終了するまで本"
      "ソフトを操作したり他のアプリケーションを操作することは極力避けてください。");
  EXPECT_THAT(dialogs.messages(), ::testing::IsEmpty());
  EXPECT_EQ(dialogs.shown.back(), "beep");  // the close
  EXPECT_THAT(progress, ElementsAre("ReadCount:3, DownloadCount:0", "データ読込み中．．．(0/3)",
                                    "データ読込み中．．．(1/3)", "データ読込み中．．．(2/3)",
                                    "データ読込み中．．．(3/3)", "データ読込み完了(3/3)",
                                    "データ作成が完了しました。"));
  // Odds were not asked for.
  EXPECT_THAT(lines,
              ElementsAre("作成済み:1R/2026年12月05日.jvRA",
                          "作成済み:20261205中山1R/1番/2026年12月05日中山.jvSEr",
                          "作成済み:2R/2026年12月05日.jvRA", "作成済み:1R/2026年12月06日.jvRA",
                          "作成済み:20261206中山1R/3番/2026年12月06日中山.jvSEr",
                          "作成済み:1R/2026年12月05日.jvHR", "作成済み:1R/2026年12月06日.jvHR"));
  // The list shows the current file only: cleared at every file switch.
  EXPECT_EQ(form.ListBox1.count(), 0);
  EXPECT_EQ(form.DownloadBar.position(), 0);
  EXPECT_EQ(form.ReadBar.position(), 0);
  EXPECT_EQ(form.ReadBar.max(), 3);

  // Stored zeroed, as whole day files.
  std::string sat1 = Ra(kSat, 1);
  std::string sat2 = Ra(kSat, 2);
  put_fld(sat1, 3, 9, "000000000");
  put_fld(sat2, 3, 9, "000000000");
  EXPECT_EQ(ra_file(kSat), sat1 + sat2);
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月06日.jvO1"), "<missing>");
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月06日中山.jvSEr").size(), 216u * 555u);

  EXPECT_EQ(last_time(), "2026/12/07 14:00:00");
  EXPECT_EQ(form.DateTimePicker1.value(), (DateTime{2026, 12, 7, 14, 0, 0}));
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
  EXPECT_TRUE(form.completed());
  EXPECT_FALSE(dialogs.busy_on);
}

TEST_F(StoredDownloadTest, TheCheckBoxAddsFinalOddsAndTheHiddenChoiceAsksForThisWeek) {
  two_days();
  deliver("20261121160000", "CARD", {Ra(20261122, 1)});
  TGetDataForm& form = open_form();
  form.OddsCheck.set_checked(true);
  form.DataKindGroup.set_item_index(1);
  start(DateTime{2026, 11, 20});
  // This week's data: the files of the newest week only (the stand-in's rule).
  EXPECT_EQ(progress.front(), "ReadCount:3, DownloadCount:0");
  EXPECT_EQ(ra_file(20261122), "<missing>");
  EXPECT_THAT(lines, ::testing::Contains("作成済み:1R/2026年12月06日.jvO1"));
  EXPECT_NE(testing::day_file("\\Data\\2026年12月06日.jvO1"), "<missing>");
}

TEST_F(StoredDownloadTest, NothingNewerEndsTheRunWithAMessageAndKeepsLastTime) {
  two_days();
  TIniGT().WriteString("JvDataGet", "LastTime", "2026/12/07 14:00:00");
  TGetDataForm& form = open_form();
  // No file is stamped after the start: JVOpen answers -1.
  start(DateTime{2026, 12, 7, 14, 0, 0});
  EXPECT_THAT(dialogs.shown, ElementsAre(HasSubstr("以降のデータ取込を開始します。"), "beep",
                                         "info:最新のデータがありません。", "beep"));
  EXPECT_EQ(last_time(), "2026/12/07 14:00:00");
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
  EXPECT_FALSE(form.completed());

  // JVOpen succeeding with nothing to read says the same.
  ini("[fail]\nJVOpen=0\n");
  dialogs.shown.clear();
  open_form();
  start(kFrom);
  EXPECT_THAT(dialogs.messages(), ElementsAre("info:最新のデータがありません。"));
  EXPECT_EQ(last_time(), "2026/12/07 14:00:00");
  EXPECT_TRUE(day_files().empty());
}

TEST_F(StoredDownloadTest, JVLinkFailuresOutsideTheReadLoopAreShownWithTheirTexts) {
  TGetDataForm& form =
      open_two_days("[fail]\nJVOpen.1=-301\nJVClose.1=-201\nJVSetUIProperties=-100\n");
  start(kFrom);
  EXPECT_THAT(dialogs.messages(), ElementsAre("info:JVOpenエラー:認証エラーが発生しました。(-301)",
                                              "info:JVCloseエラー:(-201)"));
  form.JVSetBtnClick();
  EXPECT_EQ(
      dialogs.shown.back(),
      "info:JVSetUIPropertiesエラー：パラメータが不正あるいはレジストリへの保存に失敗しました。("
      "-100)");
  EXPECT_EQ(dialogs.shown[dialogs.shown.size() - 2], "beep");
  expect_nothing_stored();
}

TEST_F(StoredDownloadTest, FilesStillDownloadingAreWaitedForByTheStatusTimer) {
  TGetDataForm& form = open_two_days("[download]\nseconds=0.05\n");
  form.DateTimePicker1.set_value(kFrom);
  form.StartBtnClick();
  EXPECT_EQ(form.state(), TGetDataForm::State::kDownloading);
  EXPECT_TRUE(form.StatusTimer.enabled());
  EXPECT_EQ(form.DownloadBar.max(), 3);
  EXPECT_FALSE(form.StartBtn.enabled());
  EXPECT_FALSE(form.FormCloseQuery());
  form.StartBtnClick();  // a second start in the middle of a run does nothing
  EXPECT_EQ(form.state(), TGetDataForm::State::kDownloading);

  RunStatusTimer(form, [this](int ms) { advance_ms(ms); });
  EXPECT_THAT(progress, ElementsAre("ReadCount:3, DownloadCount:3", "ダウンロード中・・・",
                                    "ダウンロード中．．．(0/3)", "ダウンロード中．．．(1/3)",
                                    "ダウンロード中．．．(2/3)", "ダウンロード中．．．(3/3)",
                                    "データ読込み中．．．(0/3)", "データ読込み中．．．(1/3)",
                                    "データ読込み中．．．(2/3)", "データ読込み中．．．(3/3)",
                                    "データ読込み完了(3/3)", "データ作成が完了しました。"));
  EXPECT_EQ(last_time(), "2026/12/07 14:00:00");
  EXPECT_TRUE(form.StartBtn.enabled());
  EXPECT_TRUE(form.FormCloseQuery());

  // The files are local now: the next run reads at once.
  progress.clear();
  start(kFrom);
  EXPECT_EQ(progress.front(), "ReadCount:3, DownloadCount:0");
}

TEST_F(StoredDownloadTest, AStatusErrorEndsTheDownloadWithoutReading) {
  TGetDataForm& form = open_two_days("[download]\nseconds=0.05\n[fail]\nJVStatus.3=-502\n");
  start(kFrom);
  EXPECT_THAT(
      dialogs.messages(),
      ElementsAre("info:JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラー"
                  "など）(-502)"));
  EXPECT_FALSE(form.StatusTimer.enabled());
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
  expect_nothing_stored();
}

TEST_F(StoredDownloadTest, CancelWhileDownloadingClosesAtOnceAndStoresNothing) {
  TGetDataForm& form = open_two_days("[download]\nseconds=0.05\n");
  int ticks = 0;
  on_tick = [&] {
    if (++ticks == 3) {
      dialogs.answer = false;  // "No" lets the download go on
      form.CancelBtnClick();
      EXPECT_EQ(form.state(), TGetDataForm::State::kDownloading);
    }
    if (ticks == 7) {
      dialogs.answer = true;
      form.CancelBtnClick();
    }
  };
  start(kFrom);
  EXPECT_EQ(ticks, 7);
  EXPECT_THAT(dialogs.messages(), ElementsAre("confirm:データ取込を中止します。実行しますか？",
                                              "confirm:データ取込を中止します。実行しますか？",
                                              "info:JVCancel:キャンセルされました"));
  EXPECT_EQ(form.ProgressLabel.text(), sj("JVCancel:キャンセルされました"));
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
  EXPECT_FALSE(form.StatusTimer.enabled());
  expect_nothing_stored();
  // The cancel ended its own run; later read loops are not stopped by it.
  EXPECT_FALSE(CancelFlag);
}

TEST_F(StoredDownloadTest, CancelWhileReadingKeepsWhatCameBeforeAndStoresNothingAfter) {
  two_days();
  TGetDataForm& form = open_form();
  int turns = 0;
  dialogs.on_events = [&] {
    // Turns: three records of the first file, its switch, then the second file's first record.
    if (++turns == 6) form.CancelBtnClick();
  };
  start(kFrom);
  EXPECT_THAT(lines,
              ElementsAre("作成済み:1R/2026年12月05日.jvRA",
                          "作成済み:20261205中山1R/1番/2026年12月05日中山.jvSEr",
                          "作成済み:2R/2026年12月05日.jvRA", "作成済み:1R/2026年12月06日.jvRA"));
  EXPECT_THAT(dialogs.messages(), ElementsAre("confirm:データ取込を中止します。実行しますか？",
                                              "info:JVCancel:キャンセルされました"));
  // The first day's file and the record read before the cancel are on disk.
  EXPECT_NE(ra_file(kSat), "<missing>");
  EXPECT_NE(ra_file(kSun), "<missing>");
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月06日中山.jvSEr"), "<missing>");
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月05日.jvHR"), "<missing>");
  EXPECT_EQ(last_time(), "");
  EXPECT_EQ(form.ProgressLabel.text(), sj("JVCancel:キャンセルされました"));
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
}

TEST_F(StoredDownloadTest, AReadErrorInsideAFileKeepsTheRecordsBeforeItAndLastTime) {
  two_days();
  TIniGT().WriteString("JvDataGet", "LastTime", "2026/11/30 00:00:00");
  // Record 5 of the stream is the second record of the second file.
  ini("[fail]\nrecord.5=-403\n");
  TGetDataForm& form = open_form();
  start(kFrom);
  EXPECT_THAT(dialogs.messages(),
              ElementsAre("info:JVReadエラー:ダウンロードしたファイル内容が異常です。(-403)"));
  EXPECT_NE(ra_file(kSat), "<missing>");
  std::string sun1 = Ra(kSun, 1);
  put_fld(sun1, 3, 9, "000000000");
  EXPECT_EQ(ra_file(kSun), sun1);
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月06日中山.jvSEr"), "<missing>");
  EXPECT_EQ(last_time(), "2026/11/30 00:00:00");
  EXPECT_EQ(form.DateTimePicker1.value(), kFrom);
  EXPECT_EQ(form.ProgressLabel.text(), sj("データ読込み中．．．(1/3)"));
  EXPECT_FALSE(form.completed());
}

// JV-Link ends the data after the first of the three files it announced: the files never
// read must be asked for again, so LastTime stays and the run says it is incomplete.
TEST_F(StoredDownloadTest, AnEndBeforeEveryAnnouncedFileWasReadKeepsLastTime) {
  two_days();
  TIniGT().WriteString("JvDataGet", "LastTime", "2026/11/30 00:00:00");
  ini("[fail]\nJVRead.5=0\n");  // after the first file's three records and its switch
  TGetDataForm& form = open_form();
  start(kFrom);
  const std::string incomplete =
      "データ取込が未完了です（読込み1/3ファイル）。取得日時は更新しません。";
  EXPECT_EQ(lines.back(), incomplete);
  EXPECT_EQ(to_utf8(form.ProgressLabel.text()), incomplete);
  EXPECT_NE(testing::slurp(app_path("\\ErrorLog.txt")).find(sj(incomplete)), std::string::npos);
  EXPECT_NE(ra_file(kSat), "<missing>");  // what was read is kept
  EXPECT_EQ(last_time(), "2026/11/30 00:00:00");
  EXPECT_FALSE(form.completed());
}

TEST_F(StoredDownloadTest, AFileErrorWhileStoringEndsTheLoopAndLosesNothingStoredBefore) {
  two_days();
  // Sunday's race file cannot be read: a folder stands in its place.
  fs::create_directories(app_path(sj("\\Data\\2026年12月06日.jvRA")));
  TGetDataForm& form = open_form();
  start(kFrom);
  const auto messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_THAT(messages[0], HasSubstr("error:"));
  EXPECT_THAT(messages[0], HasSubstr("2026年12月06日.jvRA"));
  EXPECT_NE(ra_file(kSat), "<missing>");
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月05日中山.jvSEr").size(), 216u * 555u);
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月06日中山.jvSEr"), "<missing>");
  EXPECT_EQ(last_time(), "");
  EXPECT_EQ(form.state(), TGetDataForm::State::kIdle);
  EXPECT_EQ(dialogs.shown.back(), "beep");  // JVClose still followed
}

TEST_F(StoredDownloadTest, AFileErrorWhileWritingStillWritesTheOtherFiles) {
  two_days();
  TGetDataForm& form = open_form();
  dialogs.on_events = [&] {
    // Saturday's race file becomes unwritable while its records are held in memory.
    if (form.ListBox1.count() == 3) {
      fs::create_directories(app_path(sj("\\Data\\2026年12月05日.jvRA")) / "in-the-way");
    }
  };
  start(kFrom);
  EXPECT_THAT(dialogs.messages(), ElementsAre(HasSubstr("2026年12月05日.jvRA")));
  EXPECT_EQ(testing::day_file("\\Data\\2026年12月05日中山.jvSEr").size(), 216u * 555u);
  EXPECT_NE(ra_file(kSun), "<missing>");  // the store writes out at the end, all it can
  EXPECT_EQ(last_time(), "");
}

TEST_F(StoredDownloadTest, AnUnusableLastFileStampKeepsLastTime) {
  // JV-Link reporting a blank or zero stamp, or one that is no date.
  class StampJV final : public JVLink {
   public:
    StampJV(JVLink& inner, std::string stamp) : inner_(inner), stamp_(std::move(stamp)) {}
    int JVInit(std::string_view sid) override { return inner_.JVInit(sid); }
    int JVSetUIProperties() override { return inner_.JVSetUIProperties(); }
    int JVOpen(std::string_view spec, std::string_view from, int option, int& rc, int& dc,
               std::string& last) override {
      const int r = inner_.JVOpen(spec, from, option, rc, dc, last);
      last = stamp_;
      return r;
    }
    int JVRTOpen(std::string_view spec, std::string_view key) override {
      return inner_.JVRTOpen(spec, key);
    }
    int JVStatus() override { return inner_.JVStatus(); }
    int JVRead(std::string& b, int& s, std::string& f) override { return inner_.JVRead(b, s, f); }
    int JVClose() override { return inner_.JVClose(); }
    int JVCancel() override { return inner_.JVCancel(); }

   private:
    JVLink& inner_;
    std::string stamp_;
  };

  two_days();
  TIniGT().WriteString("JvDataGet", "LastTime", "2026/11/30 00:00:00");
  for (const char* stamp : {"", "00000000000000", "20261399000000", "2026120714"}) {
    SCOPED_TRACE(stamp);
    TGetDataForm& form = open_form([stamp](JVLink& inner) -> std::unique_ptr<JVLink> {
      return std::make_unique<StampJV>(inner, stamp);
    });
    progress.clear();
    start(kFrom);
    EXPECT_EQ(progress.back(), "データ作成が完了しました。");
    EXPECT_EQ(last_time(), "2026/11/30 00:00:00");
    EXPECT_EQ(form.DateTimePicker1.value(), kFrom);
  }
}

TEST_F(StoredDownloadTest, TheDateBoundReachesTenCalendarDaysIntoTheMonthBefore) {
  deliver("20261203120000", "CARD",
          {Ra(20261122, 1), Ra(20261123, 1), Se(20261122, 1, 1), Se(20261123, 1, 1),
           Hr(20261122, 1), Hr(20261123, 1)});
  open_form();
  start(DateTime{2026, 12, 3, 0, 0, 0});
  EXPECT_THAT(lines, ElementsAre("作成済み:1R/2026年11月23日.jvRA",
                                 "作成済み:20261123中山1R/1番/2026年11月23日中山.jvSEr",
                                 "作成済み:1R/2026年11月23日.jvHR"));
  EXPECT_EQ(ra_file(20261122), "<missing>");
}

TEST_F(StoredDownloadTest, LocalAndOverseasRacesAndDamagedRecordsNeverReachTheFiles) {
  std::string bad_date = O1(kSun, 2);
  put_fld(bad_date, 16, 4, "12X6");
  deliver("20261205160000", "CARD",
          {Ra(kSun, 1, 'A'), Ra(kSun, 2, 'B'), Hr(kSun, 3), bad_date, jv::dm(jv::key(kSun, 6, 1))});
  TGetDataForm& form = open_form();
  form.OddsCheck.set_checked(true);
  start(kFrom);
  EXPECT_THAT(lines, ElementsAre("作成済み:3R/2026年12月06日.jvHR"));
  EXPECT_EQ(ra_file(kSun), "<missing>");
  // The odds record that cannot name its day is logged by the store.
  EXPECT_THAT(testing::slurp(app_path("\\ErrorLog.txt")), HasSubstr("O1"));
  EXPECT_EQ(last_time(), "2026/12/05 16:00:00");
}

TEST_F(StoredDownloadTest, ASecondRunGivesTheSameFilesAsTheFirstAndAsStoringRecordByRecord) {
  two_days();
  deliver("20261207150000", "ODDS", {O1(kSat, 1), O1(kSun, 1), O1(kSat, 2), Ra(kSat, 1, '7')});
  TGetDataForm& form = open_form();
  form.OddsCheck.set_checked(true);
  start(kFrom);
  const auto first = day_files();
  ASSERT_EQ(first.size(), 8u);
  start(kFrom);
  EXPECT_EQ(day_files(), first);

  // The same records stored one by one into another AppDir.
  testing::AppDirScope other;
  testing::make_day_folders(other.path());
  DayStore store(DayStore::Mode::kImmediate);
  for (const auto& file : list_stored_files(feed())) {
    const auto records = read_feed_records(file.path);
    for (const std::string& r : *records) {
      if (DownloadWants(r, DownloadFilter{FirstDownloadDate(kFrom), true})) {
        store.Store(r, RecordOrigin::kStoredData, true);
      }
    }
  }
  EXPECT_EQ(testing::snapshot(other.path() / "DATA"), first);
}

TEST_F(StoredDownloadTest, ClosingIsRefusedDuringARunAndClearsAnIdleCancel) {
  two_days();
  TGetDataForm& form = open_form();
  dialogs.on_events = [&] {
    EXPECT_EQ(form.state(), TGetDataForm::State::kReading);
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_FALSE(form.JVSetBtn.enabled());
  };
  start(kFrom);
  EXPECT_TRUE(form.FormCloseQuery());
  // A cancel with nothing running sets the flag until the window closes.
  form.CancelBtnClick();
  EXPECT_TRUE(CancelFlag);
  form.FormClose();
  EXPECT_FALSE(CancelFlag);
}

}  // namespace
}  // namespace rv
