// The user's manual: AppDir + "\Ravelin.pdf", opened with the shell.
#pragma once

#include "support/services.h"

namespace rv {

// "ヘルプ" and "使用解説書(&C)". A missing manual beeps and says so.
void OpenManual(Dialogs& dialogs, Desktop& desktop);

}  // namespace rv
