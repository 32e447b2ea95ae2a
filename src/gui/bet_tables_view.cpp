#include "gui/bet_tables_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>

#include "gui/qt_text.h"

namespace rv::gui {

BetTablesView::BetTablesView(BetTables& tables, Binder& binder, QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("PageControl4");
  for (const BetType t : kBetTypes) {
    BetTable& table = tables[t];
    auto* view = new GridView(table.view_grid(), tabs_);
    view->setObjectName(table.grid_name());
    view->set_cursor_rule(&BetTables::HandCursor);
    tabs_->addTab(view, qs(BetTypeTabName(t)));
    binder.grid(view, [&tables, t](GridEvent ev, int row, int col, MouseButton button) {
      if (button != MouseButton::kLeft) return;
      if (ev == GridEvent::kPress) tables.MouseDown(t, row, col);
      if (ev == GridEvent::kClick) tables.Click(t, row, col);
    });
    grids_[static_cast<std::size_t>(bet_index(t))] = view;
  }
  binder.tabs(tabs_, tables.PageControl4, [&tables] { tables.PageControl4Change(); });
  layout->addWidget(tabs_, 1);

  // Totals: one row per bet type, one column per total.
  auto* totals = new QWidget(this);
  auto* grid = new QGridLayout(totals);
  grid->setContentsMargins(4, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  for (const BetTotal k : kBetTotals) {
    grid->addWidget(new QLabel(qs(BetTotalCaption(k)), totals), 0, static_cast<int>(k) + 1,
                    Qt::AlignCenter);
  }
  for (const BetType t : kBetTypes) {
    const int row = bet_index(t) + 1;
    grid->addWidget(new QLabel(qs(BetTypeTabName(t)), totals), row, 0);
    for (const BetTotal k : kBetTotals) {
      auto* label = new QLabel(totals);
      label->setObjectName(BetTotalLabelName(t, k));
      label->setMinimumWidth(k == BetTotal::kTensu ? 36 : 64);
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      label->setFrameShape(QFrame::Panel);
      label->setFrameShadow(QFrame::Sunken);
      binder.label(label, tables[t].total(k));
      grid->addWidget(label, row, static_cast<int>(k) + 1);
      labels_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(k)] = label;
    }
  }
  grid->setRowStretch(kBetTypeCount + 2, 1);
  totals_ = grid;
  layout->addWidget(totals, 0);
}

void BetTablesView::add_below_totals(QWidget* w) {
  totals_->addWidget(w, kBetTypeCount + 1, 0, 1, static_cast<int>(kBetTotals.size()) + 1);
}

}  // namespace rv::gui
