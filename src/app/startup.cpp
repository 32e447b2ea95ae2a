#include "app/startup.h"

#include "acquire/jvlink_factory.h"
#include "support/text.h"

namespace rv {

bool JVLinkPresenceTest(Dialogs& dialogs) {
  if (jvlink_installed()) return true;
  dialogs.beep();
  dialogs.info(SJ("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"));
  return false;
}

}  // namespace rv
