// The page "金のなる木プレビュー" and the loss register driven through their widgets.
#include "preview_view_test.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "acquire/day_store.h"
#include "gui/main_window.h"
#include "jvfeed/records.h"
#include "support/text.h"
#include "widget_helpers.h"
#include "window_rig.h"

namespace rv::gui {

void PreviewViewTest::marksThresholdsAndTheLossRegisterGoThroughTheWindow() {
  WindowRig w;
  std::filesystem::create_directories(w.dir.path() / "jvfeed");
  std::filesystem::create_directories(w.dir.path() / "DATA");
  {
    DayStore store(DayStore::Mode::kWriteBack);
    const auto key = jvfeed::key(20261206, 6, 1);
    store.Store(jvfeed::ra(key, {.runners = 10}), RecordOrigin::kStoredData, true);
    auto o1 = jvfeed::o1(key, 10);
    for (int h = 1; h <= 10; ++h) {
      store.Store(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = 10}),
                  RecordOrigin::kStoredData, true);
      o1.win(h, jvfeed::Odds::of_tenths(10 + 10 * h), h);
    }
    o1.bracket(1, 2, 4.0, 1).bracket(1, 3, 8.0, 2).bracket(2, 3, 8.0, 3).bracket(4, 5, 50.0, 4);
    store.Store(o1, RecordOrigin::kStoredData, true);
    store.Flush();
  }
  w.open();
  w.window->binder().run([&w] { w.choose_day(0); });
  w.window->resize(1200, 800);
  w.window->show();
  auto* grid2 = w.find<GridView>("StringGrid2");
  for (QWidget* p = grid2; p != nullptr; p = p->parentWidget()) {
    if (auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget())) stack->setCurrentWidget(p);
  }

  // The box is marked; a press in the mark column takes a mark off, and "抽出" the bet.
  QCOMPARE(w.form->preview.StringGrid2.cell(1, 3), sj("●"));
  QTest::mousePress(grid2->viewport(), Qt::LeftButton, {}, cell_point(*grid2, 1, 3));
  QCOMPARE(w.form->preview.StringGrid2.cell(1, 3), std::string_view());
  w.find<QPushButton>("KaimeMakeBtn_Old")->click();
  QCOMPARE(w.form->bets[BetType::kWakuren].data_rows(), 2);

  // A threshold typed into its box is stored as typed.
  auto* ave = w.find<QLineEdit>("WozAveEdit");
  ave->selectAll();
  QTest::keyClick(ave, Qt::Key_Backspace);
  QTest::keyClicks(ave, "1500");
  QCOMPARE(w.form->ini.ReadString("Kaime", "WozAve", ""), std::string("1500"));
  QCOMPARE(w.form->preview.WakuAveLabel.color(), colors::kAqua);

  // "損失メモ" opens the register, which stays on top.
  w.find<QPushButton>("LossMemoBtn")->click();
  auto* loss = w.find<QWidget>("LossRegForm");
  QVERIFY(loss->isVisible());
  QVERIFY(loss->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  screenshot(*w.window, "preview_tab.png");
  screenshot(*loss, "loss_register.png");
}

// While "全期間" runs, the status bar shows the day and a cancel button and the rest of the
// window does not repaint; cancel stops the run before the next day's races.
void PreviewViewTest::anAllDaysVerificationShowsItsDayAndStopsWhenCancelled() {
  WindowRig w;
  std::filesystem::create_directories(w.dir.path() / "DATA");
  {
    DayStore store(DayStore::Mode::kWriteBack);
    for (const int ymd : {20261128, 20261129, 20261205, 20261206}) {
      for (int r = 1; r <= 12; ++r) {
        const auto key = jvfeed::key(ymd, 6, r);
        store.Store(jvfeed::ra(key, {.runners = 10}), RecordOrigin::kStoredData, true);
        for (int h = 1; h <= 10; ++h) {
          store.Store(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = 10}),
                      RecordOrigin::kStoredData, true);
        }
      }
    }
    store.Flush();
  }
  w.open();
  w.window->resize(1200, 800);
  w.window->show();
  w.window->binder().run([&w] { w.choose_day(0); });
  std::vector<std::string> days;
  bool shown = false;
  w.form->evaluation_runs().on_day = [&](const std::string& text) {
    days.push_back(to_utf8(text));
    if (days.size() < 3) return;
    w.window->binder().refresh();
    shown =
        w.find<QWidget>("BatchPanel")->isVisible() && !w.window->centralWidget()->updatesEnabled();
    QCOMPARE(w.find<QLabel>("BatchLabel")->text(), u("3/4日目 2026年12月05日"));
    screenshot(*w.window, "all_days_verification.png");
    w.find<QPushButton>("BatchCancelBtn")->click();
  };
  w.find<QAction>("N35")->trigger();
  QVERIFY(shown);
  QCOMPARE(days.size(), std::size_t{3});
  QVERIFY(!std::filesystem::exists(w.dir.path() / "HPupload" / "Kaishu.txt"));
  QVERIFY(std::filesystem::exists(w.dir.path() / "HPupload" / "Kaishu20261129.txt"));
  w.window->binder().refresh();
  QVERIFY(!w.find<QWidget>("BatchPanel")->isVisible());
  QVERIFY(w.window->centralWidget()->updatesEnabled());
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::PreviewViewTest)
