// The race card of the race on screen: the header labels, the results card (StringGrid6),
// the entry card "出馬表" (StringGrid26) with its sort buttons, the runner grid of the axis
// and partner marks (StringGrid8), and the grids sized with them.
#pragma once

#include <string>
#include <vector>

#include "model/day.h"
#include "model/grid_sort.h"
#include "model/race_on_screen.h"
#include "model/results_tab.h"
#include "support/controls.h"

namespace rv {

// The entry card's sort buttons, one group, one of them down.
enum class CardSort : int {
  kUmaban,        // "馬番" SpeedButton14, down at start
  kNinkiSisu,     // "人気指数" SpeedButton15
  kShohaiSisu,    // "勝敗指数" SpeedButton17
  kNoryokuSisu,   // "能力指数" SpeedButton18
  kSogoSisu,      // "総合指数" SpeedButton20
  kNinki,         // "人気" SpeedButton3
  kChakujun,      // "着順" SpeedButton16
  kKakuteiNinki,  // "確定人気" SpeedButton2
};
inline constexpr int kCardSortCount = 8;

struct RaceCardControls {
  RaceCardControls();

  // Header of the race.
  Label Label1;  // date, venue, meeting, race, start time, weather and going
  Label Label2;  // edition and race name
  Label Label3;  // runners, distance, track, grade, kind, symbols
  Label Label4;  // weight type and conditions
  Label Label6;  // prize money
  Label Label7;  // added prize money
  Label BashoLabel;
  Label RaceLabel;
  Label TFWtimeLabel;  // announcement time of the race's odds
  Label Tan1Label;     // the favourite's win odds
  Label Panel3;        // its colour only: green for a turf race, maroon otherwise
  Label JikuLabel;
  Label HimoLabel;

  Grid StringGrid6;   // results card, two lines per horse
  Grid StringGrid26;  // entry card "出馬表"
  Grid StringGrid8;   // runners with the axis and partner marks
  Grid StringGrid4;   // axis/partner table "軸ヒモ確認表", sized and cleared with the cards

  // The sort buttons (captions in CardSort order) and the heading-press directions.
  RadioGroup SortButtons;
  SortDirections StringGrid26Sort;

  // The horse position last pressed on StringGrid6 (-1: none) and the pop-up captions.
  int SelectedHorse = -1;
  Label R1;               // "追跡馬に登録(&R)"
  Label HorseInfoItem;    // "馬情報:"
  Label JockeyInfoItem;   // "騎手情報:"
  Label TrainerInfoItem;  // "調教師情報:"

  ResultsTab results;
};

// The registered runners of a slot as the cards show them (0..18).
int CardRunners(const Day& day, int slot);

// A race can be shown when its first horse has a horse number.
bool RaceHasHorses(const Day& day, int slot);
// "<race number>レースはデータが不十分です。"
std::string NoHorseDataMessage(const Day& day, int slot);

// Shows slot s: sizes and clears the grids, resets the heading-press directions, makes s the
// race on screen, fills the header, the results card, the payout labels and the entry card
// and sorts it by the button that is down. The caller has checked RaceHasHorses.
void ShowRace(Day& day, int slot, RaceCardControls& card, RaceOnScreen& on_screen);

// The header labels of a slot.
void ShowRaceHeader(const Day& day, int slot, RaceCardControls& card);
// StringGrid6's texts, Tan1Label and the day's win odds by popularity.
void FillResultsCard(Day& day, int slot, RaceCardControls& card);
// StringGrid26 and StringGrid8 of a slot (sisushutubaBtnClick: the race on screen's).
void FillEntryCard(const Day& day, int slot, RaceCardControls& card);

}  // namespace rv
