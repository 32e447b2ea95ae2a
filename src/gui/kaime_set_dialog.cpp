#include "gui/kaime_set_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace rv::gui {

KaimeSetDialog::KaimeSetDialog(TKaimeSetForm& form, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), binder_(dialogs, this) {
  setObjectName("KaimeSetForm");
  setWindowTitle(qs(TKaimeSetForm::Caption()));

  auto* caption = new QLabel(this);
  caption->setObjectName("Label1");
  binder_.label(caption, form.Label1);
  amount_ = new QLineEdit(this);
  amount_->setObjectName("AmountEdit");
  // Digits only, as many as the field takes: no sign, no separators.
  amount_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QString("\\d{0,%1}").arg(TKaimeSetForm::kDigits)), amount_));
  amount_->setMaxLength(TKaimeSetForm::kDigits);
  amount_->setAlignment(Qt::AlignRight);
  amount_->setMaximumWidth(
      amount_->fontMetrics().horizontalAdvance('0') * (TKaimeSetForm::kDigits + 2) + 12);
  binder_.edit(amount_, form.AmountEdit);
  auto* yen = new QLabel(QString::fromUtf8("円"), this);
  auto* note = new QLabel(this);
  note->setObjectName("Label2");
  note->setWordWrap(true);
  binder_.label(note, form.Label2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &KaimeSetDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &KaimeSetDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(caption);
  row->addWidget(amount_);
  row->addWidget(yen);
  row->addStretch(1);
  auto* top = new QVBoxLayout(this);
  top->addLayout(row);
  top->addWidget(note);
  top->addWidget(buttons);
}

void KaimeSetDialog::accept() {
  bool stored = false;
  binder_.run([&] {
    form_.OKBtnClick();
    stored = true;
  });
  if (stored) QDialog::accept();
}

void ShowKaimeSetForm(std::unique_ptr<TKaimeSetForm> form, Dialogs& dialogs, QWidget* parent) {
  KaimeSetDialog dialog(*form, dialogs, parent);
  dialog.exec();
}

}  // namespace rv::gui
