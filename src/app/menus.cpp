#include "app/menus.h"

namespace rv {

// The radio items start on the settings' defaults, so that a stored value outside the
// choices leaves the default checked.
Menus::Menus() {
  WakurenRitsuYusen.set_checked(true);
  DefaultKaime.set_checked(true);
  KaimeJoi.set_checked(true);
  SelHaiR1.set_checked(true);
}

}  // namespace rv
