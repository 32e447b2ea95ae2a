// Bet construction in the main window: the race selection's bets, the amount and mode boxes,
// 追い上げ, the hand-edited marks and the investment dialog.
#include <gtest/gtest.h>

#include <memory>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/form_rig.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::write_bytes;

constexpr int kAllHorsesSet = 5;

class MainFormBets : public ::testing::Test, protected testing::FormRig {
 protected:
  // Races 1 (six runners) and 2 (four) at 中山 on 2026-12-06 with win odds 2.0, 4.0, …,
  // predictions ranking the horses by number, and horse 2 paid for the win in race 1.
  MainFormBets() {
    fs::create_directories(dir.path() / "DATA");
    DayStore store(DayStore::Mode::kWriteBack);
    const auto put = [&store](const jvfeed::Record& r) {
      store.Store(r, RecordOrigin::kStoredData, true);
    };
    for (const int race : {1, 2}) {
      const int n = race == 1 ? 6 : 4;
      const auto key = jvfeed::key(20261206, 6, race);
      put(jvfeed::ra(key, {.runners = n}));
      auto o1 = jvfeed::o1(key, n);
      auto dm = jvfeed::dm(key, n);
      for (int h = 1; h <= n; ++h) {
        put(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = n}));
        o1.win(h, Odds::of_tenths(20 * h), h).place(h, Odds::of_tenths(10 + h), 20 + h, h);
        dm.predict(h, 13000 + h, 10, 10);
      }
      put(o1);
      put(dm);
    }
    put(jvfeed::hr(jvfeed::key(20261206, 6, 1), 6).pay(jvfeed::Bet::Win, 1, {2}, 410, 2));
    store.Flush();
  }

  MainForm& open_day(int set = kAllHorsesSet) {
    start().UserKaimeForm.SelectSet(set);
    choose_day("2026年12月06日");
    return *form;
  }

  BetTable& win() { return form->bets[BetType::kTansho]; }
  [[nodiscard]] std::string total(BetType t, BetTotal k) const {
    return form->bets[t].total(k).text();
  }
};

TEST_F(MainFormBets, SelectingARaceMarksItsHorsesAndBuildsItsBetsWithTheirHits) {
  MainForm& f = open_day();
  // The day's first race is on screen: every horse an axis, 500 yen each of 3000.
  EXPECT_EQ(f.card.StringGrid8.cell(1, 8), sj("◎"));
  EXPECT_EQ(f.card.StringGrid8.cell(6, 10), sj("△"));
  EXPECT_EQ(win().data_rows(), 6);
  EXPECT_EQ(win().cell(2, 9), "    410");
  EXPECT_EQ(win().cell(2, 10), "   2050");
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kToshi), "  3000");
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kKaishu), "    2050");
  // Without their odds records the pairs stand unpriced; 6 x 5 exacta orders.
  EXPECT_EQ(f.bets[BetType::kUmatan].data_rows(), 30);
  EXPECT_EQ(f.bets[BetType::kUmatan].cell(1, 3), "       ");

  click_race(1);
  EXPECT_EQ(win().data_rows(), 4);
  EXPECT_EQ(win().cell(2, 9), "");  // no payouts in race 2
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kKaishu), "");
  EXPECT_EQ(f.bets[BetType::kSanrentan].data_rows(), 24);
}

TEST_F(MainFormBets, TheSelectedSetDecidesTheMarks) {
  // "１点買い設定(本命)": the most popular of mining ranks 1 as the axis.
  MainForm& f = open_day(1);
  EXPECT_EQ(win().data_rows(), 1);
  EXPECT_EQ(win().cell(1, 2), " 1");
  EXPECT_EQ(f.bets[BetType::kUmaren].cell(1, 2), " 1- 2");
}

TEST_F(MainFormBets, AmountModeAndOiageReallocateTheSevenTables) {
  MainForm& f = open_day();
  f.allocation.SaNumEditExC1.set_text("1200");
  f.SaNumEditExC1Change();
  EXPECT_EQ(win().cell(1, 5), "   200");
  EXPECT_EQ(f.race_day().RaceAmount[0], "1200");
  click_race(1);
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "3000");
  click_race(0);
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "1200");

  f.allocation.RadioGroup1.set_item_index(1);
  f.RadioGroup1Click();
  EXPECT_EQ(f.ini.ReadInteger("KaimeSet", "HaibunSet", 0), 1);
  EXPECT_EQ(win().cell(1, 5), "   500");  // 比例: the favourite's share of 1200 yen

  // 追い上げ at the 枠連 table's expected return.
  f.bets[BetType::kWakuren].total(BetTotal::kYosoKaishu).set_text("  150.0");
  f.allocation.SaNumEditExC3.set_text("5000");
  f.OiageBtnClick();
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "30000");
  EXPECT_EQ(f.race_day().RaceAmount[0], "30000");
  // 比例 rounds each share up to whole hundreds.
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kToshi), " 30300");
  f.bets[BetType::kWakuren].total(BetTotal::kYosoKaishu).set_text(" 100.0");
  f.OiageBtnClick();
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{
                "beep", "info: " + sj("この組合せまたは金額では資金配分ができません。")}));
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "30000");
}

TEST_F(MainFormBets, HandEditsAndTableClicksRecompute) {
  MainForm& f = open_day();
  f.StringGrid8MouseDown(2, 11);  // horse 2 erased from every bet
  EXPECT_EQ(win().data_rows(), 5);
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kKaishu), "");
  f.StringGrid8MouseDown(2, 11);
  f.bets.Click(BetType::kTansho, 1, 0);  // a bet erased in the table
  EXPECT_EQ(win().cell(1, 0), sj("消"));
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kTensu), "  5");
  EXPECT_EQ(win().cell(2, 5), "   600");
  EXPECT_EQ(total(BetType::kTansho, BetTotal::kKaishu), "    2460");
  // A sort of StringGrid8 by its headings leaves the bets as they are.
  f.StringGrid8MouseDown(0, 3);
  EXPECT_EQ(f.card.StringGrid8.cell(1, 1), " 6");
  EXPECT_EQ(win().data_rows(), 6);
  EXPECT_EQ(win().cell(1, 0), "");  // a rebuild forgets the table's erase marks
}

TEST_F(MainFormBets, TheInvestmentDialogStoresTheDefaultAndShowsTheRaceAgain) {
  write_bytes(dir.path() / "ravelin.ini", sj("[KaimeSet]\r\nDefaultAmount=2500\r\n"));
  MainForm& f = open_day();
  f.StringGrid8MouseDown(1, 8);  // a hand edit the race shown again undoes
  ASSERT_EQ(win().data_rows(), 5);
  std::unique_ptr<TKaimeSetForm> form = f.KaimeSetItemClick();
  EXPECT_EQ(TKaimeSetForm::Caption(), sj("投資金設定"));
  EXPECT_EQ(form->Label1.text(), sj("投資金額初期設定"));
  EXPECT_EQ(form->AmountEdit.text(), "2500");
  form->AmountEdit.set_text("50");
  form->OKBtnClick();
  EXPECT_EQ(form->AmountEdit.text(), "100");
  EXPECT_EQ(f.ini.ReadInteger("KaimeSet", "DefaultAmount", 0), 100);
  EXPECT_EQ(win().data_rows(), 6);
  // The race keeps the amount its day was loaded with.
  EXPECT_EQ(f.allocation.SaNumEditExC1.text(), "2500");

  // Without a race list there is nothing to show again.
  MainForm bare(dialogs, desktop, installs, *jvlink, dispatcher);
  bare.FormCreate();
  std::unique_ptr<TKaimeSetForm> none = bare.KaimeSetItemClick();
  none->AmountEdit.set_text("1234567");
  none->OKBtnClick();
  EXPECT_EQ(none->AmountEdit.text(), "999999");
  EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace rv
