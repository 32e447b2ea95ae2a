#include "model/chase_list.h"

#include <gtest/gtest.h>

#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "model/card_day.h"
#include "model/race_card_style.h"
#include "support/app_dir.h"

namespace rv {
namespace {

using testing::u8;

class ChaseListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto key = d_.race(0, 11, 10);
    d_.put_runner(0, jvfeed::se(key, {.horse = 4,
                                      .runners = 10,
                                      .name = "オイカケ",
                                      .pedigree = "2021104567",
                                      .jockey = "武豊",
                                      .trainer = "藤沢"}));
    d_.race(1, 12, 10);
    ShowRace(d_.day(), 0, card_, d_.on_screen);
  }
  std::string file() const { return testing::slurp(dir_.path() / "ChaseHorse.dat"); }

  testing::AppDirScope dir_;
  testing::CardDay d_;
  RaceCardControls card_;
  ChaseList list_;
  testing::FakeDialogs dialogs_;
};

TEST_F(ChaseListTest, PressingARowNamesTheHorseInThePopUp) {
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 0);  // the heading row selects nothing
  EXPECT_EQ(card_.SelectedHorse, -1);
  EXPECT_FALSE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  EXPECT_TRUE(dialogs_.calls.empty());

  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 4);
  EXPECT_EQ(card_.SelectedHorse, 3);
  EXPECT_EQ(u8(card_.R1.text()), "追跡馬に登録:オイカケ");
  EXPECT_EQ(u8(card_.HorseInfoItem.text()), "馬情報:オイカケ");
  EXPECT_EQ(u8(card_.JockeyInfoItem.text()), "騎手情報:武豊");
  EXPECT_EQ(u8(card_.TrainerInfoItem.text()), "調教師情報:藤沢");
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 11);  // beyond the runners
  EXPECT_EQ(card_.SelectedHorse, 3);
}

TEST_F(ChaseListTest, RegisteringTheSameHorseTwiceKeepsOneLine) {
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 4);
  ASSERT_TRUE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  EXPECT_EQ(dialogs_.calls,
            (std::vector<std::string>{"confirm: " + sj("オイカケを追跡馬に登録しますか？"),
                                      "info: " + sj("オイカケを追跡馬に登録しました。")}));
  const std::string line = "2021104567" + jvfeed::wide_text("オイカケ", 36) + "\r\n";
  EXPECT_EQ(file(), line);
  EXPECT_EQ(d_.work(0).ChaseMark[3], 1);
  ShowRace(d_.day(), 0, card_, d_.on_screen);
  EXPECT_EQ(StringGrid6DrawCell(d_.day(), d_.on_screen.slot(), true, 4, 1).background,
            colors::kRed);

  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 2);
  ASSERT_TRUE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 4);
  ASSERT_TRUE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  // Sorted by pedigree number, one line per horse.
  EXPECT_EQ(file(), line + "2022100002" + jvfeed::wide_text("ホース2", 36) + "\r\n");
  // The mark belongs to the race it was set in.
  EXPECT_EQ(d_.work(1).ChaseMark[3], 0);
}

TEST_F(ChaseListTest, HorsesOfEarlierRunsStayOnTheList) {
  testing::write_bytes(dir_.path() / "ChaseHorse.dat",
                       "2019100001" + jvfeed::wide_text("ムカシ", 36) + "\r\n");
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 4);
  ASSERT_TRUE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  EXPECT_EQ(list_.lines().size(), 2U);
  EXPECT_EQ(file().substr(0, 10), "2019100001");
}

TEST_F(ChaseListTest, NoMeansNothingChangesAndAFailedSaveIsReported) {
  SelectCardHorse(d_.day(), d_.on_screen.slot(), card_, 4);
  dialogs_.answer = false;
  EXPECT_FALSE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  EXPECT_EQ(d_.work(0).ChaseMark[3], 0);
  EXPECT_EQ(file(), "<missing>");

  // A folder in the file's place: the save fails, the user is told, no success is claimed.
  std::filesystem::create_directory(dir_.path() / "ChaseHorse.dat");
  dialogs_.answer = true;
  dialogs_.calls.clear();
  EXPECT_FALSE(RegisterChaseHorse(d_.day(), d_.on_screen.slot(), card_, list_, dialogs_));
  ASSERT_EQ(dialogs_.calls.size(), 2U);
  EXPECT_EQ(dialogs_.calls[1].rfind("error: ", 0), 0U);
}

}  // namespace
}  // namespace rv
