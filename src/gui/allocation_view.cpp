#include "gui/allocation_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/radio_box.h"

namespace rv::gui {
namespace {

constexpr int kAmountDigits = 9;

// The box with its unit after it.
QWidget* with_yen(QLineEdit* edit, QWidget* parent) {
  auto* w = new QWidget(parent);
  auto* row = new QHBoxLayout(w);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  row->addWidget(edit);
  row->addWidget(new QLabel(u8("円"), w));
  row->addStretch(1);
  return w;
}

}  // namespace

QLineEdit* yen_edit(Edit& edit, const char* name, Binder& binder, Handler on_user,
                    QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QString("\\d{0,%1}").arg(kAmountDigits)), box));
  box->setMaxLength(kAmountDigits);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance('0') * (kAmountDigits + 1) + 12);
  binder.edit(box, edit, std::move(on_user));
  return box;
}

QWidget* allocation_box(MainForm& form, Binder& binder, QWidget* parent) {
  AllocationControls& a = form.allocation;
  auto* box = new QWidget(parent);
  auto* col = new QVBoxLayout(box);
  col->setContentsMargins(0, 4, 0, 0);

  col->addWidget(radio_box(binder, a.RadioGroup1, "RadioGroup1", Qt::Horizontal, box,
                           [&form] { form.RadioGroup1Click(); }));

  auto* amount_row = new QFormLayout;
  amount_row->addRow(u8("投資金額"), with_yen(yen_edit(
                                                  a.SaNumEditExC1, "SaNumEditExC1", binder,
                                                  [&form] { form.SaNumEditExC1Change(); }, box),
                                              box));
  col->addLayout(amount_row);
  return box;
}

QWidget* oiage_group(MainForm& form, Binder& binder, QWidget* parent) {
  AllocationControls& a = form.allocation;
  auto* group = new QGroupBox(u8("追い上げ投資用"), parent);
  group->setObjectName("OiageGroup");
  auto* rows = new QFormLayout(group);
  rows->addRow(u8("目標利益金額"), with_yen(yen_edit(
                                                a.SaNumEditExC2, "SaNumEditExC2", binder,
                                                [&form] { form.SaNumEditExC2Change(); }, group),
                                            group));
  rows->addRow(u8("損失金額"), with_yen(yen_edit(
                                            a.SaNumEditExC3, "SaNumEditExC3", binder,
                                            [&form] { form.SaNumEditExC3Change(); }, group),
                                        group));
  auto* oiage = new QPushButton(group);
  oiage->setObjectName("OiageBtn");
  binder.command(oiage, form.kaime().OiageBtn, [&form] { form.OiageBtnClick(); });
  rows->addRow(QString(), oiage);
  return group;
}

}  // namespace rv::gui
