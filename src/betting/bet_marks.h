// The axis and partner marks of the race on screen: chosen by the selected bet-selection set
// (ApplySelectionSet, the hidden button "軸ヒモ"), shown and edited by hand in the runner
// grid StringGrid8, and read back from it by bet generation.
#pragma once

#include <array>

#include "betting/selection_set.h"
#include "model/day.h"
#include "model/grid_sort.h"
#include "support/controls.h"

namespace rv {

// StringGrid8's columns that belong to the marks.
struct MarkColumns {
  static constexpr int kHorse = 1;   // the horse number: the identity of a row
  static constexpr int kJiku = 8;    // "◎"
  static constexpr int kHimo1 = 9;   // "▲"
  static constexpr int kHimo2 = 10;  // "△"
  static constexpr int kErase = 11;  // "消": the horse is left out of every bet
};

// Chooses the axis, ヒモ1 and ヒモ2 horses of race `slot` by the set: writes the three mark
// arrays of its working record and columns 8-10 of StringGrid8 (column 11 stays).
void ApplySelectionSet(Day& day, int slot, const SelectionSet& set, Grid& StringGrid8);

// What bet generation reads from StringGrid8, by horse number 1..18: a row not erased in
// column 11 with a horse number takes part; its marks are its non-empty columns 8-10. The
// mark flags of a horse that does not take part are all false.
struct RunnerMarks {
  std::array<bool, kMaxHorses + 1> usable{};
  std::array<bool, kMaxHorses + 1> axis{};
  std::array<bool, kMaxHorses + 1> himo1{};
  std::array<bool, kMaxHorses + 1> himo2{};
};
RunnerMarks ReadRunnerMarks(const Grid& StringGrid8);

// A mouse press on StringGrid8: on a data row in columns 8-11 the cell toggles between empty
// and its mark; on the heading row in column 1, 3, 5, 7, 12 or 13 that column's direction
// flips and the grid is sorted by it as the bet tables are. The caller runs bet generation
// after every press.
void StringGrid8Press(Grid& StringGrid8, SortDirections& directions, int row, int col);

// The hand pointer: over the sortable headings and the data cells of columns 8-10.
bool StringGrid8HandCursor(int row, int col);

}  // namespace rv
