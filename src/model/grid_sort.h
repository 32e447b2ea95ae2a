// Row sorts of the string grids: the sort buttons of the entry card and the heading presses of
// the entry card and the bet tables. Cells compare as byte strings, so blanks come before
// digits and fixed-width right-aligned numbers sort by value.
#pragma once

#include <array>
#include <functional>

#include "support/controls.h"

namespace rv {

// Sorts the body rows by the text of column `col` (descending on request); rows with equal
// text there stand in ascending order of column `secondary` (none when out of range), and
// rows equal in both keep their order. Whole rows move; `also_swap`, when given, is told of
// every swap of two rows, so that what the owner keeps per row moves with them.
using RowSwapFn = std::function<void(int a, int b)>;
void SortGridRows(Grid& grid, int col, bool descending, int secondary,
                  const RowSwapFn& also_swap = {});

// The heading-press sort: by column `col`, descending on request; rows with equal text stay
// ordered by column 1 (by column 2 when `col` is 1).
void SortBtn(Grid& grid, int col, bool descending, const RowSwapFn& also_swap = {});

// Per-column sort directions of a grid whose headings sort it: 1 ascending, -1 descending.
// A press flips the column's direction and then sorts, so the first press sorts descending.
class SortDirections {
 public:
  void reset() { flags_.fill(1); }
  // Flips the column's direction; true when it is now descending.
  bool flip(int col);

 private:
  static constexpr int kMaxCols = 32;
  std::array<int, kMaxCols> flags_ = filled();
  static constexpr std::array<int, kMaxCols> filled() {
    std::array<int, kMaxCols> a{};
    a.fill(1);
    return a;
  }
};

}  // namespace rv
