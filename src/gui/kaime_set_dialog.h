// TKaimeSetForm on screen: the investment dialog "投資金設定", modal, created for each use and
// freed when it closes. It decides nothing itself.
#pragma once

#include <QDialog>
#include <memory>

#include "betting/kaime_set_form.h"
#include "gui/binder.h"

class QLineEdit;

namespace rv::gui {

class KaimeSetDialog : public QDialog {
  Q_OBJECT

 public:
  KaimeSetDialog(TKaimeSetForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

  [[nodiscard]] QLineEdit* amount_edit() const { return amount_; }

 public slots:
  // "OK": the form stores the amount and shows the race again. When either fails (the error
  // box says why) the dialog stays open; "キャンセル" still closes it.
  void accept() override;

 private:
  TKaimeSetForm& form_;
  Binder binder_;
  QLineEdit* amount_ = nullptr;
};

// Opens the dialog over a form as the menu item creates it and waits until it closes.
void ShowKaimeSetForm(std::unique_ptr<TKaimeSetForm> form, Dialogs& dialogs, QWidget* parent);

}  // namespace rv::gui
