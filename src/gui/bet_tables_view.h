// The bet tables on the main window: the tab control PageControl4 with one grid per bet type,
// and the four total labels of every bet type beside it.
#pragma once

#include <QWidget>
#include <array>

#include "betting/bet_tables.h"
#include "gui/binder.h"
#include "gui/grid_view.h"

class QGridLayout;
class QLabel;
class QTabWidget;

namespace rv::gui {

class BetTablesView : public QWidget {
  Q_OBJECT

 public:
  BetTablesView(BetTables& tables, Binder& binder, QWidget* parent = nullptr);

  [[nodiscard]] QTabWidget* page_control() const { return tabs_; }
  [[nodiscard]] GridView* grid_view(BetType t) const {
    return grids_[static_cast<std::size_t>(bet_index(t))];
  }
  // The label named as on the main window ("TanTensuLabel" …).
  // Puts a widget under the totals, in the room they leave.
  void add_below_totals(QWidget* w);

  [[nodiscard]] QLabel* total_label(BetType t, BetTotal k) const {
    return labels_[static_cast<std::size_t>(bet_index(t))][static_cast<std::size_t>(k)];
  }

 private:
  QTabWidget* tabs_ = nullptr;
  QGridLayout* totals_ = nullptr;
  std::array<GridView*, kBetTypeCount> grids_{};
  std::array<std::array<QLabel*, 4>, kBetTypeCount> labels_{};
};

}  // namespace rv::gui
