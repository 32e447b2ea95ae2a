// The results card of the race on screen (StringGrid6) and its pop-up menu: pressing a row
// selects its horse, "追跡馬に登録(&R)" puts that horse on the chase list.
#pragma once

#include <functional>

#include "model/chase_list.h"
#include "model/day.h"
#include "model/race_card.h"
#include "model/race_on_screen.h"
#include "support/services.h"

namespace rv {

class ResultsPage {
 public:
  // Everything given outlives this object. show_race shows the race on screen again.
  ResultsPage(Day& day, const RaceOnScreen& on_screen, RaceCardControls& card, Dialogs& dialogs,
              std::function<void()> show_race);
  ResultsPage(const ResultsPage&) = delete;
  ResultsPage& operator=(const ResultsPage&) = delete;

  // A press selects the row's horse for the pop-up menu; releasing the mouse removes the
  // cell selection.
  void StringGrid6MouseDown(int row);
  void StringGrid6MouseUp();
  // "追跡馬に登録(&R)": puts the selected horse on the chase list and shows the race again.
  void R1Click();

  ChaseList chase_list;

 private:
  Day& day_;
  const RaceOnScreen& on_screen_;
  RaceCardControls& card_;
  Dialogs& dialogs_;
  std::function<void()> show_race_;
};

}  // namespace rv
