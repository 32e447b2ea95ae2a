// The race day of the main window: the date box, loading the chosen day (one, or every day
// still without statistics in a batch), and the day commands that run on the loaded day.
// The form holds the controls and hands them over; this class runs their handlers.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/day.h"
#include "model/day_load.h"
#include "model/race_on_screen.h"
#include "support/controls.h"
#include "support/message_pump.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

// The date box and the day commands.
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

class DayLoading {
 public:
  // Everything given outlives this object. show_race shows the race selected in the race
  // list (the race selection's DatListClick).
  DayLoading(Day& day, const RaceOnScreen& on_screen, DayControls& controls,
             DayLoadControls& loaded, TIniGT& ini, Dialogs& dialogs,
             std::function<void()> show_race);
  DayLoading(const DayLoading&) = delete;
  DayLoading& operator=(const DayLoading&) = delete;

  // The date list, from the day files present.
  void MakeDataListBtnClick();
  // Loads the day selected in DateCombo and shows its first race. A day file that exists
  // but cannot be read ends the handler with FileError, for the general error box. A call
  // while a day is loading (from the messages the load lets run) is ignored, and the date
  // box shows the day being loaded again.
  void DateComboChange();
  // Loads, oldest first, every listed day without an index-statistics file ("\STAT\");
  // ignored while a batch runs.
  void DirectReadBtnClick();
  // On the loaded day.
  void IniBtnClick();
  void KaisaiReadBtnClick();
  void OzReadBtnClick();
  void HrReadBtnClick();
  void DMReadBtnClick();
  void CalcBtnClick();
  // New day files were stored: the race list is emptied, the tab area hidden and the day
  // list built again, so that new days appear.
  void DayFilesChanged();

  // Automatic operation's seams in a day load: before the day is read (it stops what ran for
  // the day before), and once the day is in with its race list, before its first race shows.
  std::function<void()> on_load_begins;
  std::function<void(std::string_view date)> on_day_loaded;

  // How the last DateComboChange ended.
  [[nodiscard]] DayLoadResult last_day_load() const { return last_day_load_; }

 private:
  Day& day_;
  const RaceOnScreen& on_screen_;
  DayControls& c_;
  DayLoadControls& loaded_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  std::function<void()> show_race_;
  DayLoadResult last_day_load_ = DayLoadResult::kNoRaceFile;
  std::string loading_date_;  // the date box's text when the running load began
  // The load lets window messages run (pump_messages), and so the batch of loads: these keep
  // a day chosen, or a batch started, through those messages from loading over the day the
  // running load is half-way through.
  Reentry loading_;
  Reentry batch_;
};

}  // namespace rv
