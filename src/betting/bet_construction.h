// Bet construction of the race on screen, as the main window runs it: the marks of the
// selected bet-selection set, the bets of seven bet types, the investment amount per race
// with the allocation mode, 追い上げ, and the recomputation of a table after a click.
#pragma once

#include <cstdint>
#include <string_view>

#include "betting/bet_generation.h"
#include "betting/bet_marks.h"
#include "betting/bet_tables.h"
#include "betting/user_kaime_form.h"
#include "model/day.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

class BetConstruction {
 public:
  // Everything given outlives this object: the day, the runner grid StringGrid8 of the race
  // card, the bet tables, the selection-set window whose controls are the set in use, the
  // allocation mode group ("資金配分") and the window's settings and dialogs.
  BetConstruction(Day& day, Grid& StringGrid8, BetTables& tables, TUserKaimeForm& sets,
                  RadioGroup& RadioGroup1, TIniGT& ini, Dialogs& dialogs);
  BetConstruction(const BetConstruction&) = delete;
  BetConstruction& operator=(const BetConstruction&) = delete;

  // The race selection after its race card: the amount boxes (the slot's amount, the target
  // profit [KaimeSet] DefaultTarProfit, the loss from the loss register's label text, 0
  // when not a number), then the marks and the bets.
  void ShowRaceBets(int slot, std::string_view ruison_text);

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

  // The amount of the current race ("投資金額"), the target profit ("目標利益金額") and the
  // loss ("損失金額"), whole yen.
  Edit SaNumEditExC1;
  Edit SaNumEditExC2;
  Edit SaNumEditExC3;
  // In the group "追い上げ投資用" of the preview tab.
  Command OiageBtn;
  // StringGrid8's heading sort directions, reset with every race shown.
  SortDirections StringGrid8Sort;

 private:
  void Reallocate();

  Day& day_;
  Grid& grid8_;
  BetTables& tables_;
  TUserKaimeForm& sets_;
  RadioGroup& mode_group_;
  TIniGT& ini_;
  Dialogs& dialogs_;
};

}  // namespace rv
