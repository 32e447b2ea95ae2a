#include "model/grid_sort.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace rv {

void SortGridRows(Grid& grid, int col, bool descending, int secondary, const RowSwapFn& also_swap) {
  const int first = grid.fixed_rows();
  const int n = grid.row_count() - first;
  if (col < 0 || col >= grid.col_count() || n < 2) return;
  const bool by_second = secondary >= 0 && secondary < grid.col_count();

  // order[i]: the grid row that ends up at body position i.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), first);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int by = grid.cell(a, col).compare(grid.cell(b, col));
    if (by != 0) return descending ? by > 0 : by < 0;
    return by_second && grid.cell(a, secondary) < grid.cell(b, secondary);
  });

  // Move the rows into place by swapping whole rows, following where each one went.
  std::vector<int> at(order.size());     // original row now at position i
  std::vector<int> where(order.size());  // position of original row first + k
  std::iota(at.begin(), at.end(), first);
  std::iota(where.begin(), where.end(), 0);
  for (std::size_t i = 0; i < order.size(); ++i) {
    const int want = order[i];
    const auto from = static_cast<std::size_t>(where[static_cast<std::size_t>(want - first)]);
    if (from == i) continue;
    grid.swap_rows(static_cast<int>(i) + first, static_cast<int>(from) + first);
    if (also_swap) also_swap(static_cast<int>(i) + first, static_cast<int>(from) + first);
    const int displaced = at[i];
    at[from] = displaced;
    where[static_cast<std::size_t>(displaced - first)] = static_cast<int>(from);
    at[i] = want;
    where[static_cast<std::size_t>(want - first)] = static_cast<int>(i);
  }
}

void SortBtn(Grid& grid, int col, bool descending, const RowSwapFn& also_swap) {
  SortGridRows(grid, col, descending, col == 1 ? 2 : 1, also_swap);
}

bool SortDirections::flip(int col) {
  if (col < 0 || col >= kMaxCols) return false;
  int& f = flags_[static_cast<std::size_t>(col)];
  f = -f;
  return f < 0;
}

}  // namespace rv
