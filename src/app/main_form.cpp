#include "app/main_form.h"

#include <algorithm>
#include <system_error>

#include "acquire/jvresult.h"
#include "app/version.h"
#include "betting/vrh_ranges.h"
#include "model/race_card_style.h"
#include "stats/finish_rate_build.h"
#include "support/app_dir.h"
#include "support/error_log.h"
#include "support/files.h"

namespace rv {
namespace {

// Folders of the voting plug-ins and the odds viewer, found through their uninstall keys
// while the setting is empty. The viewer keeps its files one folder further down.
struct InstalledProgram {
  const char* setting;
  const char* uninstall_key;
  const char* suffix;
};

constexpr InstalledProgram kInstalledPrograms[] = {
    {"RGTTohyo2", R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\RGT投票プラグイン２_is1)",
     ""},
    {"RGTTohyo", R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\RGT投票プラグイン_is1)",
     ""},
    {"jikeiretu",
     R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\オッズ推移ビューア２ for JRA-VAN Data Lab._is1)",
     R"(\Data)"},
};

}  // namespace

MainForm::MainForm(Dialogs& dialogs, Desktop& desktop, const InstallLocator& installs,
                   JVLink& jvlink, Dispatcher& dispatcher)
    : UserKaimeForm(dialogs, selection.SetNameLabel),
      MailSetForm(ini, dialogs, dispatcher, MailLog),
      dialogs_(dialogs),
      desktop_(desktop),
      installs_(installs),
      jvlink_(jvlink),
      dispatcher_(dispatcher),
      loss_(*race_day_, day.DateCombo, allocation.SaNumEditExC3, ini, dialogs),
      race_card_(*race_day_, card, day, loaded_day, allocation, loss_.RuisonLabel, ini, dialogs,
                 desktop, [this] { ShowRaceBets(); }),
      kaime_(*race_day_, race_card_.on_screen(),
             {card.StringGrid8, bets, UserKaimeForm, allocation.RadioGroup1,
              allocation.SaNumEditExC1, allocation.SaNumEditExC2, allocation.SaNumEditExC3,
              menus.Kaime3Include, menus.NagasiKaime},
             ini, dialogs),
      preview_(*race_day_, race_card_.on_screen(), preview, card.Tan1Label, bets, kaime_, ini),
      results_(*race_day_, race_card_.on_screen(), card, dialogs,
               [this] { race_card_.DatListClick(); }),
      days_(*race_day_, race_card_.on_screen(), day, loaded_day, ini, dialogs,
            [this] { race_card_.DatListClick(); }),
      viewer_(*race_day_, day, days_, ini, dialogs, desktop),
      download_(days_),
      fetch_(*race_day_, race_card_.on_screen(), day, loaded_day, days_, layout.tool_bar.DLlabel,
             dialogs, jvlink, [this] { race_card_.DatListClick(); }),
      voting_(*race_day_, race_card_.on_screen(), day, loaded_day, bets, ini, dialogs, desktop),
      auto_(*race_day_, race_card_.on_screen(), day, loaded_day, layout.tool_bar, fetch_, days_,
            ini, dialogs, timers_, [this] { race_card_.DatListClick(); }),
      mail_({.day = *race_day_,
             .days = day,
             .loaded = loaded_day,
             .card = card,
             .preview = preview,
             .bets = bets,
             .menus = menus,
             .status = StatusLine,
             .ini = ini,
             .dialogs = dialogs,
             .desktop = desktop,
             .ui = dispatcher,
             .timers = timers_,
             .odds_pass_busy = auto_.OzLoopBusy,
             .select_race =
                 [this](int slot) {
                   loaded_day.DatList.set_item_index(slot);
                   race_card_.DatListClick();
                 },
             .vrh_horses =
                 [this](int slot) {
                   return VrhHorses(race_day_->Work[static_cast<std::size_t>(slot)],
                                    LoadVrhRanges(ini));
                 }}) {
  auto_.on_odds_pass_armed = [this] { mail_.DeliverTimer.set_enabled(menus.N30.checked()); };
  days_.on_load_begins = [this] {
    loss_.DatList.clear();
    auto_.DayLoadBegins();
  };
  days_.on_day_loaded = [this](std::string_view date) {
    loss_.FollowDay(loaded_day.DatList);
    auto_.StartDayOperation(date);
  };
  bets.set_recompute([this](BetTable& table) { kaime_.BetTableRecompute(table); });
  BindRaceCardStyles(card, race_day(), race_card_.on_screen(), loaded_day.DatList,
                     race_list.KishuCKList);
}

void MainForm::FormCreate() {
  // One unreadable or unwritable file must not leave the rest of the window unprepared.
  const auto step = [this](const auto& fn) {
    try {
      fn();
    } catch (const FileError& e) {
      dialogs_.error(e.what());
    }
  };
  step([this] { LocateInstalledPrograms(); });
  step([this] { CreateFolders(); });
  step([this] { ShowMarkerControls(); });
  step([this] { RestoreBounds(); });
  HideStartViews();
  step([this] { LoadKishuCKList(); });
  step([] { StartErrorLog(); });
  step([this] { RestoreMenuStates(); });
  step([this] { days_.MakeDataListBtnClick(); });
  step([this] { CreateSecondaryWindows(); });
  step([this] {
    if (const std::string damaged = LoadFinishRateFile(); !damaged.empty()) dialogs_.info(damaged);
  });
}

void MainForm::LocateInstalledPrograms() {
  for (const InstalledProgram& p : kInstalledPrograms) {
    if (!ini.ReadString("Dir", p.setting, "").empty()) continue;
    const std::string path = installs_.app_path_of(sj(p.uninstall_key));
    if (!path.empty()) ini.WriteString("Dir", p.setting, path + p.suffix);
  }
}

void MainForm::CreateFolders() {
  // A run killed in the middle of a write leaves its temporary file behind.
  remove_stale_temp_files(app_dir());
  for (const char* folder : {"\\DATA", "\\kaime", "\\CHG"}) {
    const fs::path path = app_path(folder);
    std::error_code ec;
    if (fs::is_directory(path, ec)) continue;
    fs::create_directory(path, ec);
    if (ec) dialogs_.error(path_text(path) + SJ(" を作成できません。"));
  }
}

void MainForm::ShowMarkerControls() {
  day.DirectReadBtn.set_visible(app_path_exists("\\Tundra.key"));
  const bool hit_tools = app_path_exists("\\HitPageToolsMarks.key");
  hits.TekiAnaBtn.set_visible(hit_tools);
  hits.TekiAnaBtn2.set_visible(hit_tools);
  menus.MenuMaster.set_visible(app_path_exists("\\DevelopmentMenuSwitch.key"));
}

void MainForm::RestoreBounds() {
  bounds.top = ini.ReadInteger("locate", "top", 10);
  bounds.left = ini.ReadInteger("locate", "left", 10);
  bounds.width = ini.ReadInteger("locate", "width", 900);
  bounds.height = ini.ReadInteger("locate", "height", 600);
}

// Views with nothing to show before a race is on screen, and pages of tools kept out of the
// way, start hidden.
void MainForm::HideStartViews() {
  card.StringGrid6.set_visible(false);
  day.PageControl3.set_visible(false);
  day.Panel8.set_visible(false);
  layout.PreviewSheet.set_visible(false);
  layout.SankoKaimeSheet.set_visible(false);
  layout.ShutubaListSheet.set_visible(false);
  layout.bet_sheet(bet_index(BetType::kWakuren)).set_visible(false);
  layout.JikuHimoSheet.set_visible(false);
}

void MainForm::LoadKishuCKList() {
  std::vector<std::string> list = read_lines(app_path("\\KishuCKList.txt"));
  const auto less = [](const std::string& a, const std::string& b) {
    return icompare_ascii(a, b) < 0;
  };
  const auto same = [](const std::string& a, const std::string& b) {
    return icompare_ascii(a, b) == 0;
  };
  std::stable_sort(list.begin(), list.end(), less);  // the first spelling of a name stays
  list.erase(std::unique(list.begin(), list.end(), same), list.end());
  race_list.KishuCKList = std::move(list);
}

void MainForm::RestoreMenuStates() {
  RadioGroup& haibun = allocation.RadioGroup1;
  const int mode = ini.ReadInteger("KaimeSet", "HaibunSet", 0);
  if (mode >= 0 && mode < static_cast<int>(haibun.items().size())) haibun.set_item_index(mode);

  menus.hidelist.set_checked(ini.ReadBool("datalist", "close", false));
  check_radio_item({&menus.WakurenRitsuYusen, &menus.WakuJuniYusen},
                   ini.ReadInteger("Kaime", "Option", 1) - 1);
  check_radio_item({&menus.SelHaiR1, &menus.SelHaiR2, &menus.SelHaiR3},
                   ini.ReadInteger("SendInfo", "Race", 0));
  check_radio_item({&menus.DefaultKaime, &menus.Kaime3Include, &menus.NagasiKaime, &menus.StdDev13},
                   ini.ReadInteger("KaimeSet", "ExKaime", 0));
  check_radio_item({&menus.KaimeJoi, &menus.KaimeKai}, ini.ReadInteger("IniKaime", "Priority", 0));
  menus.PC1.set_checked(ini.ReadBool("alarm", "bell", false));
  menus.N30.set_checked(ini.ReadBool("alarm", "mail", false));
}

void MainForm::FormShow() {
  const int rc = jvlink_.JVInit(jvlink_sid());
  if (rc != 0) dialogs_.info(SJ("JVInitエラー：") + JVResultText("JVInit", rc));
}

bool MainForm::FormCloseQuery() {
  try {
    ini.WriteInteger("locate", "top", bounds.top);
    ini.WriteInteger("locate", "left", bounds.left);
    ini.WriteInteger("locate", "width", bounds.width);
    ini.WriteInteger("locate", "height", bounds.height);
  } catch (const FileError& e) {
    dialogs_.error(e.what());
  }
  return true;
}

void MainForm::hidelistClick() {
  menus.hidelist.set_checked(!menus.hidelist.checked());
  ini.WriteBool("datalist", "close", menus.hidelist.checked());
}

// The other windows come to life after this one, as the program creates them in turn. The
// selection-set window's controls are what bet generation reads, so it loads its sets now.
void MainForm::CreateSecondaryWindows() {
  UserKaimeForm.FormCreate();
  loss_.FormCreate();
  preview_.LoadSettings();
}

// The bets of the race just shown: the seven tables from the marks, then the 枠連 preview
// with its extraction. Its pages have something to show from now on.
void MainForm::ShowRaceBets() {
  kaime_.ShowRaceBets();
  preview_.ShowRacePreview();
  layout.PreviewSheet.set_visible(true);
  layout.bet_sheet(bet_index(BetType::kWakuren)).set_visible(true);
}

void MainForm::KaimeOptionClick() {
  const int option = menus.WakuJuniYusen.checked() ? 2 : 1;
  ini.WriteInteger("Kaime", "Option", option);
}

void MainForm::ExKaimeClick() {
  const Toggle* items[] = {&menus.DefaultKaime, &menus.Kaime3Include, &menus.NagasiKaime,
                           &menus.StdDev13};
  int chosen = 0;
  for (int i = 0; i < 4; ++i) {
    if (items[i]->checked()) chosen = i;
  }
  ini.WriteInteger("KaimeSet", "ExKaime", chosen);
  // The mail carries the default method's bets; another method's would be mailed as if they
  // were those.
  if (chosen != 0) mail_.SwitchOff();
}

void MainForm::K1Click() {
  UserKaimeForm.Show();
}

std::unique_ptr<TKaimeSetForm> MainForm::KaimeSetItemClick() {
  return std::make_unique<TKaimeSetForm>(ini, [this] {
    if (loaded_day.DatList.count() > 0) race_card_.DatListClick();
  });
}

}  // namespace rv
