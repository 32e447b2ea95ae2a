// The frame of the main window as core state: the tool bar's commands and information labels,
// the race list panel, and the tab pages and panels that handlers show and hide.
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

  Label NowTimLabel;    // clock
  Label SeiRecLabel;    // records of the loaded day
  Label RestTimeLabel;  // time left to the start of the race on screen
  Label BashoLabel;     // venue of the race on screen
  Label RaceLabel;      // its race number
  Label HaranLabel;
  Label DLlabel;  // real-time fetch status
};

struct MainLayout {
  MainLayout();

  // "F": the race list panel on the left.
  void FListBtnClick();

  ToolBarControls tool_bar;

  // The panel of the race list DatList.
  Panel RaceListPanel;

  // The tab area on the right and its pages.
  Panel PageControl1;
  Panel KaimeSheet;        // "買い目"
  Panel PreviewSheet;      // "金のなる木プレビュー"
  Panel ShutubaSheet;      // "出馬表"
  Panel ShutubaListSheet;  // "出馬表(一覧)"
  Panel KekkaSheet;        // "結果"

  // Above the tabs: the race header, shown once a race is on screen.
  Panel Panel8;

  // The bet page's own tabs, shown once a race is on screen.
  Panel PageControl3;
  Panel RunnersSheet;     // "出走馬確認": runners and the bet tables
  Panel JikuHimoSheet;    // "軸ヒモ確認表"
  Panel SankoKaimeSheet;  // "参考買い目"

  // PageControl4: one page per bet type, 0 = 単勝 .. 7 = 三連単.
  Panel TabSheet14, TabSheet36, TabSheet37, TabSheet38, TabSheet39, TabSheet40, TabSheet41,
      TabSheet42;
  static constexpr int kBetTypes = 8;
  [[nodiscard]] Panel& bet_sheet(int type) { return *bet_sheets_[static_cast<std::size_t>(type)]; }

 private:
  std::array<Panel*, kBetTypes> bet_sheets_;
};

}  // namespace rv
