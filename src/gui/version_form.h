// The version window: the program's name and its version text.
#pragma once

#include <QDialog>

namespace rv::gui {

class TVersionForm : public QDialog {
  Q_OBJECT

 public:
  explicit TVersionForm(QWidget* parent = nullptr);
};

}  // namespace rv::gui
