#include "gui/radio_box.h"

#include <QRadioButton>
#include <string>
#include <vector>

#include "gui/qt_text.h"

namespace rv::gui {

QGroupBox* radio_box(Binder& binder, RadioGroup& group, const char* name,
                     QBoxLayout::Direction direction, QWidget* parent, const Handler& on_user) {
  auto* box = new QGroupBox(qs(group.caption()), parent);
  box->setObjectName(name);
  auto* items = new QBoxLayout(direction, box);
  std::vector<QAbstractButton*> buttons;
  for (const std::string& caption : group.items()) {
    auto* b = new QRadioButton(qs(caption), box);
    items->addWidget(b);
    buttons.push_back(b);
  }
  binder.radio(buttons, group, on_user);
  binder.control(box, group);
  return box;
}

}  // namespace rv::gui
