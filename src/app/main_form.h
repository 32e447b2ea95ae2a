// The main window without widgets: the state of its controls, grouped by the subsystem that
// fills them, and its handlers under their own names. The Qt window binds views to the
// state and forwards events to the handlers; ravelin-cli and the tests drive it directly.
#pragma once

#include <string>
#include <vector>

#include "acquire/jvlink.h"
#include "app/menus.h"
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
};

// The race list.
struct RaceListState {
  // Watched jockeys from "\KishuCKList.txt", sorted (icompare_ascii order), no duplicates.
  std::vector<std::string> KishuCKList;
};

// Fund allocation.
struct AllocationControls {
  RadioGroup RadioGroup1{sj("資金配分"), {sj("均等"), sj("比例")}};  // [KaimeSet] HaibunSet
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
  // "ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)": toggles its check mark and stores it.
  void hidelistClick();

  // The settings component of this window.
  TIniGT ini;

  WindowBounds bounds;
  Label StatusLine;
  Menus menus;
  DayControls day;
  RaceListState race_list;
  AllocationControls allocation;
  HitControls hits;

  [[nodiscard]] Dialogs& dialogs() { return dialogs_; }
  [[nodiscard]] Desktop& desktop() { return desktop_; }
  [[nodiscard]] JVLink& jvlink() { return jvlink_; }

 private:
  void LocateInstalledPrograms();
  void CreateFolders();
  void ShowMarkerControls();
  void RestoreBounds();
  void LoadKishuCKList();
  void RestoreMenuStates();

  Dialogs& dialogs_;
  Desktop& desktop_;
  const InstallLocator& installs_;
  JVLink& jvlink_;
};

}  // namespace rv
