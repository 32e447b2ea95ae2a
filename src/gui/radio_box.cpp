#include "gui/radio_box.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "gui/qt_text.h"

namespace rv::gui {

QGroupBox* radio_box(Binder& binder, RadioGroup& group, const char* name,
                     Qt::Orientation orientation, QWidget* parent, const Handler& on_user) {
  auto* box = new QGroupBox(qs(group.caption()), parent);
  box->setObjectName(name);
  QBoxLayout* items = nullptr;
  if (orientation == Qt::Horizontal) {
    items = new QHBoxLayout(box);
  } else {
    items = new QVBoxLayout(box);
  }
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
