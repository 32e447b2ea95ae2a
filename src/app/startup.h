// What runs before the main window exists.
#pragma once

#include "support/services.h"

namespace rv {

// The presence test: true when JV-Link is installed. Otherwise beeps, tells the user where
// to get it and answers false; the program then ends with exit status 1 before any window
// opens.
bool JVLinkPresenceTest(Dialogs& dialogs);

}  // namespace rv
