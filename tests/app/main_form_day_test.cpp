// The race-day handlers of the main window on days stored record by record.
#include <gtest/gtest.h>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "common/form_rig.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::write_bytes;

class DayHandlers : public testing::DayFormFixture {
 protected:
  DayHandlers() : DayFormFixture(DateTime{2026, 12, 6, 9, 0, 0}) {}

  // A stored day of `races` races at 中山, the first starting at 10:00.
  static void store_day(int ymd, int races) {
    DayStore store(DayStore::Mode::kWriteBack);
    for (int r = 1; r <= races; ++r) {
      const auto key = jvfeed::key(ymd, 6, r);
      store.Store(jvfeed::ra(key, {.runners = 8, .start = r == 1 ? "1000" : "1030"}),
                  RecordOrigin::kStoredData, true);
      for (int h = 1; h <= 8; ++h) {
        store.Store(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = 8}),
                    RecordOrigin::kStoredData, true);
      }
    }
    store.Flush();
  }
};

TEST_F(DayHandlers, ChoosingADayLoadsItWithTheSettingsAndSelectsTheFirstRace) {
  store_day(20261205, 2);
  store_day(20261206, 3);
  write_bytes(dir.path() / "ravelin.ini",
              sj("[Time]\r\nAutoOzGet=15\r\n[KaimeSet]\r\nDefaultAmount=1200\r\n"));
  MainForm& f = start();
  f.day.PageControl1.set_visible(true);

  choose_day("2026年12月06日");
  EXPECT_EQ(f.last_day_load(), DayLoadResult::kLoaded);
  EXPECT_EQ(f.loaded_day.DatList.count(), 3);
  EXPECT_EQ(f.loaded_day.DatList.item_index(), 0);
  EXPECT_EQ(f.race_day().Work[0].OzTime, "0945");
  EXPECT_EQ(f.race_day().RaceAmount[35], "1200");
  EXPECT_EQ(to_utf8(f.loaded_day.SeiRecLabel.text()), "成績記録済");
  EXPECT_TRUE(f.day.RestTimeLabel.visible());  // today's day
  EXPECT_TRUE(f.day.PageControl1.visible());   // hidden by the load, shown with the first race
  EXPECT_EQ(f.race_on_screen().slot(), 0);

  choose_day("2026年12月05日");
  EXPECT_EQ(f.loaded_day.DatList.count(), 2);
  EXPECT_FALSE(f.day.RestTimeLabel.visible());
  EXPECT_TRUE(dialogs.calls.empty());

  // Nothing chosen: no day to load.
  f.day.DateCombo.set_item_index(-1);
  f.DateComboChange();
  EXPECT_EQ(f.last_day_load(), DayLoadResult::kNoRaceFile);
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"beep", "info: " + sj("データ作成が未完了のようです。")}));
  EXPECT_EQ(f.loaded_day.DatList.count(), 0);
}

// The load lets window messages run; another day chosen through them while it runs is
// ignored, and the day being loaded ends up loaded as if nothing had come.
TEST_F(DayHandlers, ADayChosenWhileADayLoadsIsIgnored) {
  store_day(20261205, 2);
  store_day(20261206, 3);
  MainForm& f = start();
  int pumps = 0;
  dialogs.on_process_events = [&] {
    if (++pumps > 1) return;
    f.day.DateCombo.set_item_index(f.day.DateCombo.index_of(sj("2026年12月05日")));
    f.DateComboChange();
  };
  choose_day("2026年12月06日");
  EXPECT_EQ(pumps, 1);
  EXPECT_EQ(f.day.DateCombo.text(), sj("2026年12月06日"));
  EXPECT_EQ(f.race_day().Date, sj("2026年12月06日"));
  EXPECT_EQ(f.loaded_day.DatList.count(), 3);
}

TEST_F(DayHandlers, BatchLoadSkipsDaysWithStatisticsAndEndsOnTheNewestLoaded) {
  store_day(20261129, 1);
  store_day(20261205, 1);
  store_day(20261206, 1);
  write_bytes(dir.path() / "STAT" / testing::u8_path("2026年12月06日.stat1"), "");
  MainForm& f = start();
  f.DirectReadBtnClick();
  // Oldest first, so the last day loaded is the newest without a statistics file.
  EXPECT_EQ(f.race_day().Date, sj("2026年12月05日"));
  EXPECT_EQ(f.day.DateCombo.text(), sj("2026年12月05日"));
  EXPECT_FALSE(f.race_day().BatchReading);
}

TEST_F(DayHandlers, StartTimeChangesUseTheAcquisitionLeadOfTheSettings) {
  store_day(20261206, 2);
  write_bytes(dir.path() / "ravelin.ini", sj("[Time]\r\nAutoOzGet=5\r\n"));
  MainForm& f = start();
  choose_day("2026年12月06日");
  DayStore store;
  store.Store(jvfeed::tc(jvfeed::key(20261206, 6, 2), "12060905", "1050", "1030"),
              RecordOrigin::kRealTime, true);
  f.days().KaisaiReadBtnClick();
  EXPECT_EQ(f.race_day().Work[1].OzTime, "1045");
  EXPECT_EQ(f.race_day().Work[1].DeliverTime, "1047");
}

TEST_F(DayHandlers, ClosingTheDownloadWindowEmptiesTheRaceListAndListsNewDays) {
  store_day(20261205, 2);
  MainForm& f = start();
  choose_day("2026年12月05日");
  ASSERT_EQ(f.loaded_day.DatList.count(), 2);
  f.day.PageControl1.set_visible(true);
  // A day the download brought.
  store_day(20261206, 1);

  f.GetDataFormClose();
  EXPECT_EQ(f.loaded_day.DatList.count(), 0);
  EXPECT_FALSE(f.day.PageControl1.visible());
  ASSERT_EQ(f.day.DateCombo.count(), 2);
  EXPECT_EQ(f.day.DateCombo.item(0), sj("2026年12月06日"));
}

}  // namespace
}  // namespace rv
