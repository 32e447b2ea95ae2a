// The eight JRA bet types, always in this order, with the names the window, the files and the
// mails use for them. Texts are Shift-JIS.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

enum class BetType : int {
  kTansho,      // 単勝 win
  kFukusho,     // 複勝 place
  kWakuren,     // 枠連 bracket quinella
  kUmaren,      // 馬連 quinella
  kWide,        // ワイド
  kUmatan,      // 馬単 exacta
  kSanrenpuku,  // ３連複 trio
  kSanrentan,   // ３連単 trifecta
};

inline constexpr int kBetTypeCount = 8;
inline constexpr std::array<BetType, kBetTypeCount> kBetTypes = {
    BetType::kTansho, BetType::kFukusho, BetType::kWakuren,    BetType::kUmaren,
    BetType::kWide,   BetType::kUmatan,  BetType::kSanrenpuku, BetType::kSanrentan};

// Position in the fixed order, 0..7 (also the tab index of the bet tables).
constexpr int bet_index(BetType t) {
  return static_cast<int>(t);
}
// The bet type at a position; nullopt outside 0..7.
std::optional<BetType> bet_type_at(int index);

// "単勝" … "３連単".
const std::string& BetTypeName(BetType t);
// The spelling of menus and tabs: "三連複", "三連単" for the last two.
const std::string& BetTypeTabName(BetType t);
// A bet type from its name, its tab spelling or its position "0".."7"; nullopt otherwise.
std::optional<BetType> BetTypeFromText(std::string_view sjis);

// Horses (brackets for 枠連) a combination of the type names: 1, 2 or 3.
int horses_per_bet(BetType t);

}  // namespace rv
