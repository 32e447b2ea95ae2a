// A group box of radio buttons, one per item of a core radio group.
#pragma once

#include <QGroupBox>

#include "gui/binder.h"

namespace rv::gui {

// Named `name`, with the group's caption and its buttons laid out along `orientation`; bound to the
// group (shown, enabled, the checked item), on_user running after the user picks an item.
QGroupBox* radio_box(Binder& binder, RadioGroup& group, const char* name,
                     Qt::Orientation orientation, QWidget* parent, const Handler& on_user = {});

}  // namespace rv::gui
