#include "gui/version_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/version.h"

namespace rv::gui {

TVersionForm::TVersionForm(QWidget* parent) : QDialog(parent) {
  setObjectName("VersionForm");
  setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(24, 16, 24, 12);
  auto* name = new QLabel(QString::fromUtf8("ラベリン"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(QString::fromUtf8(kVersionText.data(), kVersionText.size()), this);
  version->setObjectName("VersionLabel");
  version->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->setCenterButtons(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  col->addWidget(name);
  col->addWidget(version);
  col->addSpacing(8);
  col->addWidget(buttons);
  setFixedSize(sizeHint());
}

}  // namespace rv::gui
