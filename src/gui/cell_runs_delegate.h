// Draws the cells whose style carries text runs (two-line cells, notes near the right edge,
// numbers each in its own colour): the background, then every run at its line and place in
// its own font and colour. Other cells are drawn as the view normally draws them.
#pragma once

#include <QStyledItemDelegate>

#include "support/controls.h"

namespace rv::gui {

class CellRunsDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

  // Where a run's text starts, given the cell and the width of the text.
  static int run_x(const CellRun& run, const QRect& cell, int text_width);
  // The band of the cell a run's line takes: the top or bottom half of a two-line cell, the
  // whole cell otherwise.
  static QRect line_band(const CellRun& run, const QRect& cell, bool two_lines);
};

}  // namespace rv::gui
