// TGetDataForm on screen: the stored-data window "ＪＶデータ取込", a modal dialog over the
// core form, created for each use. It decides nothing itself; while a run goes on it stays
// responsive (the read loop lets its messages run) and refuses to close.
#pragma once

#include <QDialog>

#include "acquire/stored_download.h"
#include "gui/binder.h"

class QTimer;

namespace rv::gui {

class GetDataWindow : public QDialog {
  Q_OBJECT

 public:
  // The form has been created (FormCreate); the window runs the form's handlers through its
  // own binder, whose views follow the form while the read loop runs.
  GetDataWindow(TGetDataForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

  [[nodiscard]] Binder& binder() { return binder_; }

 public slots:
  // Escape and the close box both ask the form first.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool may_close();

  TGetDataForm& form_;
  Binder binder_;
  QTimer* status_timer_ = nullptr;
};

// "JVデータ取得": the window created, shown modally and destroyed; returns once it closed.
void ShowGetDataForm(Dialogs& dialogs, JVLink& jvlink, QWidget* parent);

}  // namespace rv::gui
