#include "gui/vrh_windows.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/grid_view.h"
#include "gui/qt_text.h"
#include "gui/radio_box.h"

namespace rv::gui {
namespace {

// An edit that takes `pattern`, right-aligned and `digits` wide.
QLineEdit* number_edit(Binder& binder, Edit& edit, const char* name, const char* pattern,
                       int digits, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), e));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance('0') * digits + 16);
  binder.edit(e, edit);
  return e;
}

// "from" edit, "～", "to" edit and a unit, on one line.
QHBoxLayout* range_row(QLineEdit* from, QLineEdit* to, const char* unit) {
  auto* row = new QHBoxLayout;
  row->addWidget(from);
  row->addWidget(new QLabel(u8("～")));
  row->addWidget(to);
  row->addWidget(new QLabel(u8(unit)));
  row->addStretch(1);
  return row;
}

}  // namespace

VrhSetDialog::VrhSetDialog(TVRHSetForm& form, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), binder_(dialogs, this) {
  setObjectName("VRHSetForm");
  setWindowTitle(qs(TVRHSetForm::Caption()));
  constexpr const char* kOdds = "\\d{0,4}(\\.\\d?)?";
  constexpr const char* kRank = "\\d{0,2}";
  auto* fields = new QFormLayout;
  fields->addRow(
      u8("単勝人気"),
      range_row(number_edit(binder_, form.SaNumEditExC1, "SaNumEditExC1", kRank, 2, this),
                number_edit(binder_, form.SaNumEditExC2, "SaNumEditExC2", kRank, 2, this),
                "番人気"));
  fields->addRow(
      u8("単勝オッズ"),
      range_row(number_edit(binder_, form.Toz1edit1, "Toz1edit1", kOdds, 6, this),
                number_edit(binder_, form.Toz2edit1, "Toz2edit1", kOdds, 6, this), "倍"));
  auto* save = new QPushButton(this);
  save->setObjectName("SpeedButton1");
  binder_.command(save, form.SpeedButton1, [this] {
    form_.SpeedButton1Click();
    accept();
  });
  auto* top = new QVBoxLayout(this);
  top->addLayout(fields);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save);
  top->addLayout(buttons);
}

void ShowVRHSetForm(std::unique_ptr<TVRHSetForm> form, Dialogs& dialogs, QWidget* parent) {
  VrhSetDialog dialog(*form, dialogs, parent);
  dialog.exec();
}

VrhLogWindow::VrhLogWindow(TVRHLogForm& form, Binder& binder, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(binder) {
  setObjectName("VRHLogForm");
  setWindowTitle(u8("VRH過去ログ"));
  auto* table = new GridView(form.StringGrid1);
  table->setObjectName("StringGrid1");
  binder.grid(table);

  auto* side = new QVBoxLayout;
  side->addWidget(radio_box(binder, form.RadioGroup1, "RadioGroup1", Qt::Vertical, this,
                            [&form] { form.RadioGroup1Click(); }));
  auto* rates = new QFormLayout;
  const auto rate = [&](Label& label, const char* name, const char* caption) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance('0') * 7);
    binder.label(l, label);
    auto* row = new QHBoxLayout;
    row->addWidget(l);
    row->addWidget(new QLabel(QStringLiteral("%"), this));
    rates->addRow(u8(caption), row);
  };
  rate(form.TanTekiLabel, "TanTekiLabel", "単勝的中率");
  rate(form.TanKaiLabel, "TanKaiLabel", "単勝回収率");
  rate(form.FukTekiLabel, "FukTekiLabel", "複勝的中率");
  rate(form.FukKaiLabel, "FukKaiLabel", "複勝回収率");
  side->addLayout(rates);
  auto* read = new QPushButton(this);
  read->setObjectName("ReadBtn");
  binder.command(read, form.ReadBtn, [&form] { form.ReadBtnClick(); });
  auto* clip = new QPushButton(this);
  clip->setObjectName("ClipBtn");
  binder.command(clip, form.ClipBtn, [&form] { form.ClipBtnClick(); });
  side->addWidget(read);
  side->addWidget(clip);
  side->addStretch(1);

  auto* top = new QHBoxLayout(this);
  top->addWidget(table, 1);
  top->addLayout(side);
  resize(1090, 520);
  binder.control(this, form.Form);
}

void VrhLogWindow::closeEvent(QCloseEvent* event) {
  binder_.run([this] { form_.Form.set_visible(false); });
  QWidget::closeEvent(event);
}

}  // namespace rv::gui
