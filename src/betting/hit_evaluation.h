// Hits of the bets of one table against the race's payouts: the result columns (結果配当,
// 結果回収, 結果人気) and the table's return total 回収.
#pragma once

#include <array>
#include <cstdint>

#include "betting/bet_table.h"
#include "model/day.h"

namespace rv {

// EvaluateBetTable. The result cells of every data row are emptied first; then each live row
// (a number, not erased) that is one of the paid combinations gets the payout ("%7d"), the
// payout times its amount / 100 ("%7d"; for 枠連 only when that is above 0) and the
// popularity ("%3d"). A dead heat pays several entries, and each of them hits its own row.
// The return total goes into 回収 as "%8d", red when above the number in 投資, else black; a
// total of 0 empties it. Answers the total.
std::int64_t EvaluateBetTable(BetTable& table, const PayoutEntries& entries);

// The payout entries of one bet type, each as the key a row's bet matches: the
// horse number the entry reads as (単勝, 複勝), or the combination index of an entry that
// is exactly a label of the type; worked out once for a table's thousands of rows.
class PaidBets {
 public:
  PaidBets(const PayoutEntries& entries, BetType t);
  [[nodiscard]] int count() const { return count_; }
  [[nodiscard]] const PayoutEntry& entry(int k) const {
    return *entries_[static_cast<std::size_t>(k)];
  }
  [[nodiscard]] bool hits(int k, const BetRow& row) const {
    const int bet = single_ ? row.horse : row.combo;
    return bet > 0 && key_[static_cast<std::size_t>(k)] == bet;
  }

 private:
  static constexpr std::size_t kMost = 8;  // the most entries of a type (ワイド's 7)
  std::array<const PayoutEntry*, kMost> entries_{};
  std::array<int, kMost> key_{};
  int count_ = 0;
  bool single_ = false;
};

// The same in pieces, for a walk that fills other columns too: one row's result cells, which
// answers the row's return, and the return label from the total of every row.
std::int64_t EvaluateBetRow(BetTable& table, int row, const PaidBets& paid);
void ShowReturnTotal(BetTable& table, std::int64_t total);

// The payout entries of a bet type of race `slot` of the loaded day, as the results tab shows
// them: the payout display table built from the race's payout record when the day loads, so
// a loaded day shows its hits at once.
const PayoutEntries& RacePayoutEntries(const Day& day, int slot, BetType t);

}  // namespace rv
