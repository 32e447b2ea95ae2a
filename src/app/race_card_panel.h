// The race on screen as the main window shows it: the race chosen in the race list, its race
// card with the entry card's sorts, and the clipboard copies of the card. This is where the
// race on screen lives: showing a race sets it, everything else is given it read-only.
#pragma once

#include <functional>

#include "app/allocation_controls.h"
#include "app/day_loading.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_card.h"
#include "model/race_on_screen.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

class RaceCardPanel {
 public:
  // Everything given outlives this object; RuisonLabel is the loss register's total. show_bets
  // builds the bets of the race just shown (bet construction's ShowRaceBets).
  RaceCardPanel(Day& day, RaceCardControls& card, DayControls& days, DayLoadControls& loaded,
                AllocationControls& allocation, const Label& RuisonLabel, TIniGT& ini,
                Dialogs& dialogs, Desktop& desktop, std::function<void()> show_bets);
  RaceCardPanel(const RaceCardPanel&) = delete;
  RaceCardPanel& operator=(const RaceCardPanel&) = delete;

  [[nodiscard]] const RaceOnScreen& on_screen() const { return on_screen_; }

  // Shows the race selected in DatList; a race without runner data is refused with a
  // message and the race on screen stays, selected.
  void DatListClick();
  // "出馬表作成": fills the entry card and the runner grid of the race on screen.
  void sisushutubaBtnClick();
  // The sort buttons of the entry card: sorts by the one that is down.
  void SpeedButton14Click();
  // A press in a rank column of the entry card sorts it by that column.
  void StringGrid26MouseDown(int row, int col);
  // The clipboard copies: the entry card (button and pop-up item), the axis/partner table.
  void ClipBtn1Click();
  void Clip1Click();
  void N6Click();

 private:
  Day& day_;
  RaceCardControls& card_;
  DayControls& days_;
  DayLoadControls& loaded_;
  AllocationControls& allocation_;
  const Label& RuisonLabel_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  Desktop& desktop_;
  std::function<void()> show_bets_;
  RaceOnScreen on_screen_;
};

}  // namespace rv
