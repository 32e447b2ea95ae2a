#include "gui/cell_runs_delegate.h"

#include <QFontMetrics>
#include <QPainter>

#include "gui/grid_view.h"
#include "gui/qt_text.h"

namespace rv::gui {
namespace {

QColor qcolor(Rgb c, const QColor& fallback) {
  return c == kDefaultColor ? fallback : QColor::fromRgb(c);
}

}  // namespace

int CellRunsDelegate::run_x(const CellRun& run, const QRect& cell, int text_width) {
  switch (run.anchor) {
    case CellRun::Anchor::kFromRight:
      return cell.right() + 1 - run.x;
    case CellRun::Anchor::kCenter:
      return cell.left() + (cell.width() - text_width) / 2;
    case CellRun::Anchor::kLeft:
      break;
  }
  return cell.left() + run.x;
}

QRect CellRunsDelegate::line_band(const CellRun& run, const QRect& cell, bool two_lines) {
  if (!two_lines || run.line < 0) return cell;
  const int half = cell.height() / 2;
  return run.line == 0 ? QRect(cell.left(), cell.top(), cell.width(), half)
                       : QRect(cell.left(), cell.top() + half, cell.width(), cell.height() - half);
}

void CellRunsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const auto* model = qobject_cast<const GridModel*>(index.model());
  if (model == nullptr) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const int row = GridModel::grid_row(index.row());
  const CellStyle style = model->grid().style(row, index.column());
  if (style.runs.empty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  painter->save();
  const QRect cell = option.rect;
  painter->fillRect(cell, qcolor(style.background, option.palette.base().color()));
  const QColor text_color = qcolor(style.text, option.palette.text().color());
  for (const CellRun& run : style.runs) {
    QFont font = option.font;
    font.setBold(run.bold || style.bold);
    const int size = run.size > 0 ? run.size : style.size;
    if (size > 0) font.setPointSize(size);
    painter->setFont(font);
    painter->setPen(qcolor(run.color, text_color));
    const QString text = qs(run.text);
    const QFontMetrics fm(font);
    const QRect band = line_band(run, cell, style.two_lines);
    const int x = run_x(run, cell, fm.horizontalAdvance(text));
    painter->setClipRect(cell);
    painter->drawText(QRect(x, band.top(), cell.right() + 1 - x, band.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  }
  if ((option.state & QStyle::State_Selected) != 0) {
    QColor mark = option.palette.highlight().color();
    mark.setAlpha(70);
    painter->fillRect(cell, mark);
  }
  painter->restore();
}

}  // namespace rv::gui
