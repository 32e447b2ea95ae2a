// One bet table: the grid in which the bets of one bet type of the race on screen stand,
// with its column layout and its four total labels. Bet generation fills the first columns,
// fund allocation the amounts and totals, hit analysis the result columns; the voting files
// and the mails read them. Every one of them skips erased rows and rows without a number.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/bet_type.h"
#include "model/bet_type_traits.h"
#include "model/day.h"
#include "support/controls.h"

namespace rv {

const BetColumns& bet_columns(BetType t);

// The four totals of a bet type, in the order the window shows them.
enum class BetTotal : std::uint8_t { kTensu, kToshi, kYosoKaishu, kKaishu };
inline constexpr std::array<BetTotal, 4> kBetTotals = {BetTotal::kTensu, BetTotal::kToshi,
                                                       BetTotal::kYosoKaishu, BetTotal::kKaishu};
// "点数", "投資", "予想回収", "回収".
const std::string& BetTotalCaption(BetTotal k);
// The label's name on the main window: "TanTensuLabel" … "SRTKaishuLabel".
const char* BetTotalLabelName(BetType t, BetTotal k);

// Whether a combination cell's text is the paid combination of a payout entry of its type.
// 単勝 and 複勝 compare the horse number the text reads as (a number above 0); the other
// types compare the text with the entry's label, a blank text never matching.
bool IsPaid(const PayoutEntry& entry, BetType t, std::string_view kumi);

// The payout entry of the type (1..its count) whose paid combination the text is, or 0.
int PaidEntry(const PayoutEntries& entries, BetType t, std::string_view kumi);

class BetTable {
 public:
  explicit BetTable(BetType type);
  BetTable(const BetTable&) = delete;
  BetTable& operator=(const BetTable&) = delete;

  [[nodiscard]] BetType type() const { return type_; }
  [[nodiscard]] const BetColumns& columns() const { return bet_columns(type_); }
  // "単勝" … "３連単".
  [[nodiscard]] const std::string& name() const { return BetTypeName(type_); }
  // "StringGrid3" … "StringGrid34".
  [[nodiscard]] const char* grid_name() const;

  [[nodiscard]] Grid& grid() { return grid_; }
  [[nodiscard]] const Grid& grid() const { return grid_; }
  [[nodiscard]] Label& total(BetTotal k) { return totals_[static_cast<std::size_t>(k)]; }
  [[nodiscard]] const Label& total(BetTotal k) const {
    return totals_[static_cast<std::size_t>(k)];
  }

  // Data rows are 1 .. data_rows(); a table always has at least one.
  [[nodiscard]] int data_rows() const { return grid_.row_count() - 1; }
  // n data rows (at least one); rows that come back start empty.
  void set_data_rows(int n);
  // Every data cell emptied and one data row left, as generation starts a table.
  void Clear();
  // Empties the four total labels (texts only; colours stay).
  void ClearTotals();

  [[nodiscard]] const std::string& cell(int row, int col) const { return grid_.cell(row, col); }
  // Column 0 holds "消" (blanks around it allowed).
  [[nodiscard]] bool erased(int row) const;
  // A bet that counts: a number in column 1 and not erased.
  [[nodiscard]] bool live(int row) const;
  // The No. text of bet i in this table's width (" 9", " 10", "  10").
  [[nodiscard]] std::string no_text(int i) const;
  // "消" in column 0, or empty.
  void set_erased(int row, bool erased);

  // Sorts rows 1 .. last by the text of the column (byte order), descending or ascending;
  // rows with equal text there then stand in ascending order of column 1, or of column 2
  // when sorting by column 1. Rows equal in both keep their order.
  void Sort(int col, bool descending);

  // The payouts of the race on screen, which colour the combination column; nullptr for none.
  void set_race(const RacePayouts* payouts) { race_ = payouts; }
  // The drawing rule of the grid (the DrawCell handler).
  [[nodiscard]] CellStyle DrawCell(int row, int col) const;

 private:
  BetType type_;
  Grid grid_;
  std::array<Label, 4> totals_;
  const RacePayouts* race_ = nullptr;
};

}  // namespace rv
