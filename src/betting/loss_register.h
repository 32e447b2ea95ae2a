// The loss register "損失金管理" (TLossRegForm): the money lost race by race, whose total the
// 追い上げ amount aims to win back. Its table is kept in ruison.csv after every change; the
// total goes into the main window's 損失金額 field.
#pragma once

#include <cstdint>
#include <string>

#include "model/day.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

// The race text of a slot as the register names races: "2026/12/06中山11R".
std::string LossRaceText(const Day& day, int slot);

class TLossRegForm {
 public:
  // The day, the main window's date box and 損失金額 field, the settings and the dialogs
  // outlive this object.
  TLossRegForm(const Day& day, const ListControl& DateCombo, Edit& main_loss, TIniGT& ini,
               Dialogs& dialogs);
  TLossRegForm(const TLossRegForm&) = delete;
  TLossRegForm& operator=(const TLossRegForm&) = delete;

  // Creation: headings, the hidden bet-type column, the rows of ruison.csv and their total.
  // A file that cannot be read is reported and kept from being overwritten unasked.
  void FormCreate();
  // The position in [Losslocate]: restored on activation, stored on deactivation.
  void FormActivate();
  void FormDeactivate();
  // "損失メモ" on the main window: the window is shown.
  void Show();
  // The race list follows the day loaded in the main window: entry i is race slot i.
  void FollowDay(const ListControl& races);

  // "損失記録": the amount of SaNumEditExC3 booked for the race selected in DatList. These
  // three answer whether they did their work (false: refused, or the user said No).
  bool TanLossBtnClick();
  // A press on a data row chooses it for "削除(&D)".
  void StringGrid4MouseDown(int row);
  // "削除(&D)" and "全削除(&A)" of the table's pop-up menu.
  bool DeleteItemClick();
  bool ClearItemClick();
  [[nodiscard]] CellStyle StringGrid4DrawCell(int row, int col) const;

  // The sum of the amounts (a cell that is not a number counts 0).
  [[nodiscard]] std::int64_t total() const;
  [[nodiscard]] bool empty() const;

  // The window itself, "損失金管理", on top of the others: shown or hidden, and where it stands.
  Control Form{false};
  int Top = 50;
  int Left = 600;

  Grid StringGrid4;   // "No.", "レース", "馬券種" (hidden), "損失金"
  Label RuisonLabel;  // the total "%8d", empty while the register is
  ListControl DatList;
  Edit SaNumEditExC3;  // "登録する損失金額"
  Command TanLossBtn;  // "損失記録"
  Command DeleteItem;  // "削除(&D)"
  Command ClearItem;   // "全削除(&A)"

 private:
  void ShowTotal();
  // The table to ruison.csv; a damaged file is overwritten only when the user agrees.
  void Save();
  // Rows numbered 1, 2, ... ("%2d").
  void Renumber();

  const Day& day_;
  const ListControl& DateCombo_;
  Edit& main_loss_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  bool damaged_ = false;
  // The row chosen by the last press (-1: none), the total without it and its description.
  int chosen_ = -1;
  std::int64_t rest_ = 0;
  std::string chosen_text_;
};

}  // namespace rv
