// How the race card grids are drawn, as cell styles the views render: bracket colours, the
// two-line cells of the results card, ranks in red and blue, column backgrounds.
#pragma once

#include <string>
#include <vector>

#include "model/day.h"
#include "model/race_card.h"
#include "support/controls.h"

namespace rv {

// Background and text colour of a bracket 1..8; white on black text for anything else.
struct BracketColors {
  Rgb background;
  Rgb text;
};
BracketColors BracketColorsOf(int bracket);

// Positions and popularity ranks: red for 1, blue for 2 and 3, black otherwise.
Rgb RankColor(int rank);

// The results card: row 0 headings, row r the runner at position r-1 of the race in `slot`
// (the race on screen), drawn from its record. With no race listed the cells draw plainly.
CellStyle StringGrid6DrawCell(const Day& day, int slot, bool races_listed, int row, int col);

// The entry card, drawn from its cell texts; a jockey on the watched list is highlighted.
CellStyle StringGrid26DrawCell(const Grid& grid, int row, int col,
                               const std::vector<std::string>& watched_jockeys);

// The runner grid of the axis and partner marks.
CellStyle StringGrid8DrawCell(const Grid& grid, int row, int col);

// Installs the three as the grids' drawing rules; the day, the race on screen, the race list
// and the watched jockeys must outlive the card.
void BindRaceCardStyles(RaceCardControls& card, const Day& day, const RaceOnScreen& on_screen,
                        const ListControl& DatList, const std::vector<std::string>& KishuCKList);

}  // namespace rv
