// The main window's voting commands on a stored day: which bet table each one takes, and
// the race and day they take from the window.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <system_error>
#include <utility>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/form_rig.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::slurp;
using testing::write_bytes;

class VoteCommands : public ::testing::Test, protected testing::FormRig {
 protected:
  VoteCommands() {
    fs::create_directories(dir.path() / "DATA");
    // 東京 on 10 May 2009, 2nd meeting, 6th day: race 11 of eight runners alone.
    DayStore store(DayStore::Mode::kWriteBack);
    const jvfeed::RaceKey key = jvfeed::key(20090510, 5, 11, 2, 6);
    store.Store(jvfeed::ra(key, {.runners = 8}), RecordOrigin::kStoredData, true);
    for (int h = 1; h <= 8; ++h) {
      store.Store(jvfeed::se(key, {.horse = h, .runners = 8}), RecordOrigin::kStoredData, true);
    }
    store.Flush();
    start();
    dialogs.calls.clear();
  }
  ~VoteCommands() override {
    std::error_code ec;
    fs::current_path(cwd_, ec);
  }

  // The day loaded, with a bet in the table of each type listed (bet() below).
  MainForm& load_day(std::initializer_list<std::pair<BetType, const char*>> bets) {
    choose_day(0);
    for (const auto& [t, kumi] : bets) bet(t, kumi);
    return *form;
  }
  // A bet of 300 yen on the combination in row 1 of the type's table.
  void bet(BetType t, const char* kumi) {
    BetTable& table = form->bets[t];
    table.set_data_rows(1);
    table.set_cell(1, BetColumns::kNo, table.no_text(1));
    table.set_cell(1, BetColumns::kKumi, kumi);
    table.set_cell(1, BetColumns::kOdds, "  12.3");
    table.set_cell(1, table.columns().amount, "   300");
  }
  [[nodiscard]] std::string bet_file() const { return slurp(dir.path() / "kaime" / "090510.BET"); }
  // The bet file of the day as it must read: its header line, then `lines`.
  static std::string day_bet_file(const std::string& lines) {
    return sj("東京 09年  5月 10日  2回  6日 \r\n" + lines);
  }

  fs::path cwd_ = fs::current_path();
};

TEST_F(VoteCommands, PatbetWritesTheActiveTabsTableOfTheRaceOnScreen) {
  MainForm& f = load_day({{BetType::kUmaren, " 1- 5"}, {BetType::kTansho, " 5"}});
  f.bets.PageControl4.set_tab_index(bet_index(BetType::kUmaren));
  f.voting().TohyouBtnClick();
  EXPECT_EQ(dialogs.calls,
            std::vector<std::string>{
                sj("confirm: [東京11R:馬連]に投票します。投票ファイルを出力しますか？")});
  EXPECT_EQ(bet_file(), day_bet_file("11R 馬連 01-05    300\r\n"));

  f.bets.PageControl4.set_tab_index(-1);  // no bet tab: nothing happens
  dialogs.calls.clear();
  f.voting().TohyouBtnClick();
  f.voting().TohyoCSVBtnClick();
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(VoteCommands, MenuItemsTakeTheirOwnTypeWhicheverTabIsActive) {
  MainForm& f = load_day({{BetType::kTansho, " 5"}, {BetType::kWakuren, " 1- 5"}});
  f.bets.PageControl4.set_tab_index(bet_index(BetType::kTansho));
  f.voting().N21Click();
  EXPECT_EQ(bet_file(), day_bet_file("11R 枠連 01-05    300\r\n"));
  f.voting().N19Click();
  EXPECT_EQ(bet_file(), day_bet_file("11R 単勝  5    300\r\n"));
  f.voting().N26Click();  // an empty table
  EXPECT_EQ(dialogs.calls.back(), "info: " + sj("買い目が作成されていません。"));

  for (const BetType t : kBetTypes) {
    EXPECT_EQ(f.voting().tohyo.PopupTohyo[static_cast<std::size_t>(bet_index(t))].caption(),
              BetTypeTabName(t));
  }
  EXPECT_EQ(f.voting().tohyo.TohyoBtn.hint(), sj("投票ファイルを出力します"));
  EXPECT_EQ(f.voting().tohyo.TohyoCSVBtn.hint(), sj("RGT投票プラグイン２経由で投票します"));
}

TEST_F(VoteCommands, BeforeADayIsLoadedTheCommandsAskForOne) {
  bet(BetType::kUmaren, " 1- 5");
  form->voting().N22Click();
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"beep", "info: " + sj("開催日ﾃﾞｰﾀを読み込んでください。")}));
}

// Without the plug-in, as on a machine where it was never installed, nothing is written.
TEST_F(VoteCommands, Rgt2VotesThroughThePluginOnlyWhenItIsInstalled) {
  MainForm& f = load_day({{BetType::kUmaren, " 1- 5"}});
  f.bets.PageControl4.set_tab_index(bet_index(BetType::kUmaren));
  f.voting().TohyoCSVBtnClick();
  EXPECT_EQ(dialogs.calls.back(),
            "info: " + sj("「RGT投票プラグイン２」が正常にインストールされていません。"
                          "再インストールしてください。"));

  const testing::TempDir plugin;
  fs::create_directory(plugin.path() / "kaime");
  write_bytes(plugin.path() / "RGTTohyoPlugIn2.exe", "MZ");
  f.ini.WriteString("Dir", "RGTTohyo2", path_text(plugin.path()));
  f.voting().TohyoCSVBtnClick();
  EXPECT_EQ(slurp(plugin.path() / "kaime" / "090510.csv"),
            "20090510,05,11,UMAFUKU,NORMAL,300,01-05,\r\n");
  ASSERT_EQ(desktop.launches.size(), 1U);
  EXPECT_EQ(desktop.launches[0].program, plugin.path() / "RGTTohyoPlugIn2.exe");
}

TEST_F(VoteCommands, BetFolderCommandChangesWhereTheFileGoes) {
  MainForm& f = load_day({{BetType::kUmaren, " 1- 5"}});
  const testing::TempDir chosen;
  desktop.folder_choice = chosen.path();
  f.voting().N28Click();
  EXPECT_EQ(desktop.folder_caption, sj("買い目ﾌｫﾙﾀﾞの指定"));
  EXPECT_EQ(f.WriteBetFile(BetType::kUmaren).file, chosen.path() / "090510.BET");
}

}  // namespace
}  // namespace rv
