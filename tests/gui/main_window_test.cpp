#include "main_window_test.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

#include "common/temp_dir.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "gui/version_form.h"
#include "support/settings.h"
#include "support/text.h"
#include "widget_helpers.h"
#include "window_rig.h"

namespace rv::gui {
namespace {

namespace fs = std::filesystem;

// A started program on a fresh program folder with an empty JV-Link feed.
struct Started : WindowRig {
  explicit Started(const std::function<void(const fs::path&)>& prepare = {}) {
    fs::create_directories(dir.path() / "jvfeed");
    if (prepare) prepare(dir.path());
    open();
  }
  [[nodiscard]] QAction* action(const char* name) const { return find<QAction>(name); }
  [[nodiscard]] QAction* menu(const char* name) const { return find<QMenu>(name)->menuAction(); }
};

void touch(const fs::path& file) {
  testing::write_bytes(file, "");
}

QStringList headings(const QAbstractItemView* v) {
  QStringList h;
  for (int c = 0; c < v->model()->columnCount(); ++c) {
    h << v->model()->headerData(c, Qt::Horizontal).toString();
  }
  return h;
}

QStringList shown_items(const QMenu* m) {
  QStringList names;
  for (const QAction* a : m->actions()) {
    if (a->isVisible() && !a->isSeparator()) names << a->text();
  }
  return names;
}

int tab_index(const QTabWidget* tabs, const QString& caption) {
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->tabText(i) == caption) return i;
  }
  return -1;
}

}  // namespace

void MainWindowTest::menusShowWhatTheWindowOffers() {
  Started s;
  QStringList bar;
  for (const QAction* a : s.window->menuBar()->actions()) {
    if (a->isVisible()) bar << a->text();
  }
  QCOMPARE(bar, QStringList({u("ﾌｧｲﾙ(&F)"), u("ﾕｰｻﾞｰ設定(&U)"), u("ｵﾌﾟｼｮﾝ(&O)"), u("ﾌｫﾙﾀﾞ指定(&F)"),
                             u("ﾍﾙﾌﾟ(&H)")}));
  QCOMPARE(shown_items(s.find<QMenu>("FileMenu")),
           QStringList(
               {u("時系列オッズより取得(&T)"), u("1日分の全オッズを一括取得(&O)"), u("終了(&X)")}));
  QCOMPARE(shown_items(s.find<QMenu>("UserMenu")),
           QStringList({u("投資金設定(&T)"), u("軸・ヒモ馬ユーザー設定(&H)")}));
  QCOMPARE(shown_items(s.find<QMenu>("OptionMenu")),
           QStringList({u("データ自動取得時刻設定(&T)")}));
  QCOMPARE(shown_items(s.find<QMenu>("FolderMenu")),
           QStringList({u("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)"), u("買い目ﾌｫﾙﾀﾞ指定")}));
  QCOMPARE(shown_items(s.find<QMenu>("HelpMenu")),
           QStringList({u("使用解説書(&C)"), u("ﾊﾞｰｼﾞｮﾝ情報(&A)...")}));
  // The hidden ones exist with their captions.
  QCOMPARE(s.action("JVDataGetItem")->text(), u("JVデータ取得(&J)"));
  QCOMPARE(s.action("FilePrintItem")->text(), u("印刷(&P)..."));
  QCOMPARE(s.action("FilePrintSetupItem")->text(), u("ﾌﾟﾘﾝﾀの設定(&R)..."));
  QCOMPARE(s.menu("KaimeOptionMenu")->text(), u("買い目抽出法設定(&S)"));
  QCOMPARE(shown_items(s.find<QMenu>("ExKaimeMenu")),
           QStringList({u("デフォルト買い目"), u("枠１～３位ＢＯＸ３点"), u("流し買い目"),
                        u("上位３点的中７０％買い目")}));
  QCOMPARE(s.menu("MailSetMenu")->text(), u("メール設定"));
  QCOMPARE(shown_items(s.find<QMenu>("MailSetMenu")),
           QStringList({u("ﾒｰﾙ設定"), u("配信ﾚｰｽ選択"), u("携帯ﾒｰﾙの代わりにPCを鳴らす"),
                        u("買い目を携帯メールへ送信する")}));
  QCOMPARE(
      shown_items(s.find<QMenu>("SelHaiRMenu")),
      QStringList({u("全レース配信"), u("推奨ﾊﾟﾀｰﾝ+2点ﾊﾟﾀｰﾝを配信"), u("VRH出現レースのみ配信")}));
  QCOMPARE(s.action("hidelist")->text(), u("ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)"));
  // Exit and the help commands work; commands whose behaviour comes later are disabled.
  QVERIFY(s.action("FileExitItem")->isEnabled());
  QVERIFY(s.action("ManualItem")->isEnabled());
  QVERIFY(s.action("T1")->isEnabled());
  QVERIFY(!s.action("N28")->isEnabled());
  // The print menu is the race list's context menu.
  QCOMPARE(s.action("PrintPopupItem")->text(), u("印刷(&P)..."));
  QCOMPARE(s.action("PrintSetupPopupItem")->text(), u("ﾌﾟﾘﾝﾀの設定(&R)..."));
  QVERIFY(s.action("PrintPopupItem")->isEnabled());
}

void MainWindowTest::hiddenCommandsCarryAndStoreTheirStates() {
  Started s([](const fs::path& dir) {
    testing::write_bytes(dir / "ravelin.ini",
                         "[datalist]\r\nclose=1\r\n[Kaime]\r\nOption=2\r\n[KaimeSet]\r\n"
                         "ExKaime=2\r\n[IniKaime]\r\nPriority=1\r\n[SendInfo]\r\nRace=2\r\n"
                         "[alarm]\r\nbell=1\r\nmail=0\r\n");
  });
  const auto checked = [&](const char* name) { return s.action(name)->isChecked(); };
  QVERIFY(!s.action("hidelist")->isVisible());
  QVERIFY(checked("hidelist"));
  QVERIFY(!checked("WakurenRitsuYusen") && checked("WakuJuniYusen"));
  QVERIFY(!checked("DefaultKaime") && checked("NagasiKaime") && !checked("StdDev13"));
  QVERIFY(!checked("KaimeJoi") && checked("KaimeKai"));
  QVERIFY(!checked("SelHaiR1") && checked("SelHaiR3"));
  QVERIFY(checked("PC1") && !checked("N30"));

  // Toggling the hidden list option stores it at once.
  s.action("hidelist")->trigger();
  QVERIFY(!checked("hidelist"));
  QVERIFY(!s.form->menus.hidelist.checked());
  QCOMPARE(s.form->ini.ReadBool("datalist", "close", true), false);
  s.action("hidelist")->trigger();
  QCOMPARE(s.form->ini.ReadBool("datalist", "close", false), true);

  // Radio items stay exclusive.
  s.action("StdDev13")->trigger();
  QVERIFY(s.form->menus.StdDev13.checked() && !s.form->menus.NagasiKaime.checked());
  QVERIFY(checked("StdDev13") && !checked("NagasiKaime"));
}

void MainWindowTest::markerFilesShowTheirControls() {
  {
    Started s;
    QVERIFY(!s.menu("MenuMaster")->isVisible());
    QVERIFY(!s.action("DirectReadBtn")->isVisible());
    QVERIFY(s.find<QPushButton>("TekiAnaBtn")->isHidden());
    QVERIFY(s.find<QPushButton>("TekiAnaBtn2")->isHidden());
  }
  {
    Started s([](const fs::path& dir) { touch(dir / "DevelopmentMenuSwitch.key"); });
    QVERIFY(s.menu("MenuMaster")->isVisible());
    QCOMPARE(s.menu("MenuMaster")->text(), u("開発用"));
    QCOMPARE(shown_items(s.find<QMenu>("MenuMaster")),
             QStringList({u("VRHオッズ絞り設定"), u("VRH単日(単複)"), u("VRH過去ログ作成"),
                          u("VRH過去ログ閲覧"), u("VRH単日(他券種)"), u("VRH月単位(他券種)"),
                          u("VRH CSV"), u("出現率集計")}));
    QCOMPARE(shown_items(s.find<QMenu>("VRHCsvMenu")), QStringList({u("単日分"), u("全開催日")}));
    QVERIFY(!s.action("DirectReadBtn")->isVisible());
  }
  {
    Started s([](const fs::path& dir) {
      touch(dir / "Tundra.key");
      touch(dir / "HitPageToolsMarks.key");
    });
    QVERIFY(!s.menu("MenuMaster")->isVisible());
    QVERIFY(s.action("DirectReadBtn")->isVisible());
    QCOMPARE(s.action("DirectReadBtn")->text(), u("一気読み"));
    QVERIFY(!s.find<QPushButton>("TekiAnaBtn")->isHidden());
    QCOMPARE(s.find<QPushButton>("TekiAnaBtn")->text(), u("的中"));
    QCOMPARE(s.find<QPushButton>("TekiAnaBtn2")->text(), u("穴的中"));
  }
}

void MainWindowTest::firstStartPlacesTheWindowAndClosingStoresIt() {
  Started s;
  s.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
  QCOMPARE(s.window->pos(), QPoint(10, 10));
  QCOMPARE(s.window->size(), QSize(900, 600));
  QCOMPARE(s.window->windowTitle(), u("ラベリン"));

  s.window->move(40, 30);
  s.window->resize(820, 560);
  QVERIFY(s.window->close());
  const TIniGT ini;
  QCOMPARE(ini.ReadInteger("locate", "left", 0), 40);
  QCOMPARE(ini.ReadInteger("locate", "top", 0), 30);
  QCOMPARE(ini.ReadInteger("locate", "width", 0), 820);
  QCOMPARE(ini.ReadInteger("locate", "height", 0), 560);

  // The next start comes back where the last one ended.
  auto form = std::make_unique<MainForm>(s.dialogs, s.desktop, s.installs, *s.jvlink, s.dispatcher);
  TMainForm again(*form);
  QCOMPARE(again.pos(), QPoint(40, 30));
  QCOMPARE(again.size(), QSize(820, 560));
}

void MainWindowTest::restoredWindowStaysReachable() {
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  // Partly on a screen, or bigger than it: kept as stored.
  QCOMPARE(fit_to_screens(QRect(-100, 500, 900, 600), screens), QRect(-100, 500, 900, 600));
  QCOMPARE(fit_to_screens(QRect(2000, 10, 2400, 1200), screens), QRect(2000, 10, 2400, 1200));
  // On a screen that is gone: back to the default place, same size.
  QCOMPARE(fit_to_screens(QRect(3500, 100, 800, 500), screens), QRect(10, 10, 800, 500));
  // A size nobody can use (a damaged settings file) takes the default size.
  QCOMPARE(fit_to_screens(QRect(50, 60, 0, -5), screens), QRect(50, 60, 900, 600));

  Started s([](const fs::path& dir) {
    testing::write_bytes(dir / "ravelin.ini",
                         "[locate]\r\ntop=-30000\r\nleft=-30000\r\nwidth=900\r\nheight=600\r\n");
  });
  QCOMPARE(s.window->pos(), QPoint(10, 10));
}

void MainWindowTest::gridHeadingsAndHiddenPages() {
  Started s;
  const auto grid = [&](const char* name) { return s.find<GridView>(name); };
  const QStringList bet = {u("消"),     u("No."),      u("買い目"),   u("オッズ"),
                           u("人気"),   u("購入額"),   u("回収額"),   u("回収率"),
                           u("出現率"), u("結果配当"), u("結果回収"), u("結果人気")};
  QStringList pair = {u("消"),      u("No."),      u("買い目"),   u("オッズ"),  u("人気"),
                      u("連人気"),  u("購入額"),   u("回収額"),   u("回収率"),  u("出現率1"),
                      u("出現率2"), u("結果配当"), u("結果回収"), u("結果人気")};
  QStringList triple = pair;
  triple.insert(11, u("出現率3"));
  QStringList bracket = pair;
  bracket[1] = u("No");

  QCOMPARE(headings(grid("StringGrid2")),
           QStringList({u("人気"), u("枠連"), u("オッズ"), u("区分")}));
  QCOMPARE(grid("StringGrid2")->model()->rowCount(), 18);
  QCOMPARE(headings(grid("StringGrid6")),
           QStringList({u("枠"), u("馬"), u("馬名/騎手/斤量/性齢"), u("調教師"), u("ﾌﾞﾘﾝｶ"),
                        u("見習"), u("着順"), u("人気/確ｵｯｽﾞ"), u("走破ﾀｲﾑ"), u("3Fﾀｲﾑ"),
                        u("ｺｰﾅｰ順位"), u("馬体重"), u("本賞金/付加賞金"), u("異常区分")}));
  QCOMPARE(headings(grid("StringGrid26")),
           QStringList({u("枠"), u("馬"), u("馬名"), u("性齢"), u("騎手"), u("斤量"), u("単オッズ"),
                        u("順"), u("複ｵｯｽﾞ低"), u("順"), u("複ｵｯｽﾞ高"), u("順"), u("ﾏｲﾆﾝｸﾞ"),
                        u("誤差＋"), u("誤差－"), u("順"), u("着"), u("人"), u("確ｵｯｽﾞ")}));
  QCOMPARE(headings(grid("StringGrid8")),
           QStringList({u("枠"), u("馬"), u("単ｵｯｽﾞ"), u("順"), u("複ｵｯｽﾞ"), u("順"), u("ﾏｲﾆﾝｸﾞ"),
                        u("順"), u("軸"), u("ヒモ1"), u("ヒモ2"), u("消"), u("着"), u("人")}));
  QCOMPARE(
      headings(grid("StringGrid4")),
      QStringList({u("枠"), u("馬"), u("馬名"), u("軸候補"), u("軸"), u("紐候補"), u("紐ﾜｲﾄﾞ"),
                   u("紐馬単"), u("紐３複"), u("紐３単"), u("単ｵｯｽﾞ"), u("順"), u("着"), u("人")}));
  QCOMPARE(headings(grid("StringGrid27")),
           QStringList({"", u("馬連"), u("結果"), u("配当"), "", u("馬単"), u("結果"), u("配当")}));
  QCOMPARE(headings(grid("StringGrid3")), bet);
  QCOMPARE(headings(grid("StringGrid5")), bet);
  QCOMPARE(headings(grid("StringGrid28")), bracket);
  for (const char* name : {"StringGrid30", "StringGrid31", "StringGrid32"}) {
    QCOMPARE(headings(grid(name)), pair);
  }
  QCOMPARE(headings(grid("StringGrid33")), triple);
  QCOMPARE(headings(grid("StringGrid34")), triple);
  QCOMPARE(grid("StringGrid34")->model()->rowCount(), 1);  // one empty bet row

  QVERIFY(grid("StringGrid6")->isHidden());
  QVERIFY(s.find<QTabWidget>("PageControl3")->isHidden());
  QVERIFY(s.find<QWidget>("Panel8")->isHidden());
  auto* pc1 = s.find<QTabWidget>("PageControl1");
  auto* pc3 = s.find<QTabWidget>("PageControl3");
  auto* pc4 = s.find<QTabWidget>("PageControl4");
  QStringList shown;
  QStringList hidden;
  for (QTabWidget* tabs : {pc1, pc3, pc4}) {
    for (int i = 0; i < tabs->count(); ++i)
      (tabs->isTabVisible(i) ? shown : hidden) << tabs->tabText(i);
  }
  QCOMPARE(shown,
           QStringList({u("買い目"), u("出馬表"), u("結果"), u("出走馬確認"), u("単勝"), u("複勝"),
                        u("馬連"), u("ワイド"), u("馬単"), u("三連複"), u("三連単")}));
  QCOMPARE(hidden, QStringList({u("金のなる木プレビュー"), u("出馬表(一覧)"), u("軸ヒモ確認表"),
                                u("参考買い目"), u("枠連")}));
  // The bet pages hold their tables in bet-type order.
  QCOMPARE(pc4->widget(tab_index(pc4, u("三連単")))->objectName(), QString("StringGrid34"));
}

void MainWindowTest::toolBarCommandsAndHints() {
  Started s;
  QStringList buttons;
  for (const QAction* a : s.find<QToolBar>("ToolBar1")->actions()) {
    if (a->isVisible() && !a->isSeparator() && !a->text().isEmpty()) buttons << a->text();
  }
  QCOMPARE(buttons, QStringList({"F", u("JVデータ取得"), u("ﾊﾞｰｼﾞｮﾝ情報"), u("終了"), u("ヘルプ"),
                                 u("結果情報"), u("速報ｵｯｽﾞ"), u("ﾏｲﾆﾝｸﾞ"), u("直前ﾚｰｽ")}));
  s.window->show();
  QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
  for (const char* name : {"DateCombo", "NowTimLabel", "SeiRecLabel", "RestTimeLabel", "BashoLabel",
                           "RaceLabel", "HaranLabel", "DLlabel"}) {
    QVERIFY2(s.find<QWidget>(name)->isVisible(), name);
  }

  // Hints land in the status line through the core's label.
  QAction* f = s.action("FListBtn");
  QStatusTipEvent tip(f->statusTip());
  QCoreApplication::sendEvent(s.window.get(), &tip);
  QCOMPARE(to_utf8(s.form->StatusLine.text()), std::string("レースリストの表示/非表示を行います"));
  QCOMPARE(s.find<QLabel>("StatusLine")->text(), u("レースリストの表示/非表示を行います"));

  auto* race_list = s.find<QWidget>("RaceListPanel");
  f->trigger();
  QVERIFY(race_list->isHidden());
  f->trigger();
  QVERIFY(!race_list->isHidden());

  s.action("ExitBtn")->trigger();
  QVERIFY(!s.window->isVisible());
  QCOMPARE(TIniGT().ReadInteger("locate", "width", 0), 900);  // closing stored the position
}

void MainWindowTest::manualAndVersionWindow() {
  Started s;
  s.action("HelpBtn")->trigger();
  QCOMPARE(s.dialogs.calls,
           std::vector<std::string>(
               {"beep", "info: " + sj("使用解説書[Ravelin.pdf]が見つかりません。")}));
  QVERIFY(s.desktop.opened.empty());

  touch(s.dir.path() / "Ravelin.pdf");
  s.action("ManualItem")->trigger();
  QCOMPARE(s.desktop.opened, std::vector<fs::path>{s.dir.path() / "Ravelin.pdf"});

  s.action("VersionItem")->trigger();
  auto* version = s.window->findChild<TVersionForm*>();
  QVERIFY(version != nullptr);
  QVERIFY(version->isVisible());
  QCOMPARE(version->findChild<QLabel*>("VersionLabel")->text(), QString("Ver.1.05"));
  version->accept();
}

// The program itself: without JV-Link it ends before any window opens; with it, a
// screenshot run saves the main window as a picture.
void MainWindowTest::programEndsWithoutJVLinkAndTakesScreenshots() {
  const testing::TempDir dir;
  const QString shot = qpath(dir.path() / "main.png");
  QProcess p;
  p.setProcessChannelMode(QProcess::SeparateChannels);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.remove("JVLINK_SIM_FEED");
  p.setProcessEnvironment(env);
  p.start(RAVELIN_EXE, {"--appdir", qpath(dir.path()), "--screenshot", shot});
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(p.exitCode(), 1);
  QVERIFY(
      QString::fromUtf8(p.readAllStandardError())
          .contains(u("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。")));
  QVERIFY(!fs::exists(dir.path() / "main.png"));
  QVERIFY(!fs::exists(dir.path() / "ErrorLog.txt"));  // no window, no start-up

  fs::create_directories(dir.path() / "jvfeed");
  p.start(RAVELIN_EXE, {"--appdir", qpath(dir.path()), "--screenshot", shot});
  QVERIFY(p.waitForFinished(60000));
  QCOMPARE(p.exitCode(), 0);
  const QImage image(shot);
  QCOMPARE(image.size(), QSize(900, 600));
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::MainWindowTest)
