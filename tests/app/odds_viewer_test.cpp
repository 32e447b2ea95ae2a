// The viewer commands of the main window on a stored day of 中山 (two races).
#include <gtest/gtest.h>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "jvdata/layouts.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

class OddsViewerTest : public testing::DayFormFixture {
 protected:
  OddsViewerTest() : DayFormFixture(DateTime{2026, 12, 7, 9, 0, 0}) {
    DayStore store;
    fs::create_directories(viewer_.path() / "20261206");
    for (int r = 1; r <= 2; ++r) {
      const auto key = jvfeed::key(20261206, 6, r);
      store.Store(jvfeed::ra(key, {.runners = 8, .start = "1030"}), RecordOrigin::kStoredData,
                  true);
      for (int h = 1; h <= 8; ++h) {
        store.Store(jvfeed::se(key, {.horse = h, .runners = 8}), RecordOrigin::kStoredData, true);
      }
      // Each race's O1 odds in the viewer folder, announced at 10:19.
      write_lines(viewer_.path() / "20261206" / (key.text().substr(8) + ".jvO1"),
                  {jvfeed::odds(jvfeed::Kind::O1, key, 8, '1', "12061019").win(1, 3.4, 1).line()});
    }
  }
  void set_viewer_folder() { form->ini.WriteString("Dir", "jikeiretu", path_text(viewer_.path())); }

  testing::TempDir viewer_;
};

TEST_F(OddsViewerTest, RefusesWithoutAFolderOrADay) {
  start();
  EXPECT_EQ(form->T1Click(), "");
  set_viewer_folder();
  EXPECT_EQ(form->T1Click(), "");
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{
                "beep", "info: " + sj("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"), "beep",
                "info: " + sj("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。")}));
}

TEST_F(OddsViewerTest, ShowsTheCountsOutsideABatchAndReloadsTheDay) {
  start();
  set_viewer_folder();
  choose_day("2026年12月06日");
  dialogs.calls.clear();
  const std::string message = sj("2ﾚｰｽ分の単複枠ｵｯｽﾞ\r\n0ﾚｰｽ分の馬連ｵｯｽﾞ\r\nを取りこみました。");
  EXPECT_EQ(form->T1Click(), message);
  EXPECT_EQ(dialogs.calls, std::vector<std::string>{"info: " + message});
  // The day was loaded again: the imported odds are in the model.
  EXPECT_EQ(form->race_day().O1Data[1].field(jv::odds::HappyoTime), "12061019");

  dialogs.calls.clear();
  form->race_day().BatchReading = true;
  EXPECT_EQ(form->T1Click(), message);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(OddsViewerTest, TheFolderChosenIsStored) {
  start();
  desktop.folder_choice = viewer_.path();
  form->N12Click();
  EXPECT_EQ(to_utf8(desktop.folder_caption), "時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定");
  EXPECT_EQ(desktop.folder_start, app_dir());
  EXPECT_EQ(form->ini.ReadString("Dir", "jikeiretu", ""), path_text(viewer_.path()));
}

}  // namespace
}  // namespace rv
