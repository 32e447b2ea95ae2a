#include "all_print_window_test.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "acquire/day_store.h"
#include "acquire/jvlink_feed.h"
#include "common/form_rig.h"
#include "gui/all_print_window.h"
#include "gui/app_font.h"
#include "gui/page_replay.h"
#include "jvfeed/feed.h"
#include "support/clock.h"
#include "widget_helpers.h"

namespace rv::gui {
namespace {

// A generated day of three venues of twelve races with results, stored and chosen.
void store_generated_day(const std::filesystem::path& app) {
  const testing::TempDir feed;
  jvfeed::FeedOptions o;
  o.plan.announcements = 1;
  o.days = {DateTime{2026, 12, 6}};
  o.now = DateTime{2026, 12, 9, 12};
  o.out = feed.path();
  jvfeed::write_feed(o);
  std::filesystem::create_directories(app / "DATA");
  DayStore store(DayStore::Mode::kWriteBack);
  for (const FeedFile& f : list_stored_files(feed.path())) {
    const std::vector<std::string> records = read_feed_records(f.path).value();
    for (const std::string& r : records) {
      store.Store(r, RecordOrigin::kStoredData, true);
    }
  }
  store.Flush();
}

}  // namespace

void AllPrintWindowTest::showsTheSheetAndKeepsZoomAndPlace() {
  use_japanese_font();
  testing::FormRig rig;
  store_generated_day(rig.dir.path());
  rig.start();
  rig.choose_day("2026年12月06日");
  NoPrinterDevice printer;
  std::unique_ptr<TAllPrintForm> form = rig.form->FilePrintItemClick(printer);
  QVERIFY(form != nullptr);
  {
    AllPrintWindow window(*form, rig.dialogs, nullptr);
    window.show();
    QCOMPARE(window.windowTitle(), u("一覧表　印刷"));
    QCOMPARE(window.geometry(), QRect(10, 10, 630, 450));
    for (const auto& [name, caption] : {std::pair{"CloseBtn", "閉じる"},
                                        {"PrintBtn", "印刷(&P)"},
                                        {"SetupBtn", "ﾌﾟﾘﾝﾀ設定(&S)"},
                                        {"PdfBtn", "PDFに保存"}}) {
      QCOMPARE(window.findChild<QAction*>(name)->text(), u(caption));
    }
    const QList<QRadioButton*> zoom = window.findChildren<QRadioButton*>();
    QCOMPARE(zoom.size(), 4);
    QVERIFY(zoom[1]->isChecked());  // 50 % unless the settings say otherwise
    const int at_50 = window.preview()->width();
    screenshot(window, "AllPrintForm.png");

    zoom[3]->click();
    QCOMPARE(form->PrevX.ZoomScale(), 100);
    QVERIFY(std::abs((window.preview()->width() - 20) - 2 * (at_50 - 20)) <= 1);
    window.resize(800, 600);
    screenshot(window, "AllPrintForm100.png");

    window.findChild<QAction*>("PrintBtn")->trigger();
    QCOMPARE(rig.dialogs.calls.back(), "error: " + sj("プリンタが登録されていません"));
    window.move(30, 40);
    window.close();
  }
  QCOMPARE(rig.form->ini.ReadInteger("PrintZoom", "ratio", -1), 3);
  QCOMPARE(rig.form->ini.ReadInteger("Printlocate", "width", -1), 800);
}

}  // namespace rv::gui

QTEST_MAIN(rv::gui::AllPrintWindowTest)
