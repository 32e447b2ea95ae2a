// The frame of the main window as core state: the tool bar's commands and information labels,
// the race list panel, and the tab pages that handlers show and hide. The page controls,
// Panel8 and the remaining-time label are the race day's (DayControls), the venue and race
// labels the race card's and the results-state label the day load's.
#pragma once

#include <array>

#include "support/controls.h"
#include "support/text.h"

namespace rv {

struct ToolBarControls {
  Command FListBtn{sj("F")};  // shows or hides the race list panel
  Command JVDataGetBtn{sj("JVデータ取得")};
  Command VersionBtn{sj("ﾊﾞｰｼﾞｮﾝ情報")};
  Command ExitBtn{sj("終了")};
  Command HelpBtn{sj("ヘルプ")};
  Command KekkaBtn{sj("結果情報")};
  Command SokuhoOzBtn{sj("速報ｵｯｽﾞ")};
  Command MiningBtn{sj("ﾏｲﾆﾝｸﾞ")};
  Command ChokuzenBtn{sj("直前ﾚｰｽ")};

  Label NowTimLabel;  // clock
  Label HaranLabel;
  Label DLlabel;  // real-time fetch status
};

struct MainLayout {
  MainLayout();

  // "F": the race list panel on the left.
  void FListBtnClick();

  ToolBarControls tool_bar;

  // The panel of the race list DatList.
  Control RaceListPanel;

  // The pages of the tab area PageControl1.
  Control KaimeSheet;        // "買い目"
  Control PreviewSheet;      // "金のなる木プレビュー"
  Control ShutubaSheet;      // "出馬表"
  Control ShutubaListSheet;  // "出馬表(一覧)"
  Control KekkaSheet;        // "結果"

  // The pages of the bet page's own tabs, PageControl3.
  Control RunnersSheet;     // "出走馬確認": runners and the bet tables
  Control JikuHimoSheet;    // "軸ヒモ確認表"
  Control SankoKaimeSheet;  // "参考買い目"

  // PageControl4: one page per bet type, 0 = 単勝 .. 7 = 三連単.
  Control TabSheet14, TabSheet36, TabSheet37, TabSheet38, TabSheet39, TabSheet40, TabSheet41,
      TabSheet42;
  static constexpr int kBetTypes = 8;
  [[nodiscard]] Control& bet_sheet(int type) {
    return *bet_sheets_[static_cast<std::size_t>(type)];
  }

 private:
  std::array<Control*, kBetTypes> bet_sheets_;
};

}  // namespace rv
