#include "betting/user_kaime_form.h"

#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kNinChoices = 3;

std::vector<std::string> rank_items() {
  std::vector<std::string> items;
  for (int r = 1; r <= kSetRanks; ++r) items.push_back(fmt("%2d位", r));
  return items;
}

std::vector<std::string> nin_items() {
  return {sj("指定しない"), sj("最低人気馬"), sj("最高人気馬")};
}

// Flag, bound and choice fields of a stored line, by 1-based position.
constexpr std::size_t kFlagsPos = 1;
constexpr std::size_t kWinOddsPos = 91;
constexpr std::size_t kNinPos = 131;
constexpr std::size_t kExcludePos = 134;
constexpr std::size_t kFiltersPos = 137;

}  // namespace

const std::string& TUserKaimeForm::Caption() {
  return SJ("(軸・ヒモ馬ユーザー設定)");
}

TUserKaimeForm::TUserKaimeForm(Dialogs& dialogs, Label& set_name_label)
    : CheckBox1(sj("単勝人気順位がマイニング順位より上位の馬を除外")),
      CheckBox2(sj("単勝人気順位がマイニング順位より上位の馬を除外")),
      CheckBox3(sj("単勝人気順位がマイニング順位より上位の馬を除外")),
      dialogs_(dialogs),
      set_name_label_(set_name_label),
      lists_{&JikuCheckListBox1, &HimoCheckListBoxM1, &HimoCheckListBoxN1, &HimoCheckListBoxM2,
             &HimoCheckListBoxN2},
      spins_{&SpinEdit1,  &SpinEdit2,  &SpinEdit3,  &SpinEdit4,  &SpinEdit5,  &SpinEdit6,
             &SpinEdit7,  &SpinEdit8,  &SpinEdit9,  &SpinEdit10, &SpinEdit11, &SpinEdit12,
             &SpinEdit13, &SpinEdit14, &SpinEdit15, &SpinEdit16, &SpinEdit17, &SpinEdit18,
             &SpinEdit19, &SpinEdit20, &SpinEdit21, &SpinEdit22} {
  Form.set_visible(false);
  for (CheckListBox* l : lists_) l->set_items(rank_items());
  for (ListControl* c : nin_combos()) {
    c->set_items(nin_items());
    c->set_item_index(0);
  }
  Edit1.set_text(sj("ユーザー設定1"));
}

void TUserKaimeForm::FormCreate() {
  try {
    file_.Load();
  } catch (const FileError& e) {
    dialogs_.error(e.what());
  }
  const std::vector<int> others = file_.other_lines();
  if (!others.empty()) {
    std::string where;
    for (const int n : others) where += (where.empty() ? "" : ", ") + std::to_string(n);
    dialogs_.info(
        SJ("userkaimeset.dat の ") + where +
        SJ(" 行目は設定として読めないため、一覧に出しません（ファイルにはそのまま残します）。"));
  }
  FillSetCombo();
  if (SetCombo.count() == 0) return;
  int index = ini.ReadInteger("Kaime", "SetIndex", 0);
  // A stored index past the list (a set deleted by hand) falls back to the first set, so
  // that some set is always selected and its controls loaded.
  if (index < 0 || index >= SetCombo.count()) index = 0;
  // Start-up only reads the settings; the index is stored when the user chooses a set.
  SetCombo.set_item_index(index);
  LoadSelected();
}

void TUserKaimeForm::Show() {
  Form.set_visible(true);
  FormActivate();
}

void TUserKaimeForm::FormActivate() {
  Top = ini.ReadInteger("UserKaimeForm", "top", 100);
  Left = ini.ReadInteger("UserKaimeForm", "left", 500);
  Form.touch();
}

void TUserKaimeForm::FormDeactivate() {
  ini.WriteInteger("UserKaimeForm", "top", Top);
  ini.WriteInteger("UserKaimeForm", "left", Left);
}

void TUserKaimeForm::FillSetCombo() {
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(file_.count()));
  for (int i = 0; i < file_.count(); ++i) names.push_back(file_.name(i));
  SetCombo.set_items(std::move(names));
}

void TUserKaimeForm::ShowSetName() {
  set_name_label_.set_text(std::string(trim(SetCombo.text())));
}

bool TUserKaimeForm::SelectSet(int i) {
  if (i < 0 || i >= SetCombo.count()) return false;
  SetCombo.set_item_index(i);
  SetComboChange();
  return true;
}

bool TUserKaimeForm::LoadSelected() {
  const int i = SetCombo.item_index();
  if (i < 0 || i >= file_.count()) return false;
  LoadLine(file_.line(i));
  ShowSetName();
  return true;
}

void TUserKaimeForm::SetComboChange() {
  if (LoadSelected()) ini.WriteInteger("Kaime", "SetIndex", SetCombo.item_index());
}

void TUserKaimeForm::LoadLine(std::string_view line) {
  for (std::size_t l = 0; l < lists_.size(); ++l) {
    for (int r = 0; r < kSetRanks; ++r) {
      const std::size_t pos = kFlagsPos + l * kSetRanks + static_cast<std::size_t>(r);
      lists_[l]->set_checked(r, fld(line, pos, 1) == "1");
    }
  }
  const auto bound = [&](int n, std::size_t pos, std::size_t width) {
    const int v = inum(fld(line, pos, width));
    if (v >= 0) spin(n).set_value(v);
  };
  for (int n = 1; n <= 10; ++n) bound(n, kWinOddsPos + static_cast<std::size_t>(n - 1) * 4, 4);
  for (int n = 11; n <= 22; ++n) bound(n, kFiltersPos + static_cast<std::size_t>(n - 11) * 7, 7);
  const auto combos = nin_combos();
  const auto boxes = check_boxes();
  for (std::size_t k = 0; k < 3; ++k) {
    const int choice = inum(fld(line, kNinPos + k, 1));
    combos[k]->set_item_index(choice >= 0 && choice < kNinChoices ? choice : 0);
    boxes[k]->set_checked(fld(line, kExcludePos + k, 1) == "1");
  }
}

SelectionSet TUserKaimeForm::Current() const {
  SelectionSet s;
  for (std::size_t l = 0; l < lists_.size(); ++l) {
    for (int r = 0; r < kSetRanks; ++r) {
      s.ranks[l][static_cast<std::size_t>(r)] = lists_[l]->checked(r);
    }
  }
  for (std::size_t k = 0; k < s.win_odds.size(); ++k) {
    s.win_odds[k] = {spins_[2 * k]->value(), spins_[2 * k + 1]->value()};
  }
  for (std::size_t k = 0; k < s.filters.size(); ++k) {
    s.filters[k] = {spins_[10 + 2 * k]->value(), spins_[11 + 2 * k]->value()};
  }
  const ListControl* combos[] = {&NinCombo1, &NinCombo2, &NinCombo3};
  const Toggle* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3};
  for (std::size_t k = 0; k < 3; ++k) {
    const int choice = combos[k]->item_index();
    s.nin[k] = static_cast<NinChoice>(choice >= 0 && choice < kNinChoices ? choice : 0);
    s.exclude[k] = boxes[k]->checked();
  }
  s.name = std::string(trim(SetCombo.text()));
  return s;
}

void TUserKaimeForm::LoadSet(const SelectionSet& set) {
  LoadLine(SetLine(set));
}

void TUserKaimeForm::AddBtnClick() {
  const std::string_view typed = trim(Edit1.text());
  if (typed.empty()) {
    dialogs_.info(SJ("設定名を入力してください。"));
    return;
  }
  SelectionSet set = Current();
  set.name = Edit1.text();
  std::string line = SetLine(set);
  const std::string name = LineSetName(line);
  const int existing = file_.find(name);
  if (existing >= 0) {
    if (!dialogs_.confirm("[" + std::string(trim(name)) +
                          SJ("]はすでに存在しています。上書きしますか?"))) {
      return;
    }
  }
  SelectionSetFile next = file_;
  if (existing >= 0) {
    next.replace(existing, std::move(line));
  } else {
    next.append(std::move(line));
  }
  next.Save();
  file_ = std::move(next);
  FillSetCombo();
  SetCombo.set_item_index(file_.find(name));
  // The controls are the new set now, so the main window names it.
  ShowSetName();
  ini.WriteInteger("Kaime", "SetIndex", SetCombo.item_index());
}

void TUserKaimeForm::DelBtnClick() {
  const int i = SetCombo.item_index();
  if (SetCombo.count() <= 1 || i < 0) {
    dialogs_.info(SJ("選択中の設定を削除できません。設定名は最低ひとつは残す必要があります。"));
    return;
  }
  if (!dialogs_.confirm("[" + std::string(trim(SetCombo.text())) +
                        SJ("]を削除します。よろしいですか?"))) {
    return;
  }
  SelectionSetFile next = file_;
  next.remove(i);
  next.Save();
  file_ = std::move(next);
  FillSetCombo();
  SetCombo.set_item_index(0);
  ini.WriteInteger("Kaime", "SetIndex", 0);
}

void TUserKaimeForm::CheckListMouseDown(CheckListBox& list) {
  last_pressed_ = &list;
}

void TUserKaimeForm::SelectAllItemClick() {
  if (last_pressed_ != nullptr) last_pressed_->set_all(true);
}

void TUserKaimeForm::ClearAllItemClick() {
  if (last_pressed_ != nullptr) last_pressed_->set_all(false);
}

}  // namespace rv
