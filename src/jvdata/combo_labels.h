// Combination labels and indexes. Every multi-horse bet is addressed by its 1-based position
// in a fixed ordering (numbers ascending from the first horse on); its label is each number
// as "%2d" joined by "-": " 1- 2", " 1- 2- 3". A label-to-index function gives 0 for any
// text that is not exactly a label of its table.
#pragma once

#include <string>
#include <string_view>

namespace rv {

inline constexpr int kWakurenCount = 36;      // brackets a <= b, 1..8
inline constexpr int kUmarenCount = 153;      // horses a < b, 1..18 (quinella and wide)
inline constexpr int kUmatanCount = 306;      // horses a != b
inline constexpr int kSanrenpukuCount = 816;  // horses a < b < c
inline constexpr int kSanrentanCount = 4896;  // horses a, b, c all different

int WakurenIndex(std::string_view label);
int UmarenIndex(std::string_view label);
int UmatanIndex(std::string_view label);
int SanrenpukuIndex(std::string_view label);
// Reads the first 8 characters only: "18-17-16" followed by anything is 4896.
int SanrentanIndex(std::string_view label);

// The label of an index; empty outside 1..count.
const std::string& WakurenLabel(int index);
const std::string& UmarenLabel(int index);
const std::string& UmatanLabel(int index);
const std::string& SanrenpukuLabel(int index);
const std::string& SanrentanLabel(int index);

}  // namespace rv
