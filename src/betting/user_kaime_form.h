// TUserKaimeForm, the selection-set window "(軸・ヒモ馬ユーザー設定)", without widgets. Its
// controls are the working copy of the selected set: bet generation reads them (or the
// snapshot Current()), not the file. The window stays on top and lives for the whole run.
#pragma once

#include <array>
#include <string>

#include "betting/selection_set.h"
#include "betting/selection_set_file.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

class TUserKaimeForm {
 public:
  // set_name_label: the main window's SetNameLabel, which names the selected set.
  TUserKaimeForm(Dialogs& dialogs, Label& set_name_label);
  TUserKaimeForm(const TUserKaimeForm&) = delete;
  TUserKaimeForm& operator=(const TUserKaimeForm&) = delete;

  // Loads userkaimeset.dat (writing the built-in sets when it is missing), fills SetCombo
  // and selects the set [Kaime] SetIndex (the first one when that is past the end).
  void FormCreate();
  // The menu item "軸・ヒモ馬ユーザー設定(&H)" shows the window.
  void Show();
  // Activation moves the window to its stored place; deactivation stores where it is.
  void FormActivate();
  void FormDeactivate();

  // A set chosen in SetCombo: its line goes into the controls, its index into the settings
  // and its name into SetNameLabel.
  void SetComboChange();
  // Chooses set i as the user would in SetCombo; false (nothing changes) outside the list.
  bool SelectSet(int i);
  // "追加": stores the controls as a set named by Edit1 (asking before it replaces a set
  // of the same name).
  void AddBtnClick();
  // "削除": deletes the selected set after asking; the last set cannot be deleted.
  void DelBtnClick();

  // A mouse press in a check list makes it the one the pop-up menu acts on.
  void CheckListMouseDown(CheckListBox& list);
  // Pop-up "全選択" and "全クリア" on that check list; nothing before the first press.
  void SelectAllItemClick();
  void ClearAllItemClick();

  // The working copy as a set (name: the selected set's, trimmed).
  [[nodiscard]] SelectionSet Current() const;
  // Puts a set into the controls (the name is not a control and is ignored).
  void LoadSet(const SelectionSet& set);
  // Puts a stored line into the controls: "1" ticks a flag, anything else clears it; a bound
  // that reads below 0 leaves its spin edit alone (junk reads 0); a choice outside the
  // combo's items selects "指定しない".
  void LoadLine(std::string_view line);

  // The check lists in the order of RankList; the spin edits SpinEdit1..22 by number.
  [[nodiscard]] CheckListBox& rank_list(RankList l) { return *lists_[static_cast<std::size_t>(l)]; }
  [[nodiscard]] SpinEdit& spin(int n) { return *spins_.at(static_cast<std::size_t>(n - 1)); }
  [[nodiscard]] const SpinEdit& spin(int n) const {
    return *spins_.at(static_cast<std::size_t>(n - 1));
  }
  [[nodiscard]] const SelectionSetFile& file() const { return file_; }

  static const std::string& Caption();

  // The window itself: shown or hidden, and where it stands.
  Control Form;
  int Top = 100;
  int Left = 500;

  CheckListBox JikuCheckListBox1;
  CheckListBox HimoCheckListBoxM1;
  CheckListBox HimoCheckListBoxN1;
  CheckListBox HimoCheckListBoxM2;
  CheckListBox HimoCheckListBoxN2;
  // Win odds: axis, ヒモ1 and ヒモ2 by mining rank, ヒモ1 and ヒモ2 by popularity.
  SpinEdit SpinEdit1{0, 1000, 0}, SpinEdit2{1, 1000, 1000};
  SpinEdit SpinEdit3{0, 1000, 0}, SpinEdit4{1, 1000, 1000};
  SpinEdit SpinEdit5{0, 1000, 0}, SpinEdit6{1, 1000, 1000};
  SpinEdit SpinEdit7{0, 1000, 0}, SpinEdit8{1, 1000, 1000};
  SpinEdit SpinEdit9{0, 1000, 0}, SpinEdit10{1, 1000, 1000};
  // Bet odds: 複勝, 馬連, ワイド, 馬単, ３連複, ３連単.
  SpinEdit SpinEdit11{0, 1000, 0}, SpinEdit12{1, 1000, 1000};
  SpinEdit SpinEdit13{0, 100000, 0}, SpinEdit14{1, 100000, 100000};
  SpinEdit SpinEdit15{0, 10000, 0}, SpinEdit16{1, 10000, 10000};
  SpinEdit SpinEdit17{0, 100000, 0}, SpinEdit18{1, 100000, 100000};
  SpinEdit SpinEdit19{0, 100000, 0}, SpinEdit20{1, 100000, 100000};
  SpinEdit SpinEdit21{0, 1000000, 0}, SpinEdit22{1, 1000000, 1000000};
  // "指定しない", "最低人気馬", "最高人気馬" for the axis, ヒモ1 and ヒモ2 by mining rank.
  ListControl NinCombo1, NinCombo2, NinCombo3;
  Toggle CheckBox1, CheckBox2, CheckBox3;
  ListControl SetCombo;
  Edit Edit1;

  TIniGT ini;

 private:
  void FillSetCombo();
  // The selected set into the controls and its name into SetNameLabel; false without one.
  bool LoadSelected();
  void ShowSetName();
  std::array<ListControl*, 3> nin_combos() { return {&NinCombo1, &NinCombo2, &NinCombo3}; }
  std::array<Toggle*, 3> check_boxes() { return {&CheckBox1, &CheckBox2, &CheckBox3}; }

  Dialogs& dialogs_;
  Label& set_name_label_;
  SelectionSetFile file_;
  std::array<CheckListBox*, 5> lists_;
  std::array<SpinEdit*, 22> spins_;
  CheckListBox* last_pressed_ = nullptr;
};

}  // namespace rv
