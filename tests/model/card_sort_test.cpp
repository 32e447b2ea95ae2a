#include "model/card_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "common/grid_cells.h"
#include "model/card_day.h"
#include "model/grid_sort.h"

namespace rv {
namespace {

using testing::CardDay;

std::vector<std::string> column(const Grid& g, int col) {
  std::vector<std::string> out;
  for (int r = 1; r < g.row_count(); ++r) out.emplace_back(g.cell(r, col));
  return out;
}

// The entry card of a race of six whose final odds and positions are given per horse
// (0 = none).
struct SixRunners {
  SixRunners(const int (&odds_tenths)[6], const int (&finish)[6]) {
    const auto key = d.race(0, 11, 6);
    for (int h = 1; h <= 6; ++h) {
      const auto i = static_cast<std::size_t>(h - 1);
      d.put_runner(0, jvfeed::se(key, {.horse = h,
                                       .runners = 6,
                                       .finish = finish[i],
                                       .popularity = finish[i],
                                       .odds_tenths = odds_tenths[i]}));
      d.odds(0, h, 2.0 + h, 7 - h);
    }
  }
  void show() { ShowRace(d.day(), 0, card, d.on_screen); }
  // Shows the race with the sort buttons on `sort`.
  void show(CardSort sort) {
    card.SortButtons.set_item_index(static_cast<int>(sort));
    show();
  }
  // Sorts the card shown again as the sort buttons on `sort` ask.
  void resort(CardSort sort) {
    card.SortButtons.set_item_index(static_cast<int>(sort));
    SortEntryCard(card);
  }
  [[nodiscard]] std::vector<std::string> entries(int col) const {
    return column(card.StringGrid26, col);
  }

  CardDay d;
  RaceCardControls card;
};

TEST(EntryCardSort, PopularityButtonPutsHorsesWithoutFinalOddsFirst) {
  SixRunners race({0, 123, 25, 0, 25, 1000}, {0, 0, 0, 0, 0, 0});
  race.show(CardSort::kNinki);
  EXPECT_EQ(race.entries(1), (std::vector<std::string>{" 1", " 4", " 3", " 5", " 2", " 6"}));
  EXPECT_EQ(race.entries(18),
            (std::vector<std::string>{"     ", "     ", "  2.5", "  2.5", " 12.3", "100.0"}));

  race.resort(CardSort::kUmaban);
  EXPECT_EQ(race.entries(1), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6"}));
}

TEST(EntryCardSort, FinishAndFinalPopularityButtonsUseTheResultColumns) {
  SixRunners race({50, 30, 0, 40, 20, 10}, {3, 1, 0, 2, 5, 4});
  race.show(CardSort::kChakujun);
  // A horse without a result ("　") sorts after every two-digit position.
  EXPECT_EQ(race.entries(1), (std::vector<std::string>{" 2", " 4", " 1", " 6", " 5", " 3"}));
  race.resort(CardSort::kKakuteiNinki);
  EXPECT_EQ(race.entries(17), (std::vector<std::string>{"01", "02", "03", "04", "05", "\x81\x40"}));
  EXPECT_EQ(CardSortButtonOf(CardSort::kKakuteiNinki).primary, 17);
}

TEST(EntryCardSort, RankColumnPressesAlternateDirectionFromDescending) {
  SixRunners race({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0});
  race.show();
  EXPECT_TRUE(IsEntryCardSortColumn(7));
  EXPECT_FALSE(StringGrid26Press(race.card, 2));  // the name column does not sort
  EXPECT_TRUE(StringGrid26Press(race.card, 7));
  EXPECT_EQ(race.entries(7), (std::vector<std::string>{" 6", " 5", " 4", " 3", " 2", " 1"}));
  EXPECT_TRUE(StringGrid26Press(race.card, 7));
  EXPECT_EQ(race.entries(7), (std::vector<std::string>{" 1", " 2", " 3", " 4", " 5", " 6"}));
  // Showing a race again starts every column from ascending, so the next press descends.
  race.show();
  StringGrid26Press(race.card, 7);
  EXPECT_EQ(race.card.StringGrid26.cell(1, 7), " 6");
}

TEST(GridSort, HeadingSortKeepsEqualRowsInNumberOrderBothWays) {
  Grid g(5, 7);
  const char* const ninki[] = {"  3", "  1", "  3", "  2", "  3", "  1"};
  for (int r = 1; r <= 6; ++r) {
    g.set(r, 1, std::to_string(r));
    g.set(r, 4, ninki[r - 1]);
  }
  SortDirections dir;
  SortBtn(g, 4, dir.flip(4));
  EXPECT_EQ(column(g, 1), (std::vector<std::string>{"1", "3", "5", "4", "2", "6"}));
  SortBtn(g, 4, dir.flip(4));
  EXPECT_EQ(column(g, 1), (std::vector<std::string>{"2", "6", "4", "1", "3", "5"}));
  // Sorting by the number column orders ties by column 2.
  testing::set_cells(g, {{1, 1, "9"}, {2, 1, "9"}, {1, 2, "b"}, {2, 2, "a"}});
  SortBtn(g, 1, false);
  EXPECT_EQ(g.cell(5, 2), "a");
  EXPECT_EQ(g.cell(6, 2), "b");
}

TEST(GridSort, LargeTablesEndOrderedByBothKeysWithEqualRowsInTheirOldOrder) {
  std::mt19937 rng(7);
  Grid g(3, 501);
  std::vector<std::tuple<std::string, std::string, int>> rows;
  for (int r = 1; r <= 500; ++r) {
    const std::string a = std::to_string(rng() % 20);
    const std::string b = std::to_string(rng() % 1000);
    g.set(r, 0, a);
    g.set(r, 2, b);
    g.set(r, 1, std::to_string(r));  // whole rows move together
    rows.emplace_back(a, b, r);
  }
  SortGridRows(g, 0, true, 2);
  std::stable_sort(rows.begin(), rows.end(), [](const auto& x, const auto& y) {
    if (std::get<0>(x) != std::get<0>(y)) return std::get<0>(x) > std::get<0>(y);
    return std::get<1>(x) < std::get<1>(y);
  });
  for (int r = 1; r <= 500; ++r) {
    const auto& want = rows[static_cast<std::size_t>(r - 1)];
    ASSERT_EQ(g.cell(r, 0), std::get<0>(want)) << r;
    ASSERT_EQ(g.cell(r, 2), std::get<1>(want)) << r;
    ASSERT_EQ(g.cell(r, 1), std::to_string(std::get<2>(want))) << r;
  }
  // Out-of-range columns and tiny grids are left alone.
  Grid one(2, 2);
  one.set(1, 0, "x");
  SortGridRows(one, 0, false, 1);
  SortGridRows(g, 9, false, 1);
  EXPECT_EQ(one.cell(1, 0), "x");
}

}  // namespace
}  // namespace rv
