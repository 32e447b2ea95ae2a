#include "model/card_sort.h"

#include <array>

#include "support/text.h"

namespace rv {
namespace {

// "着順" and "確定人気" sort by the final position and final popularity columns (16, 17); the
// entry card has no columns beyond 18.
constexpr std::array<CardSortButton, kCardSortCount> kButtons = {{
    {"SpeedButton14", "馬番", 1, 10},
    {"SpeedButton15", "人気指数", 9, 13},
    {"SpeedButton17", "勝敗指数", 11, 13},
    {"SpeedButton18", "能力指数", 13, 9},
    {"SpeedButton20", "総合指数", 15, 11},
    {"SpeedButton3", "人気", 18, 1},
    {"SpeedButton16", "着順", 16, 1},
    {"SpeedButton2", "確定人気", 17, 1},
}};

std::size_t at(CardSort which) {
  const auto i = static_cast<std::size_t>(which);
  return i < kButtons.size() ? i : 0;
}

}  // namespace

const CardSortButton& CardSortButtonOf(CardSort which) {
  return kButtons[at(which)];
}

const std::string& CardSortCaption(CardSort which) {
  static const std::array<std::string, kCardSortCount> kCaptions = [] {
    std::array<std::string, kCardSortCount> a;
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = sj(kButtons[i].caption);
    return a;
  }();
  return kCaptions[at(which)];
}

void SortEntryCard(RaceCardControls& card) {
  const CardSortButton& b = CardSortButtonOf(static_cast<CardSort>(card.SortButtons.item_index()));
  SortGridRows(card.StringGrid26, b.primary, false, b.secondary);
}

bool IsEntryCardSortColumn(int col) {
  switch (col) {
    case 1:
    case 7:
    case 9:
    case 11:
    case 15:
    case 16:
    case 17:
      return true;
    default:
      return false;
  }
}

bool StringGrid26Press(RaceCardControls& card, int col) {
  if (!IsEntryCardSortColumn(col)) return false;
  SortBtn(card.StringGrid26, col, card.StringGrid26Sort.flip(col));
  return true;
}

}  // namespace rv
