#include "get_data_window_test.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "acquire/cancel_flag.h"
#include "acquire/jvlink_sim.h"
#include "common/temp_dir.h"
#include "gui/get_data_window.h"
#include "gui/qt_text.h"
#include "jvfeed/records.h"
#include "support/settings.h"
#include "support/text.h"
#include "widget_helpers.h"

namespace rv::gui {
namespace {

namespace fs = std::filesystem;
namespace jv = jvfeed;

// Dialogs that let the window's messages run inside the read loop, as the real ones do, and
// record the boxes instead of waiting for a person.
class LoopDialogs final : public Dialogs {
 public:
  std::vector<std::string> shown;  // UTF-8
  std::function<void()> on_events;
  int turns = 0;

  void info(std::string_view text) override { shown.push_back("info:" + to_utf8(text)); }
  bool confirm(std::string_view text) override {
    shown.push_back("confirm:" + to_utf8(text));
    return true;
  }
  void error(std::string_view text) override { shown.push_back("error:" + to_utf8(text)); }
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override {
    ++turns;
    if (on_events) on_events();
    QCoreApplication::processEvents();
  }
};

// A feed of `days` Sundays of one venue: cards with runners, final odds and payouts.
struct Scene {
  testing::TempDir feed;
  testing::AppDirScope app;
  LoopDialogs dialogs;
  std::unique_ptr<JVLinkSim> jvlink;
  std::unique_ptr<TGetDataForm> form;
  std::unique_ptr<GetDataWindow> window;

  explicit Scene(int days, std::string_view ini = {}) {
    fs::create_directories(app.path() / "DATA");
    for (int d = 0; d < days; ++d) {
      const int ymd = 20261101 + d;
      std::string card;
      std::string odds;
      for (int race = 1; race <= 12; ++race) {
        const auto key = jv::key(ymd, 5, race);
        card += jv::ra(key, {.runners = 16}).str();
        for (int h = 1; h <= 16; ++h) card += jv::se(key, {.horse = h}).str();
        odds += jv::o1(key).str() + jv::o2(key).str() + jv::hr(key).str();
      }
      testing::write_bytes(feed.path() / "RACE" / (std::to_string(ymd) + "160000_CARD.jvd"), card);
      testing::write_bytes(feed.path() / "RACE" / (std::to_string(ymd) + "170000_ODDS.jvd"), odds);
    }
    if (!ini.empty()) testing::write_bytes(feed.path() / "jvlink.ini", ini);
    jvlink = std::make_unique<JVLinkSim>(feed.path());
    jvlink->JVInit("SA730152/SD418967/Ravelin/Ver.1.05");
    form = std::make_unique<TGetDataForm>(dialogs, *jvlink);
    form->FormCreate();
    form->DateTimePicker1.set_value(DateTime{2026, 10, 30, 6, 0, 0});
    window = std::make_unique<GetDataWindow>(*form, dialogs);
    window->show();
  }

  template <typename W>
  W* find(const char* name) {
    return window->findChild<W*>(name);
  }
  void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
};

}  // namespace

void GetDataWindowTest::init() {
  CancelFlag = false;
}

void GetDataWindowTest::cleanup() {
  CancelFlag = false;
}

void GetDataWindowTest::aRunFillsTheViewsAndMovesThePicker() {
  Scene s(3);
  QCOMPARE(s.window->windowTitle(), u("ＪＶデータ取込"));
  QVERIFY(s.window->isModal());
  QVERIFY(s.find<QGroupBox>("DataKindGroup")->isHidden());
  QCOMPARE(s.find<QPushButton>("JVSetBtn")->toolTip(),
           u("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします"));
  QCOMPARE(s.find<QCheckBox>("OddsCheck")->text(), u("確定オッズも合わせて取得する"));

  auto* odds = s.find<QCheckBox>("OddsCheck");
  QTest::mouseClick(odds, Qt::LeftButton, {}, QPoint(6, odds->height() / 2));
  QVERIFY(s.form->OddsCheck.checked());
  int listed = -1;
  s.dialogs.on_events = [&] {
    if (s.dialogs.turns != 150) return;
    // A pause in the middle of the first file: the views catch up with the form.
    QTest::qWait(250);
    listed = s.find<QListWidget>("ListBox1")->count();
    QCOMPARE(listed, s.form->ListBox1.count());
    screenshot(*s.window, "GetDataFormReading.png");
  };
  s.click("StartBtn");

  QCOMPARE(s.find<QLabel>("ProgressLabel")->text(), u("データ作成が完了しました。"));
  QCOMPARE(s.find<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 11, 3));
  QCOMPARE(s.find<QProgressBar>("ReadBar")->value(), 0);
  QVERIFY(s.find<QPushButton>("StartBtn")->isEnabled());
  // The list showed the file's lines while it was read.
  QVERIFY(listed > 100);
  QVERIFY(fs::exists(s.app.path() / "DATA" / u8"2026年11月03日.jvO2"));
  screenshot(*s.window, "GetDataForm.png");
}

void GetDataWindowTest::theWindowStaysResponsiveAndCancellableWhileReading() {
  Scene s(4);
  int listed_at_cancel = -1;
  s.dialogs.on_events = [&] {
    if (s.dialogs.turns == 50) {
      // The window refuses to close in the middle of a run.
      s.window->close();
      QVERIFY(s.window->isVisible());
      QVERIFY(!s.find<QPushButton>("StartBtn")->isEnabled());
    }
    if (s.dialogs.turns == 400) {
      // A click queued like a person's, handled inside the loop.
      QMetaObject::invokeMethod(s.find<QPushButton>("CancelBtn"), "click", Qt::QueuedConnection);
      listed_at_cancel = s.form->ListBox1.count();
    }
  };
  s.click("StartBtn");
  QVERIFY(listed_at_cancel > 0);
  // The loop ended at the turn that ran the click.
  QCOMPARE(s.dialogs.turns, 400);
  QCOMPARE(s.find<QLabel>("ProgressLabel")->text(), u("JVCancel:キャンセルされました"));
  QVERIFY(s.dialogs.shown.back() == "info:JVCancel:キャンセルされました");
  QCOMPARE(TIniGT().ReadString("JvDataGet", "LastTime", ""), std::string());
  // Between runs the window closes.
  s.window->close();
  QVERIFY(!s.window->isVisible());
}

void GetDataWindowTest::theStatusTimerRunsInTheEventLoopAndACancelStopsIt() {
  Scene s(2, "[download]\nseconds=0.3\n");
  s.click("StartBtn");
  QCOMPARE(s.form->state(), TGetDataForm::State::kDownloading);
  auto* timer = s.window->findChild<QTimer*>("StatusTimer");
  QVERIFY(timer->isActive());
  QCOMPARE(timer->interval(), 10);
  QTRY_VERIFY_WITH_TIMEOUT(
      s.find<QLabel>("ProgressLabel")->text().startsWith(u("ダウンロード中．．．(")), 5000);
  s.click("CancelBtn");
  QVERIFY(!timer->isActive());
  QCOMPARE(s.form->state(), TGetDataForm::State::kIdle);
  QCOMPARE(s.find<QLabel>("ProgressLabel")->text(), u("JVCancel:キャンセルされました"));
  QVERIFY(!fs::exists(s.app.path() / "DATA" / u8"2026年11月01日.jvRA"));
}

void GetDataWindowTest::pickingADayKeepsTheTimeAndSetupFailuresAreShown() {
  Scene s(1, "[fail]\nJVSetUIProperties=-101\n");
  s.find<QDateEdit>("DateTimePicker1")->setDate(QDate(2026, 9, 12));
  QCOMPARE(s.form->DateTimePicker1.value(), (DateTime{2026, 9, 12, 6, 0, 0}));
  s.click("JVSetBtn");
  QCOMPARE(QString::fromStdString(s.dialogs.shown.back()),
           u("info:JVSetUIPropertiesエラー：すでにサービスキーが登録されています。(-101)"));
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::GetDataWindowTest)
