// Showing a widget as its control says.
#pragma once

#include <QWidget>

namespace rv::gui {

// A widget never shown or hidden by hand follows its parent; a control's state must be
// applied explicitly even when the widget already reads as hidden.
inline void set_shown(QWidget& w, bool shown) {
  if (!w.testAttribute(Qt::WA_WState_ExplicitShowHide) || w.isHidden() == shown) {
    w.setVisible(shown);
  }
}

}  // namespace rv::gui
