#include "model/bet_type.h"

#include "model/bet_type_traits.h"
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
    for (const BetType t : kBetTypes) {
      const auto i = static_cast<std::size_t>(bet_index(t));
      out.name[i] = sj(bet_traits(t).name);
      out.tab[i] = sj(bet_traits(t).tab_name);
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
  return bet_traits(t).horses;
}

}  // namespace rv
