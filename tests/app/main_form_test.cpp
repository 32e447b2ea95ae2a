#include "app/main_form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "acquire/jvresult.h"
#include "app/startup.h"
#include "common/fake_services.h"
#include "common/platform.h"
#include "common/temp_dir.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;
using testing::FakeDesktop;
using testing::FakeDialogs;
using testing::MapInstallLocator;
using testing::write_bytes;

// Only JVInit matters at start-up.
class InitOnlyJVLink final : public JVLink {
 public:
  int init_result = 0;
  std::vector<std::string> sids;

  int JVInit(std::string_view sid) override {
    sids.emplace_back(sid);
    return init_result;
  }
  int JVSetUIProperties() override { return 0; }
  int JVOpen(std::string_view, std::string_view, int, int&, int&, std::string&) override {
    return -201;
  }
  int JVRTOpen(std::string_view, std::string_view) override { return -201; }
  int JVStatus() override { return -201; }
  int JVRead(std::string&, int&, std::string&) override { return -201; }
  int JVClose() override { return 0; }
  int JVCancel() override { return 0; }
};

const std::string kUninstall = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\)";

class StartUp : public ::testing::Test {
 protected:
  StartUp() { set_app_clock(&clock_); }
  ~StartUp() override { set_app_clock(nullptr); }

  MainForm& create() {
    form_ = std::make_unique<MainForm>(dialogs_, desktop_, installs_, jvlink_, dispatcher_);
    form_->FormCreate();
    return *form_;
  }
  // The settings file of the current AppDir (a test may open a fresh one).
  static void settings(std::string_view text) { write_bytes(app_dir() / "ravelin.ini", sj(text)); }
  static std::string settings_file() { return testing::slurp(app_dir() / "ravelin.ini"); }

  AppDirScope app_;
  ManualClock clock_{DateTime{2026, 4, 12, 8, 30, 0}};
  FakeDialogs dialogs_;
  FakeDesktop desktop_;
  MapInstallLocator installs_;
  InitOnlyJVLink jvlink_;
  QueueDispatcher dispatcher_;
  std::unique_ptr<MainForm> form_;
};

TEST_F(StartUp, AFirstStartPreparesTheFolderAndPlacesTheWindowAtItsDefaults) {
  installs_.paths[sj(kUninstall + "RGT投票プラグイン２_is1")] = sj(R"(C:\RGT2)");
  installs_.paths[sj(kUninstall + "オッズ推移ビューア２ for JRA-VAN Data Lab._is1")] =
      sj(R"(C:\Program Files\推移)");
  MainForm& f = create();

  for (const char* folder : {"DATA", "kaime", "CHG"}) {
    EXPECT_TRUE(fs::is_directory(app_.path() / folder)) << folder;
  }
  EXPECT_EQ(f.bounds.top, 10);
  EXPECT_EQ(f.bounds.left, 10);
  EXPECT_EQ(f.bounds.width, 900);
  EXPECT_EQ(f.bounds.height, 600);
  // Found folders are written; the one not found stays out of the file to be asked again.
  EXPECT_EQ(installs_.asked.size(), 3U);
  EXPECT_EQ(f.ini.ReadString("Dir", "RGTTohyo2", "-"), sj(R"(C:\RGT2)"));
  EXPECT_EQ(f.ini.ReadString("Dir", "jikeiretu", "-"), sj(R"(C:\Program Files\推移\Data)"));
  EXPECT_EQ(f.ini.ReadString("Dir", "RGTTohyo", "-"), "-");
  EXPECT_EQ(read_lines(app_.path() / "ErrorLog.txt"),
            (std::vector<std::string>{sj("ソフト起動：2026/04/12 08:30:00"), app_dir_text()}));
  EXPECT_TRUE(f.day.DateCombo.items().empty());
  EXPECT_TRUE(f.race_list.KishuCKList.empty());
  EXPECT_TRUE(dialogs_.calls.empty());
}

TEST_F(StartUp, StoredFoldersAreNotLookedUpAgainAndExistingFoldersAreReused) {
  RV_POSIX_ONLY("a case-sensitive file system, where only the folder made exists by its name");
  settings("[Dir]\r\nRGTTohyo2=D:\\mine\r\nRGTTohyo=\"E:\\x\"\r\njikeiretu=F:\\v\\Data\r\n");
  fs::create_directories(app_.path() / "data");
  fs::create_directories(app_.path() / "Kaime");
  const std::string before = settings_file();
  create();
  EXPECT_TRUE(installs_.asked.empty());
  EXPECT_EQ(settings_file(), before);
  // One folder per name, whatever its case.
  EXPECT_FALSE(fs::exists(app_.path() / "DATA"));
  EXPECT_FALSE(fs::exists(app_.path() / "kaime"));
  EXPECT_TRUE(fs::is_directory(app_.path() / "CHG"));
}

TEST_F(StartUp, MarkerFilesShowTheirControlsOnly) {
  struct Case {
    const char* marker;
    bool direct_read, hit_tools, dev_menu;
  };
  for (const Case c : {Case{nullptr, false, false, false}, Case{"Tundra.key", true, false, false},
                       Case{"hitpagetoolsmarks.KEY", false, true, false},
                       Case{"DevelopmentMenuSwitch.key", false, false, true}}) {
    SCOPED_TRACE(c.marker != nullptr ? c.marker : "none");
    AppDirScope fresh;
    if (c.marker != nullptr) write_bytes(fresh.path() / c.marker, "");
    MainForm& f = create();
    EXPECT_EQ(f.day.DirectReadBtn.visible(), c.direct_read);
    EXPECT_EQ(f.hits.TekiAnaBtn.visible(), c.hit_tools);
    EXPECT_EQ(f.hits.TekiAnaBtn2.visible(), c.hit_tools);
    EXPECT_EQ(f.menus.MenuMaster.visible(), c.dev_menu);
    EXPECT_FALSE(f.day.MakeDataListBtn.visible());
  }
}

TEST_F(StartUp, TheDevelopmentMenuShowsOnlyItsSignalHorseCommands) {
  write_bytes(app_.path() / "DevelopmentMenuSwitch.key", "anything");
  const Menus& m = create().menus;
  EXPECT_TRUE(m.MenuMaster.visible());
  for (const Command* c :
       {&m.VRH4, &m.VRH1, &m.VRH2, &m.VRH3, &m.VRH5, &m.VRH6, &m.VRHCsvMenu, &m.N44, &m.N45}) {
    EXPECT_TRUE(c->visible()) << to_utf8(c->caption());
  }
  for (const Command* c : {&m.Kensho13Menu, &m.Kensho34Menu, &m.N41}) {
    EXPECT_FALSE(c->visible()) << to_utf8(c->caption());
  }
}

struct MenuState {
  int haibun;
  bool hidelist;
  int option;  // 1 or 2 checked item of "買い目抽出法設定"
  int race;
  int ex_kaime;
  int priority;
  bool bell;
  bool mail;
};

MenuState state_of(const MainForm& f) {
  const Menus& m = f.menus;
  const auto which = [](std::initializer_list<const Toggle*> items) {
    int found = -1;
    int i = 0;
    for (const Toggle* t : items) {
      if (t->checked()) found = found == -1 ? i : -2;  // -2: more than one checked
      ++i;
    }
    return found;
  };
  return {f.allocation.RadioGroup1.item_index(),
          m.hidelist.checked(),
          which({&m.WakurenRitsuYusen, &m.WakuJuniYusen}) + 1,
          which({&m.SelHaiR1, &m.SelHaiR2, &m.SelHaiR3}),
          which({&m.DefaultKaime, &m.Kaime3Include, &m.NagasiKaime, &m.StdDev13}),
          which({&m.KaimeJoi, &m.KaimeKai}),
          m.PC1.checked(),
          m.N30.checked()};
}

void expect_state(const MenuState& got, const MenuState& want) {
  EXPECT_EQ(got.haibun, want.haibun);
  EXPECT_EQ(got.hidelist, want.hidelist);
  EXPECT_EQ(got.option, want.option);
  EXPECT_EQ(got.race, want.race);
  EXPECT_EQ(got.ex_kaime, want.ex_kaime);
  EXPECT_EQ(got.priority, want.priority);
  EXPECT_EQ(got.bell, want.bell);
  EXPECT_EQ(got.mail, want.mail);
}

TEST_F(StartUp, MenuAndOptionStatesComeFromTheSettingsFile) {
  struct Case {
    const char* what;
    const char* ini;
    MenuState want;
  };
  const MenuState defaults{0, false, 1, 0, 0, 0, false, false};
  const Case cases[] = {
      {"no file", "", defaults},
      {"every choice away from its default",
       "[KaimeSet]\r\nHaibunSet=1\r\nExKaime=3\r\n[datalist]\r\nclose=1\r\n[Kaime]\r\nOption=2\r\n"
       "[SendInfo]\r\nRace=2\r\n[IniKaime]\r\nPriority=1\r\n[alarm]\r\nbell=1\r\nmail=1\r\n",
       {1, true, 2, 2, 3, 1, true, true}},
      {"middle choices",
       "[KaimeSet]\r\nExKaime=1\r\n[SendInfo]\r\nRace=1\r\n[Kaime]\r\nOption=1\r\n",
       {0, false, 1, 1, 1, 0, false, false}},
      {"values outside the choices keep the defaults",
       "[KaimeSet]\r\nHaibunSet=2\r\nExKaime=4\r\n[Kaime]\r\nOption=0\r\n[SendInfo]\r\nRace=-1\r\n"
       "[IniKaime]\r\nPriority=2\r\n",
       defaults},
      {"junk values keep the defaults",
       "[KaimeSet]\r\nHaibunSet=x\r\nExKaime=\r\n[Kaime]\r\nOption=two\r\n[alarm]\r\nbell=yes\r\n",
       defaults},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AppDirScope fresh;
    settings(c.ini);
    expect_state(state_of(create()), c.want);
  }
}

TEST_F(StartUp, TheListCheckMarkIsStoredWhenToggledAndThePositionWhenClosing) {
  settings("; mine\r\n[locate]\r\ntop=120\r\nleft=-5\r\nwidth=1024\r\nheight=700\r\n");
  MainForm& f = create();
  EXPECT_EQ(f.bounds.top, 120);
  EXPECT_EQ(f.bounds.left, -5);
  EXPECT_EQ(f.bounds.width, 1024);
  EXPECT_EQ(f.bounds.height, 700);

  f.hidelistClick();
  EXPECT_TRUE(f.menus.hidelist.checked());
  EXPECT_TRUE(TIniGT().ReadBool("datalist", "close", false));
  f.hidelistClick();
  EXPECT_FALSE(TIniGT().ReadBool("datalist", "close", true));

  f.bounds = {30, 40, 800, 500};
  EXPECT_TRUE(f.FormCloseQuery());
  const MainForm& again = create();
  EXPECT_EQ(again.bounds.top, 30);
  EXPECT_EQ(again.bounds.left, 40);
  EXPECT_EQ(again.bounds.width, 800);
  EXPECT_EQ(again.bounds.height, 500);
  EXPECT_EQ(settings_file().substr(0, 8), "; mine\r\n");
}

// Start-up hides what has nothing to show before a race is on screen, and tools kept out of
// the way.
TEST_F(StartUp, ViewsWithNothingToShowStartHidden) {
  MainForm& f = create();
  EXPECT_FALSE(f.card.StringGrid6.visible());
  EXPECT_FALSE(f.day.PageControl3.visible());
  EXPECT_FALSE(f.day.Panel8.visible());
  for (const Control* hidden :
       {&f.layout.PreviewSheet, &f.layout.SankoKaimeSheet, &f.layout.ShutubaListSheet,
        &f.layout.JikuHimoSheet, &f.layout.bet_sheet(bet_index(BetType::kWakuren))}) {
    EXPECT_FALSE(hidden->visible());
  }
  EXPECT_TRUE(f.layout.ShutubaSheet.visible());
  EXPECT_TRUE(f.layout.bet_sheet(bet_index(BetType::kUmaren)).visible());
}

TEST_F(StartUp, WatchedJockeysAreLoadedSortedWithoutDuplicates) {
  write_lines(app_.path() / "KishuCKList.txt",
              {sj("武豊"), sj("横山典"), "abc", "ABC", sj("武豊")});
  const MainForm& f = create();
  EXPECT_EQ(f.race_list.KishuCKList, (std::vector<std::string>{"abc", sj("横山典"), sj("武豊")}));
}

TEST_F(StartUp, AFileInTheWayIsReportedAndTheRestOfStartUpStillRuns) {
  write_bytes(app_.path() / "CHG", "not a folder");
  fs::create_directories(app_.path() / "ErrorLog.txt");  // cannot be read as a file
  settings("[SendInfo]\r\nRace=2\r\n");
  const MainForm& f = create();
  ASSERT_EQ(dialogs_.calls.size(), 2U);
  EXPECT_NE(dialogs_.calls[0].find("CHG"), std::string::npos);
  EXPECT_NE(dialogs_.calls[1].find("ErrorLog.txt"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(app_.path() / "DATA"));
  EXPECT_TRUE(f.menus.SelHaiR3.checked());
}

TEST_F(StartUp, JVInitGetsTheSoftwareIdAndAFailureIsShownWithoutStopping) {
  MainForm& f = create();
  f.FormShow();
  EXPECT_EQ(jvlink_.sids, std::vector<std::string>{"SA730152/SD418967/Ravelin/Ver.1.05"});
  EXPECT_TRUE(dialogs_.calls.empty());

  jvlink_.init_result = -101;
  f.FormShow();
  EXPECT_EQ(dialogs_.calls, std::vector<std::string>{"info: " + sj("JVInitエラー：") +
                                                     JVResultText("JVInit", -101)});
}

TEST(PresenceTest, JVLinkIsThereWhenItsFeedFolderIs) {
  unsetenv("JVLINK_SIM_FEED");
  AppDirScope app;
  FakeDialogs dialogs;
  EXPECT_FALSE(JVLinkPresenceTest(dialogs));
  EXPECT_EQ(
      dialogs.calls,
      (std::vector<std::string>{
          "beep",
          "info: " +
              sj("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。")}));
  dialogs.calls.clear();
  fs::create_directories(app.path() / "jvfeed");
  EXPECT_TRUE(JVLinkPresenceTest(dialogs));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(StartUp, TheSelectionSetWindowComesWithTheMainWindowAndTheMenuShowsIt) {
  MainForm& f = create();
  EXPECT_EQ(to_utf8(f.selection.SetNameLabel.text()), "推奨設定");
  EXPECT_EQ(testing::slurp(app_dir() / "userkaimeset.dat").size(), 6u * 242u);
  EXPECT_EQ(f.bets[BetType::kSanrentan].data_rows(), 1);
  EXPECT_FALSE(f.UserKaimeForm.Form.visible());
  f.K1Click();
  EXPECT_TRUE(f.UserKaimeForm.Form.visible());
  EXPECT_EQ(to_utf8(f.menus.K1.caption()), "軸・ヒモ馬ユーザー設定(&H)");
}

}  // namespace
}  // namespace rv
