// The list of stored race days, as the date box shows it.
#pragma once

#include "support/controls.h"

namespace rv {

// Fills the date box with the days of the "*.jvRA" files in "\Data", newest first, each
// as the first 14 bytes of its Shift-JIS name: "yyyy年mm月dd日". Names that do not start
// with such a date are left out (no day could be loaded from them), and so is a second
// file of the same day. No item is selected afterwards.
void MakeDataList(ListControl& DateCombo);

}  // namespace rv
