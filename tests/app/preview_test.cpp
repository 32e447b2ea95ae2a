// The 枠連 preview of the race on screen: the odds table, the signals against the user's
// thresholds, the recommended box with its marks and "抽出" into the 枠連 bet table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/form_rig.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::write_bytes;

struct Bracket {
  int a, b;
  Odds odds;
  int rank;
};

// 枠連 odds whose inverses sum to 1: chances 50, 25, 12.5, 12.5 percent, so the brackets'
// rates are 75, 62.5, 37.5, 12.5, 12.5 exactly (top three 175.0, gap of 3-4 25.0); mean
// payout 550 yen; the box 1-2, 1-3, 2-3 has synthetic odds 1.14 and is skipped.
const std::vector<Bracket> kSkipped = {
    {1, 2, 2.0, 1}, {1, 3, 4.0, 2}, {2, 3, 8.0, 3}, {4, 5, 8.0, 4}};
// The box 1-2, 1-3, 2-3 at synthetic odds exactly 2.0, and a combination not on sale.
const std::vector<Bracket> kBoxed = {
    {1, 2, 4.0, 1}, {1, 3, 8.0, 2}, {2, 3, 8.0, 3}, {4, 5, 50.0, 4}, {6, 6, Odds::dashes(), 0}};

class Preview : public ::testing::Test, protected testing::FormRig {
 protected:
  Preview() { std::filesystem::create_directories(dir.path() / "DATA"); }

  // Race `race` at 中山 on 2026-12-06 with `runners` horses, win odds 2.0, 3.0, … by number
  // and the brackets' odds.
  void store(int race, int runners, const std::vector<Bracket>& brackets) {
    const auto key = jvfeed::key(20261206, 6, race);
    put(jvfeed::ra(key, {.runners = runners}));
    auto o1 = jvfeed::o1(key, runners);
    for (int h = 1; h <= runners; ++h) {
      put(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = runners}));
      o1.win(h, Odds::of_tenths(10 + 10 * h), h);
    }
    for (const Bracket& b : brackets) o1.bracket(b.a, b.b, b.odds, b.rank);
    put(o1);
  }
  void put(const jvfeed::Record& r) { store_.Store(r, RecordOrigin::kStoredData, true); }

  MainForm& open_day(std::string_view ini = {}) {
    store_.Flush();
    if (!ini.empty()) write_bytes(dir.path() / "ravelin.ini", sj(ini));
    start();
    choose_day("2026年12月06日");
    return *form;
  }

  [[nodiscard]] const PreviewControls& p() const { return form->preview; }
  BetTable& wakuren() { return form->bets[BetType::kWakuren]; }
  [[nodiscard]] std::string grid2(int row, int col) const {
    return std::string(p().StringGrid2.cell(row, col));
  }

  DayStore store_{DayStore::Mode::kWriteBack};
};

TEST_F(Preview, RaceSelectionFillsTheOddsTableRatesAndLabels) {
  store(1, 10, kSkipped);
  MainForm& f = open_day();
  EXPECT_EQ(grid2(1, 1) + grid2(1, 2), " 1- 2   2.0");
  EXPECT_EQ(grid2(4, 0) + grid2(4, 1), " 4 4- 5");
  EXPECT_EQ(grid2(5, 1), "");  // only the four on sale
  const RaceWork& w = f.race_day().Work[0];
  EXPECT_DOUBLE_EQ(w.WakuRate[1], 75.0);
  EXPECT_DOUBLE_EQ(w.WakuRate[3], 37.5);
  EXPECT_EQ(w.WakuNinki[4], 4);  // 4 and 5 tie: the lower bracket first
  EXPECT_EQ(w.WakuNinki[5], 5);
  EXPECT_EQ(w.WakuNinki[6], 0);
  EXPECT_EQ(p().WakuNinkiLabels[0].text(), " 1- 2    2.0");
  EXPECT_EQ(p().WakuNinkiLabels[4].text(), "");
  EXPECT_EQ(p().TanNinkiLabels[0].text(), " 3    4.0");
  EXPECT_EQ(p().WakuAveLabel.text(), "  550");
  EXPECT_EQ(p().Rentai1_3Label.text(), "175.0");
  EXPECT_EQ(p().RentaiSa3_4Label.text(), " 25.0");
  EXPECT_EQ(p().KenLabel.text(), sj("見送"));
  EXPECT_EQ(p().KaiPaternLabel.text(), "");
  // Skipped: nothing marked, nothing extracted.
  EXPECT_EQ(grid2(1, 3), "");
  EXPECT_EQ(wakuren().cell(1, 1), "");
}

// Each threshold at the computed value turns its signal red; one step past it leaves the
// signal in its design colour. Ranges: 0.0-0.0 is no range; one that excludes the odds is red.
TEST_F(Preview, SignalsTurnRedAtTheirThresholds) {
  enum Signal : std::uint8_t { kAve, kTop3, kTan1 };
  struct Case {
    const char* ini;
    Signal signal;
    Rgb colour;
  };
  const Case cases[] = {
      {"WozAve=550", kAve, colors::kRed},
      {"WozAve=549", kAve, colors::kAqua},
      {"WozKei13=175", kTop3, colors::kRed},
      {"WozKei13=176", kTop3, colors::kYellow},
      {"Toz1_1=0.0\r\nToz2_1=0.0", kTan1, colors::kCream},
      {"Toz1_1=3.0\r\nToz2_1=9.9", kTan1, colors::kRed},
      {"Toz1_1=2.0\r\nToz2_1=2.0", kTan1, colors::kCream},
  };
  store(1, 10, kSkipped);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    open_day(std::string("[Kaime]\r\n") + c.ini + "\r\n");
    const Label* labels[] = {&p().WakuAveLabel, &p().Rentai1_3Label, &form->card.Tan1Label};
    EXPECT_EQ(labels[c.signal]->color(), c.colour);
  }
  // The gap signal at its threshold, typed into its box: stored as typed, shown at once.
  open_day("[Kaime]\r\nWozSa34=26\r\n");
  EXPECT_EQ(p().RentaiSa3_4Label.color(), colors::kYellow);
  form->preview.settings[8].edit.set_text("25");
  form->SignalSettingChange(8);
  EXPECT_EQ(p().RentaiSa3_4Label.color(), colors::kRed);
  EXPECT_EQ(form->ini.ReadString("Kaime", "WozSa34", ""), "25");
}

TEST_F(Preview, TheBoxIsMarkedAndExtractedAtSelection) {
  store(1, 10, kBoxed);
  put(jvfeed::hr(jvfeed::key(20261206, 6, 1), 10).pay(jvfeed::Bet::Bracket, 1, {1, 3}, 820, 2));
  MainForm& f = open_day("[Kaime]\r\nWozSa34=1\r\n");
  EXPECT_EQ(p().KenLabel.text(), "");  // synthetic odds exactly 2.0
  EXPECT_EQ(p().KaiPaternLabel.text(), sj(" 1- 2・ 1- 3・ 2- 3"));
  EXPECT_EQ(p().kinto2tenLabel.text(), sj(" 1- 2・ 1- 3"));
  EXPECT_EQ(grid2(3, 3), sj("●"));
  EXPECT_EQ(grid2(4, 3), "");
  ASSERT_EQ(wakuren().data_rows(), 3);
  EXPECT_EQ(wakuren().cell(1, 2), " 1- 2");
  EXPECT_EQ(wakuren().cell(1, 3), "    4.0");
  EXPECT_EQ(wakuren().cell(1, 5), " 1- 2");  // the brackets' ranks
  // Three live bets: allocated "比例" whatever RadioGroup1 holds, which stays.
  EXPECT_EQ(f.allocation.RadioGroup1.item_index(), 0);
  EXPECT_EQ(wakuren().cell(1, 6), "  1500");
  EXPECT_EQ(wakuren().cell(3, 6), "   800");
  // The paid combination: red in the odds table, its payout in the bet table.
  EXPECT_EQ(p().StringGrid2.style(2, 1).background, colors::kRed);
  EXPECT_EQ(p().StringGrid2.style(1, 1).background, colors::kWhite);
  EXPECT_EQ(wakuren().cell(2, 11), "    820");
}

TEST_F(Preview, ExtractionTakesTheMarkedRowsOnSaleInTableOrder) {
  store(1, 10, kBoxed);
  store(2, 8, kBoxed);
  MainForm& f = open_day();
  for (int r = 1; r <= 3; ++r) f.StringGrid2MouseDown(r, 3);  // the box unmarked
  f.StringGrid2MouseDown(4, 3);
  f.StringGrid2MouseDown(2, 3);
  f.StringGrid2MouseDown(2, 2);  // not the mark column
  // A row whose combination is not on sale, marked.
  f.preview.StringGrid2.set(5, 1, " 6- 6");
  f.StringGrid2MouseDown(5, 3);
  f.KaimeMakeBtn_OldClick();
  ASSERT_EQ(wakuren().data_rows(), 2);
  EXPECT_EQ(wakuren().cell(1, 2), " 1- 3");
  EXPECT_EQ(wakuren().cell(2, 2), " 4- 5");
  // Two live bets keep the mode of RadioGroup1: 均等, 1500 each.
  EXPECT_EQ(wakuren().cell(2, 6), "  1500");

  // Eight runners: the table stays empty whatever is marked.
  click_race(1);
  EXPECT_EQ(p().StringGrid2.cell(1, 1), "");
  f.preview.StringGrid2.set(1, 1, " 1- 2");
  f.StringGrid2MouseDown(1, 3);
  f.KaimeMakeBtn_OldClick();
  EXPECT_EQ(wakuren().data_rows(), 1);
  EXPECT_EQ(wakuren().cell(1, 2), "");
}

// The loss register follows the loaded day, and its total is the loss box of every race shown.
TEST_F(Preview, TheLossRegisterTotalIsTheLossOfEveryRaceShown) {
  store(1, 10, kBoxed);
  store(2, 10, kBoxed);
  MainForm& f = open_day();
  TLossRegForm& loss = f.LossRegForm();
  EXPECT_EQ(loss.DatList.items(), f.loaded_day.DatList.items());
  EXPECT_EQ(f.allocation.SaNumEditExC3.text(), "0");
  loss.DatList.set_item_index(1);
  loss.SaNumEditExC3.set_text("4200");
  ASSERT_TRUE(loss.TanLossBtnClick());
  EXPECT_EQ(loss.StringGrid4.cell(1, 1), sj("2026/12/06中山2R"));
  EXPECT_EQ(f.allocation.SaNumEditExC3.text(), "4200");
  f.allocation.SaNumEditExC3.set_text("1");
  click_race(1);
  EXPECT_EQ(f.allocation.SaNumEditExC3.text(), "4200");
}

TEST_F(Preview, MethodMenusStoreTheirChoice) {
  store(1, 10, kBoxed);
  MainForm& f = open_day();
  check_radio_item({&f.menus.WakurenRitsuYusen, &f.menus.WakuJuniYusen}, 1);
  f.KaimeOptionClick();
  check_radio_item(
      {&f.menus.DefaultKaime, &f.menus.Kaime3Include, &f.menus.NagasiKaime, &f.menus.StdDev13}, 2);
  f.ExKaimeClick();
  EXPECT_EQ(f.ini.ReadInteger("Kaime", "Option", 0), 2);
  EXPECT_EQ(f.ini.ReadInteger("KaimeSet", "ExKaime", 0), 2);
  // 流し買い目 wants its own mode: three live 枠連 bets keep RadioGroup1's 均等.
  f.KaimeMakeBtn_OldClick();
  EXPECT_EQ(wakuren().cell(1, 6), "  1000");
}

}  // namespace
}  // namespace rv
