#include "gui/grid_view.h"

#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <limits>

#include "gui/cell_runs_delegate.h"
#include "gui/qt_text.h"
#include "gui/widget_state.h"

namespace rv::gui {
namespace {

QVariant color_value(Rgb c) {
  if (c == kDefaultColor) return {};
  return QBrush(QColor::fromRgb(c));
}

int align_value(const CellStyle& s) {
  Qt::Alignment a = Qt::AlignVCenter;
  switch (s.align) {
    case Align::kLeft:
      a |= Qt::AlignLeft;
      break;
    case Align::kCenter:
      a |= Qt::AlignHCenter;
      break;
    case Align::kRight:
      a |= Qt::AlignRight;
      break;
  }
  return static_cast<int>(a);
}

MouseButton button_of(const QMouseEvent* e) {
  switch (e->button()) {
    case Qt::RightButton:
      return MouseButton::kRight;
    case Qt::MiddleButton:
      return MouseButton::kMiddle;
    default:
      return MouseButton::kLeft;
  }
}

}  // namespace

GridModel::GridModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      seen_version_(grid.version()),
      rows_(std::max(0, grid.row_count() - 1)),
      cols_(grid.col_count()) {}

bool GridModel::sync() {
  if (grid_.version() == seen_version_) return false;
  seen_version_ = grid_.version();
  if (++generation_ == 0) {
    std::fill(stamps_.begin(), stamps_.end(), 0);
    generation_ = 1;
  }
  const int cols = grid_.col_count();
  const int rows = std::max(0, grid_.row_count() - 1);
  if (cols != cols_) {
    beginResetModel();
    cols_ = cols;
    rows_ = rows;
    endResetModel();
    return true;
  }
  // Row count changes keep the scroll position and the columns as they are.
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  if (cols_ > 0) {
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
  }
  return true;
}

void GridModel::set_base_font(const QFont& font) {
  base_font_ = font;
}

int GridModel::body_lines() const {
  for (int c = 0; c < grid_.col_count(); ++c) {
    if (grid_.style(1, c).two_lines) return 2;
  }
  return 1;
}

int GridModel::body_point_size() const {
  int size = 0;
  for (int c = 0; c < grid_.col_count(); ++c) {
    const CellStyle s = grid_.style(1, c);
    size = std::max(size, s.size);
    for (const CellRun& r : s.runs) size = std::max(size, r.size);
  }
  return size;
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

const QString& GridModel::text(int grid_row, int col) const {
  static thread_local QString uncached;
  auto convert = [&](QString& out) {
    out = qs(grid_.cell(grid_row, col));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  };
  // Between a change of the grid and the next sync the cache may not match the grid's shape.
  if (grid_.version() != seen_version_ || grid_row < 0 || col < 0 || col >= grid_.col_count() ||
      grid_row >= grid_.row_count()) {
    convert(uncached);
    return uncached;
  }
  const auto i = static_cast<std::size_t>(grid_row) * static_cast<std::size_t>(grid_.col_count()) +
                 static_cast<std::size_t>(col);
  if (i >= texts_.size()) {
    const auto need =
        static_cast<std::size_t>(grid_.row_count()) * static_cast<std::size_t>(grid_.col_count());
    texts_.resize(need);
    stamps_.resize(need, 0);
  }
  if (stamps_[i] != generation_) {
    convert(texts_[i]);
    stamps_[i] = generation_;
  }
  return texts_[i];
}

QVariant GridModel::role_value(int role, int grid_row, int col, const CellStyle& s) const {
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return text(grid_row, col);
    case Qt::BackgroundRole:
      return color_value(s.background);
    case Qt::ForegroundRole:
      return color_value(s.text);
    case Qt::FontRole:
      if (!s.bold && s.size <= 0) return {};
      {
        QFont f = base_font_;
        f.setBold(s.bold);
        if (s.size > 0) f.setPointSize(s.size);
        return f;
      }
    case Qt::TextAlignmentRole:
      return align_value(s);
    default:
      return {};
  }
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = grid_row(index.row());
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return text(row, index.column());
  if (role != Qt::BackgroundRole && role != Qt::ForegroundRole && role != Qt::FontRole &&
      role != Qt::TextAlignmentRole) {
    return {};
  }
  return role_value(role, row, index.column(), grid_.style(row, index.column()));
}

// The delegate asks for all roles of a cell at once; the style rule runs once per cell.
void GridModel::multiData(const QModelIndex& index, QModelRoleDataSpan roles) const {
  if (!index.isValid()) return;
  const int row = grid_row(index.row());
  const CellStyle s = grid_.style(row, index.column());
  for (QModelRoleData& rd : roles) rd.setData(role_value(rd.role(), row, index.column(), s));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
  if (role == Qt::DisplayRole) return text(0, section);
  if (role == Qt::ToolTipRole) return {};
  return role_value(role, 0, section, grid_.style(0, section));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

GridView::GridView(Grid& grid, QWidget* parent) : QTableView(parent), model_(grid, this) {
  setModel(&model_);
  setItemDelegate(new CellRunsDelegate(this));
  model_.set_base_font(font());
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setMinimumSectionSize(4);  // narrow mark columns such as "消"
  horizontalHeader()->setHighlightSections(false);
  // The heading row is the grid's own: presses on it go to the handler, not to Qt's sorting.
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->viewport()->installEventFilter(this);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Fixed-width texts (names padded with blanks) are cut at the cell edge, not elided.
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  setTabKeyNavigation(false);
  seen_sel_row_ = grid.row();
  seen_sel_col_ = grid.col();
  apply_widths();
  applied_lines_ = 0;
  sync();
}

void GridView::set_cursor_rule(GridCursorRule rule) {
  cursor_rule_ = std::move(rule);
  setMouseTracking(static_cast<bool>(cursor_rule_));
  horizontalHeader()->setMouseTracking(static_cast<bool>(cursor_rule_));
}

void GridView::sync() {
  if (model_.sync()) {
    apply_widths();
    apply_selection();
  }
  const int lines = model_.body_lines();
  const int size = model_.body_point_size();
  if (lines != applied_lines_ || size != applied_size_) {
    applied_lines_ = lines;
    applied_size_ = size;
    QFont f = font();
    if (size > f.pointSize()) f.setPointSize(size);
    f.setBold(true);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(lines * QFontMetrics(f).lineSpacing() + 6);
  }
  set_shown(*this, grid().visible());
  if (isEnabled() != grid().enabled()) setEnabled(grid().enabled());
}

// A width set by the core wins over the user's until the core sets another one.
void GridView::apply_widths() {
  const int cols = grid().col_count();
  // No width the core sets is this one, so every column is applied once (-1 hides one).
  applied_widths_.resize(static_cast<std::size_t>(cols), std::numeric_limits<int>::min());
  for (int c = 0; c < cols; ++c) {
    const int w = grid().col_width(c);
    if (applied_widths_[static_cast<std::size_t>(c)] == w) continue;
    applied_widths_[static_cast<std::size_t>(c)] = w;
    if (w <= 0) {
      setColumnHidden(c, true);
    } else {
      setColumnHidden(c, false);
      setColumnWidth(c, w);
    }
  }
}

void GridView::apply_selection() {
  const int r = grid().row();
  const int c = grid().col();
  if (r == seen_sel_row_ && c == seen_sel_col_) return;
  seen_sel_row_ = r;
  seen_sel_col_ = c;
  const QModelIndex want = model_.index(GridModel::model_row(r), c);
  if (want == currentIndex()) return;
  const QSignalBlocker block(selectionModel());
  if (want.isValid()) {
    selectionModel()->setCurrentIndex(want, QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clear();
  }
  viewport()->update();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!current.isValid()) return;
  seen_sel_row_ = GridModel::grid_row(current.row());
  seen_sel_col_ = current.column();
  grid().select(seen_sel_row_, seen_sel_col_);
}

bool GridView::cell_at(QObject* viewport_obj, QPoint pos, int& row, int& col) const {
  if (viewport_obj == horizontalHeader()->viewport()) {
    const QHeaderView* h = horizontalHeader();
    col = h->logicalIndexAt(pos);
    row = 0;
    if (col < 0) return false;
    // Near a section edge the press belongs to resizing the column, not to the heading.
    constexpr int kGrip = 4;
    const int start = h->sectionViewportPosition(col);
    const int end = start + h->sectionSize(col);
    return pos.x() - start >= kGrip && end - pos.x() > kGrip;
  }
  const QModelIndex i = indexAt(pos);
  if (!i.isValid()) return false;
  row = GridModel::grid_row(i.row());
  col = i.column();
  return true;
}

void GridView::forward(GridEvent ev, int row, int col, MouseButton button) {
  if (handler_) handler_(ev, row, col, button);
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != horizontalHeader()->viewport()) return QTableView::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(event);
      int row = -1;
      int col = -1;
      const bool on_cell = cell_at(watched, me->position().toPoint(), row, col);
      if (event->type() == QEvent::MouseMove) {
        if (cursor_rule_) {
          horizontalHeader()->viewport()->setCursor(
              on_cell && cursor_rule_(row, col) ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
        break;
      }
      if (!on_cell) break;
      if (event->type() == QEvent::MouseButtonPress) {
        press_row_ = row;
        press_col_ = col;
        forward(GridEvent::kPress, row, col, button_of(me));
      } else if (event->type() == QEvent::MouseButtonDblClick) {
        forward(GridEvent::kDoubleClick, row, col, button_of(me));
      } else {
        forward(GridEvent::kRelease, row, col, button_of(me));
        if (me->button() == Qt::LeftButton && row == press_row_ && col == press_col_) {
          forward(GridEvent::kClick, row, col, MouseButton::kLeft);
        }
      }
      break;
    }
    default:
      break;
  }
  return QTableView::eventFilter(watched, event);
}

void GridView::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  int row = -1;
  int col = -1;
  press_row_ = -1;
  press_col_ = -1;
  if (!cell_at(viewport(), event->position().toPoint(), row, col)) return;
  press_row_ = row;
  press_col_ = col;
  forward(GridEvent::kPress, row, col, button_of(event));
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  int row = -1;
  int col = -1;
  if (!cell_at(viewport(), event->position().toPoint(), row, col)) return;
  forward(GridEvent::kRelease, row, col, button_of(event));
  if (event->button() == Qt::LeftButton && row == press_row_ && col == press_col_) {
    forward(GridEvent::kClick, row, col, MouseButton::kLeft);
  }
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  int row = -1;
  int col = -1;
  if (cell_at(viewport(), event->position().toPoint(), row, col)) {
    forward(GridEvent::kDoubleClick, row, col, button_of(event));
  }
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  QTableView::mouseMoveEvent(event);
  if (!cursor_rule_) return;
  int row = -1;
  int col = -1;
  const bool on_cell = cell_at(viewport(), event->position().toPoint(), row, col);
  viewport()->setCursor(on_cell && cursor_rule_(row, col) ? Qt::PointingHandCursor
                                                          : Qt::ArrowCursor);
}

// Space or Enter on the current cell is a click, so every grid command works from the keys.
void GridView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const QModelIndex cur = currentIndex();
  if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && cur.isValid()) {
    forward(GridEvent::kClick, GridModel::grid_row(cur.row()), cur.column(), MouseButton::kLeft);
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace rv::gui
