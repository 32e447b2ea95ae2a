#include "betting/bet_construction.h"

#include <gtest/gtest.h>

#include "betting/bet_race.h"
#include "model/day_fixture.h"
#include "model/race_card.h"

namespace rv {
namespace {

using jvfeed::Bet;
using jvfeed::Kind;
using jvfeed::Odds;
using testing::Rows;

constexpr int kRunners = 12;
constexpr int kAllHorsesSet = 5;  // "全頭買い設定"

bool withdrawn(int h) {
  return h == 3 || h == 8;
}

// A loaded race day of one race: horses 3 and 8 withdrawn, every odds record but the
// quinella one, predictions ranking the horses in number order, and payouts with dead heats
// for the win and the trifecta.
class BetConstructionTest : public testing::DayFixture {
 protected:
  BetConstructionTest() {
    const jvfeed::RaceKey key = jvfeed::key(testing::kYmd, testing::kNakayama, 1);
    race(testing::kNakayama, 1, {.runners = kRunners});
    auto o1 = jvfeed::o1(key, kRunners);
    for (int h = 1; h <= kRunners; ++h) {
      if (withdrawn(h)) {
        o1.win(h, h == 3 ? Odds::dashes() : Odds::stars()).place(h, Odds::dashes(), {});
      } else {
        o1.win(h, 1.5 + h).place(h, 1.0 + h / 10.0, 1.5 + h / 10.0);
      }
    }
    put(o1);
    for (const Kind kind : {Kind::O3, Kind::O4, Kind::O5, Kind::O6}) {
      auto o = jvfeed::odds(kind, key, kRunners);
      for (int k = 1; k <= jvfeed::entry_count(kind); ++k) {
        const std::vector<int> c = jvfeed::combination(kind, k);
        bool off = false;
        bool out = false;
        for (const int h : c) {
          off = off || withdrawn(h);
          out = out || h > kRunners;
        }
        if (!out) o.entry(k, off ? Odds::dashes() : Odds::of_tenths(20 + k), off ? 0 : k);
      }
      put(o);
    }
    auto dm = jvfeed::dm(key, kRunners);
    for (int h = 1; h <= kRunners; ++h) dm.predict(h, 13000 + 10 * h, 20, 20);
    put(dm);
    auto hr = jvfeed::hr(key, kRunners);
    hr.pay(Bet::Win, 1, {5}, 450, 3).pay(Bet::Win, 2, {9}, 210, 1);
    hr.pay(Bet::Quinella, 1, {5, 9}, 1230, 4);
    hr.pay(Bet::Trifecta, 1, {5, 9, 1}, 45600, 80).pay(Bet::Trifecta, 2, {9, 5, 1}, 38900, 70);
    put(hr);
    EXPECT_EQ(load(), DayLoadResult::kLoaded);
    sets.FormCreate();
    sets.SelectSet(kAllHorsesSet);
  }

  // The race selection: the race card, the amount boxes, the bets.
  void select(int slot = 0) {
    ShowRace(*day, slot, card, on_screen);
    amount.set_text(day->RaceAmount[static_cast<std::size_t>(slot)]);
    profit.set_text(std::to_string(ini.ReadInteger("KaimeSet", "DefaultTarProfit", 10000)));
    loss.set_text("0");
    bets.ShowRaceBets();
  }

  BetTable& table(BetType t) { return tables[t]; }

  RaceCardControls card;
  BetTables tables;
  Label set_name;
  TUserKaimeForm sets{dialogs, set_name};
  RadioGroup mode{sj("資金配分"), {sj("均等"), sj("比例")}};
  Edit amount, profit, loss;
  Toggle box3, nagasi;  // "枠１～３位ＢＯＸ３点", "流し買い目"
  TIniGT ini;
  BetConstruction bets{*day,
                       on_screen,
                       {card.StringGrid8, tables, sets, mode, amount, profit, loss, box3, nagasi},
                       ini,
                       dialogs};
};

TEST_F(BetConstructionTest, ALoadedDayShowsItsHitsWithoutReadingPayoutsAgain) {
  select();
  // The payout reader has not run: the race's own result section is still empty.
  EXPECT_EQ(day->Work[0].PayKumi[31], "");
  EXPECT_EQ(day->Work[0].PayUmaban[1], 0);

  // Ten ranked horses at 300 yen; the dead heat pays two of them.
  BetTable& win = table(BetType::kTansho);
  EXPECT_EQ(win.data_rows(), 10);
  EXPECT_EQ(Rows(win, {2, 5, 9, 10, 11}),
            (std::vector<std::string>{" 1|   300|||", " 2|   300|||", " 4|   300|||",
                                      " 5|   300|    450|   1350|  3", " 6|   300|||",
                                      " 7|   300|||", " 9|   300|    210|    630|  1",
                                      "10|   300|||", "11|   300|||", "12|   300|||"}));
  EXPECT_EQ(win.total(BetTotal::kToshi).text(), "  3000");
  EXPECT_EQ(win.total(BetTotal::kKaishu).text(), "    1980");
  EXPECT_EQ(win.total(BetTotal::kKaishu).font_color(), colors::kBlack);

  // Both orders of the dead-heated trifecta are bets, each hits its own row.
  BetTable& tri = table(BetType::kSanrentan);
  EXPECT_EQ(tri.data_rows(), 10 * 9 * 8);
  int hits = 0;
  for (int r = 1; r <= tri.data_rows(); ++r) {
    if (tri.cell(r, 12).empty()) continue;
    ++hits;
    EXPECT_TRUE(tri.cell(r, 2) == " 5- 9- 1" || tri.cell(r, 2) == " 9- 5- 1");
    EXPECT_EQ(tri.cell(r, 13), tri.cell(r, 12));  // 100 yen each
  }
  EXPECT_EQ(hits, 2);
  EXPECT_EQ(tri.total(BetTotal::kKaishu).text(), "   84500");
  EXPECT_EQ(tri.total(BetTotal::kKaishu).font_color(), colors::kRed);  // above 72000 yen
  // The paid combinations are drawn in magenta.
  for (int r = 1; r <= tri.data_rows(); ++r) {
    const bool paid = !tri.cell(r, 12).empty();
    EXPECT_EQ(tri.grid().style(r, 2).background == colors::kFuchsia, paid) << r;
  }
}

TEST_F(BetConstructionTest, WithoutTheQuinellaRecordEveryPairIsListedAndNothingIsAllocated) {
  select();
  BetTable& umaren = table(BetType::kUmaren);
  // Every pair of the ten ranked horses (the withdrawn ones have no rank to be marked by).
  EXPECT_EQ(umaren.data_rows(), 45);
  EXPECT_EQ(Rows(umaren, {2, 3, 4, 5, 6})[1], " 1- 4|       |   | 1- 3|");
  // The paid pair shows its payout; without an amount it returns nothing.
  const std::vector<std::string> rows = Rows(umaren, {2, 11, 12, 13});
  EXPECT_NE(std::find(rows.begin(), rows.end(), " 5- 9|   1230|      0|  4"), rows.end());
  for (const BetTotal k : kBetTotals) EXPECT_EQ(umaren.total(k).text(), "");
  // Where the records are present the withdrawn horses drop out.
  EXPECT_EQ(table(BetType::kWide).data_rows(), 45);
  EXPECT_EQ(table(BetType::kUmatan).data_rows(), 90);
  EXPECT_EQ(table(BetType::kSanrenpuku).data_rows(), 120);
}

TEST_F(BetConstructionTest, TheAmountIsKeptPerRaceAndEveryChangeReallocates) {
  select();
  EXPECT_EQ(amount.text(), "3000");
  amount.set_text("1000");
  bets.SaNumEditExC1Change();
  EXPECT_EQ(day->RaceAmount[0], "1000");
  EXPECT_EQ(table(BetType::kTansho).cell(1, 5), "   100");
  EXPECT_EQ(table(BetType::kTansho).total(BetTotal::kKaishu).text(), "     660");
  EXPECT_EQ(table(BetType::kSanrentan).total(BetTotal::kToshi).text(), " 72000");

  select();  // the race shown again keeps its amount
  EXPECT_EQ(amount.text(), "1000");

  mode.set_item_index(1);
  bets.RadioGroup1Click();
  EXPECT_EQ(ini.ReadInteger("KaimeSet", "HaibunSet", 0), 1);
  // 比例: the favourite (odds 2.5) gets the most.
  EXPECT_EQ(table(BetType::kTansho).cell(1, 5), "   300");
  EXPECT_EQ(table(BetType::kTansho).cell(10, 5), "   100");
}

TEST_F(BetConstructionTest, OiageSetsTheAmountOrRefusesWithAMessage) {
  select();
  Label& rate = table(BetType::kWakuren).total(BetTotal::kYosoKaishu);
  rate.set_text("  150.0");
  profit.set_text("10000");
  loss.set_text("5000");
  bets.OiageBtnClick();
  EXPECT_EQ(amount.text(), "30000");
  EXPECT_EQ(day->RaceAmount[0], "30000");
  EXPECT_EQ(table(BetType::kTansho).cell(1, 5), "  3000");
  EXPECT_TRUE(dialogs.calls.empty());

  for (const char* r : {"  100.0", "   50.0", "    9.9", ""}) {
    rate.set_text(r);
    bets.OiageBtnClick();
  }
  EXPECT_EQ(amount.text(), "30000");
  const std::string refused = "info: " + sj("この組合せまたは金額では資金配分ができません。");
  EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"beep", refused, "beep", refused, "beep",
                                                     refused, "beep", refused}));
}

TEST_F(BetConstructionTest, MarksEditedByHandRebuildTheBets) {
  select();
  const int before = table(BetType::kSanrentan).data_rows();
  Grid& g = card.StringGrid8;
  bets.StringGrid8MouseDown(1, MarkColumns::kErase);  // horse 1 erased
  EXPECT_EQ(table(BetType::kTansho).cell(1, 2), " 2");
  EXPECT_EQ(table(BetType::kSanrentan).data_rows(), 9 * 8 * 7);
  bets.StringGrid8MouseDown(0, 3);  // a heading sort: the same bets
  EXPECT_NE(inum(g.cell(1, 1)), 1);
  EXPECT_EQ(table(BetType::kSanrentan).data_rows(), 9 * 8 * 7);
  for (int r = 1; r < g.row_count(); ++r) {
    if (inum(g.cell(r, 1)) == 1) bets.StringGrid8MouseDown(r, MarkColumns::kErase);
  }
  EXPECT_EQ(table(BetType::kSanrentan).data_rows(), before);
  // The marks of the set come back with the race.
  bets.StringGrid8MouseDown(2, MarkColumns::kJiku);
  select();
  EXPECT_EQ(table(BetType::kSanrentan).data_rows(), before);
}

TEST_F(BetConstructionTest, AClickInATableRecomputesItWithoutTheErasedBet) {
  tables.set_recompute([this](BetTable& t) { bets.BetTableRecompute(t); });
  select();
  tables.Click(BetType::kTansho, 4, 0);  // horse 5, a winner
  BetTable& win = table(BetType::kTansho);
  EXPECT_EQ(win.total(BetTotal::kTensu).text(), "  9");
  EXPECT_EQ(win.total(BetTotal::kToshi).text(), "  3600");  // 3.33 + 0.9: 400 each
  EXPECT_EQ(win.total(BetTotal::kKaishu).text(), "     840");
  EXPECT_EQ(
      Rows(win, {0, 5, 9}),
      (std::vector<std::string>{"|   400|", "|   400|", "|   400|", "消||", "|   400|", "|   400|",
                                "|   400|    210", "|   400|", "|   400|", "|   400|"}));

  // The 枠連 table is allocated 比例 unless it holds exactly two live bets.
  BetTable& w = table(BetType::kWakuren);
  w.set_data_rows(3);
  for (int r = 1; r <= 3; ++r) {
    w.set_cell(r, 1, fmt("%2d", r));
    w.set_cell(r, 2, fmt("%2d-%2d", r, r + 1));
  }
  w.set_cell(1, 3, "    2.0");
  w.set_cell(2, 3, "    8.0");
  w.set_cell(3, 3, "    8.0");
  amount.set_text("1000");
  tables.Click(BetType::kWakuren, 3, 0);  // two live bets left: 均等
  EXPECT_EQ(Rows(w, {6}), (std::vector<std::string>{"   500", "   500", ""}));
  tables.Click(BetType::kWakuren, 3, 0);  // three again: 比例
  EXPECT_EQ(Rows(w, {6}), (std::vector<std::string>{"   700", "   200", "   200"}));
  nagasi.set_checked(true);  // a method with its own mode keeps RadioGroup1's 均等
  tables.Click(BetType::kWakuren, 1, 5);
  EXPECT_EQ(Rows(w, {6}), (std::vector<std::string>{"   400", "   400", "   400"}));
}

}  // namespace
}  // namespace rv
