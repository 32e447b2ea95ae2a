// The main window without widgets: the state of its controls, grouped by the subsystem that
// fills them, and the subsystems that run its handlers, wired together here. The Qt window
// binds views to the state and forwards events to the handlers; ravelin-cli and the tests
// drive it directly. Handlers the window or ravelin-cli call by the form's own name are thin
// forwards to their subsystem.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "acquire/jvlink.h"
#include "app/allocation_controls.h"
#include "app/auto_operation.h"
#include "app/batch_controls.h"
#include "app/day_loading.h"
#include "app/development_menu.h"
#include "app/download.h"
#include "app/evaluation.h"
#include "app/mail_delivery.h"
#include "app/mail_set_form.h"
#include "app/main_grids.h"
#include "app/main_layout.h"
#include "app/menus.h"
#include "app/odds_viewer.h"
#include "app/oz_get_time_form.h"
#include "app/print/all_print_form.h"
#include "app/race_card_panel.h"
#include "app/realtime_fetch.h"
#include "app/results_page.h"
#include "app/voting.h"
#include "betting/bet_construction.h"
#include "betting/bet_tables.h"
#include "betting/bracket_preview.h"
#include "betting/kaime_set_form.h"
#include "betting/loss_register.h"
#include "betting/user_kaime_form.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_card.h"
#include "model/race_on_screen.h"
#include "support/clock_timer.h"
#include "support/controls.h"
#include "support/dispatcher.h"
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

// The race list.
struct RaceListState {
  // Watched jockeys from "\KishuCKList.txt", sorted (icompare_ascii order), no duplicates.
  std::vector<std::string> KishuCKList;
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
  // AppDir must be set; the services and JV-Link outlive the form. The dispatcher runs tasks
  // on the thread the form lives on.
  MainForm(Dialogs& dialogs, Desktop& desktop, const InstallLocator& installs, JVLink& jvlink,
           Dispatcher& dispatcher);
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
  // "ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)": toggles its check mark and stores it.
  void hidelistClick();
  // "軸・ヒモ馬ユーザー設定(&H)": shows the selection-set window.
  void K1Click();
  // "投資金設定(&T)": the investment dialog as it opens; its OK shows the race again.
  std::unique_ptr<TKaimeSetForm> KaimeSetItemClick();
  // "データ自動取得時刻設定(&T)": the automatic-operation times dialog as it opens.
  std::unique_ptr<TOzGetTimeForm> N8Click() { return std::make_unique<TOzGetTimeForm>(ini); }

  // The download (StoredDataDownload).
  void JVDataGetItemClick(const std::function<void()>& run_window) {
    download_.JVDataGetItemClick(run_window);
  }
  void GetDataFormClose() { download_.GetDataFormClose(); }
  // The race day (DayLoading).
  void DateComboChange() { days_.DateComboChange(); }
  void DirectReadBtnClick() { days_.DirectReadBtnClick(); }
  [[nodiscard]] DayLoadResult last_day_load() const { return days_.last_day_load(); }
  // "印刷(&P)...": the preview window with the day's overview sheet, for the window to show;
  // nullptr when refused. "ﾌﾟﾘﾝﾀの設定(&R)...": the printer setup.
  std::unique_ptr<TAllPrintForm> FilePrintItemClick(PrinterDevice& printer) {
    return OpenOverviewSheet(*race_day_, day.DateCombo, ini, printer, dialogs_);
  }
  void FilePrintSetupItemClick(PrinterDevice& printer) { PrinterSetup(printer, dialogs_); }
  // The time-series odds viewer (OddsViewer).
  std::string T1Click() { return viewer_.T1Click(); }
  void N12Click() { viewer_.N12Click(); }
  // The real-time fetches (RealtimeFetch).
  void SokuhoOddsBtnClick() { fetch_.SokuhoOddsBtnClick(); }
  void KekkaGetBtnClick() { fetch_.KekkaGetBtnClick(); }
  void GetDMBtnClick() { fetch_.GetDMBtnClick(); }
  void GetKaisaiBtnClick() { fetch_.GetKaisaiBtnClick(); }
  void N1O1Click() { fetch_.N1O1Click(); }
  // Automatic operation (AutoOperation).
  void NextRaceBtnClick() { auto_.NextRaceBtnClick(); }
  // The race card (RaceCardPanel).
  void DatListClick() { race_card_.DatListClick(); }
  void SpeedButton14Click() { race_card_.SpeedButton14Click(); }
  void StringGrid26MouseDown(int row, int col) { race_card_.StringGrid26MouseDown(row, col); }
  void ClipBtn1Click() { race_card_.ClipBtn1Click(); }
  void Clip1Click() { race_card_.Clip1Click(); }
  void N6Click() { race_card_.N6Click(); }
  // The results card (ResultsPage).
  void StringGrid6MouseDown(int row) { results_.StringGrid6MouseDown(row); }
  void StringGrid6MouseUp() { results_.StringGrid6MouseUp(); }
  void R1Click() { results_.R1Click(); }
  // Bet construction (BetConstruction).
  void KaimeMakeBtnClick() { kaime_.KaimeMakeBtnClick(); }
  void StringGrid8MouseDown(int row, int col) { kaime_.StringGrid8MouseDown(row, col); }
  void RadioGroup1Click() { kaime_.RadioGroup1Click(); }
  void SaNumEditExC1Change() { kaime_.SaNumEditExC1Change(); }
  void SaNumEditExC2Change() { kaime_.SaNumEditExC2Change(); }
  void SaNumEditExC3Change() { kaime_.SaNumEditExC3Change(); }
  void OiageBtnClick() { kaime_.OiageBtnClick(); }
  // The 枠連 preview (BracketPreview).
  void KaimeMakeBtn_OldClick() { preview_.KaimeMakeBtn_OldClick(); }
  void StringGrid2MouseDown(int row, int col) { preview_.StringGrid2MouseDown(row, col); }
  void SignalSettingChange(int i) { preview_.SettingChange(i); }
  // "損失メモ": the loss register's window.
  void LossMemoBtnClick() { loss_.Show(); }
  // The 枠連 method menus: the choice stored ([Kaime] Option 1, 2; [KaimeSet] ExKaime 0..3).
  void KaimeOptionClick();
  void ExKaimeClick();
  // Mail delivery (MailDelivery) and "ﾒｰﾙ設定", whose window lives as long as this one.
  void N30Click() { mail_.N30Click(); }
  void PC1Click() { mail_.PC1Click(); }
  void SelHaiR1Click() { mail_.SelHaiR1Click(); }
  void DeliverBtnClick() { mail_.DeliverBtnClick(); }
  TMailSetForm& MailMenuClick() {
    MailSetForm.MailMenuClick();
    return MailSetForm;
  }
  // Voting (Voting).
  VoteResult WriteBetFile(BetType t) { return voting_.WriteBetFile(t); }
  VoteResult SendToVotingPlugin(BetType t) { return voting_.SendToVotingPlugin(t); }
  // Evaluation: the hit list, the return totals, the 枠連 counts and verification.
  WrittenFiles TekiAnaBtnClick(bool ana) { return evaluation_.TekiAnaBtnClick(ana); }
  WrittenFiles ShukeiBtnClick() { return evaluation_.ShukeiBtnClick(); }
  WrittenFiles N41Click() { return evaluation_.N41Click(); }
  WrittenFiles Kensho13BtnClick() { return evaluation_.KenshoClick(FilterSet::kSum13); }
  WrittenFiles Kensho34BtnClick() { return evaluation_.KenshoClick(FilterSet::kGap34); }
  WrittenFiles N34Click() { return Kensho13BtnClick(); }
  WrittenFiles N35Click() { return evaluation_.KenshoAllDays(FilterSet::kSum13); }
  WrittenFiles N36Click() { return Kensho34BtnClick(); }
  WrittenFiles N37Click() { return evaluation_.KenshoAllDays(FilterSet::kGap34); }
  // "中止" of whichever walk over the stored days runs.
  void BatchCancelBtnClick() {
    evaluation_.BatchCancelBtnClick();
    development_.CancelBtnClick();
  }

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
  RaceListState race_list;
  AllocationControls allocation;
  HitControls hits;
  // The progress of a walk over the stored days, with its "中止".
  BatchControls batch;
  EvaluationControls evaluation;
  // The eight bet tables on the tabs of PageControl4, with their total labels.
  BetTables bets;
  // The tab "金のなる木プレビュー".
  PreviewControls preview;
  SelectionSetControls selection;

  // The selection-set window, created with this one and living as long.
  TUserKaimeForm UserKaimeForm;
  // What the mail components reported (the mail settings window shows it; not saved), and
  // that window, which lives as long as this one so that a test send outlives its closing.
  ListControl MailLog;
  TMailSetForm MailSetForm;

  [[nodiscard]] Dialogs& dialogs() { return dialogs_; }
  [[nodiscard]] Desktop& desktop() { return desktop_; }
  [[nodiscard]] JVLink& jvlink() { return jvlink_; }
  // Where a worker thread hands its results to the form.
  [[nodiscard]] Dispatcher& dispatcher() { return dispatcher_; }
  // The day model, for the whole run.
  [[nodiscard]] Day& race_day() { return *race_day_; }
  // The race on screen; the race card sets it by showing a race.
  [[nodiscard]] const RaceOnScreen& race_on_screen() const { return race_card_.on_screen(); }

  // The subsystems.
  [[nodiscard]] DayLoading& days() { return days_; }
  [[nodiscard]] RealtimeFetch& fetch() { return fetch_; }
  [[nodiscard]] AutoOperation& auto_operation() { return auto_; }
  // The window's timers, counted on the app clock: the window runs them from its message
  // loop, a replay from tick to tick.
  [[nodiscard]] ClockTimers& timers() { return timers_; }
  [[nodiscard]] RaceCardPanel& race_card() { return race_card_; }
  [[nodiscard]] ResultsPage& results() { return results_; }
  // Bet construction: the hidden commands, the 追い上げ button, StringGrid8's sort state.
  [[nodiscard]] BetConstruction& kaime() { return kaime_; }
  [[nodiscard]] Voting& voting() { return voting_; }
  [[nodiscard]] MailDelivery& mail() { return mail_; }
  [[nodiscard]] Evaluation& evaluation_runs() { return evaluation_; }
  [[nodiscard]] BracketPreview& bracket_preview() { return preview_; }
  // The loss register's window, created with this one and living as long.
  [[nodiscard]] TLossRegForm& LossRegForm() { return loss_; }
  // The development menu, with the ＶＲＨ log window it owns.
  [[nodiscard]] DevelopmentMenu& development() { return development_; }

 private:
  void LocateInstalledPrograms();
  void CreateFolders();
  void ShowMarkerControls();
  void RestoreBounds();
  void HideStartViews();
  void LoadKishuCKList();
  void RestoreMenuStates();
  void CreateSecondaryWindows();
  void ShowRaceBets();

  Dialogs& dialogs_;
  Desktop& desktop_;
  const InstallLocator& installs_;
  JVLink& jvlink_;
  Dispatcher& dispatcher_;
  std::unique_ptr<Day> race_day_ = make_day();
  ClockTimers timers_;
  // After the day model and the controls, which they work on; the loss register before the
  // race card, which reads its total; the race card first of the rest, as it holds the race
  // on screen.
  TLossRegForm loss_;
  RaceCardPanel race_card_;
  BetConstruction kaime_;
  BracketPreview preview_;
  ResultsPage results_;
  DayLoading days_;
  OddsViewer viewer_;
  StoredDataDownload download_;
  RealtimeFetch fetch_;
  Voting voting_;
  AutoOperation auto_;
  MailDelivery mail_;
  DevelopmentMenu development_{*this};
  Evaluation evaluation_{*this, evaluation};
};

}  // namespace rv
