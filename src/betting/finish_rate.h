// Finish rates: how often the horse of a given win popularity finishes first (block 1), in
// the first two (block 2) or in the first three (block 3), by the number of runners. They
// fill the "出現率" columns of the bet tables. Until a table learned from the stored days is
// set, every rate is 0.
#pragma once

#include <array>
#include <string>

namespace rv {

class FinishRateTable {
 public:
  static constexpr int kMinRunners = 4;
  static constexpr int kMaxRunners = 18;
  static constexpr int kBlocks = 3;
  static constexpr int kRanks = 18;

  // Percent (the stored fraction x 100). Outside the table (fewer than 4 or more than 18
  // runners, a block other than 1..3, a rank below 1 or above 18) the rate is 0.
  [[nodiscard]] double Lookup(int runners, int block, int rank) const;
  // Stores a fraction 0..1; outside the table nothing changes.
  void set(int runners, int block, int rank, double fraction);

 private:
  std::array<std::array<std::array<double, kRanks>, kBlocks>, kMaxRunners - kMinRunners + 1>
      freq_{};
};

// The table the bet tables use, and its replacement (at start-up and after a new build).
const FinishRateTable& FinishRates();
void SetFinishRates(const FinishRateTable& table);

// The text of a "出現率" cell: the rate as "%5.1f", or empty when the rank is below 1.
std::string FinishRateText(const FinishRateTable& table, int runners, int block, int rank);

}  // namespace rv
