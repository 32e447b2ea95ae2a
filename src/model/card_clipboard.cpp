#include "model/card_clipboard.h"

#include <algorithm>

namespace rv {

std::string CardClipboardText(const RaceCardControls& card, const Grid& grid, int left, int top,
                              int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, grid.col_count() - 1);
  bottom = std::min(bottom, grid.row_count() - 1);
  if (left > right || top > bottom) return {};
  std::string text;
  for (const Label* l : {&card.Label1, &card.Label2, &card.Label3, &card.Label4}) {
    text += l->text();
    text += "\r\n";
  }
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      text += grid.cell(r, c);
      text += c < right ? "\t" : "\r\n";
    }
  }
  return text;
}

std::string CardClipboardText(const RaceCardControls& card, const Grid& grid) {
  return CardClipboardText(card, grid, 0, 0, grid.col_count() - 1, grid.row_count() - 1);
}

}  // namespace rv
