// One bet table: the bets of one bet type of the race on screen, as rows of what they are
// and as the grid that shows them, with its column layout and its four total labels. Bet
// generation fills the first columns, fund allocation the amounts and totals, hit analysis
// the result columns; the voting files and the mails read them. Every one of them skips
// erased rows and rows without a number.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The numbers of a combination, horses (brackets for 枠連) in the order of the label.
struct Kumi {
  std::array<int, 3> n{};
  int count = 0;
};

// The numbers of a combination cell of the type: for 単勝 and 複勝 a horse number as " 5" or
// "15", otherwise a label of the type's combination table (" 1- 5", " 1- 5- 7"). nullopt
// for any other text, so a damaged cell never reaches a voting file.
std::optional<Kumi> ParseKumi(BetType t, std::string_view cell);

// A bet as its row holds it, each field what its cell reads. The table's writers set a
// field together with the text they render for it; a cell set as text is read into its
// field, so the two never disagree.
struct BetRow {
  bool numbered = false;     // column 1 not blank
  bool erased = false;       // "消" in column 0 (blanks around it allowed)
  bool has_kumi = false;     // combination cell not blank
  bool has_odds = false;     // odds cell not blank
  bool has_amount = false;   // amount cell not blank
  Kumi kumi;                 // the combination; count 0 when the cell holds none
  int combo = 0;             // its index in the type's combination table, 0 for none
  int horse = 0;             // 単勝, 複勝: the horse number the cell reads as (inum)
  int ninki = 0;             // popularity rank as its cell reads
  std::array<int, 3> ren{};  // "連人気": each horse's win popularity as the cell reads
  std::int64_t amount = 0;   // "購入額" as its cell reads

  // A bet that counts: a number in column 1 and not erased.
  [[nodiscard]] bool live() const { return numbered && !erased; }
};

// The first columns of a row as generation writes them: the texts and what they hold.
struct BetCells {
  std::string_view kumi_text;
  Kumi kumi;
  int combo = 0;
  std::string_view odds_text;
  std::string_view ninki_text;
  int ninki = 0;
  std::string_view ren_text;  // "連人気" of the multi-horse tables
  std::array<int, 3> ren{};
};

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

  // The grid shows the rows; its cells are written through the table. The view takes it
  // mutable for its selection and redraws.
  [[nodiscard]] Grid& view_grid() { return grid_; }
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

  [[nodiscard]] std::string_view cell(int row, int col) const { return grid_.cell(row, col); }
  // Data row 1 .. data_rows(); any other row reads as an empty one.
  [[nodiscard]] const BetRow& bet(int row) const;
  // Column 0 holds "消" (blanks around it allowed).
  [[nodiscard]] bool erased(int row) const { return bet(row).erased; }
  // A bet that counts: a number in column 1 and not erased.
  [[nodiscard]] bool live(int row) const { return bet(row).live(); }

  // A cell written as text, and what its row reads from it.
  void set_cell(int row, int col, std::string_view text) {
    grid_.set(row, col, text);
    if (col <= BetColumns::kNinki || col == cols_.ren_ninki || col == cols_.amount)
      read_cell(row, col);
  }
  // A data row's erase mark, No., combination, odds, popularity and "連人気".
  void put_bet(int row, const BetCells& cells);
  // The amount cell of a data row: the amount and its text (empty for 0).
  void set_amount(int row, std::int64_t amount, std::string_view text);
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
  // Whether the row's bet is paid in the race set by set_race (which is not nullptr).
  [[nodiscard]] bool paid(int row) const;
  // Reads the cell's text into the row's field of its column.
  void read_cell(int row, int col);

  BetType type_;
  const BetColumns& cols_;
  Grid grid_;
  std::vector<BetRow> rows_;  // by grid row; row 0 (the headings) unused
  std::array<Label, 4> totals_;
  const RacePayouts* race_ = nullptr;
};

}  // namespace rv
