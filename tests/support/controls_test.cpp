#include "support/controls.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(GridState, RowsThatComeBackStartEmptyAndVersionsMoveOnlyOnChange) {
  Grid g(3, 4);
  g.set(2, 1, "x");
  const auto v = g.version();
  g.set(2, 1, "x");
  EXPECT_EQ(g.version(), v);
  g.set_row_count(2);
  EXPECT_EQ(g.cell(2, 1), "");  // out of range reads empty
  g.set_row_count(4);
  EXPECT_EQ(g.cell(2, 1), "");
  g.set(9, 9, "ignored");
  EXPECT_EQ(g.row_count(), 4);
  g.set(1, 0, "a");
  g.set(3, 0, "b");
  g.swap_rows(1, 3);
  EXPECT_EQ(g.cell(1, 0), "b");
  g.set_col_count(5);
  EXPECT_EQ(g.cell(3, 0), "a");
  g.set(0, 0, "head");
  g.clear_body();
  EXPECT_EQ(g.cell(0, 0), "head");
  EXPECT_EQ(g.cell(3, 0), "");
}

// Texts on both sides of the inline limit and of the word compares, written over each other
// in every order, and moved between cells.
TEST(GridState, CellsHoldAnyTextWhateverItReplaces) {
  const std::string texts[] = {"",
                               "a",
                               "abc",
                               "abcd",
                               "abcdefg",
                               "abcdefgh",
                               "abcdefghijklmno",
                               "abcdefghijklmnop",
                               std::string(40, 'z'),
                               "abcdefgX",
                               "abcXefg"};
  Grid g(2, 2);
  for (const std::string& before : texts) {
    for (const std::string& after : texts) {
      g.set(1, 0, before);
      const auto v = g.version();
      g.set(1, 0, after);
      EXPECT_EQ(g.cell(1, 0), after) << before;
      EXPECT_EQ(g.version() != v, before != after) << before << " -> " << after;
      g.set(1, 1, before);
      g.swap_rows(0, 1);
      EXPECT_EQ(g.cell(0, 0), after);
      EXPECT_EQ(g.cell(0, 1), before);
      const Grid copy = g;
      g.swap_rows(0, 1);
      EXPECT_EQ(copy.cell(0, 1), before);
    }
  }
}

TEST(ListState, SelectionFallsBackToNoneWhenOutOfRange) {
  ListControl l;
  l.add("a");
  l.add("b");
  l.set_item_index(1);
  EXPECT_EQ(l.text(), "b");
  l.set_item_index(5);
  EXPECT_EQ(l.item_index(), -1);
  EXPECT_EQ(l.text(), "");
}

TEST(ListState, AnItemIsFoundByItsWholeText) {
  ListControl l;
  l.set_items({"2026", "20261206", "b", "b"});
  EXPECT_EQ(l.index_of("20261206"), 1);
  EXPECT_EQ(l.index_of("b"), 2);  // the first of equal items
  EXPECT_EQ(l.index_of("2026120"), -1);
  EXPECT_EQ(l.index_of(""), -1);
  l.clear();
  EXPECT_EQ(l.index_of("b"), -1);
}

TEST(RadioItems, OneItemIsCheckedAndAnIndexOutsideChangesNothing) {
  Toggle a("a"), b("b"), c("c");
  EXPECT_TRUE(check_radio_item({&a, &b, &c}, 1));
  EXPECT_FALSE(a.checked());
  EXPECT_TRUE(b.checked());
  EXPECT_TRUE(check_radio_item({&a, &b, &c}, 2));
  EXPECT_FALSE(b.checked());
  EXPECT_TRUE(c.checked());
  EXPECT_FALSE(check_radio_item({&a, &b, &c}, 3));
  EXPECT_FALSE(check_radio_item({&a, &b, &c}, -1));
  EXPECT_TRUE(c.checked());
  EXPECT_FALSE(a.checked() || b.checked());
}

}  // namespace
}  // namespace rv
