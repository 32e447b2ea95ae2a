// Selecting a race in the main window, and what the race card's commands do with it.
#include <gtest/gtest.h>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "common/form_rig.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "model/card_clipboard.h"
#include "model/race_card_style.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::write_bytes;

class RaceSelect : public testing::DayFormFixture {
 protected:
  RaceSelect() : DayFormFixture(DateTime{2026, 12, 7, 9, 0, 0}) {}

  // Races 1..runners.size() at 中山 on 2026-12-06; a race of 0 runners has no runner data.
  void store(const std::vector<int>& runners) {
    for (std::size_t i = 0; i < runners.size(); ++i) {
      const auto key = jvfeed::key(20261206, 6, static_cast<int>(i) + 1);
      const int n = runners[i];
      store_.Store(jvfeed::ra(key, {.runners = n == 0 ? 10 : n}), RecordOrigin::kStoredData, true);
      for (int h = 1; h <= n; ++h) {
        store_.Store(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = n}),
                     RecordOrigin::kStoredData, true);
      }
    }
    store_.Flush();
  }

  MainForm& open_day() {
    start();
    choose_day("2026年12月06日");
    return *form;
  }

  DayStore store_{DayStore::Mode::kWriteBack};
};

TEST_F(RaceSelect, LoadingADayShowsItsFirstRaceWithTheRaceAmounts) {
  store({12, 8});
  write_bytes(dir.path() / "ravelin.ini",
              sj("[KaimeSet]\r\nDefaultAmount=1500\r\nDefaultTarProfit=20000\r\n"));
  MainForm& f = open_day();
  EXPECT_EQ(f.race_on_screen().slot(), 0);
  EXPECT_EQ(f.card.StringGrid6.row_count(), 13);
  EXPECT_EQ(f.card.RaceLabel.text(), "1");
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "1500");
  EXPECT_EQ(f.allocation.SaNumEditExC2.text(), "20000");
  EXPECT_EQ(f.allocation.SaNumEditExC3.text(), "0");
  EXPECT_TRUE(f.day.PageControl1.visible());
  EXPECT_TRUE(f.day.Panel8.visible());
  EXPECT_EQ(f.card.StringGrid26.row(), -1);  // nothing selected in the cards
  // The cards draw through the loaded day.
  EXPECT_EQ(f.card.StringGrid6.style(1, 1).runs.at(0).text, " 1");

  f.race_day().RaceAmount[1] = "2400";
  click_race(1);
  EXPECT_EQ(f.race_on_screen().slot(), 1);
  EXPECT_EQ(f.card.StringGrid26.row_count(), 9);
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "2400");
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(RaceSelect, RaceWithoutRunnerDataIsRefusedAndTheRaceOnScreenStays) {
  store({12, 0, 10});
  MainForm& f = open_day();
  click_race(2);
  const std::string label1 = f.card.Label1.text();
  click_race(1);
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"info: " + sj("2レースはデータが不十分です。")}));
  EXPECT_EQ(f.race_on_screen().slot(), 2);
  EXPECT_EQ(f.card.Label1.text(), label1);
  EXPECT_EQ(f.card.StringGrid26.row_count(), 11);
  // The list goes back to the race on screen, so a redisplay shows it without asking again.
  EXPECT_EQ(f.loaded_day.DatList.item_index(), 2);
  f.DatListClick();
  EXPECT_EQ(dialogs.calls.size(), 1U);
}

TEST_F(RaceSelect, FirstRaceWithoutRunnerDataLeavesTheCardsHidden) {
  store({0, 12});
  MainForm& f = open_day();
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"info: " + sj("1レースはデータが不十分です。")}));
  EXPECT_FALSE(f.day.PageControl1.visible());
  EXPECT_EQ(f.loaded_day.DatList.item_index(), 0);
  click_race(1);
  EXPECT_TRUE(f.day.PageControl1.visible());
}

TEST_F(RaceSelect, ChaseRegistrationMarksTheHorseAndShowsTheRaceAgain) {
  store({10});
  MainForm& f = open_day();
  f.StringGrid6MouseDown(3);
  f.card.StringGrid6.select(3, 2);
  f.StringGrid6MouseUp();
  EXPECT_EQ(f.card.StringGrid6.row(), -1);
  f.R1Click();
  ASSERT_EQ(dialogs.calls.size(), 2U);
  EXPECT_EQ(dialogs.calls[1], "info: " + sj("サンプルホースを追跡馬に登録しました。"));
  EXPECT_EQ(f.card.StringGrid6.style(3, 1).background, colors::kRed);
  EXPECT_EQ(testing::slurp(dir.path() / "ChaseHorse.dat").substr(0, 10), "2022100003");

  dialogs.answer = false;
  f.StringGrid6MouseDown(4);
  f.R1Click();
  EXPECT_EQ(f.card.StringGrid6.style(4, 1).background, colors::kInfoBk);
}

TEST_F(RaceSelect, SortsAndClipboardCopiesOfTheCards) {
  store({6});
  MainForm& f = open_day();
  f.StringGrid26MouseDown(0, 1);  // the horse number column, pressed on its heading
  EXPECT_EQ(f.card.StringGrid26.cell(1, 1), " 6");
  f.StringGrid26MouseDown(3, 2);  // the name column does not sort
  EXPECT_EQ(f.card.StringGrid26.cell(1, 1), " 6");
  f.SpeedButton14Click();
  EXPECT_EQ(f.card.StringGrid26.cell(1, 1), " 1");

  f.ClipBtn1Click();
  EXPECT_EQ(desktop.clipboard, CardClipboardText(f.card, f.card.StringGrid26));
  EXPECT_NE(desktop.clipboard.find("\r\n 6\t 6\t"), std::string::npos);
  f.N6Click();
  EXPECT_EQ(desktop.clipboard, CardClipboardText(f.card, f.card.StringGrid4));
}

TEST_F(RaceSelect, PayoutsOfTheRaceOnScreenShowAtOnceAndOthersWait) {
  store({8, 8});
  MainForm& f = open_day();
  EXPECT_EQ(f.card.results.group(BetType::kTansho).Kekka[0].text(), "");
  // Payouts arrive for both races while race 1 is on screen.
  for (int r = 1; r <= 2; ++r) {
    jvfeed::Record hr = jvfeed::hr(jvfeed::key(20261206, 6, r), 8);
    hr.pay(jvfeed::Bet::Win, 1, {r + 2}, 350, 2);
    store_.Store(hr, RecordOrigin::kRealTime, true);
  }
  store_.Flush();
  f.days().HrReadBtnClick();
  EXPECT_EQ(f.card.results.group(BetType::kTansho).Kekka[0].text(), " 3");
  EXPECT_EQ(f.card.results.group(BetType::kTansho).Haito[0].text(), "     350");
  click_race(1);
  EXPECT_EQ(f.card.results.group(BetType::kTansho).Kekka[0].text(), " 4");
}

}  // namespace
}  // namespace rv
