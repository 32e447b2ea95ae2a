#include "model/grid_sort.h"

#include <string>

namespace rv {
namespace {

// The partition sort with the middle row's text as pivot, swapping whole rows.
void quick_sort(Grid& g, int col, int lo, int hi, bool descending) {
  const auto before = [descending](const std::string& a, const std::string& b) {
    return descending ? b < a : a < b;
  };
  int i = lo;
  int j = hi;
  const std::string pivot = g.cell(lo + (hi - lo) / 2, col);
  do {
    while (before(g.cell(i, col), pivot)) ++i;
    while (before(pivot, g.cell(j, col))) --j;
    if (i <= j) {
      g.swap_rows(i, j);
      ++i;
      --j;
    }
  } while (i <= j);
  if (lo < j) quick_sort(g, col, lo, j, descending);
  if (i < hi) quick_sort(g, col, i, hi, descending);
}

}  // namespace

void SortGridRows(Grid& grid, int col, bool descending, int secondary) {
  const int first = grid.fixed_rows();
  const int last = grid.row_count() - 1;
  if (col < 0 || col >= grid.col_count() || last <= first) return;
  quick_sort(grid, col, first, last, descending);
  if (secondary < 0 || secondary >= grid.col_count()) return;
  for (int r = first; r <= last;) {
    int end = r;
    while (end < last && grid.cell(end + 1, col) == grid.cell(r, col)) ++end;
    if (end > r) quick_sort(grid, secondary, r, end, false);
    r = end + 1;
  }
}

void SortBtn(Grid& grid, int col, bool descending) {
  SortGridRows(grid, col, descending, col == 1 ? 2 : 1);
}

bool SortDirections::flip(int col) {
  if (col < 0 || col >= kMaxCols) return false;
  int& f = flags_[static_cast<std::size_t>(col)];
  f = -f;
  return f < 0;
}

}  // namespace rv
