// The fund-allocation controls of the main window, which the race selection fills and bet
// construction reads.
#pragma once

#include "support/controls.h"
#include "support/text.h"

namespace rv {

struct AllocationControls {
  RadioGroup RadioGroup1{sj("資金配分"), {sj("均等"), sj("比例")}};  // [KaimeSet] HaibunSet
  // Set by every race selection: the race's investment amount, the target profit and the
  // loss carried from the loss register.
  Edit SaNumEditExC1;
  Edit SaNumEditExC2;
  Edit SaNumEditExC3;
};

}  // namespace rv
