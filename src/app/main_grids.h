// The main window's grids that no subsystem holds yet: their headings and column widths are
// set when the window is created. The race card's grids, the bet tables and the preview's
// odds table live with their subsystems (RaceCardControls, BetTables, PreviewControls).
#pragma once

#include "support/controls.h"

namespace rv {

struct MainGrids {
  MainGrids();

  Grid StringGrid27;  // 馬連 and 馬単 results
};

}  // namespace rv
