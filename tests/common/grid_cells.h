// Grids filled cell by cell in the tests that draw, copy or read them.
#pragma once

#include <initializer_list>
#include <string>

#include "support/controls.h"

namespace rv::testing {

struct GridCell {
  int row;
  int col;
  std::string text;
};

// Sets each listed cell, in order.
inline void set_cells(Grid& g, std::initializer_list<GridCell> cells) {
  for (const GridCell& c : cells) g.set(c.row, c.col, c.text);
}

}  // namespace rv::testing
