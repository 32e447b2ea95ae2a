#include "model/day_load.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "day_fixture.h"
#include "model/day_paths.h"
#include "support/files.h"

namespace rv {
namespace {

using testing::DayFixture;
using testing::kHanshin;
using testing::kNakayama;
using testing::kYmd;

std::string u8(std::string_view sjis) {
  return to_utf8(sjis);
}

using LoadDayTest = DayFixture;

TEST_F(LoadDayTest, TwoVenueDayFillsListVenueTableTimesAndAmounts) {
  venue(kHanshin, 12, {.start = "1530"});  // stored first, still sorted after Nakayama
  venue(kNakayama, 12, {.start = "0950"});
  settings.AutoOzGet = 10;
  settings.DefaultAmount = 5000;
  on_screen.set(7);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);

  ASSERT_EQ(controls.DatList.count(), 24);
  EXPECT_EQ(u8(controls.DatList.item(0)), "中山 1R");
  EXPECT_EQ(u8(controls.DatList.item(11)), "中山12R");
  EXPECT_EQ(u8(controls.DatList.item(12)), "阪神 1R");
  EXPECT_EQ(day->slots_in_use(), 24);

  EXPECT_EQ(day->BashoLabel[0], "06");
  EXPECT_EQ(day->BashoLabel[1], "09");
  EXPECT_EQ(day->BashoLabel[2], "");
  EXPECT_EQ(day->BashoIdx[0], " 0");
  EXPECT_EQ(day->BashoIdx[1], "12");
  EXPECT_EQ(day->BashoIdx[2], "");

  const RaceWork& hanshin1 = day->Work[12];
  EXPECT_EQ(hanshin1.OzTime, "1520");
  EXPECT_EQ(hanshin1.OzTime2, "1521");
  EXPECT_EQ(hanshin1.DeliverTime, "1522");
  EXPECT_EQ(day->Work[0].OzTime, "0940");
  EXPECT_EQ(day->Work[24].OzTime, "");  // slots not in use get no times
  for (const std::string& a : day->RaceAmount) EXPECT_EQ(a, "5000");

  EXPECT_EQ(on_screen.slot(), 7);  // selecting the first race is the window's step
  EXPECT_EQ(day->OzRace, 35);
  EXPECT_EQ(day->Date, sj(testing::kDate));
  EXPECT_EQ(u8(controls.SeiRecLabel.text()), "成績記録済");
  EXPECT_EQ(controls.SeiRecLabel.color(), colors::kAqua);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(LoadDayTest, ResultsStateIsJudgedFromTheRunnerRecords) {
  // The stored race records have their data kind zeroed; final runner records decide.
  venue(kNakayama, 2);
  race(kNakayama, 3, {.se_kind = '2'});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_EQ(day->RaData[0].field(3, 1), "0");
  EXPECT_FALSE(day->AllResultsIn);
  EXPECT_EQ(u8(controls.SeiRecLabel.text()), "成績未記録");
  EXPECT_EQ(controls.SeiRecLabel.color(), colors::kYellow);

  // A day without any runner records has no results to speak of.
  std::filesystem::remove(app_path(sj("\\Data\\2026年12月06日中山.jvSEr")));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_FALSE(day->AllResultsIn);
  EXPECT_EQ(u8(controls.SeiRecLabel.text()), "成績未記録");
}

TEST_F(LoadDayTest, MissingRunnerFileOfOneVenueLeavesItsRacesBlank) {
  venue(kNakayama, 3);
  venue(kHanshin, 3);
  flush();
  std::filesystem::remove(app_path(sj("\\Data\\2026年12月06日阪神.jvSEr")));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_EQ(controls.DatList.count(), 6);
  EXPECT_EQ(day->SeData[2][0].field(1, 2), "SE");
  EXPECT_EQ(day->SeData[3][0].view(), std::string(SeRecord::kSize, ' '));
  // The venue whose runners are all final decides alone.
  EXPECT_TRUE(day->AllResultsIn);
}

TEST_F(LoadDayTest, RunnersLandByRaceAndHorseNumberAndHorseRecordsByPedigree) {
  race(kNakayama, 1, {.runners = 3});
  race(kNakayama, 2, {.runners = 5, .se_kind = 0});
  // Only horse 4 of race 2 was delivered: the others' places stay blank.
  put(jvfeed::se(jvfeed::key(kYmd, kNakayama, 2), {.data_kind = '7', .horse = 4, .runners = 5}));
  const jvfeed::Record um = jvfeed::um("2022100002");
  testing::write_bytes(app_dir() / "UMA" / "2022" / "2022100002.jvUMA", um.str());
  ASSERT_EQ(load(), DayLoadResult::kLoaded);

  EXPECT_EQ(day->SeData[0][2].field(29, 2), "03");
  EXPECT_EQ(day->SeData[0][3].view(), std::string(SeRecord::kSize, ' '));  // beyond the 3 runners
  EXPECT_EQ(day->SeData[1][3].field(29, 2), "04");
  EXPECT_EQ(day->SeData[1][0].field(1, 2), "  ");
  EXPECT_EQ(day->UmData[0][1].view(), um.str());
  EXPECT_EQ(day->UmData[0][0].view(), std::string(UmRecord::kSize, ' '));
  EXPECT_FALSE(day->AllResultsIn);  // the blank places of race 2 are not final
}

TEST_F(LoadDayTest, TheNextDayKeepsNothingOfTheRacesItLacks) {
  // Two races with odds and a horse record, then a day of one race without odds.
  for (int r = 1; r <= 2; ++r) {
    race(kNakayama, r, {.runners = 3});
    const auto k = jvfeed::key(kYmd, kNakayama, r);
    put(jvfeed::odds(jvfeed::Kind::O1, k, 3).win(1, jvfeed::Odds::of_tenths(25), 1));
    put(jvfeed::odds(jvfeed::Kind::O6, k, 3).entry(1, jvfeed::Odds::of_tenths(990), 1));
  }
  testing::write_bytes(app_dir() / "UMA" / "2022" / "2022100002.jvUMA",
                       jvfeed::um("2022100002").str());
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  ASSERT_EQ(day->Work[1].SanrentanNinki[1], 1);
  ASSERT_NE(day->UmData[1][1].view(), std::string(UmRecord::kSize, ' '));
  const auto k = jvfeed::key(20261213, kNakayama, 1);
  put(jvfeed::ra(k, {.runners = 3}));
  put(jvfeed::se(k, {.data_kind = '7', .horse = 1, .runners = 3}));
  ASSERT_EQ(load("2026年12月13日"), DayLoadResult::kLoaded);

  for (std::size_t s : {0U, 1U}) {
    EXPECT_EQ(day->O1Data[s].view(), std::string(O1Record::kSize, ' ')) << s;
    EXPECT_EQ(day->O6Data[s].view(), std::string(O6Record::kSize, ' ')) << s;
    EXPECT_EQ(day->Work[s].WinOdds[1], 0.0) << s;
    EXPECT_EQ(day->Work[s].SanrentanOdds[1], 0.0) << s;
    EXPECT_EQ(day->Work[s].SanrentanNinki[1], 0) << s;
  }
  EXPECT_EQ(day->UmData[1][1].view(), std::string(UmRecord::kSize, ' '));
}

TEST_F(LoadDayTest, MissingRaceFileRefusesAndKeepsThePreviousRecords) {
  race(kNakayama, 1);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  ASSERT_EQ(load("2026年12月13日"), DayLoadResult::kNoRaceFile);
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"beep", "info: " + sj("データ作成が未完了のようです。")}));
  EXPECT_EQ(controls.DatList.count(), 0);
  EXPECT_EQ(day->RaData[0].field(1, 2), "RA");
  EXPECT_EQ(day->Date, sj(testing::kDate));

  // A text that is no date names no file at all.
  dialogs.calls.clear();
  EXPECT_EQ(load("..\\..\\x"), DayLoadResult::kNoRaceFile);
  EXPECT_EQ(dialogs.calls.size(), 2u);
}

TEST_F(LoadDayTest, RaceOfNineteenRunnersStopsTheLoadAndShowsNothing) {
  race(kNakayama, 1);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  race(kNakayama, 2, {.runners = 19});
  ASSERT_EQ(load(), DayLoadResult::kBadData);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(u8(dialogs.calls[0]),
            "error: 中山 2Rの登録頭数が 19 頭です（18頭まで）。"
            "データに誤りがあるため、この日のデータは読み込みませんでした。");
  EXPECT_EQ(controls.DatList.count(), 0);
  EXPECT_EQ(day->slots_in_use(), 0);
  EXPECT_EQ(day->SeData[0][0].view(), std::string(SeRecord::kSize, ' '));
  EXPECT_EQ(controls.SeiRecLabel.text(), "");
  EXPECT_EQ(day->Date, "");
}

TEST_F(LoadDayTest, TornFilesLoseOnlyTheirTornRecord) {
  venue(kNakayama, 3);
  put(jvfeed::hr(jvfeed::key(kYmd, kNakayama, 3)));
  flush();
  const auto cut = [](const std::filesystem::path& f, std::size_t bytes) {
    std::filesystem::resize_file(f, std::filesystem::file_size(f) - bytes);
  };
  cut(data_file(".jvRA"), 100);
  cut(app_path(sj("\\Data\\2026年12月06日中山.jvSEr")), 555 * 214 + 7);  // 1 line left + part
  cut(data_file(".jvHR"), 1);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_EQ(controls.DatList.count(), 2);
  EXPECT_EQ(day->RaData[1].field(26, 2), "02");
  EXPECT_EQ(day->RaData[2].view(), std::string(RaRecord::kSize, ' '));
  EXPECT_EQ(day->SeData[0][0].field(29, 2), "01");
  EXPECT_EQ(day->SeData[0][1].view(), std::string(SeRecord::kSize, ' '));
  EXPECT_EQ(day->HrData[2].view(), std::string(HrRecord::kSize, ' '));
}

TEST_F(LoadDayTest, PayoutRecordsLandByRaceWhateverTheirOrder) {
  venue(kNakayama, 3);
  flush();
  auto hr3 = jvfeed::hr(jvfeed::key(kYmd, kNakayama, 3));
  hr3.pay(jvfeed::Bet::Win, 1, {5}, 420, 2);
  auto hr1 = jvfeed::hr(jvfeed::key(kYmd, kNakayama, 1));
  hr1.pay(jvfeed::Bet::Win, 1, {2}, 150, 1);
  const auto other_day = jvfeed::hr(jvfeed::key(20261213, kNakayama, 2));
  write_lines(data_file(".jvHR"), {hr3.line(), other_day.line(), hr1.line()});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_EQ(day->HrData[0].field(103, 2), "02");
  EXPECT_EQ(day->HrData[1].view(), std::string(HrRecord::kSize, ' '));
  EXPECT_EQ(day->HrData[2].field(103, 2), "05");
  // The results tab's tables are ready at once.
  EXPECT_EQ(day->Payouts.table[2][0][0].kumi, " 5");
  EXPECT_EQ(day->Payouts.table[2][0][0].pay, 420);
  EXPECT_EQ(day->Work[2].HrLoaded, 0);  // the payout reader's, not the load's
}

TEST_F(LoadDayTest, BlankWinOddsFileIsMadeForDaysOfMoreThanSixRaces) {
  venue(kNakayama, 6);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_FALSE(file_exists(data_file(".jvO1")));
  race(kNakayama, 7);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const std::string o1 = testing::slurp(data_file(".jvO1"));
  EXPECT_EQ(o1.size(), 7 * O1Record::kSize);
  EXPECT_EQ(o1.substr(0, O1Record::kSize), std::string(O1Record::kSize - 2, ' ') + "\r\n");
  EXPECT_EQ(day->Work[6].WinOdds[1], 0.0);  // blank records belong to no race
}

TEST_F(LoadDayTest, RaceRecordsBeyondTheThirtySixthAreIgnored) {
  venue(kNakayama);
  venue(kHanshin);
  venue(5);
  race(8, 1);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_EQ(controls.DatList.count(), 36);
  // 京都 (08) sorts before 阪神 (09), so 阪神's last race is the one left out.
  EXPECT_EQ(u8(controls.DatList.item(35)), "阪神11R");
  EXPECT_EQ(day->BashoLabel[2], "08");
  EXPECT_EQ(day->BashoIdx[2], "24");
}

TEST(RaceClass, LettersFollowGradeConditionAndField) {
  const auto ra = [](char grade, int syubetu, int joken, int runners, int track) {
    RaRecord r;
    r.assign(jvfeed::ra(jvfeed::key(kYmd, 6, 11), {.runners = runners,
                                                   .track = track,
                                                   .grade = grade,
                                                   .syubetu = syubetu,
                                                   .joken = joken})
                 .str());
    return RaceClassOf(r);
  };
  EXPECT_EQ(ra('A', 13, 999, 8, 17), "A");
  EXPECT_EQ(ra('C', 13, 999, 16, 51), "");  // a graded jump race is no "A", and graded: no "B"
  EXPECT_EQ(ra('B', 11, 999, 16, 17), "");  // nor one of kind 11
  EXPECT_EQ(ra(' ', 13, 999, 14, 17), "B");
  EXPECT_EQ(ra(' ', 13, 999, 13, 17), "");
  EXPECT_EQ(ra(' ', 13, 16, 14, 17), "C");
  EXPECT_EQ(ra(' ', 13, 10, 5, 17), "D");
  EXPECT_EQ(ra(' ', 13, 5, 16, 17), "E");
  EXPECT_EQ(ra(' ', 13, 5, 15, 17), "");
  EXPECT_EQ(ra(' ', 12, 703, 8, 17), "F");
  EXPECT_EQ(ra(' ', 12, 701, 13, 24), "G");
  EXPECT_EQ(ra(' ', 12, 701, 12, 24), "");
}

TEST(DatListItem, RaceNumberZeroPrintsBlanks) {
  RaRecord r;
  r.blank();
  std::memcpy(r.bytes.data() + 19, "05", 2);
  std::memcpy(r.bytes.data() + 25, "00", 2);
  EXPECT_EQ(u8(DatListItem(r)), "東京  R");
}

}  // namespace
}  // namespace rv
