// TOzGetTimeForm on screen: "データﾞ自動取得時刻指定", modal, created for each use and freed
// when it closes.
#pragma once

#include <QDialog>
#include <memory>

#include "app/oz_get_time_form.h"
#include "gui/binder.h"

namespace rv::gui {

class OzGetTimeDialog : public QDialog {
  Q_OBJECT

 public:
  OzGetTimeDialog(TOzGetTimeForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

 public slots:
  // "OK": the values are stored; when that fails (the error box says why) the dialog stays.
  void accept() override;

 private:
  TOzGetTimeForm& form_;
  Binder binder_;
};

void ShowOzGetTimeForm(std::unique_ptr<TOzGetTimeForm> form, Dialogs& dialogs, QWidget* parent);

}  // namespace rv::gui
