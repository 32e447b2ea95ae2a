// The main window on a fresh program folder: the form's rig with the Qt window over it.
#pragma once

#include <QtGlobal>
#include <memory>

#include "common/form_rig.h"
#include "gui/main_window.h"

namespace rv::gui {

struct WindowRig : testing::FormRig {
  std::unique_ptr<TMainForm> window;

  // The window over a form built now; the window starts the form itself.
  TMainForm& open() {
    build();
    window = std::make_unique<TMainForm>(*form);
    return *window;
  }

  // The window's widget of that object name; a missing one ends the test program.
  template <typename T>
  T* find(const char* name) const {
    T* w = window->findChild<T*>(name);
    if (w == nullptr) qFatal("no %s", name);
    return w;
  }
};

}  // namespace rv::gui
