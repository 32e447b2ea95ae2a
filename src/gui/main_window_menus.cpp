// The menu bar and the tool bar of the main window. Every command is added on one line
// together with the handler it runs; `later` marks the ones whose behaviour has not arrived
// yet (they show disabled).

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QToolBar>

#include "app/help.h"
#include "gui/all_print_window.h"
#include "gui/kaime_set_dialog.h"
#include "gui/main_window.h"
#include "gui/oz_get_time_dialog.h"
#include "gui/qt_text.h"
#include "gui/vrh_windows.h"

namespace rv::gui {
namespace {

const Handler later;

}  // namespace

QMenu* TMainForm::menu(Command& command, const char* name) {
  QMenu* m = menuBar()->addMenu(QString());
  m->setObjectName(name);
  binder_.menu(m, command);
  return m;
}

QMenu* TMainForm::sub_menu(QMenu* parent, Command& command, const char* name) {
  QMenu* m = parent->addMenu(QString());
  m->setObjectName(name);
  binder_.menu(m, command);
  return m;
}

QAction* TMainForm::item(QMenu* menu, Command& command, const char* name, Handler handler) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(name);
  binder_.command(a, command, std::move(handler));
  return a;
}

QAction* TMainForm::check(QMenu* menu, Toggle& toggle, const char* name, Handler handler,
                          CheckBy check_by) {
  QAction* a = menu->addAction(QString());
  a->setObjectName(name);
  binder_.toggle(a, toggle, std::move(handler), check_by);
  return a;
}

std::vector<QAction*> TMainForm::radio_items(QMenu* menu, std::vector<Toggle*> toggles,
                                             std::vector<const char*> names,
                                             const Handler& handler) {
  std::vector<QAction*> items;
  for (std::size_t i = 0; i < toggles.size(); ++i) {
    QAction* a = menu->addAction(qs(toggles[i]->caption()));
    a->setObjectName(names[i]);
    items.push_back(a);
  }
  binder_.radio(items, std::move(toggles), handler);
  return items;
}

void TMainForm::build_menus() {
  Menus& m = form_.menus;
  const Handler exit = [this] { close(); };
  const Handler manual = [this] { OpenManual(form_.dialogs(), form_.desktop()); };
  const Handler version = [this] { show_version(); };
  const Handler get_data = [this] { open_get_data(); };

  QMenu* file = menu(m.FileMenu, "FileMenu");
  item(file, m.JVDataGetItem, "JVDataGetItem", get_data);
  item(file, m.T1, "T1", [this] { form_.T1Click(); });
  item(file, m.N1O1, "N1O1", [this] { form_.N1O1Click(); });
  file->addSeparator();
  item(file, m.FilePrintItem, "FilePrintItem",
       [this] { ShowAllPrintForm(form_.FilePrintItemClick(printer_), form_.dialogs(), this); });
  item(file, m.FilePrintSetupItem, "FilePrintSetupItem",
       [this] { form_.FilePrintSetupItemClick(printer_); });
  item(file, m.FileExitItem, "FileExitItem", exit);

  QMenu* user = menu(m.UserMenu, "UserMenu");
  item(user, m.KaimeSetItem, "KaimeSetItem",
       [this] { ShowKaimeSetForm(form_.KaimeSetItemClick(), form_.dialogs(), this); });
  item(user, m.K1, "K1", [this] { form_.K1Click(); });
  QMenu* kaime_option = sub_menu(user, m.KaimeOptionMenu, "KaimeOptionMenu");
  radio_items(kaime_option, {&m.WakurenRitsuYusen, &m.WakuJuniYusen},
              {"WakurenRitsuYusen", "WakuJuniYusen"}, [this] { form_.KaimeOptionClick(); });
  QMenu* ex_kaime = sub_menu(user, m.ExKaimeMenu, "ExKaimeMenu");
  radio_items(ex_kaime, {&m.DefaultKaime, &m.Kaime3Include, &m.NagasiKaime, &m.StdDev13},
              {"DefaultKaime", "Kaime3Include", "NagasiKaime", "StdDev13"},
              [this] { form_.ExKaimeClick(); });

  QMenu* option = menu(m.OptionMenu, "OptionMenu");
  item(option, m.N8, "N8", [this] { ShowOzGetTimeForm(form_.N8Click(), form_.dialogs(), this); });
  QMenu* ini_kaime = sub_menu(option, m.IniKaimeMenu, "IniKaimeMenu");
  radio_items(ini_kaime, {&m.KaimeJoi, &m.KaimeKai}, {"KaimeJoi", "KaimeKai"});
  check(
      option, m.hidelist, "hidelist", [this] { form_.hidelistClick(); }, CheckBy::kHandler);

  QMenu* mail = menu(m.MailSetMenu, "MailSetMenu");
  item(mail, m.MailMenu, "MailMenu", [this] { mail_set_->ShowFilled(); });
  QMenu* sel_hai_r = sub_menu(mail, m.SelHaiRMenu, "SelHaiRMenu");
  radio_items(sel_hai_r, {&m.SelHaiR1, &m.SelHaiR2, &m.SelHaiR3},
              {"SelHaiR1", "SelHaiR2", "SelHaiR3"}, [this] { form_.SelHaiR1Click(); });
  check(
      mail, m.PC1, "PC1", [this] { form_.PC1Click(); }, CheckBy::kHandler);
  check(
      mail, m.N30, "N30", [this] { form_.N30Click(); }, CheckBy::kHandler);

  QMenu* folder = menu(m.FolderMenu, "FolderMenu");
  item(folder, m.N12, "N12", [this] { form_.N12Click(); });
  item(folder, m.N28, "N28", later);

  QMenu* help = menu(m.HelpMenu, "HelpMenu");
  item(help, m.ManualItem, "ManualItem", manual)->setShortcut(QKeySequence::HelpContents);
  item(help, m.VersionItem, "VersionItem", version);

  QMenu* master = menu(m.MenuMaster, "MenuMaster");
  DevelopmentMenu& dev = form_.development();
  item(master, m.VRH4, "VRH4",
       [this, &dev] { ShowVRHSetForm(dev.VRH4Click(), form_.dialogs(), this); });
  item(master, m.VRH1, "VRH1", [&dev] { dev.VRH1Click(); });
  item(master, m.VRH2, "VRH2", [&dev] { dev.VRH2Click(); });
  item(master, m.VRH3, "VRH3", [&dev] { dev.VRH3Click(); });
  item(master, m.VRH5, "VRH5", [&dev] { dev.VRH5Click(); });
  item(master, m.VRH6, "VRH6", [&dev] { dev.VRH6Click(); });
  QMenu* vrh_csv = sub_menu(master, m.VRHCsvMenu, "VRHCsvMenu");
  item(vrh_csv, m.N44, "N44", [&dev] { dev.N44Click(); });
  item(vrh_csv, m.N45, "N45", [&dev] { dev.N45Click(); });
  item(master, m.FinishRateItem, "FinishRateItem", [&dev] { dev.FinishRateClick(); });
  // The 枠連 verification and popularity count.
  QMenu* kensho13 = sub_menu(master, m.Kensho13Menu, "Kensho13Menu");
  item(kensho13, m.N34, "N34", [this] { form_.N34Click(); });
  item(kensho13, m.N35, "N35", [this] { form_.N35Click(); });
  QMenu* kensho34 = sub_menu(master, m.Kensho34Menu, "Kensho34Menu");
  item(kensho34, m.N36, "N36", [this] { form_.N36Click(); });
  item(kensho34, m.N37, "N37", [this] { form_.N37Click(); });
  item(master, m.N41, "N41", [this] { form_.N41Click(); });
}

void TMainForm::build_print_menu() {
  Menus& m = form_.menus;
  dat_list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  const auto popup_item = [this](Command& command, const char* name, Handler handler) {
    auto* a = new QAction(qs(command.caption()), dat_list_);
    a->setObjectName(name);
    binder_.command(a, std::move(handler));
    dat_list_->addAction(a);
  };
  popup_item(m.FilePrintItem, "PrintPopupItem", [this] { open_print_sheet(); });
  popup_item(m.FilePrintSetupItem, "PrintSetupPopupItem",
             [this] { form_.FilePrintSetupItemClick(printer_); });
}

void TMainForm::open_print_sheet() {
  ShowAllPrintForm(form_.FilePrintItemClick(printer_), form_.dialogs(), this);
}

void TMainForm::build_tool_bar() {
  ToolBarControls& t = form_.layout.tool_bar;
  QToolBar* bar = addToolBar(QString::fromUtf8("ツールバー"));
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->toggleViewAction()->setVisible(false);

  const auto button = [&](Command& c, const char* name, Handler handler) {
    QAction* a = bar->addAction(QString());
    a->setObjectName(name);
    binder_.command(a, c, std::move(handler));
    return a;
  };
  QAction* f = button(t.FListBtn, "FListBtn", [this] { form_.layout.FListBtnClick(); });
  const QString f_hint = QString::fromUtf8("レースリストの表示/非表示を行います");
  f->setStatusTip(f_hint);
  f->setToolTip(f_hint);
  bar->addSeparator();
  button(t.JVDataGetBtn, "JVDataGetBtn", [this] { open_get_data(); });
  button(t.VersionBtn, "VersionBtn", [this] { show_version(); });
  button(t.ExitBtn, "ExitBtn", [this] { close(); });
  button(t.HelpBtn, "HelpBtn", [this] { OpenManual(form_.dialogs(), form_.desktop()); });
  bar->addSeparator();
  button(t.KekkaBtn, "KekkaBtn", [this] { form_.KekkaGetBtnClick(); });
  button(t.SokuhoOzBtn, "SokuhoOzBtn", [this] { form_.SokuhoOddsBtnClick(); });
  button(t.MiningBtn, "MiningBtn", [this] { form_.GetDMBtnClick(); });
  button(t.ChokuzenBtn, "ChokuzenBtn", [this] { form_.NextRaceBtnClick(); });
  bar->addSeparator();

  date_combo_ = new QComboBox(bar);
  date_combo_->setObjectName("DateCombo");
  date_combo_->setMinimumContentsLength(14);
  date_combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  bar->addWidget(date_combo_);
  binder_.list(date_combo_, form_.day.DateCombo, [this] { form_.DateComboChange(); });
  button(form_.day.DirectReadBtn, "DirectReadBtn", [this] { form_.DirectReadBtnClick(); });

  // The information labels sit on a second row so the commands keep their room.
  addToolBarBreak();
  QToolBar* info = addToolBar(QString::fromUtf8("情報"));
  info->setObjectName("InfoBar");
  info->setMovable(false);
  info->setFloatable(false);
  info->toggleViewAction()->setVisible(false);
  const auto label = [&](Label& l, const char* name, int min_chars) {
    auto* w = new QLabel(info);
    w->setObjectName(name);
    w->setFrameShape(QFrame::StyledPanel);
    w->setFrameShadow(QFrame::Sunken);
    w->setMinimumWidth(w->fontMetrics().averageCharWidth() * min_chars + 8);
    w->setAlignment(Qt::AlignCenter);
    binder_.label(w, l);
    binder_.control(info->addWidget(w), l);
    return w;
  };
  label(t.NowTimLabel, "NowTimLabel", 10);
  label(form_.day.RestTimeLabel, "RestTimeLabel", 10);
  label(form_.card.BashoLabel, "BashoLabel", 6);
  label(form_.card.RaceLabel, "RaceLabel", 4);
  // How fresh the odds on screen are matters most on a race day: their announcement time.
  info->addWidget(new QLabel(QString::fromUtf8(" ｵｯｽﾞ発表"), info));
  label(form_.card.TFWtimeLabel, "TFWtimeLabel", 5)
      ->setToolTip(QString::fromUtf8("表示中のオッズの発表時刻"));
  label(t.HaranLabel, "HaranLabel", 8);
  label(form_.loaded_day.SeiRecLabel, "SeiRecLabel", 12);
  label(t.DLlabel, "DLlabel", 24)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace rv::gui
