// The main window without widgets on the AppDir as it is when made (a stored program folder
// of stored_days.h), with services that show nothing; the benchmark starts it as it needs.
#pragma once

#include <memory>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "common/fake_services.h"

namespace rv::bench {

struct StoredDaysForm {
  testing::FakeDialogs dialogs;
  testing::FakeDesktop desktop;
  NoInstallLocator installs;
  std::unique_ptr<JVLink> jvlink = create_jvlink();
  QueueDispatcher dispatcher;
  MainForm form{dialogs, desktop, installs, *jvlink, dispatcher};
};

}  // namespace rv::bench
