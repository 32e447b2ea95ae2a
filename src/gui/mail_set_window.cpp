#include "gui/mail_set_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace rv::gui {

MailSetWindow::MailSetWindow(TMailSetForm& form, ListControl& mail_log, Binder& binder,
                             QWidget* parent)
    : QDialog(parent), form_(form), binder_(binder) {
  setObjectName("MailSetForm");
  setWindowTitle(qs(TMailSetForm::Caption()));
  setWindowModality(Qt::ApplicationModal);

  auto* fields = new QFormLayout;
  const auto field = [&](const char* caption, Edit& edit, const char* name,
                         void (TMailSetForm::*changed)()) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance('m') * 28);
    binder.edit(box, edit, [&form, changed] { (form.*changed)(); });
    fields->addRow(u8(caption), box);
    return box;
  };
  field("携帯メールアドレス", form.MailToEdit, "MailToEdit", &TMailSetForm::MailToEditChange);
  field("送信元メールアドレス", form.MailFromEdit, "MailFromEdit",
        &TMailSetForm::MailFromEditChange);
  field("SMTPサーバー", form.SMTPEdit, "SMTPEdit", &TMailSetForm::SMTPEditChange);
  field("ユーザーID", form.IDEdit, "IDEdit", &TMailSetForm::IDEditChange);
  QLineEdit* pass = field("パスワード", form.PassEdit, "PassEdit", &TMailSetForm::PassEditChange);
  pass->setEchoMode(QLineEdit::Password);
  pass->setStyleSheet("lineedit-password-character: 42");  // masked with "*"
  QLineEdit* port =
      field("SMTPポート", form.SMTPPortEdit, "SMTPPortEdit", &TMailSetForm::SMTPPortEditChange);
  port->setMaximumWidth(port->fontMetrics().horizontalAdvance('0') * 8 + 12);
  auto* note = new QLabel(this);
  note->setWordWrap(true);
  binder.label(note, form.PortNote);
  fields->addRow(QString(), note);

  auto* security = new QHBoxLayout;
  std::vector<QAbstractButton*> choices;
  for (const std::string& item : form.SecurityGroup.items()) {
    auto* b = new QRadioButton(qs(item), this);
    security->addWidget(b);
    choices.push_back(b);
  }
  security->addStretch(1);
  binder.radio(choices, form.SecurityGroup, [&form] { form.SecurityGroupClick(); });
  fields->addRow(qs(form.SecurityGroup.caption()), security);

  auto* send = new QPushButton(this);
  send->setObjectName("SendTestBtn");
  binder.command(send, form.SendTestBtn, [&form] { form.SendTestBtnClick(); });
  auto* close = new QPushButton(u8("閉じる"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(send);
  buttons->addWidget(close);

  auto* log = new QListWidget(this);
  log->setObjectName("MailLog");
  log->setMinimumHeight(log->fontMetrics().height() * 6);
  binder.list(log, mail_log);

  auto* status = new QLabel(this);
  status->setObjectName("StatusBar1");
  status->setFrameShape(QFrame::Panel);
  status->setFrameShadow(QFrame::Sunken);
  binder.label(status, form.StatusBar1);

  auto* top = new QVBoxLayout(this);
  top->addLayout(fields);
  top->addLayout(buttons);
  top->addWidget(new QLabel(u8("送信ログ"), this));
  top->addWidget(log, 1);
  top->addWidget(status);
}

void MailSetWindow::ShowFilled() {
  binder_.run([this] { form_.MailMenuClick(); });
  show();
  raise();
  activateWindow();
}

}  // namespace rv::gui
