// The main window's grids as core state: their headings and column widths are set when the
// window is created; the subsystems that fill them own their rows and their drawing rules.
#pragma once

#include <array>

#include "support/controls.h"

namespace rv {

struct MainGrids {
  MainGrids();

  Grid StringGrid2;   // 枠連 odds by popularity (preview page)
  Grid StringGrid6;   // race card with results, hidden until a race is shown
  Grid StringGrid26;  // entry card with odds and data-mining values
  Grid StringGrid8;   // runners with axis and partner marks
  Grid StringGrid4;   // axis/partner table
  Grid StringGrid27;  // 馬連 and 馬単 results

  // Bet tables, one per bet type.
  Grid StringGrid3;   // 単勝
  Grid StringGrid5;   // 複勝
  Grid StringGrid28;  // 枠連
  Grid StringGrid30;  // 馬連
  Grid StringGrid31;  // ワイド
  Grid StringGrid32;  // 馬単
  Grid StringGrid33;  // ３連複
  Grid StringGrid34;  // ３連単

  static constexpr int kBetTypes = 8;
  // The bet table of a bet type, 0 = 単勝 .. 7 = ３連単.
  [[nodiscard]] Grid& bet_table(int type) { return *bet_tables_[static_cast<std::size_t>(type)]; }

 private:
  std::array<Grid*, kBetTypes> bet_tables_;
};

}  // namespace rv
