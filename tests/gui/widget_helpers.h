// Small helpers of the widget tests: UTF-8 captions, points to press in a grid view, and
// pictures of what a test showed.
#pragma once

#include <QByteArray>
#include <QHeaderView>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include "gui/grid_view.h"

namespace rv::gui {

inline QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The middle of a cell of the grid (row as the grid counts it, headings included), scrolled
// into view first.
inline QPoint cell_point(GridView& v, int grid_row, int col) {
  v.scrollTo(v.model()->index(GridModel::model_row(grid_row), col));
  return v.visualRect(v.model()->index(GridModel::model_row(grid_row), col)).center();
}

// The middle of a column's heading, in the header's viewport.
inline QPoint header_point(GridView& v, int col) {
  QHeaderView* h = v.horizontalHeader();
  return {h->sectionViewportPosition(col) + h->sectionSize(col) / 2, h->height() / 2};
}

// Saves a picture of the widget when RAVELIN_SCREENSHOT_DIR names a folder.
inline void screenshot(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("RAVELIN_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QVERIFY(w.grab().save(QString::fromUtf8(dir) + "/" + name));
}

}  // namespace rv::gui
