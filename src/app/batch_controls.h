// A run over every stored day, shown at the right of the status bar while it lasts: the day
// it is at ("12/250日目 2026年12月06日"), a bar and "中止". The walks of the evaluation and of
// the development menu share it; only one runs at a time.
#pragma once

#include "support/controls.h"
#include "support/text.h"

namespace rv {

struct BatchControls {
  Control BatchPanel{kHidden};
  Label BatchLabel;
  ProgressBar BatchBar;
  Command BatchCancelBtn{sj("中止")};
};

}  // namespace rv
