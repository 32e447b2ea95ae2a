#include "betting/user_kaime_form.h"

#include <gtest/gtest.h>

#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;
using testing::FakeDialogs;
using testing::slurp;
using testing::write_bytes;

class UserKaimeFormTest : public ::testing::Test {
 protected:
  [[nodiscard]] fs::path set_file() const { return dir.path() / "userkaimeset.dat"; }
  [[nodiscard]] std::vector<std::string> file_lines() const {
    return split_lines(slurp(set_file()));
  }
  [[nodiscard]] std::string label() const { return to_utf8(SetNameLabel.text()); }
  void create() { form.FormCreate(); }
  // What a person would have seen, in UTF-8.
  [[nodiscard]] std::vector<std::string> shown() const {
    std::vector<std::string> out;
    out.reserve(dialogs.calls.size());
    for (const std::string& c : dialogs.calls) out.push_back(to_utf8(c));
    return out;
  }

  AppDirScope dir;
  FakeDialogs dialogs;
  Label SetNameLabel;
  TUserKaimeForm form{dialogs, SetNameLabel};
};

TEST_F(UserKaimeFormTest, AMissingFileIsWrittenWithTheSixBuiltInSetsAndTheFirstIsLoaded) {
  create();
  const std::string bytes = slurp(set_file());
  ASSERT_EQ(bytes.size(), 6u * 242u);
  std::string expected;
  for (const SelectionSet& s : BuiltInSets()) expected += SetLine(s) + "\r\n";
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(form.SetCombo.count(), 6);
  EXPECT_EQ(form.SetCombo.item_index(), 0);
  EXPECT_EQ(to_utf8(form.SetCombo.item(1)), "１点買い設定(本命)  ");
  EXPECT_EQ(label(), "推奨設定");
  SelectionSet first = BuiltInSets()[0];
  EXPECT_EQ(form.Current(), first);
  // Start-up reads the settings and writes nothing to them.
  EXPECT_EQ(form.ini.ReadInteger("Kaime", "SetIndex", -1), -1);
  EXPECT_TRUE(shown().empty());
}

TEST_F(UserKaimeFormTest, ChoosingASetLoadsItsControlsAndRemembersIt) {
  create();
  ASSERT_TRUE(form.SelectSet(2));
  EXPECT_EQ(label(), "１点買い設定(穴)");
  EXPECT_EQ(form.NinCombo2.item_index(), 2);
  EXPECT_TRUE(form.CheckBox3.checked());
  EXPECT_EQ(form.SpinEdit3.value(), 0);
  EXPECT_TRUE(form.JikuCheckListBox1.checked(3));
  EXPECT_FALSE(form.JikuCheckListBox1.checked(4));
  EXPECT_EQ(form.ini.ReadInteger("Kaime", "SetIndex", -1), 2);
  EXPECT_FALSE(form.SelectSet(6));
  EXPECT_EQ(form.SetCombo.item_index(), 2);

  // A new window starts on the stored set.
  Label other;
  TUserKaimeForm again(dialogs, other);
  again.FormCreate();
  EXPECT_EQ(again.SetCombo.item_index(), 2);
  EXPECT_EQ(to_utf8(other.text()), "１点買い設定(穴)");
}

TEST_F(UserKaimeFormTest, AStoredIndexPastTheEndSelectsTheFirstSet) {
  form.ini.WriteInteger("Kaime", "SetIndex", 9);
  create();
  EXPECT_EQ(form.SetCombo.item_index(), 0);
  EXPECT_EQ(label(), "推奨設定");
  EXPECT_EQ(form.SpinEdit1.value(), 10);
}

TEST_F(UserKaimeFormTest, AddingCutsTheNameAndAppendsOrAsksBeforeReplacing) {
  create();
  form.SpinEdit22.set_value(5000);
  form.Edit1.set_text(sj("あいうえおかきくけこさし"));  // 24 bytes
  form.AddBtnClick();
  ASSERT_EQ(file_lines().size(), 7u);
  EXPECT_EQ(file_lines()[6], SetLine([&] {
              SelectionSet s = BuiltInSets()[0];
              s.filters[5].high = 5000;
              s.name = sj("あいうえおかきくけこ");
              return s;
            }()));
  EXPECT_EQ(form.SetCombo.item_index(), 6);
  EXPECT_EQ(label(), "あいうえおかきくけこ");
  EXPECT_EQ(form.ini.ReadInteger("Kaime", "SetIndex", -1), 6);

  // The same name again, answered No: file, list and selection stay as they are.
  form.SelectSet(1);
  const std::string before = slurp(set_file());
  form.Edit1.set_text(sj("あいうえおかきくけこ"));
  dialogs.answer = false;
  form.AddBtnClick();
  EXPECT_EQ(shown().back(),
            "confirm: [あいうえおかきくけこ]はすでに存在しています。上書きしますか?");
  EXPECT_EQ(slurp(set_file()), before);
  EXPECT_EQ(form.SetCombo.item_index(), 1);
  EXPECT_EQ(form.ini.ReadInteger("Kaime", "SetIndex", -1), 1);
  EXPECT_EQ(label(), "１点買い設定(本命)");

  // Answered Yes: the set is replaced in its place.
  dialogs.answer = true;
  form.AddBtnClick();
  ASSERT_EQ(file_lines().size(), 7u);
  EXPECT_EQ(file_lines()[6].substr(0, 220), SetLine(BuiltInSets()[1]).substr(0, 220));
  EXPECT_EQ(form.SetCombo.item_index(), 6);

  // A blank name is refused.
  form.Edit1.set_text("   ");
  form.AddBtnClick();
  EXPECT_EQ(shown().back(), "info: 設定名を入力してください。");
  EXPECT_EQ(file_lines().size(), 7u);
}

TEST_F(UserKaimeFormTest, DeletingStopsAtTheLastSet) {
  write_bytes(set_file(), SetLine(BuiltInSets()[0]) + "\r\n" + SetLine(BuiltInSets()[3]) + "\r\n");
  create();
  form.SelectSet(1);
  dialogs.answer = false;
  form.DelBtnClick();
  EXPECT_EQ(shown().back(), "confirm: [回収重視設定]を削除します。よろしいですか?");
  EXPECT_EQ(form.SetCombo.count(), 2);

  dialogs.answer = true;
  form.DelBtnClick();
  EXPECT_EQ(slurp(set_file()), SetLine(BuiltInSets()[0]) + "\r\n");
  EXPECT_EQ(form.SetCombo.count(), 1);
  EXPECT_EQ(form.SetCombo.item_index(), 0);
  EXPECT_EQ(form.ini.ReadInteger("Kaime", "SetIndex", -1), 0);
  // The controls keep the deleted set until another one is chosen.
  EXPECT_EQ(form.SpinEdit1.value(), 20);

  const std::size_t asked = dialogs.calls.size();
  form.DelBtnClick();
  ASSERT_EQ(dialogs.calls.size(), asked + 1);
  EXPECT_EQ(shown().back(),
            "info: 選択中の設定を削除できません。設定名は最低ひとつは残す必要があります。");
  EXPECT_EQ(slurp(set_file()), SetLine(BuiltInSets()[0]) + "\r\n");
}

TEST_F(UserKaimeFormTest, AnEmptyFileLeavesTheListEmptyAndDeleteRefuses) {
  write_bytes(set_file(), "");
  create();
  EXPECT_EQ(form.SetCombo.count(), 0);
  EXPECT_EQ(form.SpinEdit2.value(), 1000);
  EXPECT_EQ(form.NinCombo1.item_index(), 0);
  form.DelBtnClick();
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(slurp(set_file()), "");
}

TEST_F(UserKaimeFormTest, LinesThatAreNoSetsAreReportedSkippedAndKeptOnSave) {
  const std::string good = SetLine(BuiltInSets()[4]);
  std::string trimmed = SetLine(BuiltInSets()[1]);
  trimmed.erase(trimmed.find_last_not_of(' ') + 1);  // an editor removed the padding
  const std::string junk = "garbage";
  const std::string nameless = good.substr(0, 220) + std::string(20, ' ');
  write_bytes(set_file(), junk + "\r\n" + good + "\r\n\r\n" + trimmed + "\r\n" + nameless + "\r\n");
  create();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(shown()[0],
            "info: userkaimeset.dat の 1, 3, 5 "
            "行目は設定として読めないため、一覧に出しません（ファイルにはそのまま残します）。");
  ASSERT_EQ(form.SetCombo.count(), 2);
  EXPECT_EQ(label(), "バランス設定");
  form.SelectSet(1);
  EXPECT_EQ(form.Current().filters, BuiltInSets()[1].filters);

  form.Edit1.set_text("new");
  form.AddBtnClick();
  const std::vector<std::string> lines = file_lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], junk);
  EXPECT_EQ(lines[1], good);
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], trimmed);
  EXPECT_EQ(lines[4], nameless);
  EXPECT_EQ(trim(LineSetName(lines[5])), "new");
  EXPECT_EQ(form.SetCombo.item_index(), 2);

  // Deleting a set between other lines removes just that line.
  form.SelectSet(0);
  form.DelBtnClick();
  EXPECT_EQ(file_lines(), (std::vector<std::string>{junk, "", trimmed, nameless, lines[5]}));
}

TEST_F(UserKaimeFormTest, AFileThatCannotBeReadIsNeverOverwritten) {
  fs::create_directories(set_file());  // reading a folder fails
  create();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(shown()[0].substr(0, 7), "error: ");
  EXPECT_EQ(form.SetCombo.count(), 0);
  form.Edit1.set_text("x");
  EXPECT_THROW(form.AddBtnClick(), FileError);
  EXPECT_TRUE(fs::is_directory(set_file()));
  EXPECT_EQ(form.SetCombo.count(), 0);
}

TEST_F(UserKaimeFormTest, StoredFieldsAreReadForgivinglyAndWrittenBackInTheirPlaces) {
  create();
  std::string line = SetLine(BuiltInSets()[0]);
  line[0] = 'x';                    // not "1": unchecked
  line.replace(90, 4, "abcd");      // junk bound: 0
  line.replace(94, 4, "  -5");      // negative bound: control left alone
  line.replace(130, 3, "9x2");      // choices outside the items fall back to 指定しない
  line.replace(213, 7, "9999999");  // beyond the range: its maximum
  form.SpinEdit2.set_value(777);
  form.LoadLine(line);
  EXPECT_FALSE(form.JikuCheckListBox1.checked(0));
  EXPECT_TRUE(form.JikuCheckListBox1.checked(1));
  EXPECT_EQ(form.SpinEdit1.value(), 0);
  EXPECT_EQ(form.SpinEdit2.value(), 777);
  EXPECT_EQ(form.NinCombo1.item_index(), 0);
  EXPECT_EQ(form.NinCombo2.item_index(), 0);
  EXPECT_EQ(form.NinCombo3.item_index(), 2);
  EXPECT_EQ(form.SpinEdit22.value(), 1000000);
  // A short line reads what it has; the rest is unticked or 0.
  form.LoadLine("111");
  EXPECT_TRUE(form.JikuCheckListBox1.checked(2));
  EXPECT_FALSE(form.HimoCheckListBoxM1.checked(0));
  EXPECT_EQ(form.SpinEdit1.value(), 0);
  EXPECT_EQ(form.SpinEdit2.value(), 1);  // 0 is below its minimum

  // Whatever the controls hold, the line written keeps every field in its place.
  for (int n = 1; n <= 22; ++n) form.spin(n).set_value(form.spin(n).max());
  form.NinCombo1.set_item_index(-1);
  SelectionSet s = form.Current();
  s.name = "x";
  const std::string out = SetLine(s);
  EXPECT_EQ(out.size(), kSetLineLen);
  EXPECT_EQ(out.substr(130, 1), "0");
  form.LoadLine(out);
  for (int n = 1; n <= 22; ++n) EXPECT_EQ(form.spin(n).value(), form.spin(n).max()) << n;
}

TEST_F(UserKaimeFormTest, SelectAllAndClearAllActOnTheCheckListLastPressed) {
  create();
  const SelectionSet before = form.Current();
  form.SelectAllItemClick();  // no list pressed yet
  form.ClearAllItemClick();
  EXPECT_EQ(form.Current(), before);
  form.CheckListMouseDown(form.HimoCheckListBoxN2);
  form.SelectAllItemClick();
  for (int r = 0; r < 18; ++r) EXPECT_TRUE(form.HimoCheckListBoxN2.checked(r));
  EXPECT_EQ(form.HimoCheckListBoxN1.checked(0), false);
  form.CheckListMouseDown(form.JikuCheckListBox1);
  form.ClearAllItemClick();
  EXPECT_EQ(form.Current().ranks[0], (std::array<bool, 18>{}));
  EXPECT_EQ(to_utf8(form.JikuCheckListBox1.items()[0]), " 1位");
  EXPECT_EQ(to_utf8(form.JikuCheckListBox1.items()[17]), "18位");
}

TEST_F(UserKaimeFormTest, ThePositionIsStoredOnDeactivationAndRestoredOnActivation) {
  create();
  EXPECT_FALSE(form.Form.visible());
  form.Show();
  EXPECT_TRUE(form.Form.visible());
  EXPECT_EQ(form.Top, 100);
  EXPECT_EQ(form.Left, 500);
  form.Top = 42;
  form.Left = 7;
  form.FormDeactivate();
  form.Top = 0;
  form.FormActivate();
  EXPECT_EQ(form.Top, 42);
  EXPECT_EQ(form.Left, 7);
  EXPECT_EQ(to_utf8(TUserKaimeForm::Caption()), "(軸・ヒモ馬ユーザー設定)");
}

}  // namespace
}  // namespace rv
