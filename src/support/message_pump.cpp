#include "support/message_pump.h"

namespace rv {

void pump_messages(Dialogs& dialogs) {
  dialogs.process_events();
}

}  // namespace rv
