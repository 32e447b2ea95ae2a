#include "race_card_view_test.h"

#include <QAbstractButton>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "acquire/day_store.h"
#include "gui/grid_view.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/window_choice.h"
#include "jvfeed/records.h"
#include "model/card_sort.h"
#include "support/text.h"
#include "window_rig.h"

namespace rv::gui {
namespace {

namespace fs = std::filesystem;

constexpr int kRunners = 5;
// Finishing positions of horses 1..5, so that sorting by 着順 puts horse 2 first.
constexpr int kFinish[kRunners] = {3, 1, 5, 2, 4};

// The window on a program folder holding one finished race, chosen in the date box and the
// race list as a user does.
struct RaceOnScreen : WindowRig {
  RaceOnScreen() {
    fs::create_directories(dir.path() / "jvfeed");
    fs::create_directories(dir.path() / "DATA");
    DayStore store(DayStore::Mode::kWriteBack);
    const auto k = jvfeed::key(20261206, 6, 11);
    store.Store(jvfeed::ra(k, {.runners = kRunners, .start = "1540"}), RecordOrigin::kStoredData,
                true);
    for (int h = 1; h <= kRunners; ++h) {
      const std::string name = "テストホース" + std::to_string(h);
      store.Store(jvfeed::se(k, {.data_kind = '7',
                                 .horse = h,
                                 .runners = kRunners,
                                 .name = name,
                                 .finish = kFinish[h - 1]}),
                  RecordOrigin::kStoredData, true);
    }
    store.Flush();
    open().show();
    QVERIFY(gui::choose_day(*window, "20261206"));
    QVERIFY(gui::choose_race(*window, 0));
  }
  // The horse number shown in the first data row of the entry card.
  [[nodiscard]] int first_horse() const {
    const int col = CardSortButtonOf(CardSort::kUmaban).primary;
    const GridView* v = find<GridView>("StringGrid26");
    return v->model()->index(GridModel::model_row(1), col).data().toString().trimmed().toInt();
  }
};

}  // namespace

void RaceCardViewTest::entryCardSortsAndCopiesThroughItsButtons() {
  const RaceOnScreen s;
  QCOMPARE(s.form->race_on_screen().slot(), 0);
  auto* by_number = s.find<QAbstractButton>(CardSortButtonOf(CardSort::kUmaban).name);
  auto* by_finish = s.find<QAbstractButton>(CardSortButtonOf(CardSort::kChakujun).name);
  QVERIFY(by_number->isChecked());
  QCOMPARE(by_finish->text(), QString::fromUtf8("着順"));
  QCOMPARE(s.first_horse(), 1);

  QTest::mouseClick(by_finish, Qt::LeftButton);
  QVERIFY(by_finish->isChecked() && !by_number->isChecked());
  QCOMPARE(s.first_horse(), 2);
  QTest::mouseClick(by_number, Qt::LeftButton);
  QCOMPARE(s.first_horse(), 1);

  QTest::mouseClick(s.find<QAbstractButton>("ClipBtn1"), Qt::LeftButton);
  QVERIFY(s.desktop.clipboard.find(sj("テストホース3")) != std::string::npos);
}

void RaceCardViewTest::resultsCardPressNamesTheHorseInItsPopup() {
  const RaceOnScreen s;
  auto* card = s.find<GridView>("StringGrid6");
  const QPoint third = card->visualRect(card->model()->index(GridModel::model_row(3), 1)).center();
  QTest::mousePress(card->viewport(), Qt::LeftButton, {}, third);
  QTest::mouseRelease(card->viewport(), Qt::LeftButton, {}, third);
  QCOMPARE(s.form->card.SelectedHorse, 2);

  // The pop-up lists the pressed horse; read it while it is open, then close it.
  QStringList items;
  QTimer::singleShot(0, [&items] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (const QAction* a : menu->actions()) {
      if (!a->isSeparator()) items << a->text();
    }
    menu->close();
  });
  emit card->customContextMenuRequested(third);
  QVERIFY(!items.isEmpty());
  QCOMPARE(items.front(), QString::fromUtf8("追跡馬に登録:テストホース3"));
  QVERIFY(items.contains(QString::fromUtf8("馬情報:テストホース3")));
}

// The program's start options choose through the same controls a person uses.
void RaceCardViewTest::choicesByStartOptionGoThroughTheControls() {
  const RaceOnScreen s;
  QVERIFY(!choose_day(*s.window, "20261207"));
  QVERIFY(!choose_race(*s.window, 1));
  QVERIFY(!choose_tab(*s.window, QString::fromUtf8("ない")));
  QVERIFY(choose_tab(*s.window, QString::fromUtf8("出馬表")));
  auto* sheet = s.find<QWidget>("ShutubaSheet");
  auto* tabs = qobject_cast<QTabWidget*>(sheet->parentWidget()->parentWidget());
  QVERIFY(tabs != nullptr);
  QCOMPARE(tabs->currentWidget(), sheet);
  QVERIFY(choose_day(*s.window, QString::fromUtf8("2026年12月06日")));
  QCOMPARE(s.form->loaded_day.DatList.count(), 1);
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::RaceCardViewTest)
