// Sorting the entry card "出馬表" (StringGrid26): the group of sort buttons and the presses on
// its rank columns.
#pragma once

#include <string>

#include "model/race_card.h"

namespace rv {

struct CardSortButton {
  const char* name;     // the button's control name
  const char* caption;  // UTF-8
  int primary;          // column sorted by
  int secondary;        // column that orders rows with equal primary text
};

// The buttons in CardSort order.
const CardSortButton& CardSortButtonOf(CardSort which);
// A button's caption in Shift-JIS.
const std::string& CardSortCaption(CardSort which);

// SpeedButton14Click: sorts StringGrid26 ascending by the button that is down.
void SortEntryCard(RaceCardControls& card);

// Whether a press on this column of StringGrid26 sorts it (the pointer shows a hand there).
bool IsEntryCardSortColumn(int col);

// StringGrid26MouseDown: a press in a sort column, in any row, flips the column's direction
// and sorts by it. False when the column does not sort.
bool StringGrid26Press(RaceCardControls& card, int col);

}  // namespace rv
