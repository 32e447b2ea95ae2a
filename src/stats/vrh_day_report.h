// The ＶＲＨ day report: how the day's ＶＲＨ horses did in win and place betting beside all
// horses, as report lines and the day's summary line of "\VRHlog.txt"; and the day's horses
// with their pattern numbers as CSV lines.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "betting/vrh_ranges.h"
#include "model/day.h"

namespace rv {

// Patterns by win popularity rank: 1 = A (2-3), 2 = B (4-5), 3 = C (6-8), 4 = D (9-11),
// 5 = E (12-14), 6 = F (15-18); 0 for any other rank.
inline constexpr int kVrhPatterns = 6;
int VrhPattern(int win_rank);
char VrhPatternLetter(int pattern);  // 'A'..'F'

// Win and place figures of a group of horses; sums are payouts per 100 yen.
struct VrhTally {
  int listed = 0;  // every horse of the group, bet or not
  int n = 0;       // investment horses
  int win_hits = 0;
  int win_sum = 0;
  int place_hits = 0;
  int place_sum = 0;
};

struct VrhDayReport {
  std::string date;  // YYYYMMDD of race slot 0
  std::vector<std::string> lines;
  VrhTally all;
  VrhTally vrh;
  std::array<VrhTally, kVrhPatterns> patterns;
  // The day's line of the log (78 characters).
  [[nodiscard]] std::string log_line() const;
};

// The report of the loaded day; `heading` is the date box's text. Shift-JIS lines.
VrhDayReport BuildVrhDayReport(const Day& day, const VrhRanges& ranges, std::string_view heading);

// One line per race and horse: race code, 馬番, "," and the pattern number of a ＶＲＨ horse
// (0 for a horse that is none).
void AppendVrhCsvLines(const Day& day, const VrhRanges& ranges, std::vector<std::string>& out);

}  // namespace rv
