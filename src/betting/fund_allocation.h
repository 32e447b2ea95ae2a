// Fund allocation (資金配分): spreads the investment amount of the race over the live bets
// of one bet table, filling its amount, return and return-rate columns and its totals 点数,
// 投資 and 予想回収. Two modes: "均等" (the same amount on every bet) and "比例" (amounts
// inversely proportional to the odds, so that every hit pays about the same).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "betting/bet_table.h"
#include "support/num_text.h"

namespace rv {

enum class AllocationMode : int { kEqual = 0, kProportional = 1 };

// The mode of RadioGroup1's index: 0 "均等"; 1, or a request past the last item, "比例".
AllocationMode AllocationModeOf(int item_index);

inline constexpr std::int64_t kMinBet = 100;  // yen: the least amount of one bet

// How the amount is spread over a table's bets, worked out from the table as it stands; then
// written row by row, so that whoever fills a table's other columns in the same walk does
// not walk its thousands of rows twice.
//
// A row counts when it has a number, is not erased and its odds cell is not blank; odds are
// read back from the cell. Nothing is allocated unless the amount is at least 100 yen, the
// table holds fewer than 4898 rows, its first row has odds and some row counts; then the
// amount, return and rate cells are left empty and the three totals cleared, so that no
// figure of an earlier amount stays beside the new one.
class Allocation {
 public:
  Allocation(const BetTable& table, AllocationMode mode, std::int64_t amount);

  [[nodiscard]] bool allocates() const { return counted_ > 0; }
  // The row's amount ("%6d"), return ("%7.0f") and return rate ("%7.1f"), or empty cells.
  void WriteRow(BetTable& table, int row) const;
  // 点数 ("%3d"), 投資 ("%6d"), 予想回収 ("%7.1f", black above 100, red above 0), or
  // nothing when nothing is allocated.
  void WriteTotals(BetTable& table) const;

 private:
  struct Row {
    bool live = false;    // a number and not erased
    bool counts = false;  // live, with odds in its cell
    std::int64_t tenths = 0;
  };
  static Row read(const BetTable& table, int row);
  // The rows as read, by row number: the thread's scratch rows, which keep their storage from
  // table to table (one Allocation at a time per thread).
  static std::vector<Row>& scratch();
  // The row's amount in yen; 0 for a row that gets none.
  [[nodiscard]] std::int64_t amount_of(const Row& row) const;

  AllocationMode mode_;
  std::int64_t amount_;
  std::int64_t counted_ = 0;   // N
  std::int64_t unit_ = 0;      // 均等: every counting row's amount
  double base_ = 0;            // 比例: the first row's odds x 100
  double weights_ = 0;         // 比例: the sum of base / odds over the counting rows
  std::int64_t invested_ = 0;  // T
  std::int64_t returns_ = 0;   // S: the sum of every row's return
  std::vector<Row>* rows_ = nullptr;
  NumText unit_text_;  // 均等: the amount every counting row shows
};

// AllocateFunds: the Allocation written into every row and the totals.
void AllocateFunds(BetTable& table, AllocationMode mode, std::int64_t amount);

// 追い上げ: the amount that wins back the loss L and the target profit P when a hit pays the
// table's expected return rate R (percent), with the increase factor Z (percent):
// Trunc((P + L) / (R - 100) * Z), then down to whole 100 yen. nullopt when no such amount
// exists: R of 100 or less (no profit to be had), or an amount below 100 yen.
std::optional<std::int64_t> OiageAmount(std::int64_t profit, std::int64_t loss, double rate,
                                        std::int64_t zogaku);

}  // namespace rv
