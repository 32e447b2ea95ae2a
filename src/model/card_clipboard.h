// The clipboard copies of the race card: the four header lines and then a grid as TAB
// separated rows, every line ending in CR LF.
#pragma once

#include <string>

#include "model/race_card.h"

namespace rv {

// Rows top..bottom and columns left..right of the grid (clamped to the grid) after Label1 ..
// Label4. An empty or inverted range gives an empty text.
std::string CardClipboardText(const RaceCardControls& card, const Grid& grid, int left, int top,
                              int right, int bottom);

// The whole grid, header row first.
std::string CardClipboardText(const RaceCardControls& card, const Grid& grid);

}  // namespace rv
