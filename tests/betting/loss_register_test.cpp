// The loss register: booking a race's loss or profit, the refusals, deletion, clearing and
// ruison.csv.
#include "betting/loss_register.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::write_bytes;

class LossRegister : public ::testing::Test {
 protected:
  LossRegister() {
    day_->blank_records();
    for (int slot = 0; slot < 3; ++slot) {
      day_->RaData[static_cast<std::size_t>(slot)].assign(
          jvfeed::ra(jvfeed::key(20261206, 6, 10 + slot), {}).str());
    }
    dates_.add(sj("2026年12月06日"));
    dates_.set_item_index(0);
    races_.set_items({"a", "b", "c"});
  }

  TLossRegForm& open() {
    form_ = std::make_unique<TLossRegForm>(*day_, dates_, main_loss_, ini_, dialogs_);
    form_->FormCreate();
    form_->FollowDay(races_);
    return *form_;
  }
  bool record(int slot, int yen) {
    form_->DatList.set_item_index(slot);
    form_->SaNumEditExC3.set_text(std::to_string(yen));
    return form_->TanLossBtnClick();
  }
  [[nodiscard]] std::string file() const {
    return read_file(dir_.path() / "ruison.csv").value_or("<none>");
  }
  [[nodiscard]] std::string last_call() const {
    return dialogs_.calls.empty() ? std::string() : dialogs_.calls.back();
  }

  testing::AppDirScope dir_;
  std::unique_ptr<Day> day_ = make_day();
  ListControl dates_;
  ListControl races_;
  Edit main_loss_;
  TIniGT ini_;
  testing::FakeDialogs dialogs_;
  std::unique_ptr<TLossRegForm> form_;
};

TEST_F(LossRegister, RecordsAreSavedQuotedAndTheTotalFollows) {
  TLossRegForm& f = open();
  EXPECT_EQ(f.RuisonLabel.text(), "");
  EXPECT_TRUE(record(1, 2000));
  EXPECT_EQ(last_call(), "confirm: " + sj("2026/12/06中山11Rの損失金を記録しますか？"));
  EXPECT_TRUE(record(0, -500));
  EXPECT_EQ(f.RuisonLabel.text(), "    1500");
  EXPECT_EQ(main_loss_.text(), "1500");
  EXPECT_EQ(file(), sj("\" 1\",\"2026/12/06中山11R\",\"枠連\",\"   2000\"\r\n"
                       "\" 2\",\"2026/12/06中山10R\",\"枠連\",\"   -500\"\r\n"));
}

TEST_F(LossRegister, RefusalsLeaveTheTableAsItWas) {
  TLossRegForm& f = open();
  record(1, 2000);
  // A profit beyond the loss.
  EXPECT_FALSE(record(0, -3000));
  EXPECT_EQ(last_call(), "info: " + sj("利益金を記録する必要はありません。"));
  // The same race again: the same amount is refused, another overwrites in place.
  EXPECT_FALSE(record(1, 2000));
  EXPECT_EQ(last_call(), "info: " + sj("すでに同じ内容が計上済みです。"));
  record(2, 700);
  EXPECT_TRUE(record(1, 2500));
  EXPECT_EQ(last_call(), "confirm: " + sj("同じレースの損失金が計上済みです。上書きしますか？"));
  EXPECT_EQ(f.StringGrid4.cell(1, 0), " 1");
  EXPECT_EQ(f.StringGrid4.cell(1, 3), "   2500");
  EXPECT_EQ(f.RuisonLabel.text(), "    3200");
  // Nothing without an amount, or without a day in the main window.
  EXPECT_FALSE(record(0, 0));
  dates_.set_item_index(-1);
  EXPECT_FALSE(record(0, 100));
}

TEST_F(LossRegister, DeletingRenumbersAndTheOnlyRowMustBeCleared) {
  TLossRegForm& f = open();
  record(0, 1000);
  f.StringGrid4MouseDown(1);
  EXPECT_FALSE(f.DeleteItemClick());
  EXPECT_EQ(last_call(),
            "info: " + sj("このデータを削除すると損失が消えます。全削除を行ってください。"));
  record(1, 2000);
  f.StringGrid4MouseDown(1);
  EXPECT_TRUE(f.DeleteItemClick());
  EXPECT_EQ(last_call(), "confirm: " + sj("[No.] 1【2026/12/06中山10R】のデータを削除しますか？"));
  EXPECT_EQ(f.StringGrid4.row_count(), 2);
  EXPECT_EQ(f.StringGrid4.cell(1, 0), " 1");
  EXPECT_EQ(f.StringGrid4.cell(1, 1), sj("2026/12/06中山11R"));
  EXPECT_EQ(f.RuisonLabel.text(), "    2000");

  EXPECT_TRUE(f.ClearItemClick());
  EXPECT_EQ(f.RuisonLabel.text(), "");
  EXPECT_EQ(f.StringGrid4.cell(1, 1), "");
  EXPECT_EQ(file(), "");
}

TEST_F(LossRegister, FileLinesUseTheirFirstFourFieldsAndADamagedFileIsKept) {
  write_bytes(dir_.path() / "ruison.csv",
              sj("\" 1\",\"2026/12/06中山10R\",\"枠連\",\"   1200\",\"extra\"\r\n"
                 "\" 2\",\"broken\r\n"));
  TLossRegForm& f = open();
  EXPECT_EQ(f.StringGrid4.cell(1, 3), "   1200");
  EXPECT_EQ(f.StringGrid4.row_count(), 2);
  EXPECT_EQ(f.RuisonLabel.text(), "    1200");
  ASSERT_FALSE(dialogs_.calls.empty());
  EXPECT_EQ(dialogs_.calls[0].substr(0, 7), "error: ");
  // Saving over it needs the user's word.
  dialogs_.answers = {true, false};
  record(1, 300);
  EXPECT_TRUE(file().ends_with("broken\r\n"));
}

}  // namespace
}  // namespace rv
