#include "output/tohyo_controls.h"

namespace rv {

TohyoControls::TohyoControls() {
  for (const BetType t : kBetTypes) {
    PopupTohyo[static_cast<std::size_t>(bet_index(t))] = Command(BetTypeTabName(t));
  }
}

}  // namespace rv
