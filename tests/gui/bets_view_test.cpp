#include "bets_view_test.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "gui/bet_tables_view.h"
#include "gui/qt_text.h"
#include "gui/user_kaime_window.h"
#include "support/text.h"
#include "widget_helpers.h"

namespace rv::gui {

void BetsViewTest::betTabsSortToggleAndHighlightThroughTheViews() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  BetTables tables;
  int recomputed = 0;
  tables.set_recompute([&](BetTable&) { ++recomputed; });
  BetTable& umaren = tables[BetType::kUmaren];
  const char* kumi[] = {" 1- 2", " 1- 3", " 1- 5", " 2- 3", " 3- 5"};
  const int ninki[] = {4, 1, 9, 2, 4};
  umaren.set_data_rows(5);
  for (int r = 1; r <= 5; ++r) {
    umaren.set_cell(r, BetColumns::kNo, umaren.no_text(r));
    umaren.set_cell(r, BetColumns::kKumi, kumi[r - 1]);
    umaren.set_cell(r, BetColumns::kOdds, fmt("%7.1f", 3.5 * ninki[r - 1]));
    umaren.set_cell(r, BetColumns::kNinki, fmt("%3d", ninki[r - 1]));
    umaren.set_cell(r, 5, fmt("%2d-%2d", r, r + 2));
    umaren.set_cell(r, 9, "  0.0");
    umaren.set_cell(r, 10, "  0.0");
  }
  umaren.total(BetTotal::kTensu).set_text("  5");
  umaren.total(BetTotal::kToshi).set_text("  3000");
  RacePayouts paid{};
  paid[3][0].kumi = " 1- 3";
  tables.set_race(&paid);

  BetTablesView view(tables, binder);
  view.resize(1100, 360);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  QTabWidget* tabs = view.page_control();
  QCOMPARE(tabs->count(), 8);
  QCOMPARE(tabs->tabText(6), QString::fromUtf8("三連複"));
  QCOMPARE(view.grid_view(BetType::kSanrentan)->objectName(), QString("StringGrid34"));
  QCOMPARE(view.total_label(BetType::kWide, BetTotal::kKaishu)->objectName(),
           QString("WDKaishuLabel"));

  tabs->setCurrentIndex(3);
  QCOMPARE(tables.PageControl4.tab_index(), 3);
  QCOMPARE(view.total_label(BetType::kUmaren, BetTotal::kToshi)->palette().color(QPalette::Window),
           QColor(172, 181, 255));
  QCOMPARE(view.total_label(BetType::kTansho, BetTotal::kToshi)->palette().color(QPalette::Window),
           QColor(255, 251, 240));

  GridView* grid = view.grid_view(BetType::kUmaren);
  QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                    header_point(*grid, BetColumns::kNinki));
  QCOMPARE(umaren.cell(1, BetColumns::kKumi), std::string(" 1- 5"));  // 9th, descending
  QCOMPARE(umaren.cell(2, BetColumns::kKumi), std::string(" 1- 2"));  // 4th, lower No. first
  QCOMPARE(umaren.cell(3, BetColumns::kKumi), std::string(" 3- 5"));

  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell_point(*grid, 5, 0));
  QVERIFY(umaren.erased(5));
  QCOMPARE(recomputed, 1);
  QCOMPARE(view.total_label(BetType::kUmaren, BetTotal::kTensu)->text(), QString());
  umaren.total(BetTotal::kTensu).set_text("  4");
  umaren.total(BetTotal::kToshi).set_text("  2400");
  binder.refresh();
  screenshot(view, "bet_tab.png");
}

void BetsViewTest::selectionSetWindowShowsAndDrivesItsControls() {
  testing::AppDirScope dir;
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  Label set_name;
  TUserKaimeForm form(dialogs, set_name);
  form.FormCreate();
  UserKaimeWindow window(form, binder);
  QVERIFY(window.isHidden());
  QCOMPARE(window.windowTitle(), QString::fromUtf8("(軸・ヒモ馬ユーザー設定)"));
  QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  binder.run([&] { form.Show(); });
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  for (const RankList l : {RankList::kJiku, RankList::kHimoM1, RankList::kHimoN1, RankList::kHimoM2,
                           RankList::kHimoN2}) {
    QListWidget* list = window.rank_list(l);
    QCOMPARE(list->count(), 18);
    QCOMPARE(list->item(0)->text(), QString::fromUtf8(" 1位"));
    QCOMPARE(list->item(17)->text(), QString::fromUtf8("18位"));
  }
  QCOMPARE(window.rank_list(RankList::kJiku)->item(2)->checkState(), Qt::Checked);
  QCOMPARE(window.rank_list(RankList::kJiku)->item(3)->checkState(), Qt::Unchecked);
  auto* spin21 = window.findChild<QSpinBox*>("SpinEdit21");
  QVERIFY(spin21 != nullptr);
  QCOMPARE(spin21->maximum(), 1000000);
  QCOMPARE(window.findChild<QSpinBox*>("SpinEdit1")->value(), 10);
  auto* nin = window.findChild<QComboBox*>("NinCombo1");
  QCOMPARE(nin->count(), 3);
  QCOMPARE(nin->itemText(2), QString::fromUtf8("最高人気馬"));
  QCOMPARE(nin->currentIndex(), 1);
  auto* sets = window.findChild<QComboBox*>("SetCombo");
  QCOMPARE(sets->count(), 6);

  // Choosing a set in the combo loads it.
  sets->setCurrentIndex(5);
  emit sets->activated(5);
  QCOMPARE(form.SetCombo.item_index(), 5);
  QCOMPARE(to_utf8(set_name.text()), std::string("全頭買い設定"));
  QCOMPARE(window.rank_list(RankList::kJiku)->item(17)->checkState(), Qt::Checked);

  // The pop-up acts on the list pressed last.
  QListWidget* n1 = window.rank_list(RankList::kHimoN1);
  QTest::mouseClick(n1->viewport(), Qt::LeftButton, {}, n1->visualItemRect(n1->item(4)).center());
  window.popup()->actions().at(0)->trigger();
  QVERIFY(form.HimoCheckListBoxN1.checked(17));
  QCOMPARE(n1->item(0)->checkState(), Qt::Checked);
  QVERIFY(!form.HimoCheckListBoxN2.checked(0));
  window.popup()->actions().at(1)->trigger();
  QVERIFY(!form.HimoCheckListBoxN1.checked(3));
  form.SelectSet(0);
  binder.refresh();
  QTest::qWait(50);
  screenshot(window, "user_kaime_form.png");

  // Escape closes the window; the menu item shows it again.
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(window.isHidden());
  QVERIFY(!form.Form.visible());
  binder.run([&] { form.Show(); });
  QVERIFY(window.isVisible());
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::BetsViewTest)
