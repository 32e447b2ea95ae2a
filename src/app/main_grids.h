// The main window's grids that no subsystem holds yet: their headings and column widths are
// set when the window is created. The race card's grids and the bet tables live with their
// subsystems (RaceCardControls, BetTables).
#pragma once

#include "support/controls.h"

namespace rv {

struct MainGrids {
  MainGrids();

  Grid StringGrid2;   // 枠連 odds by popularity (preview page)
  Grid StringGrid27;  // 馬連 and 馬単 results
};

}  // namespace rv
