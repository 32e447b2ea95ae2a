// The race day that runs by itself: the clock and the remaining time on screen, the odds of
// each race fetched a set number of minutes before its start (the odds pass), the data-mining
// predictions and results at a fixed interval, and the change announcements. The timers
// count in the app clock's time (ClockTimers), so a test or a replay can run a day through.
//
// States: Manual (only the clock and the remaining time run) until today's day (or
// tomorrow's from 18:00) is loaded; then Armed (the odds pass, results and changes run) until
// "ｵｯｽﾞ自動取得" finds a reason to stop, which stops the odds pass only. While the odds
// pass runs OzLoopBusy is set and neither the odds timer nor the delivery starts again.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/day_loading.h"
#include "app/main_layout.h"
#include "app/realtime_fetch.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_on_screen.h"
#include "support/clock_timer.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

class AutoOperation {
 public:
  // Everything given outlives this object. show_race shows the race selected in the race
  // list (the race selection's DatListClick). The clock and remaining-time timers run from
  // here on.
  AutoOperation(Day& day, const RaceOnScreen& on_screen, DayControls& days, DayLoadControls& loaded,
                ToolBarControls& tool_bar, RealtimeFetch& fetch, DayLoading& day_loading,
                TIniGT& ini, Dialogs& dialogs, ClockTimers& timers,
                std::function<void()> show_race);
  AutoOperation(const AutoOperation&) = delete;
  AutoOperation& operator=(const AutoOperation&) = delete;

  // The day load's seams: before a day is read, and once it is in with its race list (date
  // as the date box holds it).
  void DayLoadBegins();
  void StartDayOperation(std::string_view date);

  void Timer1Timer();  // the odds pass, 09:00-18:00
  void Timer2Timer();  // the clock
  void Timer3Timer();  // the remaining time to the start of the race on screen
  void Timer4Timer();  // data mining and results until 18:00
  void HenkoJohoTimerTimer();
  // "ｵｯｽﾞ自動取得" ticked or unticked: checks that the loaded day can run the odds pass and
  // switches it; a failing check beeps, says why and unticks the box.
  void AutoOzCheckClick();
  // "ｵｯｽﾞ取得（自動）": the odds of every race in OzQueue, in order.
  void OzGetLoopBtnClick();
  // "直前ﾚｰｽ": the next race to start on today's day, shown.
  void NextRaceBtnClick();

  ClockTimer Timer1;
  ClockTimer Timer2;
  ClockTimer Timer3;
  ClockTimer Timer4;
  ClockTimer HenkoJohoTimer;
  Toggle AutoOzCheck{sj("ｵｯｽﾞ自動取得"), kHidden};
  Command OzGetLoopBtn{sj("ｵｯｽﾞ取得（自動）"), kHidden};

  // Runs when a day that runs by itself arms the odds pass (the delivery timer joins then).
  std::function<void()> on_odds_pass_armed;

  // Race key (16 digits) + slot ("%2d") of each race of the running odds pass.
  std::vector<std::string> OzQueue;
  bool OzLoopBusy = false;
  // Minutes before the first start from which results (+30) and changes (+60) are fetched.
  int LeadMinutes = 10;

 private:
  // Today's day, or tomorrow's from 18:00: the days that run by themselves.
  [[nodiscard]] bool RunsByItself(std::string_view date) const;
  [[nodiscard]] bool OddsCurrent(int slot) const;
  [[nodiscard]] std::string FirstStartMinus(int minutes) const;

  Day& day_;
  const RaceOnScreen& on_screen_;
  DayControls& days_;
  DayLoadControls& loaded_;
  ToolBarControls& tool_bar_;
  RealtimeFetch& fetch_;
  DayLoading& day_loading_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  std::function<void()> show_race_;
};

}  // namespace rv
