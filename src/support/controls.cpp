#include "support/controls.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace rv {
void Grid::reset(int cols, int rows, int fixed_rows) {
  cols_ = std::max(0, cols);
  rows_ = std::max(0, rows);
  fixed_rows_ = fixed_rows;
  cells_.assign(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_), CellText());
  widths_.assign(static_cast<std::size_t>(cols_), 64);
  touch();
}

void Grid::set_col_count(int cols) {
  cols = std::max(0, cols);
  if (cols == cols_) return;
  std::vector<CellText> next(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      next[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
           static_cast<std::size_t>(c)] = std::move(cells_[index(r, c)]);
    }
  }
  cells_ = std::move(next);
  cols_ = cols;
  widths_.resize(static_cast<std::size_t>(cols_), 64);
  touch();
}

void Grid::set_row_count(int rows) {
  rows = std::max(0, rows);
  if (rows == rows_) return;
  const std::size_t need = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols_);
  if (need > cells_.size()) cells_.resize(need);
  // Rows that come back into view start empty, as a grid's new rows do.
  for (int r = rows_; r < rows; ++r) {
    for (int c = 0; c < cols_; ++c) cells_[index(r, c)].clear();
  }
  rows_ = rows;
  touch();
}

std::string_view Grid::cell(int row, int col) const {
  if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return {};
  return cells_[index(row, col)].view();
}

void Grid::clear_row(int row) {
  for (int c = 0; c < cols_; ++c) set(row, c, {});
}

void Grid::clear_body() {
  for (int r = fixed_rows_; r < rows_; ++r) clear_row(r);
}

void Grid::swap_rows(int a, int b) {
  if (a == b || a < 0 || b < 0 || a >= rows_ || b >= rows_) return;
  for (int c = 0; c < cols_; ++c) swap(cells_[index(a, c)], cells_[index(b, c)]);
  touch();
}

int Grid::col_width(int col) const {
  return col >= 0 && col < cols_ ? widths_[static_cast<std::size_t>(col)] : 0;
}

void Grid::set_col_width(int col, int width) {
  if (col < 0 || col >= cols_) return;
  change(widths_[static_cast<std::size_t>(col)], width);
}

CellStyle Grid::style(int row, int col) const {
  if (style_) return style_(*this, row, col);
  CellStyle s;
  if (row < fixed_rows_) s.background = colors::kBtnFace;
  return s;
}

void Grid::select(int row, int col) {
  change(sel_row_, row);
  change(sel_col_, col);
}

std::string ListControl::text() const {
  return index_ >= 0 && index_ < count() ? items_[static_cast<std::size_t>(index_)] : std::string();
}

int ListControl::index_of(std::string_view text) const {
  for (int i = 0; i < count(); ++i) {
    if (items_[static_cast<std::size_t>(i)] == text) return i;
  }
  return -1;
}

void ListControl::clear() {
  items_.clear();
  index_ = -1;
  touch();
}

void ListControl::add(std::string_view item) {
  items_.emplace_back(item);
  touch();
}

void ListControl::set_items(std::vector<std::string> items) {
  items_ = std::move(items);
  if (index_ >= count()) index_ = -1;
  touch();
}

void ListControl::set_item_index(int i) {
  if (i < -1 || i >= count()) i = -1;
  change(index_, i);
}

void CheckListBox::set_items(std::vector<std::string> items) {
  items_ = std::move(items);
  checked_.assign(items_.size(), false);
  touch();
}

bool CheckListBox::checked(int i) const {
  return i >= 0 && i < count() && checked_[static_cast<std::size_t>(i)];
}

void CheckListBox::set_checked(int i, bool c) {
  if (i < 0 || i >= count() || checked_[static_cast<std::size_t>(i)] == c) return;
  checked_[static_cast<std::size_t>(i)] = c;
  touch();
}

void CheckListBox::set_all(bool c) {
  for (int i = 0; i < count(); ++i) set_checked(i, c);
}

bool check_radio_item(std::initializer_list<Toggle*> items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return false;
  int i = 0;
  for (Toggle* t : items) t->set_checked(i++ == index);
  return true;
}

}  // namespace rv
