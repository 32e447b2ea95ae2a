// TMailSetForm on screen: "ﾒｰﾙ設定", application-modal while shown (opened without blocking,
// so that the mail's events keep arriving), created with the main window and hidden on close.
#pragma once

#include <QDialog>

#include "app/mail_set_form.h"
#include "gui/binder.h"

namespace rv::gui {

class MailSetWindow : public QDialog {
  Q_OBJECT

 public:
  // mail_log: the main window's list of what the mail components reported.
  MailSetWindow(TMailSetForm& form, ListControl& mail_log, Binder& binder, QWidget* parent);
  // The edits from the settings, then shown.
  void ShowFilled();

 private:
  TMailSetForm& form_;
  Binder& binder_;
};

}  // namespace rv::gui
