// What the tool windows that stay beside the main window share (the selection sets, the loss
// register): closing only hides the form, and the form keeps its place across activations,
// loading it when the window comes forward and storing it when another window does.
#pragma once

#include <QCloseEvent>
#include <QEvent>
#include <QWidget>

#include "gui/binder.h"

namespace rv::gui {

// Form: a window form with Form (its visibility), Top, Left, FormActivate, FormDeactivate.
template <typename Form>
void ToolWindowClosed(Binder& binder, Form& form) {
  binder.run([&form] { form.Form.set_visible(false); });
}

template <typename Form>
void ToolWindowChanged(QWidget& window, Binder& binder, Form& form, const QEvent& event) {
  if (event.type() != QEvent::ActivationChange) return;
  if (window.isActiveWindow()) {
    binder.run([&form] { form.FormActivate(); });
    window.move(form.Left, form.Top);
  } else {
    form.Top = window.y();
    form.Left = window.x();
    binder.run([&form] { form.FormDeactivate(); });
  }
}

}  // namespace rv::gui
