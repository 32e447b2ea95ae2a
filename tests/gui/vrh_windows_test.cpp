#include "vrh_windows_test.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "gui/vrh_windows.h"
#include "stats/stats_days.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/settings.h"
#include "support/text.h"
#include "widget_helpers.h"
#include "window_rig.h"

namespace rv::gui {

void VrhWindowsTest::theSettingsWindowStoresWhatIsTyped() {
  WindowRig rig;
  rig.open();
  auto form = rig.form->development().VRH4Click();
  VrhSetDialog dialog(*form, rig.dialogs);
  dialog.show();
  auto* toz2 = dialog.findChild<QLineEdit*>("Toz2edit1");
  QCOMPARE(toz2->text(), u("50.0"));
  toz2->clear();
  QTest::keyClicks(toz2, "30.5");
  auto* rank = dialog.findChild<QLineEdit*>("SaNumEditExC1");
  rank->clear();
  QTest::keyClicks(rank, "3");
  screenshot(dialog, "vrh_set_form.png");
  dialog.findChild<QPushButton*>("SpeedButton1")->click();
  const TIniGT ini;
  QCOMPARE(ini.ReadString("VRH", "Toz2", ""), std::string("30.5"));
  QCOMPARE(ini.ReadInteger("VRH", "Tnin1", 0), 3);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void VrhWindowsTest::theLogWindowShowsEveryDayNewestFirst() {
  WindowRig rig;
  // 300 days of log, oldest first as the file keeps them.
  std::string log;
  for (int d = 0; d < 300; ++d) {
    log += fmt("%04d%02d%02d", 2020 + d / 336, 1 + (d / 28) % 12, 1 + d % 28) +
           fmt("%7d%7d%7d%7d%7d%7d%7d%7d%7d%7d\r\n", 400 + d % 40, 28 + d % 9,
               28000 + d * 37 % 9000, 84 + d % 13, 31000 + d * 23 % 5000, 150 + d % 20, 11 + d % 5,
               12000 + d * 41 % 7000, 33 + d % 7, 12500 + d * 29 % 4000);
  }
  testing::write_bytes(rig.dir.path() / "VRHlog.txt", log);
  testing::write_bytes(rig.dir.path() / "DevelopmentMenuSwitch.key", "");
  TMainForm& w = rig.open();
  w.findChild<QAction*>("VRH3")->trigger();
  QWidget* window = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "VRHLogForm") window = top;
  }
  QVERIFY(window != nullptr && window->isVisible());
  const Grid& g = rig.form->development().VRHLogForm.StringGrid1;
  QCOMPARE(g.row_count(), 301);
  QVERIFY(g.cell(1, 0) > g.cell(300, 0));
  QVERIFY(!window->findChild<QLabel*>("TanTekiLabel")->text().isEmpty());
  screenshot(*window, "vrh_log_window.png");
}

void VrhWindowsTest::aRunOverAllDaysShowsItsDayAndStopsOnCancel() {
  WindowRig rig;
  std::filesystem::create_directories(rig.dir.path() / "DATA");
  for (const int ymd : {20261205, 20261206, 20261212}) {
    testing::store_race(ymd, 1, {{2.0, 1, 1}, {5.0, 2, 2}, {9.0, 3, 3}, {20.0, 4, 4}});
  }
  TMainForm& w = rig.open();
  auto* bar = w.findChild<QProgressBar*>("BatchBar");
  auto* day = w.findChild<QLabel*>("BatchLabel");
  auto* cancel = w.findChild<QPushButton*>("BatchCancelBtn");
  QVERIFY(!bar->isVisibleTo(&w));
  int turns = 0;
  QString seen;
  rig.dialogs.on_process_events = [&] {
    w.binder().refresh();
    QCoreApplication::processEvents();
    if (++turns == 2 && bar->isVisibleTo(&w)) {
      seen = day->text();
      cancel->click();
    }
  };
  w.findChild<QAction*>("VRH2")->trigger();
  QCOMPARE(seen, u("1/3日目 2026年12月12日"));
  QVERIFY(!file_exists(app_path("\\VRHlog.txt")));
  QVERIFY(!bar->isVisibleTo(&w));
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::VrhWindowsTest)
