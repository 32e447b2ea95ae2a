// Bet construction of the race on screen, as the main window runs it: the marks of the
// selected bet-selection set, the bets of seven bet types, the investment amount per race
// with the allocation mode, 追い上げ, and the recomputation of a table after a click.
#pragma once

#include <cstdint>

#include "betting/bet_generation.h"
#include "betting/bet_marks.h"
#include "betting/bet_tables.h"
#include "betting/user_kaime_form.h"
#include "model/day.h"
#include "model/race_on_screen.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

// The main window's controls that bet construction reads and writes; they outlive it.
struct BetControls {
  Grid& StringGrid8;        // the runner grid of the race card
  BetTables& tables;        // the eight bet tables
  TUserKaimeForm& sets;     // the selection-set window: its controls are the set in use
  RadioGroup& RadioGroup1;  // "資金配分": "均等", "比例"
  Edit& SaNumEditExC1;      // the investment amount of the race on screen
  Edit& SaNumEditExC2;      // "目標利益金額"
  Edit& SaNumEditExC3;      // "損失金額"
  // The 枠連 methods of "別ロジック買い目" that allocate in their own mode: "枠１～３位ＢＯＸ３点"
  // and "流し買い目", checked as [KaimeSet] ExKaime 1 and 2.
  const Toggle& Kaime3Include;
  const Toggle& NagasiKaime;
};

class BetConstruction {
 public:
  // The day, the race on screen (whose bets these are), the controls, the settings and the
  // dialogs outlive this object.
  BetConstruction(Day& day, const RaceOnScreen& on_screen, const BetControls& controls, TIniGT& ini,
                  Dialogs& dialogs);
  BetConstruction(const BetConstruction&) = delete;
  BetConstruction& operator=(const BetConstruction&) = delete;

  // The race selection's last step, once the race card and the amount boxes show the race:
  // the marks of the selected set and the bets, with the paid combinations of the race.
  void ShowRaceBets();

  // "軸ヒモ": the marks of the current race by the selected set.
  void JikuHimoBtnClick();
  // "買い目": the seven tables from StringGrid8's marks.
  void KaimeMakeBtnClick();
  // A mouse press on StringGrid8: a mark toggled or a heading sort, then the bets again.
  void StringGrid8MouseDown(int row, int col);

  // The allocation mode changed: stored as [KaimeSet] HaibunSet, the seven tables reallocated.
  void RadioGroup1Click();
  // The amount changed (also the target-profit and loss boxes): stored for the current race,
  // the seven tables reallocated.
  void SaNumEditExC1Change();
  void SaNumEditExC2Change() { SaNumEditExC1Change(); }
  void SaNumEditExC3Change() { SaNumEditExC1Change(); }
  // "追い上げ": the amount that wins back the loss and the target profit at the expected
  // return of the 枠連 table; refused with a message when there is no such amount.
  void OiageBtnClick();

  // After a click in a bet table (its totals already cleared): allocation, finish rates and
  // results of that table. The 枠連 table is allocated "比例" whenever it does not hold
  // exactly two live bets, unless a 枠連 method that wants its own mode is chosen.
  void BetTableRecompute(BetTable& table);

  // The investment amount in SaNumEditExC1 as a number (junk reads 0).
  [[nodiscard]] std::int64_t amount() const;
  [[nodiscard]] AllocationMode mode() const;

  // In the group "追い上げ投資用" of the preview tab.
  Command OiageBtn;
  // StringGrid8's heading sort directions, reset with every race shown.
  SortDirections StringGrid8Sort;

 private:
  void Reallocate();

  Day& day_;
  const RaceOnScreen& on_screen_;
  BetControls c_;
  TIniGT& ini_;
  Dialogs& dialogs_;
};

}  // namespace rv
