#include "gui/loss_reg_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/grid_view.h"
#include "gui/qt_text.h"
#include "gui/tool_window.h"

namespace rv::gui {
LossRegWindow::LossRegWindow(TLossRegForm& form, Binder& binder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), form_(form), binder_(binder) {
  setObjectName("LossRegForm");
  setWindowTitle(u8("損失金管理"));

  auto* races = new QListWidget(this);
  races->setObjectName("DatList");
  races->setMinimumWidth(140);
  binder.list(races, form.DatList);

  auto* amount = new QLineEdit(this);
  amount->setObjectName("SaNumEditExC3");
  amount->setValidator(new QRegularExpressionValidator(QRegularExpression("-?\\d{0,7}"), amount));
  amount->setAlignment(Qt::AlignRight);
  amount->setFixedWidth(amount->fontMetrics().horizontalAdvance('0') * 9 + 12);
  binder.edit(amount, form.SaNumEditExC3);
  auto* record = new QPushButton(this);
  record->setObjectName("TanLossBtn");
  binder.command(record, form.TanLossBtn, [&form] { form.TanLossBtnClick(); });

  auto* entry = new QVBoxLayout;
  auto* amount_row = new QHBoxLayout;
  amount_row->addWidget(new QLabel(u8("登録する損失金額"), this));
  amount_row->addWidget(amount);
  amount_row->addWidget(new QLabel(u8("円"), this));
  amount_row->addWidget(record);
  amount_row->addStretch(1);
  entry->addLayout(amount_row);
  auto* note = new QLabel(u8("※損失金の一部回収があった場合はマイナスで入力してください。"), this);
  note->setWordWrap(true);
  entry->addWidget(note);

  auto* table = new GridView(form.StringGrid4);
  table->setObjectName("StringGrid4");
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  binder.grid(table, [&form](GridEvent ev, int row, int /*col*/, MouseButton /*b*/) {
    if (ev == GridEvent::kPress) form.StringGrid4MouseDown(row);
  });
  popup_ = new QMenu(this);
  QAction* del = popup_->addAction(QString());
  binder.command(del, form.DeleteItem, [&form] { form.DeleteItemClick(); });
  QAction* clear = popup_->addAction(QString());
  binder.command(clear, form.ClearItem, [&form] { form.ClearItemClick(); });
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table, &QWidget::customContextMenuRequested, this,
          [this, table](const QPoint& pos) { popup_->popup(table->viewport()->mapToGlobal(pos)); });
  entry->addWidget(table, 1);

  auto* total_row = new QHBoxLayout;
  total_row->addStretch(1);
  total_row->addWidget(new QLabel(u8("累積損失額："), this));
  auto* total = new QLabel(this);
  total->setObjectName("RuisonLabel");
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  total->setMinimumWidth(total->fontMetrics().horizontalAdvance('0') * 9);
  total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  binder.label(total, form.RuisonLabel);
  total_row->addWidget(total);
  total_row->addWidget(new QLabel(u8("円"), this));
  entry->addLayout(total_row);

  auto* top = new QHBoxLayout(this);
  top->addWidget(races);
  top->addLayout(entry, 1);
  resize(560, 360);
  binder.control(this, form.Form);
}

void LossRegWindow::closeEvent(QCloseEvent* event) {
  ToolWindowClosed(binder_, form_);
  QWidget::closeEvent(event);
}

void LossRegWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  ToolWindowChanged(*this, binder_, form_, *event);
}

}  // namespace rv::gui
