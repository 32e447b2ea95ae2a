// A table view over a core Grid. The grid's first row is the view's horizontal header, so the
// headings stay in place while a long bet table scrolls; the other rows are the body. Cell
// texts are converted from Shift-JIS when a cell is first painted and kept until the grid's
// version moves, so a table of thousands of rows costs only what is on screen.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <cstdint>
#include <functional>
#include <vector>

#include "support/controls.h"

namespace rv::gui {

enum class GridEvent : std::uint8_t { kPress, kRelease, kClick, kDoubleClick };
enum class MouseButton : std::uint8_t { kLeft, kRight, kMiddle };

// Rows and columns are the grid's own (row 0 = heading row).
using GridHandler = std::function<void(GridEvent, int row, int col, MouseButton)>;
// Whether the pointer over a cell shows the hand (a clickable cell).
using GridCursorRule = std::function<bool(int row, int col)>;

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(Grid& grid, QObject* parent = nullptr);

  [[nodiscard]] Grid& grid() const { return grid_; }
  // Grid row of a body row of the model, and back.
  [[nodiscard]] static int grid_row(int model_row) { return model_row + 1; }
  [[nodiscard]] static int model_row(int grid_row) { return grid_row - 1; }

  // Brings the model in line with the grid when its version moved; true when it did.
  bool sync();
  // Font the style's bold is applied to (the view's own font).
  void set_base_font(const QFont& font);
  // Lines of text a body row holds, taken from the style of the first body row.
  [[nodiscard]] int body_lines() const;
  // The largest point size the first body row asks for (0: the view's font).
  [[nodiscard]] int body_point_size() const;

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  void multiData(const QModelIndex& index, QModelRoleDataSpan roles) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                    int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  [[nodiscard]] const QString& text(int grid_row, int col) const;
  [[nodiscard]] QVariant role_value(int role, int grid_row, int col, const CellStyle& s) const;

  Grid& grid_;
  std::uint64_t seen_version_ = 0;
  int rows_ = 0;  // body rows and columns as last announced to the views
  int cols_ = 0;
  QFont base_font_;
  // Converted texts, valid where the stamp equals the current generation.
  mutable std::vector<QString> texts_;
  mutable std::vector<std::uint32_t> stamps_;
  std::uint32_t generation_ = 1;
};

class GridView : public QTableView {
  Q_OBJECT

 public:
  explicit GridView(Grid& grid, QWidget* parent = nullptr);

  [[nodiscard]] GridModel& grid_model() { return model_; }
  [[nodiscard]] Grid& grid() const { return model_.grid(); }
  void set_handler(GridHandler handler) { handler_ = std::move(handler); }
  void set_cursor_rule(GridCursorRule rule);

  // Follows the grid: texts, row and column counts, column widths, visibility, selection.
  void sync();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void forward(GridEvent ev, int row, int col, MouseButton button);
  void apply_widths();
  void apply_selection();
  // The grid cell under a point of the body's or the header's viewport; false outside cells.
  bool cell_at(QObject* viewport, QPoint pos, int& row, int& col) const;

  GridModel model_;
  GridHandler handler_;
  GridCursorRule cursor_rule_;
  std::vector<int> applied_widths_;
  int applied_lines_ = 0;
  int applied_size_ = 0;
  int seen_sel_row_ = 0;
  int seen_sel_col_ = 0;
  int press_row_ = -1;
  int press_col_ = -1;
};

}  // namespace rv::gui
