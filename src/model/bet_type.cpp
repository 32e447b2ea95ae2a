#include "model/bet_type.h"

#include "support/text.h"

namespace rv {
namespace {

struct Names {
  std::array<std::string, kBetTypeCount> name;
  std::array<std::string, kBetTypeCount> tab;
};

const Names& names() {
  static const Names n = [] {
    Names out;
    const char* name[] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単"};
    const char* tab[] = {"単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "三連複", "三連単"};
    for (int i = 0; i < kBetTypeCount; ++i) {
      out.name[static_cast<std::size_t>(i)] = sj(name[i]);
      out.tab[static_cast<std::size_t>(i)] = sj(tab[i]);
    }
    return out;
  }();
  return n;
}

}  // namespace

std::optional<BetType> bet_type_at(int index) {
  if (index < 0 || index >= kBetTypeCount) return std::nullopt;
  return static_cast<BetType>(index);
}

const std::string& BetTypeName(BetType t) {
  return names().name[static_cast<std::size_t>(bet_index(t))];
}

const std::string& BetTypeTabName(BetType t) {
  return names().tab[static_cast<std::size_t>(bet_index(t))];
}

std::optional<BetType> BetTypeFromText(std::string_view sjis) {
  const std::string_view text = trim(sjis);
  if (text.size() == 1 && all_digits(text)) return bet_type_at(text[0] - '0');
  for (const BetType t : kBetTypes) {
    if (text == BetTypeName(t) || text == BetTypeTabName(t)) return t;
  }
  return std::nullopt;
}

int horses_per_bet(BetType t) {
  switch (t) {
    case BetType::kTansho:
    case BetType::kFukusho:
      return 1;
    case BetType::kSanrenpuku:
    case BetType::kSanrentan:
      return 3;
    default:
      return 2;
  }
}

}  // namespace rv
