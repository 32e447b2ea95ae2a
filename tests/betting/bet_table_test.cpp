#include "betting/bet_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "betting/bet_tables.h"
#include "betting/finish_rate.h"
#include "support/text.h"

namespace rv {
namespace {

std::vector<std::string> row_texts(const BetTable& t, int row) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(t.grid().col_count()));
  for (int c = 0; c < t.grid().col_count(); ++c) out.push_back(to_utf8(t.cell(row, c)));
  return out;
}

// Rows of (No., combination, popularity) in the given order.
struct Bet {
  int no;
  const char* kumi;
  int ninki;
};

void fill(BetTable& t, const std::vector<Bet>& bets) {
  t.set_data_rows(static_cast<int>(bets.size()));
  for (std::size_t i = 0; i < bets.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    t.set_cell(row, BetColumns::kNo, t.no_text(bets[i].no));
    t.set_cell(row, BetColumns::kKumi, bets[i].kumi);
    t.set_cell(row, BetColumns::kNinki, fmt("%3d", bets[i].ninki));
  }
}

std::vector<int> numbers(const BetTable& t) {
  std::vector<int> out;
  for (int r = 1; r <= t.data_rows(); ++r) out.push_back(inum(t.cell(r, BetColumns::kNo)));
  return out;
}

TEST(BetTableLayout, HeadingsGridNamesAndLabelNamesOfAllEightTables) {
  const BetTables tables;
  using V = std::vector<std::string>;
  const V single = {"消",     "No.",    "買い目", "オッズ",   "人気",     "購入額",
                    "回収額", "回収率", "出現率", "結果配当", "結果回収", "結果人気"};
  const V pair = {"消",     "No.",    "買い目",  "オッズ",  "人気",     "連人気",   "購入額",
                  "回収額", "回収率", "出現率1", "出現率2", "結果配当", "結果回収", "結果人気"};
  V wakuren = pair;
  wakuren[1] = "No";
  const V trio = {"消",      "No.",     "買い目",   "オッズ",   "人気",
                  "連人気",  "購入額",  "回収額",   "回収率",   "出現率1",
                  "出現率2", "出現率3", "結果配当", "結果回収", "結果人気"};
  const V expected[] = {single, single, wakuren, pair, pair, pair, trio, trio};
  const char* grids[] = {"StringGrid3",  "StringGrid5",  "StringGrid28", "StringGrid30",
                         "StringGrid31", "StringGrid32", "StringGrid33", "StringGrid34"};
  const char* names[] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単"};
  for (const BetType t : kBetTypes) {
    const int i = bet_index(t);
    const BetTable& table = tables[t];
    SCOPED_TRACE(grids[i]);
    EXPECT_EQ(row_texts(table, 0), expected[i]);
    EXPECT_STREQ(table.grid_name(), grids[i]);
    EXPECT_EQ(to_utf8(table.name()), names[i]);
    EXPECT_EQ(table.data_rows(), 1);
    // The named columns stand under their headings.
    const BetColumns& c = table.columns();
    EXPECT_EQ(to_utf8(table.cell(0, c.amount)), "購入額");
    EXPECT_EQ(to_utf8(table.cell(0, c.payback)), "回収額");
    EXPECT_EQ(to_utf8(table.cell(0, c.rate)), "回収率");
    EXPECT_EQ(to_utf8(table.cell(0, c.finish)).substr(0, 9), "出現率");
    EXPECT_EQ(to_utf8(table.cell(0, c.result_pay)), "結果配当");
    EXPECT_EQ(to_utf8(table.cell(0, c.result_return)), "結果回収");
    EXPECT_EQ(to_utf8(table.cell(0, c.result_ninki)), "結果人気");
    EXPECT_EQ(c.finish + c.finish_count, c.result_pay);
  }
  EXPECT_STREQ(BetTotalLabelName(BetType::kTansho, BetTotal::kTensu), "TanTensuLabel");
  EXPECT_STREQ(BetTotalLabelName(BetType::kWide, BetTotal::kYosoKaishu), "WDYosoKaishuLabel");
  EXPECT_STREQ(BetTotalLabelName(BetType::kSanrentan, BetTotal::kKaishu), "SRTKaishuLabel");
}

TEST(BetTableRows, ClearLeavesOneEmptyRowAndLiveSkipsErasedAndUnnumberedRows) {
  BetTable t(BetType::kUmaren);
  fill(t, {{1, " 1- 2", 1}, {2, " 1- 3", 2}, {3, " 2- 3", 3}});
  t.set_erased(2, true);
  t.set_cell(3, BetColumns::kNo, "   ");
  EXPECT_TRUE(t.live(1));
  EXPECT_FALSE(t.live(2));
  EXPECT_FALSE(t.live(3));
  t.set_data_rows(0);
  EXPECT_EQ(t.data_rows(), 1);
  t.set_data_rows(3);
  t.Clear();
  EXPECT_EQ(t.grid().row_count(), 2);
  EXPECT_EQ(t.cell(1, BetColumns::kKumi), "");
  EXPECT_EQ(to_utf8(t.cell(0, BetColumns::kKumi)), "買い目");
  EXPECT_EQ(BetTable(BetType::kTansho).no_text(9), " 9");
  EXPECT_EQ(BetTable(BetType::kSanrentan).no_text(10), "  10");
}

TEST(BetTableSort, PopularityTwiceGoesDescendingThenAscendingWithTiesInNumberOrder) {
  BetTables tables;
  BetTable& t = tables[BetType::kUmaren];
  fill(t, {{1, " 1- 2", 3},
           {2, " 1- 3", 1},
           {3, " 1- 4", 3},
           {4, " 2- 3", 2},
           {5, " 2- 4", 12},
           {6, " 3- 4", 3}});
  tables.MouseDown(BetType::kUmaren, 0, BetColumns::kNinki);
  EXPECT_EQ(numbers(t), (std::vector<int>{5, 1, 3, 6, 4, 2}));
  EXPECT_TRUE(tables.sort_descending(BetType::kUmaren, BetColumns::kNinki));
  tables.MouseDown(BetType::kUmaren, 0, BetColumns::kNinki);
  EXPECT_EQ(numbers(t), (std::vector<int>{2, 4, 1, 3, 6, 5}));
  // The whole row moves with its key.
  EXPECT_EQ(t.cell(1, BetColumns::kKumi), " 1- 3");
  EXPECT_EQ(tables.sort_column(BetType::kUmaren), BetColumns::kNinki);
}

TEST(BetTableSort, NumbersOrderAsNumbersAndSortingByNumberBreaksTiesByCombination) {
  BetTables tables;
  BetTable& t = tables[BetType::kTansho];
  std::vector<Bet> bets;
  for (int i = 12; i >= 1; --i) bets.push_back({i, "", 1});
  fill(t, bets);
  for (int r = 1; r <= t.data_rows(); ++r) t.set_cell(r, BetColumns::kKumi, fmt("%2d", r));
  tables.MouseDown(BetType::kTansho, 0, BetColumns::kNo);  // descending
  EXPECT_EQ(numbers(t), (std::vector<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
  tables.MouseDown(BetType::kTansho, 0, BetColumns::kNo);
  EXPECT_EQ(numbers(t), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));

  // Equal numbers (as after a hand edit) fall back to the combination.
  BetTable& f = tables[BetType::kFukusho];
  fill(f, {{1, " 7", 2}, {1, " 3", 1}, {2, "12", 4}});
  tables.MouseDown(BetType::kFukusho, 0, BetColumns::kNo);
  EXPECT_EQ(f.cell(1, BetColumns::kKumi), "12");
  EXPECT_EQ(f.cell(2, BetColumns::kKumi), " 3");
  EXPECT_EQ(f.cell(3, BetColumns::kKumi), " 7");
}

TEST(BetTableSort, TheRowsMoveWithTheirTexts) {
  BetTable t(BetType::kUmaren);
  fill(t, {{1, " 1- 2", 3}, {2, " 1- 3", 1}, {3, " 2- 3", 2}});
  t.set_erased(1, true);
  t.Sort(BetColumns::kNinki, false);
  ASSERT_EQ(numbers(t), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(t.bet(1).ninki, 1);
  EXPECT_EQ(t.bet(3).combo, 1);  // " 1- 2"
  EXPECT_TRUE(t.bet(3).erased);
  EXPECT_FALSE(t.bet(1).erased);
}

// What a row reads from a cell set as text: a combination only when the cell is exactly a
// label of the table (or "%2d" of a horse), ranks as the cells write them.
TEST(BetTableRows, ACellSetAsTextIsReadIntoItsRow) {
  struct Case {
    BetType type;
    int col;
    const char* text;  // UTF-8
    int combo;         // BetRow::combo, or the horse for 単勝
    int kumi;          // BetRow::kumi.count
    int ninki;
    bool erased;
  };
  const Case cases[] = {
      {BetType::kUmaren, BetColumns::kKumi, " 1- 2", 1, 2, 0, false},
      {BetType::kUmaren, BetColumns::kKumi, " 1-x2", 0, 0, 0, false},
      {BetType::kUmaren, BetColumns::kKumi, " 1- 2 ", 0, 0, 0, false},
      {BetType::kSanrentan, BetColumns::kKumi, "18-17-16", 4896, 3, 0, false},
      {BetType::kTansho, BetColumns::kKumi, " 5", 5, 1, 0, false},
      {BetType::kTansho, BetColumns::kKumi, "5", 5, 0, 0, false},
      {BetType::kUmaren, BetColumns::kNinki, " 12", 0, 0, 12, false},
      {BetType::kUmaren, BetColumns::kErase, " 消 ", 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    BetTable t(c.type);
    t.set_cell(1, c.col, sj(c.text));
    const BetRow& b = t.bet(1);
    EXPECT_EQ(c.type == BetType::kTansho ? b.horse : b.combo, c.combo);
    EXPECT_EQ(b.kumi.count, c.kumi);
    EXPECT_EQ(b.ninki, c.ninki);
    EXPECT_EQ(b.erased, c.erased);
  }
}

TEST(BetTableSort, DirectionFlagsAreSharedWithinTheTwoHorseAndTheThreeHorseTables) {
  BetTables tables;
  for (BetTable& t : tables) fill(t, {{1, "a", 1}, {2, "b", 2}});
  const auto first = [&](BetType t) { return inum(tables[t].cell(1, BetColumns::kNo)); };

  tables.MouseDown(BetType::kUmaren, 0, BetColumns::kNinki);  // descending
  EXPECT_EQ(first(BetType::kUmaren), 2);
  tables.MouseDown(BetType::kWide, 0, BetColumns::kNinki);  // the shared flag flips back
  EXPECT_EQ(first(BetType::kWide), 1);
  tables.MouseDown(BetType::kWakuren, 0, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kWakuren), 2);
  tables.MouseDown(BetType::kUmatan, 0, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kUmatan), 1);

  // The three-horse tables have their own set, and 単勝 and 複勝 one each.
  tables.MouseDown(BetType::kSanrenpuku, 0, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kSanrenpuku), 2);
  tables.MouseDown(BetType::kSanrentan, 0, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kSanrentan), 1);
  tables.MouseDown(BetType::kTansho, 0, BetColumns::kNinki);
  tables.MouseDown(BetType::kFukusho, 0, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kTansho), 2);
  EXPECT_EQ(first(BetType::kFukusho), 2);

  // A press on another column keeps the flags of the first one.
  tables.MouseDown(BetType::kUmaren, 0, BetColumns::kOdds);
  EXPECT_FALSE(tables.sort_descending(BetType::kUmaren, BetColumns::kNinki));
  EXPECT_TRUE(tables.sort_descending(BetType::kWide, BetColumns::kOdds));

  // Column 0 and data rows do not sort.
  tables.MouseDown(BetType::kTansho, 0, BetColumns::kErase);
  tables.MouseDown(BetType::kTansho, 1, BetColumns::kNinki);
  EXPECT_EQ(first(BetType::kTansho), 2);
}

TEST(BetTableClick, EraseColumnTogglesThenTotalsAreClearedAndTheTableRecomputed) {
  BetTables tables;
  std::vector<std::string> recomputed;
  tables.set_recompute([&](BetTable& t) {
    recomputed.emplace_back(t.grid_name());
    // The hook sees the labels already cleared.
    EXPECT_EQ(t.total(BetTotal::kToshi).text(), "");
  });
  BetTable& t = tables[BetType::kWide];
  fill(t, {{1, " 1- 2", 1}, {2, " 1- 3", 2}});
  for (const BetTotal k : kBetTotals) t.total(k).set_text("  3");
  tables[BetType::kUmaren].total(BetTotal::kTensu).set_text("  2");

  tables.Click(BetType::kWide, 2, BetColumns::kErase);
  EXPECT_TRUE(t.erased(2));
  EXPECT_FALSE(t.live(2));
  EXPECT_EQ(t.total(BetTotal::kKaishu).text(), "");
  EXPECT_EQ(tables[BetType::kUmaren].total(BetTotal::kTensu).text(), "  2");
  tables.Click(BetType::kWide, 2, BetColumns::kErase);
  EXPECT_FALSE(t.erased(2));
  // Elsewhere in a data row: no toggle, but the table is recomputed all the same.
  tables.Click(BetType::kWide, 1, BetColumns::kOdds);
  EXPECT_FALSE(t.erased(1));
  // The heading row and rows past the end do nothing.
  tables.Click(BetType::kWide, 0, BetColumns::kErase);
  tables.Click(BetType::kWide, 3, BetColumns::kErase);
  EXPECT_EQ(recomputed, (std::vector<std::string>{"StringGrid31", "StringGrid31", "StringGrid31"}));
  EXPECT_TRUE(BetTables::HandCursor(0, 5));
  EXPECT_TRUE(BetTables::HandCursor(4, 0));
  EXPECT_FALSE(BetTables::HandCursor(4, 2));
}

TEST(BetTableDraw, PaidCombinationsOfTheTablesOwnBetTypeAreMagenta) {
  BetTables tables;
  RacePayouts paid{};
  paid[0][0].kumi = " 3";  // 単勝
  paid[1][4].kumi = "12";  // the fifth 複勝 entry
  paid[2][0].kumi = " 1- 5";
  paid[4][6].kumi = " 2- 9";  // the seventh ワイド entry
  paid[7][5].kumi = " 9- 2- 4";
  tables.set_race(&paid);
  const auto bg = [&](BetType t, const char* kumi) {
    BetTable& table = tables[t];
    table.set_cell(1, BetColumns::kKumi, kumi);
    return table.grid().style(1, BetColumns::kKumi).background;
  };
  EXPECT_EQ(bg(BetType::kTansho, " 3"), colors::kFuchsia);
  EXPECT_EQ(bg(BetType::kTansho, "12"), colors::kWhite);  // paid for 複勝, not 単勝
  EXPECT_EQ(bg(BetType::kFukusho, "12"), colors::kFuchsia);
  EXPECT_EQ(bg(BetType::kFukusho, ""), colors::kWhite);  // horse 0 of unused entries
  EXPECT_EQ(bg(BetType::kWakuren, " 1- 5"), colors::kFuchsia);
  EXPECT_EQ(bg(BetType::kWide, " 2- 9"), colors::kFuchsia);
  EXPECT_EQ(bg(BetType::kUmaren, " 2- 9"), colors::kWhite);
  EXPECT_EQ(bg(BetType::kUmatan, ""), colors::kWhite);  // empty labels of unused entries
  EXPECT_EQ(bg(BetType::kSanrentan, " 9- 2- 4"), colors::kFuchsia);
  EXPECT_EQ(bg(BetType::kSanrentan, " 2- 9- 4"), colors::kWhite);

  const Grid& g = tables[BetType::kSanrentan].grid();
  EXPECT_EQ(g.style(0, BetColumns::kKumi).background, 0xC99292u);
  EXPECT_EQ(g.style(0, BetColumns::kErase).background, 0xC99292u);
  EXPECT_EQ(g.style(1, BetColumns::kNo).background, 0xC1FFC1u);
  EXPECT_EQ(g.style(1, BetColumns::kErase).background, colors::kWhite);
  EXPECT_EQ(g.style(1, BetColumns::kOdds).background, colors::kWhite);
  EXPECT_EQ(g.style(1, BetColumns::kOdds).align, Align::kCenter);
  tables.set_race(nullptr);
  EXPECT_EQ(g.style(1, BetColumns::kKumi).background, colors::kWhite);
}

TEST(BetTableTabs, TheActiveTypesTotalsAreHighlightedExceptOnTheBracketTab) {
  BetTables tables;
  const auto lit = [&]() {
    std::vector<int> out;
    for (const BetTable& t : tables) {
      for (const BetTotal k : kBetTotals) {
        const Rgb c = t.total(k).color();
        if (c == 0xACB5FFu) {
          out.push_back(bet_index(t.type()));
        } else {
          EXPECT_EQ(c, 0xFFFBF0u);
        }
      }
    }
    return out;
  };
  EXPECT_EQ(lit(), (std::vector<int>{0, 0, 0, 0}));
  tables.PageControl4.set_tab_index(6);
  tables.PageControl4Change();
  EXPECT_EQ(lit(), (std::vector<int>{6, 6, 6, 6}));
  tables.PageControl4.set_tab_index(2);
  tables.PageControl4Change();
  EXPECT_EQ(lit(), std::vector<int>{});
}

TEST(BetTableListing, EveryTableWithItsHeadingsRowsAndTotalsCellsExactlyAsHeld) {
  BetTables tables;
  BetTable& wide = tables[BetType::kWide];
  wide.set_cell(1, BetColumns::kKumi, " 1- 2");
  wide.total(BetTotal::kToshi).set_text("  1200");
  const std::vector<std::string> lines = BetTablesListing(tables);
  ASSERT_EQ(lines.size(), 8u * 4u);
  EXPECT_EQ(to_utf8(lines[0]), "## 単勝 StringGrid3");
  EXPECT_EQ(to_utf8(lines[1]),
            "消\tNo."
            "\t買い目\tオッズ\t人気\t購入額\t回収額\t回収率\t出現率\t結果配当\t結果回収\t結果人気");
  EXPECT_EQ(lines[2], std::string(11, '\t'));
  EXPECT_EQ(lines[3], "totals\t\t\t\t");
  EXPECT_EQ(to_utf8(lines[16]), "## ワイド StringGrid31");
  EXPECT_EQ(lines[18], "\t\t 1- 2" + std::string(11, '\t'));
  EXPECT_EQ(lines[19], "totals\t\t  1200\t\t");
  EXPECT_EQ(to_utf8(lines[28]), "## ３連単 StringGrid34");
}

TEST(FinishRates, LookupIsPercentInsideTheTableAndZeroOutside) {
  FinishRateTable t;
  t.set(10, 2, 3, 0.375);
  EXPECT_DOUBLE_EQ(t.Lookup(10, 2, 3), 37.5);
  EXPECT_EQ(FinishRateText(t, 10, 2, 3), " 37.5");
  EXPECT_EQ(t.Lookup(10, 3, 3), 0.0);
  t.set(3, 1, 1, 0.5);  // outside: ignored
  t.set(18, 3, 18, 0.25);
  EXPECT_DOUBLE_EQ(t.Lookup(18, 3, 18), 25.0);
  for (const auto& [runners, block, rank] : std::vector<std::array<int, 3>>{
           {3, 1, 1}, {19, 1, 1}, {10, 0, 1}, {10, 4, 1}, {10, 1, 0}, {10, 1, -2}, {10, 1, 19}}) {
    EXPECT_EQ(t.Lookup(runners, block, rank), 0.0) << runners << " " << block << " " << rank;
  }
  EXPECT_EQ(FinishRateText(FinishRates(), 16, 1, 1), "  0.0");
  EXPECT_EQ(FinishRateText(FinishRates(), 2, 1, 1), "  0.0");
  EXPECT_EQ(FinishRateText(FinishRates(), 16, 1, 0), "");
}

}  // namespace
}  // namespace rv
