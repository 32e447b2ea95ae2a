// Bet generation (GenerateBets, the hidden button "買い目"): the bets of seven bet types of
// the race on screen, built from the marks of the runner grid into the bet tables, each then
// completed by fund allocation, the finish-rate columns and the result columns.
//
// Every table holds its bets in ascending order of their combination labels, each once. The
// labels' numbers are "%2d" fields, so label order is the order of the combination indexes,
// and a walk over the indexes yields exactly the rows a sorted list of the bets' texts would.
#pragma once

#include <array>
#include <cstdint>

#include "betting/bet_marks.h"
#include "betting/bet_tables.h"
#include "betting/finish_rate.h"
#include "betting/fund_allocation.h"
#include "betting/selection_set.h"
#include "model/day.h"
#include "support/num_text.h"

namespace rv {

// The seven tables built from the marks, in the order they are completed (枠連 has its own
// extraction).
inline constexpr std::array<BetType, 7> kGeneratedTypes = {
    BetType::kTansho, BetType::kFukusho,    BetType::kUmaren,   BetType::kWide,
    BetType::kUmatan, BetType::kSanrenpuku, BetType::kSanrentan};

// The day holds the race's odds record of a two- or three-horse bet type (O2..O6): its race
// number reads at least 1. Always true for 単勝 and 複勝, which need no record of their own.
bool HasOddsRecord(const Day& day, int slot, BetType t);

// Steps 1-11 of generation: every generated table's totals cleared and its rows written with
// the bets of the marks that pass the set's odds filters: No., combination, odds, popularity
// and, for the multi-horse types, the win popularity of each horse ("連人気"). Without the
// type's odds record every combination stays, with blank odds and popularity. The columns
// after those are CompleteBetTable's, which writes all of them.
void BuildBetRows(const Day& day, int slot, const RunnerMarks& marks, const SelectionSet& set,
                  BetTables& tables);

// The "出現率" columns ("%5.1f" percent) of a table, by the race's registered runners and a
// popularity rank of the row; a rank that reads 0 leaves the cell empty. The 枠連 table's
// rates are its brackets' own and are left alone.
class FinishRateWriter {
 public:
  FinishRateWriter(const BetTable& table, int runners,
                   const FinishRateTable& rates = FinishRates());
  void WriteRow(BetTable& table, int row) const;

 private:
  std::array<FinishSource, 3> sources_{};
  int columns_ = 0;
  // Every text a cell can hold: by block and rank 1..18, and beyond the table.
  std::array<std::array<NumText, FinishRateTable::kRanks + 1>, FinishRateTable::kBlocks + 1> texts_;
  NumText outside_;
};
void FillFinishRates(BetTable& table, int runners, const FinishRateTable& rates = FinishRates());

// A table completed after its rows changed: allocation, finish rates, result columns.
void CompleteBetTable(const Day& day, int slot, BetTable& table, AllocationMode mode,
                      std::int64_t amount);

// GenerateBets: the rows of the seven tables from StringGrid8, then each completed.
void GenerateBets(const Day& day, int slot, const Grid& StringGrid8, const SelectionSet& set,
                  AllocationMode mode, std::int64_t amount, BetTables& tables);

}  // namespace rv
