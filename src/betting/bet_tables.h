// The eight bet tables of the race on screen, one tab each of PageControl4 in BetType order,
// with what they share: the sort directions of their headings, the highlighting of the
// active type's totals, and the recomputation a click in a table asks for.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "betting/bet_table.h"

namespace rv {

class BetTables {
 public:
  // Runs after a click in a data row of a table (its total labels already cleared): fund
  // allocation, the finish-rate columns and the result columns of that table.
  using RecomputeFn = std::function<void(BetTable&)>;

  BetTables();
  BetTables(const BetTables&) = delete;
  BetTables& operator=(const BetTables&) = delete;

  [[nodiscard]] BetTable& operator[](BetType t) { return tables_[index(t)]; }
  [[nodiscard]] const BetTable& operator[](BetType t) const { return tables_[index(t)]; }
  [[nodiscard]] auto begin() { return tables_.begin(); }
  [[nodiscard]] auto end() { return tables_.end(); }
  [[nodiscard]] auto begin() const { return tables_.begin(); }
  [[nodiscard]] auto end() const { return tables_.end(); }

  void set_recompute(RecomputeFn fn) { recompute_ = std::move(fn); }
  // The race whose paid combinations are drawn in magenta (the race on screen).
  void set_race(const RacePayouts* payouts);

  // Mouse press on a cell: on the heading row in a column >= 1, flips that column's sort
  // direction (shared within the table's group) and sorts the table.
  void MouseDown(BetType t, int row, int col);
  // Click on a cell: on a data row, column 0 toggles the erase mark; then the type's total
  // labels are cleared and the table recomputed.
  void Click(BetType t, int row, int col);
  // The hand pointer shows over the heading row and the erase column.
  [[nodiscard]] static bool HandCursor(int row, int col) { return row == 0 || col == 0; }

  // The tabs "単勝" … "三連単"; after the active tab changed, PageControl4Change highlights
  // the totals of its bet type (none on the 枠連 tab).
  TabControl PageControl4;
  void PageControl4Change();

  // The sort direction a table's column has now (true = the last sort was descending).
  [[nodiscard]] bool sort_descending(BetType t, int col) const;
  // The column the table's group was last sorted by (0 before any sort).
  [[nodiscard]] int sort_column(BetType t) const { return sort_col_[sort_group(t)]; }

 private:
  static std::size_t index(BetType t) { return static_cast<std::size_t>(bet_index(t)); }
  // 単勝, 複勝, the two-horse tables and the three-horse tables keep one set of flags each.
  static std::size_t sort_group(BetType t);

  std::array<BetTable, kBetTypeCount> tables_;
  std::array<std::array<bool, 16>, 4> sort_desc_{};
  std::array<int, 4> sort_col_{};
  RecomputeFn recompute_;
};

// The tables as text lines (Shift-JIS), per bet type in order: "## <bet type> <grid name>",
// every grid row with its cells exactly as held joined by TABs (headings first), then
// "totals" and the texts of the four total labels, TAB-separated.
std::vector<std::string> BetTablesListing(const BetTables& tables);
// One table's rows and "totals" line as the listing above has them, added to `lines`.
void BetTableListing(const BetTable& table, std::vector<std::string>& lines);

}  // namespace rv
