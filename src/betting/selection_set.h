// Bet-selection sets: named rules that choose the axis horses and two groups of partner
// horses of a race by mining rank and win popularity, with odds ranges for the axis, the
// partners and the bets of each bet type. A set is stored as one fixed 240-byte line of
// userkaimeset.dat; names are Shift-JIS.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bet_type.h"

namespace rv {

inline constexpr std::size_t kSetLineLen = 240;
inline constexpr std::size_t kSetNamePos = 221;  // 1-based
inline constexpr std::size_t kSetNameLen = 20;
inline constexpr int kSetRanks = 18;

// The five check lists, in the order their flags stand in the line.
enum class RankList : std::uint8_t {
  kJiku,    // axis candidates by mining rank (JikuCheckListBox1)
  kHimoM1,  // ヒモ1 by mining rank (HimoCheckListBoxM1)
  kHimoN1,  // ヒモ1 by win popularity (HimoCheckListBoxN1)
  kHimoM2,  // ヒモ2 by mining rank (HimoCheckListBoxM2)
  kHimoN2,  // ヒモ2 by win popularity (HimoCheckListBoxN2)
};

// The five win-odds ranges, in the order of their spin edits (SpinEdit1/2 … SpinEdit9/10).
enum class WinOddsRule : std::uint8_t {
  kJiku,         // SpinEdit1/2
  kHimo1Mining,  // SpinEdit3/4
  kHimo2Mining,  // SpinEdit5/6
  kHimo1Ninki,   // SpinEdit7/8
  kHimo2Ninki,   // SpinEdit9/10
};

// The three choices among mining-rank candidates (NinCombo1..3).
enum class NinChoice : std::uint8_t { kAll = 0, kLeastPopular = 1, kMostPopular = 2 };

// Whole odds ("倍"), both ends included.
struct OddsRange {
  int low = 0;
  int high = 0;
  [[nodiscard]] bool contains(double odds) const { return low <= odds && odds <= high; }
  bool operator==(const OddsRange&) const = default;
};

struct SelectionSet {
  // ranks[list][r - 1]: rank r is ticked.
  std::array<std::array<bool, kSetRanks>, 5> ranks{};
  std::array<OddsRange, 5> win_odds{};  // by WinOddsRule
  // By the three mining-rank choices: axis, ヒモ1, ヒモ2.
  std::array<NinChoice, 3> nin{};
  // Drop horses whose win popularity is better than their mining rank: axis, ヒモ1, ヒモ2.
  std::array<bool, 3> exclude{};
  // Odds filters of 複勝, 馬連, ワイド, 馬単, ３連複, ３連単 (SpinEdit11/12 … SpinEdit21/22).
  std::array<OddsRange, 6> filters{};
  std::string name;  // Shift-JIS, as typed

  [[nodiscard]] bool ticked(RankList list, int rank) const;
  [[nodiscard]] const OddsRange& odds(WinOddsRule rule) const {
    return win_odds[static_cast<std::size_t>(rule)];
  }
  // The bet-odds filter of a bet type; nullopt for 単勝 and 枠連, which have none.
  [[nodiscard]] std::optional<OddsRange> filter(BetType t) const;
  bool operator==(const SelectionSet&) const = default;
};

// The stored line: five runs of 18 flags, ten "%4d", three "%1d", three flags, twelve "%7d"
// and the name field; always kSetLineLen bytes.
std::string SetLine(const SelectionSet& set);

// The name field: the name padded with spaces to 20 bytes, or cut to 20 bytes. A cut never
// splits a double-byte character; the half that would not fit becomes a space.
std::string SetNameField(std::string_view name);

// The name field of a stored line (bytes 221-240), padded to 20 bytes, so that a line whose
// trailing blanks an editor removed still names its set.
std::string LineSetName(std::string_view line);

// A stored line names a set when it reaches the name field and the name is not blank.
bool IsSetLine(std::string_view line);

// The six sets a new file starts with, in file order.
const std::vector<SelectionSet>& BuiltInSets();

}  // namespace rv
