// The ＶＲＨ windows on screen: the settings "VRH人気・オッズ絞り設定" (modal, created for each
// use) and the log window, which lives as long as the main window and shows when its form
// says so.
#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>

#include "app/vrh_set_form.h"
#include "gui/binder.h"
#include "stats/vrh_log.h"

namespace rv::gui {

class VrhSetDialog : public QDialog {
  Q_OBJECT

 public:
  VrhSetDialog(TVRHSetForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  TVRHSetForm& form_;
  Binder binder_;
};

void ShowVRHSetForm(std::unique_ptr<TVRHSetForm> form, Dialogs& dialogs, QWidget* parent);

class VrhLogWindow : public QWidget {
  Q_OBJECT

 public:
  VrhLogWindow(TVRHLogForm& form, Binder& binder, QWidget* parent);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TVRHLogForm& form_;
  Binder& binder_;
};

}  // namespace rv::gui
