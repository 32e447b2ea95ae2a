#include "betting/bet_marks.h"

#include <gtest/gtest.h>

#include "betting/bet_race.h"
#include "common/grid_cells.h"

namespace rv {
namespace {

using testing::BetRace;
using testing::OpenSet;

// The horses carrying a mark in StringGrid8's column, in row order.
std::vector<int> marked(const Grid& g, int col) {
  std::vector<int> out;
  for (int r = 1; r < g.row_count(); ++r) {
    if (!g.cell(r, col).empty()) out.push_back(inum(g.cell(r, 1)));
  }
  return out;
}

std::vector<int> marks_of(const std::array<std::uint8_t, kMaxHorses>& a) {
  std::vector<int> out;
  for (int j = 0; j < kMaxHorses; ++j) {
    if (a[static_cast<std::size_t>(j)] != 0) out.push_back(j + 1);
  }
  return out;
}

// A set ticking the given mining ranks for the axis.
SelectionSet axis_by_mining(std::initializer_list<int> ranks, NinChoice choice) {
  SelectionSet s = OpenSet();
  for (const int r : ranks) s.ranks[0][static_cast<std::size_t>(r - 1)] = true;
  s.nin[0] = choice;
  return s;
}

class ApplySelectionSetTest : public ::testing::Test {
 protected:
  ApplySelectionSetTest() {
    // Mining ranks 1, 2, 3 belong to horses of popularity 5, 9 and 2.
    race.horse(4, 9.0, 5, 1);
    race.horse(7, 30.0, 9, 2);
    race.horse(2, 4.0, 2, 3);
    race.horse(1, 2.0, 1, 10);
    race.horse(5, 10.0, 6, 4);
    race.horse(6, 12.0, 7, 5);
    race.horse(9, 35.0, 10, 6);
    race.horse(3, 5.0, 3, 7);
    race.horse(8, 32.0, 8, 8);
    race.horse(10, 40.0, 4, 9);
    race.show();
  }
  void apply(const SelectionSet& s) {
    ApplySelectionSet(race.day(), BetRace::kSlot, s, race.grid8());
  }
  BetRace race{10};
};

TEST_F(ApplySelectionSetTest, TheChoiceAmongCandidatesGoesByWinPopularity) {
  apply(axis_by_mining({1, 2, 3}, NinChoice::kLeastPopular));
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{7}));  // popularity 9 of 2, 5, 9
  EXPECT_EQ(marks_of(race.work().AxisMark), (std::vector<int>{7}));
  apply(axis_by_mining({1, 2, 3}, NinChoice::kMostPopular));
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{2}));
  apply(axis_by_mining({1, 2, 3}, NinChoice::kAll));
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{2, 4, 7}));
  EXPECT_EQ(race.grid8().cell(2, 8), sj("◎"));
}

TEST_F(ApplySelectionSetTest, TheExclusionBoxDropsHorsesMorePopularThanTheirMiningRank) {
  SelectionSet s = axis_by_mining({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, NinChoice::kAll);
  s.exclude[0] = true;
  apply(s);
  // Kept: popularity c >= mining rank d. Horse 2 (c 2, d 3), 3 (3, 7) and 10 (4, 9) go.
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{4, 5, 6, 7, 8, 9}));
  // The choice comes after the exclusion.
  s.nin[0] = NinChoice::kMostPopular;
  apply(s);
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{4}));
}

TEST_F(ApplySelectionSetTest, WinOddsBoundsAreInclusiveAndWithdrawnHorsesFailThem) {
  SelectionSet s = axis_by_mining({1, 2, 3, 4}, NinChoice::kAll);
  s.win_odds[0] = {9, 10};
  apply(s);
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{4, 5}));  // 9.0 and 10.0
  race.withdraw(5);
  race.show();
  s.win_odds[0] = {0, 1000};
  apply(s);
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{2, 4, 7}));
}

TEST_F(ApplySelectionSetTest, PartnersByMiningRankAndByPopularityAddUp) {
  SelectionSet s = OpenSet();
  s.ranks[1][0] = true;  // ヒモ1 by mining rank 1, 2 with the most popular one chosen
  s.ranks[1][1] = true;
  s.nin[1] = NinChoice::kMostPopular;
  s.ranks[2][0] = true;  // ヒモ1 by popularity 1 and 2, no choice among them
  s.ranks[2][1] = true;
  s.ranks[3][9] = true;  // ヒモ2 by mining rank 10 (horse 1)
  s.ranks[4][2] = true;  // ヒモ2 by popularity 3 and 10, 10 out of its odds range
  s.ranks[4][9] = true;
  s.win_odds[4] = {0, 34};
  apply(s);
  EXPECT_EQ(marked(race.grid8(), 9), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(marked(race.grid8(), 10), (std::vector<int>{1, 3}));
  EXPECT_EQ(marked(race.grid8(), 8), (std::vector<int>{}));
  EXPECT_EQ(marks_of(race.work().Himo2Mark), (std::vector<int>{1, 3}));
  EXPECT_EQ(race.grid8().cell(1, 9), sj("▲"));
  EXPECT_EQ(race.grid8().cell(3, 10), sj("△"));
}

TEST_F(ApplySelectionSetTest, MarksFollowTheHorsesAfterASortAndLeaveTheEraseColumn) {
  Grid& g = race.grid8();
  SortDirections dirs;
  StringGrid8Press(g, dirs, 0, 3);  // by popularity, descending
  ASSERT_EQ(g.cell(1, 1), " 9");    // popularity "10" sorts above " 9"
  g.set(4, 11, sj("消"));
  g.set(5, 8, sj("◎"));  // an old hand-set mark goes
  apply(axis_by_mining({1}, NinChoice::kAll));
  EXPECT_EQ(marked(g, 8), (std::vector<int>{4}));
  EXPECT_EQ(g.cell(4, 11), sj("消"));
  // A race without a registered runner has nothing to mark.
  BetRace none(0);
  none.show();
  ApplySelectionSet(none.day(), BetRace::kSlot, axis_by_mining({1}, NinChoice::kAll), none.grid8());
  EXPECT_EQ(marks_of(none.work().AxisMark), (std::vector<int>{}));
}

TEST(StringGrid8Press, TogglesMarksAndSortsByTheRankHeadings) {
  BetRace race(4);
  race.horse(1, 6.0, 3, 2);
  race.horse(2, 2.0, 1, 4);
  race.horse(3, 9.0, 4, 1);
  race.horse(4, 3.0, 2, 3);
  race.show();
  Grid& g = race.grid8();
  SortDirections dirs;
  StringGrid8Press(g, dirs, 2, 8);
  StringGrid8Press(g, dirs, 2, 11);
  StringGrid8Press(g, dirs, 3, 9);
  StringGrid8Press(g, dirs, 3, 10);
  EXPECT_EQ(g.cell(2, 8), sj("◎"));
  EXPECT_EQ(g.cell(2, 11), sj("消"));
  EXPECT_EQ(g.cell(3, 9), sj("▲"));
  EXPECT_EQ(g.cell(3, 10), sj("△"));
  StringGrid8Press(g, dirs, 2, 8);
  EXPECT_EQ(g.cell(2, 8), "");
  StringGrid8Press(g, dirs, 2, 2);  // other columns: nothing
  EXPECT_EQ(g.cell(2, 2), "  2.0");

  const auto horses = [&g]() {
    std::vector<int> out;
    for (int r = 1; r < g.row_count(); ++r) out.push_back(inum(g.cell(r, 1)));
    return out;
  };
  StringGrid8Press(g, dirs, 0, 7);  // mining rank, descending first
  EXPECT_EQ(horses(), (std::vector<int>{2, 4, 1, 3}));
  StringGrid8Press(g, dirs, 0, 7);
  EXPECT_EQ(horses(), (std::vector<int>{3, 1, 4, 2}));
  StringGrid8Press(g, dirs, 0, 2);  // odds heading: no sort
  EXPECT_EQ(horses(), (std::vector<int>{3, 1, 4, 2}));
  // The marks travel with their rows.
  EXPECT_EQ(ReadRunnerMarks(g).himo1[3], true);
  EXPECT_EQ(ReadRunnerMarks(g).usable[2], false);

  EXPECT_TRUE(StringGrid8HandCursor(0, 13));
  EXPECT_FALSE(StringGrid8HandCursor(0, 8));
  EXPECT_TRUE(StringGrid8HandCursor(5, 10));
  EXPECT_FALSE(StringGrid8HandCursor(5, 11));
}

TEST(ReadRunnerMarks, AnErasedHorseCarriesNoMarkAndRowsWithoutANumberAreSkipped) {
  Grid g(14, 4);
  testing::set_cells(g, {{1, 1, " 3"},
                         {1, 8, sj("◎")},
                         {1, 11, sj("消")},
                         {2, 1, "  "},
                         {2, 8, sj("◎")},
                         {3, 1, "18"},
                         {3, 10, "x"}});  // any text is a mark
  const RunnerMarks m = ReadRunnerMarks(g);
  EXPECT_FALSE(m.usable[3]);
  EXPECT_FALSE(m.axis[3]);
  EXPECT_FALSE(m.axis[0]);
  EXPECT_TRUE(m.usable[18]);
  EXPECT_TRUE(m.himo2[18]);
}

}  // namespace
}  // namespace rv
