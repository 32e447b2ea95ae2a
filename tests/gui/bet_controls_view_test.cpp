// The bet-construction controls of the main window driven through their widgets: the marks of
// StringGrid8, the mode group, the amount boxes, 追い上げ and the investment dialog.
#include "bet_controls_view_test.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <memory>

#include "acquire/day_store.h"
#include "gui/bet_tables_view.h"
#include "gui/kaime_set_dialog.h"
#include "gui/main_window.h"
#include "jvfeed/records.h"
#include "support/text.h"
#include "widget_helpers.h"
#include "window_rig.h"

namespace rv::gui {
namespace {

namespace fs = std::filesystem;
using jvfeed::Odds;

constexpr int kAllHorsesSet = 5;

// The window on a day of one race of six runners at 中山, 2026-12-06, win odds 2.0, 4.0, …,
// every horse marked by the set "全頭買い設定", and horse 2 paid 2,000 yen for the win.
struct Window : WindowRig {
  Window() {
    fs::create_directories(dir.path() / "jvfeed");
    fs::create_directories(dir.path() / "DATA");
    DayStore store(DayStore::Mode::kWriteBack);
    const auto put = [&store](const jvfeed::Record& r) {
      store.Store(r, RecordOrigin::kStoredData, true);
    };
    const auto key = jvfeed::key(20261206, 6, 1);
    put(jvfeed::ra(key, {.runners = 6}));
    auto o1 = jvfeed::o1(key, 6);
    auto dm = jvfeed::dm(key, 6);
    for (int h = 1; h <= 6; ++h) {
      put(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = 6}));
      o1.win(h, Odds::of_tenths(20 * h), h).place(h, Odds::of_tenths(10 + h), 20 + h, h);
      dm.predict(h, 13000 + h, 10, 10);
    }
    put(o1);
    put(dm);
    put(jvfeed::hr(key, 6).pay(jvfeed::Bet::Win, 1, {2}, 2000, 2));
    store.Flush();

    open();
    form->UserKaimeForm.SelectSet(kAllHorsesSet);
    window->binder().run([this] { choose_day(0); });
    window->resize(1200, 800);
    window->show();
  }
  BetTable& win() const { return form->bets[BetType::kTansho]; }
  QLabel* total(const char* name) const { return find<QLabel>(name); }
};

// Shows the page a widget sits on, through every tab widget above it.
void reveal(QWidget* w) {
  for (QWidget* p = w; p != nullptr; p = p->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget());
    if (stack != nullptr) stack->setCurrentWidget(p);
  }
}

void type_into(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

QColor text_color(const QLabel* l) {
  return l->palette().color(QPalette::WindowText);
}

}  // namespace

void BetControlsViewTest::marksModeAndAmountGoThroughTheWindow() {
  Window w;
  QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
  auto* grid8 = w.find<GridView>("StringGrid8");
  reveal(grid8);
  QCOMPARE(w.win().data_rows(), 6);
  // 500 yen on each horse; horse 2 returns 10,000 yen, more than the 3,000 invested: red.
  QCOMPARE(w.total("TanKaishuLabel")->text(), u("   10000"));
  QCOMPARE(text_color(w.total("TanKaishuLabel")), QColor(255, 0, 0));
  QCOMPARE(text_color(w.total("TanYosoKaishuLabel")), QColor(0, 0, 0));

  // "消" on horse 2 by a press on its row: the bets are built again without it.
  QCOMPARE(grid8->viewport()->cursor().shape(), Qt::ArrowCursor);
  QTest::mousePress(grid8->viewport(), Qt::LeftButton, {}, cell_point(*grid8, 2, 11));
  QCOMPARE(w.form->card.StringGrid8.cell(2, 11), sj("消"));
  QCOMPARE(w.win().data_rows(), 5);
  QCOMPARE(w.total("TanKaishuLabel")->text(), QString());
  QTest::mousePress(grid8->viewport(), Qt::LeftButton, {}, cell_point(*grid8, 2, 11));
  QCOMPARE(w.win().data_rows(), 6);
  // A press on the heading "順" sorts by win popularity, least popular first, and the bets
  // are built again: a bet erased in the table is forgotten.
  w.window->binder().run([&w] { w.form->bets.Click(BetType::kTansho, 1, 0); });
  QVERIFY(w.win().erased(1));
  QHeaderView* head = grid8->horizontalHeader();
  QTest::mousePress(head->viewport(), Qt::LeftButton, {}, header_point(*grid8, 3));
  QCOMPARE(w.form->card.StringGrid8.cell(1, 1), " 6");
  QVERIFY(!w.win().erased(1));

  // A smaller amount typed into the box: 100 yen each, reallocated at once; the mode group
  // stores its choice and allocates again.
  auto* amount = w.find<QLineEdit>("SaNumEditExC1");
  QCOMPARE(amount->text(), u("3000"));
  type_into(amount, "600");
  QCOMPARE(w.form->allocation.SaNumEditExC1.text(), "600");
  QCOMPARE(w.form->race_day().RaceAmount[0], "600");
  QCOMPARE(w.total("TanToshiLabel")->text(), u("   600"));
  QCOMPARE(w.win().cell(1, 5), "   100");
  // Letters never reach the amount.
  QTest::keyClicks(amount, "x-");
  QCOMPARE(amount->text(), u("600"));

  QList<QRadioButton*> modes = w.find<QWidget>("RadioGroup1")->findChildren<QRadioButton*>();
  QCOMPARE(modes.size(), 2);
  QCOMPARE(modes[0]->text(), u("均等"));
  QVERIFY(modes[0]->isChecked());
  modes[1]->click();
  QCOMPARE(w.form->ini.ReadInteger("KaimeSet", "HaibunSet", 0), 1);
  QCOMPARE(w.win().cell(1, 5), "   300");  // 比例: the favourite's share of 600 yen
  QVERIFY(modes[1]->isChecked());
}

void BetControlsViewTest::oiageGroupSetsTheAmountOrShowsWhyNot() {
  Window w;
  QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
  auto* button = w.find<QPushButton>("OiageBtn");
  reveal(button);
  QCOMPARE(button->text(), u("追い上げ"));
  QCOMPARE(w.find<QLineEdit>("SaNumEditExC2")->text(), u("10000"));
  type_into(w.find<QLineEdit>("SaNumEditExC3"), "5000");
  w.window->binder().run(
      [&w] { w.form->bets[BetType::kWakuren].total(BetTotal::kYosoKaishu).set_text("  150.0"); });
  button->click();
  QCOMPARE(w.find<QLineEdit>("SaNumEditExC1")->text(), u("30000"));
  QCOMPARE(w.total("TanToshiLabel")->text(), u(" 30000"));

  w.window->binder().run(
      [&w] { w.form->bets[BetType::kWakuren].total(BetTotal::kYosoKaishu).set_text("   60.0"); });
  button->click();
  QCOMPARE(w.dialogs.calls.back(), "info: " + sj("この組合せまたは金額では資金配分ができません。"));
  QCOMPARE(w.find<QLineEdit>("SaNumEditExC1")->text(), u("30000"));
}

void BetControlsViewTest::investmentDialogStoresTheDefault() {
  Window w;
  int shown_again = 0;
  TKaimeSetForm form(w.form->ini, [&] { ++shown_again; });
  KaimeSetDialog dialog(form, w.dialogs);
  QCOMPARE(dialog.windowTitle(), u("投資金設定"));
  QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(),
           u("買い目を作成するための1レースあたりの投資金額を設定します。"));
  QLineEdit* amount = dialog.amount_edit();
  QCOMPARE(amount->text(), u("3000"));
  type_into(amount, "-12345678");
  QCOMPARE(amount->text(), u("123456"));  // six digits, no sign
  type_into(amount, "50");
  dialog.show();
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(amount->text(), u("100"));
  QCOMPARE(w.form->ini.ReadInteger("KaimeSet", "DefaultAmount", 0), 100);
  QCOMPARE(shown_again, 1);

  // Cancel stores nothing.
  TKaimeSetForm again(w.form->ini, [&] { ++shown_again; });
  KaimeSetDialog second(again, w.dialogs);
  type_into(second.amount_edit(), "7000");
  second.show();
  second.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  QCOMPARE(second.result(), int(QDialog::Rejected));
  QCOMPARE(w.form->ini.ReadInteger("KaimeSet", "DefaultAmount", 0), 100);
  QCOMPARE(shown_again, 1);
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::BetControlsViewTest)
