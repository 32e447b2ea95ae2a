#include "acquire/day_store.h"

#include <gtest/gtest.h>

#include "acquire/day_files.h"
#include "day_test_util.h"
#include "jvfeed/records.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
namespace jv = jvfeed;
using Lines = std::vector<std::string>;
using testing::day_file;

constexpr int kDay = 20030413;
const char* const kRa = "\\Data\\2003年04月13日.jvRA";

std::string zeroed(const jv::Record& r) {
  std::string line = r.line();
  put_fld(line, 3, 9, "000000000");
  return line;
}

// Lines of a day file; none when it is missing.
Lines file_lines(const char* utf8_relative) {
  return read_lines(app_path(sj(utf8_relative)));
}

class DayStoreTest : public ::testing::Test {
 protected:
  DayStoreTest() {
    testing::make_day_folders(app_.path());
    set_app_clock(&clock_);
  }
  ~DayStoreTest() override { set_app_clock(nullptr); }

  Lines error_log() { return file_lines("\\ErrorLog.txt"); }

  testing::AppDirScope app_;
  ManualClock clock_{DateTime{2003, 4, 13, 9, 30, 5, 0}};
};

TEST_F(DayStoreTest, ASecondOddsDeliveryReplacesTheFirstLineOfItsRace) {
  DayStore store;
  const auto first = jv::o1(jv::key(kDay, 6, 11), 16, '1').win(1, 3.4, 1);
  const auto second = jv::o1(jv::key(kDay, 6, 11), 16, '4').win(1, 2.8, 1);
  const auto other = jv::o1(jv::key(kDay, 6, 12), 16, '1');
  ASSERT_TRUE(store.Store(first, RecordOrigin::kRealTime, true));
  ASSERT_TRUE(store.Store(other, RecordOrigin::kRealTime, true));
  ASSERT_TRUE(store.Store(second, RecordOrigin::kRealTime, true));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvO1"), (Lines{zeroed(second), zeroed(other)}));
}

TEST_F(DayStoreTest, ARaceComesInKeyOrderAndReadsBackWithItsKindAndDateZeroed) {
  DayStore store;
  for (const int race : {12, 1, 3, 2}) {
    ASSERT_TRUE(store.Store(jv::ra(jv::key(kDay, 6, race)), RecordOrigin::kStoredData, true));
  }
  ASSERT_TRUE(store.Store(jv::ra(jv::key(kDay, 5, 7)), RecordOrigin::kStoredData, true));
  const Lines lines = file_lines(kRa);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], zeroed(jv::ra(jv::key(kDay, 5, 7))));
  EXPECT_EQ(lines[1], zeroed(jv::ra(jv::key(kDay, 6, 1))));
  EXPECT_EQ(lines[3], zeroed(jv::ra(jv::key(kDay, 6, 3))));
  EXPECT_EQ(lines[4], zeroed(jv::ra(jv::key(kDay, 6, 12))));

  std::string rec(1272, '#');
  ASSERT_TRUE(read_record_at(app_path(sj(kRa)), 1272, 1, rec.data()));
  EXPECT_EQ(fld(rec, 1, 2), "RA");
  EXPECT_EQ(fld(rec, 3, 1), "0");
  EXPECT_EQ(fld(rec, 4, 8), "00000000");
  EXPECT_EQ(fld(rec, 12, 16), "2003041306050201");
  EXPECT_EQ(fld(rec, 1271, 2), "\r\n");
}

TEST_F(DayStoreTest, TheFirstRunnerOfAVenueStartsA216SlotFile) {
  DayStore store;
  const auto runner = jv::se(jv::key(kDay, 6, 3), {.horse = 5});
  ASSERT_TRUE(store.Store(runner, RecordOrigin::kStoredData, true));
  const std::string bytes = day_file("\\Data\\2003年04月13日中山.jvSEr");
  ASSERT_EQ(bytes.size(), 216u * 555u);
  const Lines lines = split_lines(bytes);
  ASSERT_EQ(lines.size(), 216u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], i == 40 ? runner.line() : std::string(553, ' ')) << "slot " << i;
  }
  // The same horse again replaces its slot; other venues have files of their own.
  const auto again = jv::se(jv::key(kDay, 6, 3), {.horse = 5, .name = "アゲイン"});
  ASSERT_TRUE(store.Store(again, RecordOrigin::kRealTime, true));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日中山.jvSEr")[40], again.line());
  ASSERT_TRUE(store.Store(jv::se(jv::key(kDay, 9, 1)), RecordOrigin::kRealTime, true));
  EXPECT_EQ(day_file("\\Data\\2003年04月13日阪神.jvSEr").size(), 216u * 555u);
}

TEST_F(DayStoreTest, RunnersWithoutASlotAreNotStored) {
  DayStore store;
  auto race13 = jv::se(jv::key(kDay, 6, 12), {.horse = 1}).str();
  put_fld(race13, 26, 2, "13");
  auto horse19 = jv::se(jv::key(kDay, 6, 12), {.horse = 1}).str();
  put_fld(horse19, 29, 2, "19");
  auto horse0 = jv::se(jv::key(kDay, 6, 12), {.horse = 1}).str();
  put_fld(horse0, 29, 2, "00");
  for (const auto& r : {race13, horse19, horse0}) {
    EXPECT_FALSE(store.Store(r, RecordOrigin::kStoredData, true));
  }
  EXPECT_EQ(day_file("\\Data\\2003年04月13日中山.jvSEr"), "<missing>");
  EXPECT_TRUE(error_log().empty());
}

TEST_F(DayStoreTest, EveryWeatherAnnouncementKeepsALineOfItsOwn) {
  DayStore store;
  const auto k = jv::key(kDay, 6, 1);
  const auto morning = jv::we(k, "04130930", 1, {1, 1, 1});
  const auto noon = jv::we(k, "04131200", 1, {3, 2, 2});
  const auto noon_fixed = jv::we(k, "04131200", 1, {3, 3, 3});
  ASSERT_TRUE(store.Store(noon, RecordOrigin::kRealTime, true));
  ASSERT_TRUE(store.Store(morning, RecordOrigin::kRealTime, true));
  EXPECT_EQ(file_lines("\\CHG\\2003年04月13日.WE"), (Lines{morning.line(), noon.line()}));
  ASSERT_TRUE(store.Store(noon_fixed, RecordOrigin::kRealTime, true));
  EXPECT_EQ(file_lines("\\CHG\\2003年04月13日.WE"), (Lines{morning.line(), noon_fixed.line()}));
}

TEST_F(DayStoreTest, KindAndDateAreZeroedByKindAndOrigin) {
  DayStore store;
  const auto k = jv::key(kDay, 6, 11);
  const auto hr = jv::hr(k, 16, '1');
  ASSERT_TRUE(store.Store(hr, RecordOrigin::kRealTime, true));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvHR"), Lines{hr.line()});
  ASSERT_TRUE(store.Store(hr, RecordOrigin::kStoredData, true));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvHR"), Lines{zeroed(hr)});

  const auto dm = jv::dm(k, 16, '2');
  const auto o6 = jv::o6(k, 16, '1');
  const auto tc = jv::tc(k, "04131000", "1550", "1540");
  const auto se = jv::se(k, {.horse = 1});
  for (const jv::Record* r : {&dm, &o6, &tc, &se}) {
    ASSERT_TRUE(store.Store(*r, RecordOrigin::kRealTime, true));
  }
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvDM"), Lines{zeroed(dm)});
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvO6"), Lines{zeroed(o6)});
  EXPECT_EQ(file_lines("\\CHG\\2003年04月13日.TC"), Lines{tc.line()});
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日中山.jvSEr")[180], se.line());
}

TEST_F(DayStoreTest, OneBlankFirstLineGoesForTheKindsThatAskForIt) {
  const std::string blank_o1(960, ' ');
  testing::write_bytes(app_path(sj("\\Data\\2003年04月13日.jvO1")),
                       blank_o1 + "\r\n" + blank_o1 + "\r\n" + blank_o1 + "\r\n");
  testing::write_bytes(app_path(sj("\\Data\\2003年04月13日.jvHR")), "\r\n");
  DayStore store;
  const auto o1 = jv::o1(jv::key(kDay, 6, 1));
  ASSERT_TRUE(store.Store(o1, RecordOrigin::kStoredData, false));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvO1"), (Lines{blank_o1, blank_o1, zeroed(o1)}));
  const auto hr = jv::hr(jv::key(kDay, 6, 1));
  ASSERT_TRUE(store.Store(hr, RecordOrigin::kRealTime, false));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvHR"), (Lines{"", hr.line()}));
}

TEST_F(DayStoreTest, AMissingFileIsStartedOnlyWhenTheCallerAsks) {
  DayStore store;
  const auto ra = jv::ra(jv::key(kDay, 6, 1));
  EXPECT_FALSE(store.Store(ra, RecordOrigin::kStoredData, false));
  EXPECT_FALSE(store.Store(jv::se(jv::key(kDay, 6, 1)), RecordOrigin::kStoredData, false));
  EXPECT_TRUE(testing::snapshot(app_.path()).empty());
  EXPECT_TRUE(store.Store(ra, RecordOrigin::kStoredData, true));
  EXPECT_TRUE(store.Store(jv::ra(jv::key(kDay, 6, 2)), RecordOrigin::kStoredData, false));
  EXPECT_EQ(file_lines(kRa).size(), 2u);
}

TEST_F(DayStoreTest, RecordsThatCannotNameTheirFileAreDroppedAndLogged) {
  DayStore store;
  auto bad_date = jv::ra(jv::key(kDay, 6, 1)).str();
  put_fld(bad_date, 16, 2, "O4");
  auto bad_venue = jv::se(jv::key(kDay, 6, 1)).str();
  put_fld(bad_venue, 20, 2, "99");
  auto path_venue = jv::se(jv::key(kDay, 6, 1)).str();
  put_fld(path_venue, 20, 2, "\\.");
  const std::string cut = jv::ra(jv::key(kDay, 6, 1)).str().substr(0, 1000) + "\r\n";
  auto broken = jv::tc(jv::key(kDay, 6, 1), "04131000", "1550", "1540").str();
  broken[30] = '\n';
  // Race records of venues no table names would be listed as races without a name.
  std::vector<std::string> nameless;
  for (const char* venue : {"..", "/.", " 5"}) {
    nameless.push_back(jv::ra(jv::key(kDay, 6, 1)).str());
    put_fld(nameless.back(), 20, 2, venue);
  }
  for (const auto& r :
       {bad_date, bad_venue, path_venue, cut, broken, nameless[0], nameless[1], nameless[2]}) {
    EXPECT_FALSE(store.Store(r, RecordOrigin::kStoredData, true));
  }
  EXPECT_TRUE(fs::is_empty(app_.path() / "DATA"));
  EXPECT_TRUE(fs::is_empty(app_.path() / "CHG"));
  const Lines log = error_log();
  ASSERT_EQ(log.size(), 8u);
  EXPECT_EQ(
      to_utf8(log[0]),
      "【エラー】09:30:05：保存できないレコード（開催日が不正）：RA2200304132003O41306050201");
  EXPECT_EQ(to_utf8(log[3]),
            "【エラー】09:30:05：保存できないレコード（長さ 1000 バイト、RA は 1270 バイト）："
            "RA2200304132003041306050201");
  EXPECT_NE(to_utf8(log[4]).find("改行を含む"), std::string::npos);
  EXPECT_EQ(
      to_utf8(log[7]),
      "【エラー】09:30:05：保存できないレコード（場コードが不正）：RA22003041320030413 5050201");
}

TEST_F(DayStoreTest, WriteBackHoldsChangesUntilFlushedAndWritesTheSameBytes) {
  const auto o1 = jv::o1(jv::key(kDay, 6, 1));
  const auto ra1 = jv::ra(jv::key(kDay, 6, 1));
  const auto ra2 = jv::ra(jv::key(kDay, 6, 2));
  DayStore back(DayStore::Mode::kWriteBack);
  ASSERT_TRUE(back.Store(ra2, RecordOrigin::kStoredData, true));
  ASSERT_TRUE(back.Store(o1, RecordOrigin::kStoredData, true));
  ASSERT_TRUE(back.Store(ra1, RecordOrigin::kStoredData, true));
  EXPECT_FALSE(back.Store(jv::hr(jv::key(kDay, 6, 1)), RecordOrigin::kStoredData, false));
  EXPECT_EQ(back.pending_files(), 2u);
  EXPECT_TRUE(fs::is_empty(app_.path() / "DATA"));
  back.Flush();
  EXPECT_EQ(back.pending_files(), 0u);
  EXPECT_EQ(file_lines(kRa), (Lines{zeroed(ra1), zeroed(ra2)}));
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvO1"), Lines{zeroed(o1)});

  // Files are read again after a flush, and what is left pending goes out with the store.
  {
    DayStore more(DayStore::Mode::kWriteBack);
    ASSERT_TRUE(more.Store(jv::ra(jv::key(kDay, 6, 3)), RecordOrigin::kStoredData, false));
  }
  EXPECT_EQ(file_lines(kRa).size(), 3u);
}

TEST_F(DayStoreTest, AFileThatCannotBeWrittenDoesNotStopTheOthersAtAFlush) {
  DayStore back(DayStore::Mode::kWriteBack);
  ASSERT_TRUE(back.Store(jv::ra(jv::key(kDay, 6, 1)), RecordOrigin::kStoredData, true));
  ASSERT_TRUE(back.Store(jv::o1(jv::key(kDay, 6, 1)), RecordOrigin::kStoredData, true));
  fs::create_directories(app_path(sj(kRa)) / "in-the-way");
  try {
    back.Flush();
    FAIL() << "expected FileError";
  } catch (const FileError& e) {
    EXPECT_NE(to_utf8(e.what()).find("2003年04月13日.jvRA"), std::string::npos) << e.what();
  }
  EXPECT_EQ(file_lines("\\Data\\2003年04月13日.jvO1").size(), 1u);
  EXPECT_EQ(back.pending_files(), 0u);
}

TEST_F(DayStoreTest, FileErrorsSurfaceAtTheRecordThatMeetsThemInBothModes) {
  fs::remove_all(app_.path() / "CHG");
  for (const auto mode : {DayStore::Mode::kImmediate, DayStore::Mode::kWriteBack}) {
    DayStore store(mode);
    // An unreadable day file (here a folder in its place).
    fs::create_directories(app_path(sj("\\Data\\2003年04月13日.jvDM")));
    EXPECT_THROW(store.Store(jv::dm(jv::key(kDay, 6, 1)), RecordOrigin::kStoredData, true),
                 FileError);
    // A day folder that start-up did not create.
    EXPECT_THROW(store.Store(jv::tc(jv::key(kDay, 6, 1), "04131000", "1550", "1540"),
                             RecordOrigin::kRealTime, true),
                 FileError);
  }
}

TEST_F(DayStoreTest, ARunnerFileCutShortIsFilledUpToItsSlots) {
  const auto runner = jv::se(jv::key(kDay, 6, 12), {.horse = 18});
  const auto kept = jv::se(jv::key(kDay, 6, 1), {.horse = 1});
  testing::write_bytes(app_path(sj("\\Data\\2003年04月13日中山.jvSEr")), kept.str());
  DayStore store;
  ASSERT_TRUE(store.Store(runner, RecordOrigin::kRealTime, false));
  const Lines lines = file_lines("\\Data\\2003年04月13日中山.jvSEr");
  ASSERT_EQ(lines.size(), 216u);
  EXPECT_EQ(lines[0], kept.line());
  EXPECT_EQ(lines[1], std::string(553, ' '));
  EXPECT_EQ(lines[215], runner.line());
}

TEST_F(DayStoreTest, TheKeyedAndSlottedOperationsTakeTheirParametersAsGiven) {
  DayStore store;
  const std::string folder = sj("\\Data\\");
  ASSERT_TRUE(store.StoreKeyedRecord(folder, "x.txt", 1, 1, "b1\r\n", false, true, true));
  ASSERT_TRUE(store.StoreKeyedRecord(folder, "x.txt", 1, 1, "A2\r\n", true, true, true));
  ASSERT_TRUE(store.StoreKeyedRecord(folder, "x.txt", 1, 1, "a3\r\n", false, true, true));
  // Keys match byte for byte; the order folds letter case.
  EXPECT_EQ(day_file("\\Data\\x.txt"), "A2000000000\r\na3\r\nb1\r\n");
  EXPECT_FALSE(store.StoreSeRecord("y.jvSEr", 0, 1, "SE\r\n", true));
  ASSERT_TRUE(store.StoreSeRecord("y.jvSEr", 1, 2, "SE\r\n", true));
  EXPECT_EQ(file_lines("\\Data\\y.jvSEr")[1], "SE");
}

}  // namespace
}  // namespace rv
