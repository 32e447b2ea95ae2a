// The finish-rate table learned from the user's stored days: per number of runners and final
// win popularity, how many horses there were and how many won, finished in the first two and
// in the first three. Kept as counts in "\STAT\finishrate.csv" and read as fractions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "betting/finish_rate.h"
#include "model/day.h"

namespace rv {

class FinishRateCounts {
 public:
  struct Cell {
    long long horses = 0;
    long long wins = 0;
    long long top2 = 0;
    long long top3 = 0;
  };

  // Every race of the loaded day that holds results (a horse with a final position).
  void AddDay(const Day& day);
  [[nodiscard]] const Cell& cell(int runners, int rank) const;
  Cell& cell(int runners, int rank);

  // One line per runners and rank: "runners,rank,horses,wins,top2,top3".
  [[nodiscard]] std::vector<std::string> lines() const;
  // nullopt when a line is not such a line, a cell repeats or its counts contradict each
  // other: a damaged file gives no table at all, never part of one.
  static std::optional<FinishRateCounts> Parse(const std::vector<std::string>& lines);

  [[nodiscard]] FinishRateTable table() const;

 private:
  static constexpr int kRunnerRows =
      FinishRateTable::kMaxRunners - FinishRateTable::kMinRunners + 1;
  std::array<std::array<Cell, FinishRateTable::kRanks>, kRunnerRows> cells_{};
};

inline constexpr const char* kFinishRateFile = "\\STAT\\finishrate.csv";

// Start-up: the table of "\STAT\finishrate.csv" becomes the one the bet tables use. Without
// the file the table stays zero; a damaged file leaves it zero too and answers the message
// to show (Shift-JIS), else empty.
std::string LoadFinishRateFile();

}  // namespace rv
