#include "grid_view_test.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "gui/cell_runs_delegate.h"
#include "gui/grid_view.h"
#include "support/text.h"

namespace rv::gui {
namespace {

struct Event {
  GridEvent ev;
  int row;
  int col;
  MouseButton button;
  bool operator==(const Event&) const = default;
};

QPoint cell_center(GridView& v, int grid_row, int col) {
  return v.visualRect(v.model()->index(GridModel::model_row(grid_row), col)).center();
}

}  // namespace

void GridViewTest::headingRowIsTheHeaderAndTextsAreConverted() {
  Grid g(3, 3);
  g.set(0, 0, sj("消"));
  g.set(0, 2, sj("買い目"));
  g.set(1, 2, sj(" 1- 2"));
  g.set(2, 0, sj("ﾊﾞｰｼﾞｮﾝ"));
  GridView v(g);
  QAbstractItemModel* m = v.model();
  QCOMPARE(m->rowCount(), 2);
  QCOMPARE(m->columnCount(), 3);
  QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("消"));
  QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("買い目"));
  QCOMPARE(m->data(m->index(0, 2)).toString(), QString::fromUtf8(" 1- 2"));
  QCOMPARE(m->data(m->index(1, 0)).toString(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ"));
  QVERIFY(v.verticalHeader()->isHidden());
}

// A cell read once is cached; the cache must not outlive a change of the grid.
void GridViewTest::changesShowAfterSyncAndRowCountsFollow() {
  Grid g(2, 3);
  g.set(1, 0, "a");
  GridView v(g);
  QAbstractItemModel* m = v.model();
  QCOMPARE(m->data(m->index(0, 0)).toString(), QString("a"));
  QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
  v.sync();
  QCOMPARE(changed.count(), 0);  // nothing moved, nothing announced

  g.set(1, 0, "b");
  QCOMPARE(m->data(m->index(0, 0)).toString(), QString("b"));  // read through before sync
  v.sync();
  QCOMPARE(m->data(m->index(0, 0)).toString(), QString("b"));
  QCOMPARE(changed.count(), 1);

  g.set_row_count(4897);  // a trifecta table
  g.set(4896, 1, "last");
  v.sync();
  QCOMPARE(m->rowCount(), 4896);
  QCOMPARE(m->data(m->index(4895, 1)).toString(), QString("last"));
  g.set_row_count(2);
  v.sync();
  QCOMPARE(m->rowCount(), 1);
  g.set_col_count(5);
  g.set(0, 4, "h");
  v.sync();
  QCOMPARE(m->columnCount(), 5);
  QCOMPARE(m->headerData(4, Qt::Horizontal).toString(), QString("h"));
  QCOMPARE(m->data(m->index(0, 0)).toString(), QString("b"));
}

void GridViewTest::styleGivesColoursBoldAlignmentAndTwoLines() {
  Grid g(2, 3);
  g.set(1, 1, sj("入: 1\r\n確: 1"));
  g.set_style_fn([](const Grid&, int row, int col) {
    CellStyle s;
    if (row == 0) s.background = 0xC9'92'92;
    if (row == 1 && col == 0) {
      s.background = colors::kRed;
      s.text = colors::kWhite;
      s.bold = true;
      s.align = Align::kCenter;
    }
    if (row >= 1 && col == 1) s.two_lines = true;
    if (col == 1) s.align = Align::kRight;
    return s;
  });
  GridView v(g);
  QAbstractItemModel* m = v.model();
  const QModelIndex a = m->index(0, 0);
  QCOMPARE(m->data(a, Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
  QCOMPARE(m->data(a, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 255, 255));
  QVERIFY(m->data(a, Qt::FontRole).value<QFont>().bold());
  QCOMPARE(m->data(a, Qt::TextAlignmentRole).toInt(),
           static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter));
  const QModelIndex plain = m->index(1, 0);
  QVERIFY(!m->data(plain, Qt::BackgroundRole).isValid());  // the view's own colours
  QVERIFY(!m->data(plain, Qt::FontRole).isValid());
  QCOMPARE(m->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
           QColor(201, 146, 146));
  QCOMPARE(m->data(m->index(0, 1)).toString(), QString::fromUtf8("入: 1\n確: 1"));
  QVERIFY(v.verticalHeader()->defaultSectionSize() >= 2 * v.fontMetrics().lineSpacing());
  // The delegate asks for all roles at once; the answers must match the single ones.
  std::array<QModelRoleData, 2> roles{QModelRoleData(Qt::DisplayRole),
                                      QModelRoleData(Qt::TextAlignmentRole)};
  m->multiData(m->index(0, 1), roles);
  QCOMPARE(roles[0].data().toString(), QString::fromUtf8("入: 1\n確: 1"));
  QCOMPARE(roles[1].data().toInt(), static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

// The core's widths win until the user drags one; a later width from the core wins again.
void GridViewTest::columnWidthsAndVisibilityFollowTheGrid() {
  Grid g(3, 2);
  g.set_col_width(0, 24);
  g.set_col_width(1, 0);
  GridView v(g);
  QCOMPARE(v.columnWidth(0), 24);
  QVERIFY(v.isColumnHidden(1));
  v.setColumnWidth(0, 80);
  g.set(1, 2, "x");
  v.sync();
  QCOMPARE(v.columnWidth(0), 80);
  g.set_col_width(0, 30);
  g.set_col_width(1, 40);
  v.sync();
  QCOMPARE(v.columnWidth(0), 30);
  QVERIFY(!v.isColumnHidden(1));
  g.set_visible(false);
  v.sync();
  QVERIFY(v.isHidden());
  // A grid hidden from the start stays hidden when its window shows.
  QWidget window;
  Grid hidden(2, 2);
  hidden.set_visible(false);
  auto* hv = new GridView(hidden, &window);
  window.show();
  QVERIFY(!hv->isVisible());
  g.set_visible(true);
  v.sync();
  QVERIFY(!v.isHidden());
}

void GridViewTest::mouseAndKeysReachTheHandlerInGridRows() {
  Grid g(3, 4);
  g.set(0, 1, "h");
  GridView v(g);
  v.resize(400, 300);
  v.show();
  QVERIFY(QTest::qWaitForWindowExposed(&v));
  std::vector<Event> got;
  v.set_handler([&](GridEvent ev, int row, int col, MouseButton b) {
    got.push_back({ev, row, col, b});
  });

  QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, cell_center(v, 2, 1));
  const std::vector<Event> click{{GridEvent::kPress, 2, 1, MouseButton::kLeft},
                                 {GridEvent::kRelease, 2, 1, MouseButton::kLeft},
                                 {GridEvent::kClick, 2, 1, MouseButton::kLeft}};
  QVERIFY(got == click);
  QCOMPARE(g.row(), 2);  // the selection the user left is the grid's
  QCOMPARE(g.col(), 1);

  got.clear();
  QTest::mousePress(v.viewport(), Qt::RightButton, {}, cell_center(v, 3, 2));
  QVERIFY((got == std::vector<Event>{{GridEvent::kPress, 3, 2, MouseButton::kRight}}));

  got.clear();
  QHeaderView* h = v.horizontalHeader();
  const QPoint head(h->sectionViewportPosition(1) + h->sectionSize(1) / 2, h->height() / 2);
  QTest::mousePress(h->viewport(), Qt::LeftButton, {}, head);
  QVERIFY((got == std::vector<Event>{{GridEvent::kPress, 0, 1, MouseButton::kLeft}}));
  // A press on the edge between two headings resizes; it is no heading press.
  got.clear();
  QTest::mousePress(h->viewport(), Qt::LeftButton, {},
                    QPoint(h->sectionViewportPosition(2), h->height() / 2));
  QVERIFY(got.empty());

  got.clear();
  v.setCurrentIndex(v.model()->index(0, 2));
  QTest::keyClick(&v, Qt::Key_Space);
  QVERIFY((got == std::vector<Event>{{GridEvent::kClick, 1, 2, MouseButton::kLeft}}));
}

void GridViewTest::selectionSetByTheCoreShowsAndCanBeRemoved() {
  Grid g(3, 4);
  GridView v(g);
  QVERIFY(!v.currentIndex().isValid());  // nothing highlighted before the user chooses
  g.select(3, 2);
  v.sync();
  QCOMPARE(v.currentIndex().row(), 2);
  QCOMPARE(v.currentIndex().column(), 2);
  g.select(-1, -1);
  v.sync();
  QVERIFY(v.selectionModel()->selectedIndexes().isEmpty());
}

// A cell with runs paints its own background and each run on its line: here a blue mark on
// the first line only and a green one on the second line only, both in the left part.
void GridViewTest::runsAreDrawnOnTheirLinesInTheirColours() {
  Grid g(2, 2);
  g.set_col_width(0, 120);
  g.set(1, 0, "not drawn");
  g.set_style_fn([](const Grid&, int row, int col) {
    CellStyle s;
    if (row == 0 || col != 0) return s;
    s.background = colors::kYellow;
    s.two_lines = true;
    CellRun top{sj("■■"), 0, 2};
    top.color = colors::kBlue;
    top.size = 14;
    CellRun bottom{sj("■■"), 1, 2};
    bottom.color = colors::kGreen;
    s.runs = {top, bottom};
    return s;
  });
  GridView v(g);
  v.resize(200, 120);
  v.show();
  QVERIFY(QTest::qWaitForWindowExposed(&v));
  const QRect cell = v.visualRect(v.model()->index(0, 0));
  QVERIFY(cell.height() >= 2 * v.fontMetrics().lineSpacing());  // room for the larger line
  const QImage img = v.viewport()->grab().toImage();
  const auto count = [&](QRect band, QColor c) {
    int n = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
      for (int x = band.left(); x < band.left() + 60; ++x) n += img.pixelColor(x, y) == c ? 1 : 0;
    }
    return n;
  };
  const QRect top(cell.left(), cell.top(), cell.width(), cell.height() / 2);
  const QRect bottom(cell.left(), cell.top() + cell.height() / 2, cell.width(),
                     cell.height() - cell.height() / 2);
  QVERIFY(count(top, QColor(0, 0, 255)) > 10);
  QCOMPARE(count(bottom, QColor(0, 0, 255)), 0);
  QVERIFY(count(bottom, QColor(0, 128, 0)) > 10);
  QCOMPARE(count(top, QColor(0, 128, 0)), 0);
  QCOMPARE(img.pixelColor(cell.right() - 2, cell.top() + 2), QColor(255, 255, 0));
  // Where a run starts: from either edge, or centred.
  CellRun r;
  r.x = 20;
  r.anchor = CellRun::Anchor::kFromRight;
  QCOMPARE(CellRunsDelegate::run_x(r, QRect(10, 0, 100, 20), 30), 90);
  r.anchor = CellRun::Anchor::kCenter;
  QCOMPARE(CellRunsDelegate::run_x(r, QRect(10, 0, 100, 20), 30), 45);
  r.line = -1;
  QCOMPARE(CellRunsDelegate::line_band(r, QRect(0, 0, 50, 40), true), QRect(0, 0, 50, 40));
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::GridViewTest)
