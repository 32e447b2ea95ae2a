#include "binder_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

#include "common/fake_services.h"
#include "gui/binder.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::gui {

// An exception ends the handler with the general error box; the views still follow
// whatever the handler changed before it failed.
void BinderTest::failingHandlerShowsTheErrorBoxAndViewsStillFollow() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  Label l;
  QLabel view;
  binder.label(&view, l);
  binder.run([&] {
    l.set_text(sj("途中"));
    throw FileError(sj("ファイルが読めません"));
  });
  QCOMPARE(dialogs.calls, std::vector<std::string>{"error: " + sj("ファイルが読めません")});
  QCOMPARE(view.text(), QString::fromUtf8("途中"));
}

void BinderTest::labelShowsTextColoursAndBoldAndPlainText() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  Label l(sj("<b>ラベル</b>"));
  QLabel view;
  binder.label(&view, l);
  QCOMPARE(view.text(), QString::fromUtf8("<b>ラベル</b>"));
  QCOMPARE(view.textFormat(), Qt::PlainText);
  QVERIFY(!view.autoFillBackground());
  l.set_color(colors::kAqua);
  l.set_font_color(colors::kRed);
  l.set_bold(true);
  binder.refresh();
  QVERIFY(view.autoFillBackground());
  QCOMPARE(view.palette().color(QPalette::Window), QColor(0, 255, 255));
  QCOMPARE(view.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  QVERIFY(view.font().bold());
  l.set_color(kDefaultColor);
  l.set_visible(false);
  binder.refresh();
  QVERIFY(!view.autoFillBackground());
  QVERIFY(view.isHidden());
  // A label the window designed bold stays bold; a panel shows a label's colour only.
  QLabel heading;
  QFont bold = heading.font();
  bold.setBold(true);
  heading.setFont(bold);
  Label plain(sj("見出し"));
  binder.label(&heading, plain);
  QVERIFY(heading.font().bold());
  QWidget panel;
  Label turf;
  binder.panel(&panel, turf);
  turf.set_color(colors::kGreen);
  binder.refresh();
  QCOMPARE(panel.palette().color(QPalette::Window), QColor(0, 128, 0));
  QVERIFY(panel.autoFillBackground());
}

// A menu command whose handler flips its own mark must not see the mark flipped twice.
void BinderTest::togglesCheckedByTheViewOrByTheHandler() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  Toggle by_view(sj("ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)"));
  Toggle by_handler;
  QAction a1;
  QAction a2;
  int stored = -1;
  binder.toggle(&a1, by_view, [&] { stored = by_view.checked() ? 1 : 0; });
  binder.toggle(
      &a2, by_handler, [&] { by_handler.set_checked(!by_handler.checked()); }, CheckBy::kHandler);
  QCOMPARE(a1.text(), QString::fromUtf8("ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)"));
  QVERIFY(a1.isCheckable());
  a1.trigger();
  QVERIFY(by_view.checked());
  QCOMPARE(stored, 1);
  a2.trigger();
  QVERIFY(by_handler.checked());
  QVERIFY(a2.isChecked());
  a2.trigger();
  QVERIFY(!by_handler.checked());
  QVERIFY(!a2.isChecked());
  by_view.set_visible(false);
  binder.refresh();
  QVERIFY(!a1.isVisible());

  Toggle box;
  QCheckBox check;
  binder.toggle(&check, box);
  check.click();
  QVERIFY(box.checked());
}

void BinderTest::radioItemsStayExclusiveAndFollowTheIndex() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  RadioGroup g;
  QAction a;
  QAction b;
  int calls = 0;
  binder.radio(std::vector<QAction*>{&a, &b}, g, [&] { ++calls; });
  QVERIFY(a.isChecked() && !b.isChecked());
  b.trigger();
  QCOMPARE(g.item_index(), 1);
  QVERIFY(!a.isChecked() && b.isChecked());
  b.trigger();  // choosing the checked item again keeps it checked
  QVERIFY(b.isChecked());
  QCOMPARE(calls, 2);
  g.set_item_index(0);
  binder.refresh();
  QVERIFY(a.isChecked() && !b.isChecked());

  // Radio menu items kept as separate toggles.
  Toggle t1;
  Toggle t2;
  Toggle t3;
  t1.set_checked(true);
  QAction r1;
  QAction r2;
  QAction r3;
  int chosen = 0;
  binder.radio({&r1, &r2, &r3}, {&t1, &t2, &t3}, [&] { ++chosen; });
  r3.trigger();
  QVERIFY(!t1.checked() && !t2.checked() && t3.checked());
  QVERIFY(!r1.isChecked() && r3.isChecked());
  r3.trigger();
  QVERIFY(t3.checked() && r3.isChecked());
  QCOMPARE(chosen, 2);
}

void BinderTest::listsFollowItemsAndForwardOnlyUserChoices() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  ListControl races;
  races.add(sj("東京 1R"));
  races.add(sj("東京 2R"));
  QListWidget list;
  std::vector<int> clicked;
  binder.list(&list, races, [&] { clicked.push_back(races.item_index()); });
  QCOMPARE(list.count(), 2);
  QCOMPARE(list.item(1)->text(), QString::fromUtf8("東京 2R"));
  races.set_item_index(0);  // a selection made by the core is no click
  binder.refresh();
  QCOMPARE(list.currentRow(), 0);
  QVERIFY(clicked.empty());
  list.setCurrentRow(1);
  QCOMPARE(clicked, std::vector<int>{1});

  ListControl days;
  days.set_items({sj("2024年01月07日"), sj("2024年01月06日")});
  QComboBox combo;
  int changes = 0;
  binder.list(&combo, days, [&] { ++changes; });
  QCOMPARE(combo.count(), 2);
  QCOMPARE(combo.currentIndex(), -1);
  emit combo.activated(1);
  QCOMPARE(days.item_index(), 1);
  emit combo.activated(1);  // the same day again changes nothing
  QCOMPARE(changes, 1);
  days.set_items({sj("2024年01月13日")});
  binder.refresh();
  QCOMPARE(combo.count(), 1);
  QCOMPARE(combo.itemText(0), QString::fromUtf8("2024年01月13日"));
}

void BinderTest::timerRunsItsHandlerAndStopsWhenDisabled() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  TimerState s;
  s.set_interval_ms(5);
  s.set_enabled(false);
  QTimer t;
  int ticks = 0;
  binder.timer(&t, s, [&] {
    if (++ticks == 2) s.set_enabled(false);  // a handler that switches its timer off
  });
  QVERIFY(!t.isActive());
  s.set_enabled(true);
  binder.refresh();
  QVERIFY(t.isActive());
  QCOMPARE(t.interval(), 5);
  QTRY_COMPARE(ticks, 2);
  QVERIFY(!t.isActive());
}

void BinderTest::editsTabsProgressAndCommands() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  Edit e;
  QLineEdit line;
  std::string seen;
  binder.edit(&line, e, [&] { seen = e.text(); });
  QTest::keyClicks(&line, "3000");
  QCOMPARE(seen, std::string("3000"));
  e.set_text("5000");
  binder.refresh();
  QCOMPARE(line.text(), QString("5000"));

  QTabWidget tabs;
  auto* page = new QWidget;
  tabs.addTab(new QWidget, "a");
  tabs.addTab(page, "b");
  Control sheet;
  binder.tab(&tabs, page, sheet);
  QVERIFY(tabs.isTabVisible(1));
  sheet.set_visible(false);
  binder.refresh();
  QVERIFY(!tabs.isTabVisible(1));

  ProgressBar p;
  QProgressBar bar;
  binder.progress(&bar, p);
  p.set_max(36);
  p.set_position(12);
  binder.refresh();
  QCOMPARE(bar.maximum(), 36);
  QCOMPARE(bar.value(), 12);

  Command later(sj("時系列オッズより取得(&T)"));
  Command now(sj("終了(&X)"));
  QAction a_later;
  QAction a_now;
  int runs = 0;
  binder.command(&a_later, later, {});
  binder.command(&a_now, now, [&] { ++runs; });
  QCOMPARE(a_later.text(), QString::fromUtf8("時系列オッズより取得(&T)"));
  QVERIFY(!a_later.isEnabled());  // nothing connected to it yet
  a_now.trigger();
  QCOMPARE(runs, 1);
  now.set_visible(false);
  binder.refresh();
  QVERIFY(!a_now.isVisible());
}

// Check marks, spin values and the active tab go both ways; presses in a check list are
// reported before any check mark changes.
void BinderTest::checkListsSpinEditsAndTabControls() {
  testing::FakeDialogs dialogs;
  Binder binder(dialogs);
  CheckListBox list;
  list.set_items({sj(" 1位"), sj(" 2位")});
  QListWidget list_view;
  int presses = 0;
  int changes = 0;
  binder.check_list(
      &list_view, list, [&] { ++presses; }, [&] { ++changes; });
  QCOMPARE(list_view.count(), 2);
  QCOMPARE(list_view.item(1)->text(), QString::fromUtf8(" 2位"));
  QCOMPARE(list_view.item(0)->checkState(), Qt::Unchecked);
  list_view.item(1)->setCheckState(Qt::Checked);
  QVERIFY(list.checked(1));
  QCOMPARE(changes, 1);
  list.set_all(true);
  binder.refresh();
  QCOMPARE(list_view.item(0)->checkState(), Qt::Checked);
  QCOMPARE(changes, 1);  // changes made by the core are not the user's
  list_view.resize(120, 80);
  list_view.show();
  QTest::mouseClick(list_view.viewport(), Qt::RightButton, {}, QPoint(5, 5));
  QCOMPARE(presses, 1);

  SpinEdit spin(1, 1000, 1000);
  QSpinBox spin_view;
  int spun = 0;
  binder.spin(&spin_view, spin, [&] { ++spun; });
  QCOMPARE(spin_view.maximum(), 1000);
  QCOMPARE(spin_view.minimum(), 1);
  QCOMPARE(spin_view.value(), 1000);
  spin_view.setValue(25);
  QCOMPARE(spin.value(), 25);
  QCOMPARE(spun, 1);
  spin.set_value(7);
  binder.refresh();
  QCOMPARE(spin_view.value(), 7);
  QCOMPARE(spun, 1);

  TabControl tabs({sj("単勝"), sj("複勝")});
  QTabWidget tab_view;
  tab_view.addTab(new QWidget, "a");
  tab_view.addTab(new QWidget, "b");
  int switched = 0;
  binder.tabs(&tab_view, tabs, [&] { ++switched; });
  QCOMPARE(tab_view.tabText(1), QString::fromUtf8("複勝"));
  tab_view.setCurrentIndex(1);
  QCOMPARE(tabs.tab_index(), 1);
  QCOMPARE(switched, 1);
  tabs.set_tab_index(0);
  binder.refresh();
  QCOMPARE(tab_view.currentIndex(), 0);
  QCOMPARE(switched, 1);
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::BinderTest)
