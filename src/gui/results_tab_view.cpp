#include "gui/results_tab_view.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace rv::gui {

// One table for all groups, so the value columns line up from 単勝 to 三連単: per group the
// caption at the left of its three rows, the row captions, then its value columns.
ResultsTabView::ResultsTabView(ResultsTab& tab, Binder& binder, QWidget* parent) : QWidget(parent) {
  setObjectName("KekkaPanel");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(1);
  QFont bold = font();
  bold.setBold(true);
  const int value_width = fontMetrics().horizontalAdvance(QString(9, '0'));

  int row = 0;
  for (const BetType t : kBetTypes) {
    ResultGroup& g = tab.group(t);
    if (row > 0) grid->setRowMinimumHeight(row++, 6);  // a gap between groups
    auto* caption = new QLabel(this);
    caption->setFont(bold);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    binder.label(caption, g.Caption);
    grid->addWidget(caption, row, 0, 3, 1);

    Label* row_captions[] = {&g.KekkaCaption, &g.NinkiCaption, &g.HaitoCaption};
    std::array<Label, 7>* values[] = {&g.Kekka, &g.Ninki, &g.Haito};
    for (int r = 0; r < 3; ++r) {
      auto* head = new QLabel(this);
      binder.label(head, *row_captions[r]);
      grid->addWidget(head, row + r, 1);
      for (int k = 0; k < g.columns; ++k) {
        auto* value = new QLabel(this);
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value_width);
        binder.label(value, (*values[r])[static_cast<std::size_t>(k)]);
        grid->addWidget(value, row + r, k + 2);
      }
    }
    row += 3;
  }
  grid->setColumnStretch(2 + 7, 1);
  grid->setRowStretch(row, 1);
}

}  // namespace rv::gui
