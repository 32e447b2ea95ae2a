// "不出現数": per stored day, how often each popularity rank 1..36 was a paid 枠連
// combination, as the CSV lines of "\HPupload\ninkicount.csv".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/day.h"

namespace rv {

struct NinkiCount {
  int races = 0;
  std::array<int, kWakurenCount> by_rank{};  // rank 1 at index 0

  // The ranks of race `slot`'s paid 枠連 combinations (a dead heat pays up to three).
  void AddRace(const Day& day, int slot);
};

// Quoted fields joined by ",", ending with an empty field: "開催日","ﾚｰｽ数","1人" … "36人","".
std::string NinkiCountHeader();
// The day's line in the same shape: the date, the races, the 36 counts.
std::string NinkiCountLine(std::string_view date, const NinkiCount& count);

}  // namespace rv
