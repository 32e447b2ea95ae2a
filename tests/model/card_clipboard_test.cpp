#include "model/card_clipboard.h"

#include <gtest/gtest.h>

#include "common/grid_cells.h"
#include "model/card_day.h"

namespace rv {
namespace {

TEST(CardClipboard, HeaderLinesThenTabSeparatedRowsEndingInCrLf) {
  RaceCardControls card;
  card.Label1.set_text("L1");
  card.Label2.set_text("L2");
  card.Label3.set_text("L3");
  card.Label4.set_text("L4");
  card.Label6.set_text("not copied");
  Grid g(3, 3);
  testing::set_cells(g, {{0, 0, "a"}, {0, 1, "b"}, {0, 2, "c"}, {1, 1, " 1"}, {2, 2, "z"}});
  EXPECT_EQ(CardClipboardText(card, g), "L1\r\nL2\r\nL3\r\nL4\r\na\tb\tc\r\n\t 1\t\r\n\t\tz\r\n");
  // A range beyond the grid is clamped to it; a part of the grid is copied as asked.
  EXPECT_EQ(CardClipboardText(card, g, -3, -1, 9, 9), CardClipboardText(card, g));
  EXPECT_EQ(CardClipboardText(card, g, 1, 1, 2, 1), "L1\r\nL2\r\nL3\r\nL4\r\n 1\t\r\n");
  // Empty and inverted ranges copy nothing at all.
  EXPECT_EQ(CardClipboardText(card, g, 2, 0, 1, 2), "");
  EXPECT_EQ(CardClipboardText(card, g, 0, 3, 2, 5), "");
  EXPECT_EQ(CardClipboardText(card, Grid()), "");
}

TEST(CardClipboard, EntryCardCopyHoldsTheRaceAsShown) {
  testing::CardDay d;
  d.race(0, 11, 8);
  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  const std::string text = CardClipboardText(card, card.StringGrid26);
  EXPECT_EQ(text.rfind(card.Label1.text() + "\r\n", 0), 0U);
  // Four header lines, the heading row and eight runners.
  std::size_t lines = 0;
  for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 4U + 9U);
  EXPECT_NE(text.find("\r\n 8\t 8\t"), std::string::npos);
}

}  // namespace
}  // namespace rv
