// The main window without widgets: the state of its controls, grouped by the subsystem that
// fills them, and its handlers under their own names. The Qt window binds views to the
// state and forwards events to the handlers; ravelin-cli and the tests drive it directly.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "acquire/jvlink.h"
#include "app/main_grids.h"
#include "app/main_layout.h"
#include "app/menus.h"
#include "betting/bet_construction.h"
#include "betting/bet_tables.h"
#include "betting/kaime_set_form.h"
#include "betting/user_kaime_form.h"
#include "model/chase_list.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_card.h"
#include "output/tohyo_controls.h"
#include "output/voting_files.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

// Where the window sits, as [locate] keeps it: read at creation, stored on close.
struct WindowBounds {
  int top = 10;
  int left = 10;
  int width = 900;
  int height = 600;
};

// The race day: the date box and the day commands.
struct DayControls {
  ListControl DateCombo;
  Command MakeDataListBtn{sj("リスト作成"), kHidden};
  Command DirectReadBtn{sj("一気読み"), kHidden};  // shown with "\Tundra.key"
  // Operations other code runs by pressing them.
  Command IniBtn{sj("初期化"), kHidden};
  Command KaisaiReadBtn{sj("開催読込"), kHidden};
  Command OzReadBtn{sj("オッズ取込"), kHidden};
  Command HrReadBtn{sj("払戻取込"), kHidden};
  Command DMReadBtn{sj("ﾏｲﾆﾝｸﾞ読込"), kHidden};
  Command CalcBtn{sj("Calc"), kHidden};
  // Hidden while a day loads; the remaining time shows only for today's day, and showing a
  // race brings the page controls back.
  Label RestTimeLabel;
  Control PageControl1;
  Control PageControl3;
  Control Panel8;
};

// The race list.
struct RaceListState {
  // Watched jockeys from "\KishuCKList.txt", sorted (icompare_ascii order), no duplicates.
  std::vector<std::string> KishuCKList;
};

// Fund allocation.
struct AllocationControls {
  RadioGroup RadioGroup1{sj("資金配分"), {sj("均等"), sj("比例")}};  // [KaimeSet] HaibunSet
  // Set by every race selection: the race's investment amount, the target profit and the
  // loss carried from the loss register.
  Edit SaNumEditExC1;
  Edit SaNumEditExC2;
  Edit SaNumEditExC3;
};

// The bet-selection set in use: its name beside the caption "設定名".
struct SelectionSetControls {
  Label SetNameLabel;
};

// Hit analysis.
struct HitControls {
  Command TekiAnaBtn{sj("的中"), kHidden};     // shown with "\HitPageToolsMarks.key"
  Command TekiAnaBtn2{sj("穴的中"), kHidden};  // likewise
};

class MainForm {
 public:
  // AppDir must be set; the services and JV-Link outlive the form.
  MainForm(Dialogs& dialogs, Desktop& desktop, const InstallLocator& installs, JVLink& jvlink);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Creation: installed programs' folders, the program's folders, marker-file controls,
  // position, watched jockeys, error log, menu states, date list. A file that cannot be
  // read or written is reported and the other steps still run.
  void FormCreate();
  // Opens JV-Link; a failure is shown and everything else still works on stored files.
  void FormShow();
  // Stores the position (the window sets `bounds` first); the window may always close.
  bool FormCloseQuery();

  void MakeDataListBtnClick();
  // The stored-data window closed: the race list is emptied, the tab area hidden and the day
  // list built again, so that new days appear.
  void GetDataFormClose();

  // The race day. DateComboChange loads the day selected in DateCombo; the others run on
  // the loaded day. A day file that exists but cannot be read ends the handler with
  // FileError, for the general error box.
  void DateComboChange();
  void DateComboClick() {}
  // Loads, oldest first, every listed day without an index-statistics file ("\STAT\").
  void DirectReadBtnClick();
  void IniBtnClick();
  void KaisaiReadBtnClick();
  void OzReadBtnClick();
  void HrReadBtnClick();
  void DMReadBtnClick();
  void CalcBtnClick();
  // How the last DateComboChange ended.
  [[nodiscard]] DayLoadResult last_day_load() const { return last_day_load_; }
  // "ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)": toggles its check mark and stores it.
  void hidelistClick();
  // "軸・ヒモ馬ユーザー設定(&H)": shows the selection-set window.
  void K1Click();
  // After a click in a bet table (its totals already cleared): fund allocation, the
  // finish-rate columns and the result columns of that table.
  void BetTableRecompute(BetTable& table);

  // Bet construction of the race on screen. "軸ヒモ" marks the axis and partner horses by
  // the selected set, "買い目" builds the bets from StringGrid8's marks; a press on
  // StringGrid8 toggles a mark or sorts it, then builds the bets again.
  void JikuHimoBtnClick();
  void KaimeMakeBtnClick();
  void StringGrid8MouseDown(int row, int col);
  // The allocation mode (stored as [KaimeSet] HaibunSet) and the amount boxes: the seven
  // tables are allocated again and the amount is kept for the race.
  void RadioGroup1Click();
  void SaNumEditExC1Change();
  void SaNumEditExC2Change();
  void SaNumEditExC3Change();
  // "追い上げ" on the preview tab.
  void OiageBtnClick();
  // "投資金設定(&T)": the investment dialog as it opens; its OK shows the race again.
  std::unique_ptr<TKaimeSetForm> KaimeSetItemClick();

  // The race on screen. DatListClick shows the race selected in DatList; a race without
  // runner data is refused with a message and the race on screen stays, selected.
  void DatListClick();
  // "出馬表作成": fills the entry card and the runner grid of the race on screen.
  void sisushutubaBtnClick();
  // The sort buttons of the entry card: sorts by the one that is down.
  void SpeedButton14Click();
  // A press on the results card selects its horse for the pop-up menu; releasing the mouse
  // removes the cell selection.
  void StringGrid6MouseDown(int row);
  void StringGrid6MouseUp();
  // "追跡馬に登録(&R)": puts the selected horse on the chase list and shows the race again.
  void R1Click();
  // A press in a rank column of the entry card sorts it by that column.
  void StringGrid26MouseDown(int row, int col);
  // The clipboard copies: the entry card (button and pop-up item), the axis/partner table.
  void ClipBtn1Click();
  void Clip1Click();
  void N6Click();
  // Voting. "PATBET" and "RGT2投票" take the bet type of the active tab of PageControl4 and do
  // nothing without one; the items of the "投票ファイル" menu each take their own.
  void TohyouBtnClick();
  void TohyoCSVBtnClick();
  void N19Click() { WriteBetFile(BetType::kTansho); }
  void N20Click() { WriteBetFile(BetType::kFukusho); }
  void N21Click() { WriteBetFile(BetType::kWakuren); }
  void N22Click() { WriteBetFile(BetType::kUmaren); }
  void N23Click() { WriteBetFile(BetType::kWide); }
  void N24Click() { WriteBetFile(BetType::kUmatan); }
  void N25Click() { WriteBetFile(BetType::kSanrenpuku); }
  void N26Click() { WriteBetFile(BetType::kSanrentan); }
  // "買い目ﾌｫﾙﾀﾞ指定": the folder of the .BET files.
  void N28Click();
  // The voting file of one bet type of the race on screen, as the commands write it.
  VoteResult WriteBetFile(BetType t);
  VoteResult SendToVotingPlugin(BetType t);

  // The settings component of this window.
  TIniGT ini;

  WindowBounds bounds;
  Label StatusLine;
  Menus menus;
  MainLayout layout;
  MainGrids grids;
  DayControls day;
  DayLoadControls loaded_day;  // the race list DatList and SeiRecLabel
  RaceCardControls card;
  ChaseList chase_list;
  RaceListState race_list;
  AllocationControls allocation;
  HitControls hits;
  // The eight bet tables on the tabs of PageControl4, with their total labels.
  BetTables bets;
  SelectionSetControls selection;
  TohyoControls tohyo;

  // The selection-set window, created with this one and living as long.
  TUserKaimeForm UserKaimeForm;

  [[nodiscard]] Dialogs& dialogs() { return dialogs_; }
  [[nodiscard]] Desktop& desktop() { return desktop_; }
  [[nodiscard]] JVLink& jvlink() { return jvlink_; }
  // The day model, for the whole run.
  [[nodiscard]] Day& race_day() { return *race_day_; }
  // Bet construction: the hidden commands, the 追い上げ button, StringGrid8's sort state.
  [[nodiscard]] BetConstruction& kaime() { return kaime_; }

 private:
  void LocateInstalledPrograms();
  void CreateFolders();
  void ShowMarkerControls();
  void RestoreBounds();
  void HideStartViews();
  void LoadKishuCKList();
  void RestoreMenuStates();
  void StartDayOperation();
  void ShowSelectedRace();
  void CreateSecondaryWindows();
  void GenerateRaceBets();
  [[nodiscard]] VoteSource vote_source();

  Dialogs& dialogs_;
  Desktop& desktop_;
  const InstallLocator& installs_;
  JVLink& jvlink_;
  std::unique_ptr<Day> race_day_ = make_day();
  DayLoadResult last_day_load_ = DayLoadResult::kNoRaceFile;
  // After the day model, which it works on.
  BetConstruction kaime_;
};

}  // namespace rv
