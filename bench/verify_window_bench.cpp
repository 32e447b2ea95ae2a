// "全期間" of "連対計1-3該当" run from the window's menu over 1,000 stored days, against the
// same run without a window: the window must not make the run wait for drawing. The window
// runs on the offscreen platform; the days are the replay benchmark's bench cache.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>

#include "budget.h"
#include "common/form_rig.h"
#include "gui/main_window.h"
#include "stored_days.h"

namespace rv {
namespace {

constexpr int kDays = 1000;

void BM_VerifyAllDaysInWindow(benchmark::State& state) {
  const auto app = bench::stored_appdir(kDays);
  testing::FormRig headless;
  set_app_dir(app);  // the rig made its own AppDir
  headless.start();
  testing::FormRig shown;
  set_app_dir(app);
  shown.build();
  gui::TMainForm window(*shown.form);
  window.resize(1200, 800);
  window.show();
  QAction* n35 = window.findChild<QAction*>("N35");
  bench::Budget budget(state, 30'000);
  WrittenFiles headless_files;
  for (auto _ : state) {
    budget.floor([&] { headless_files = headless.form->N35Click(); });
    budget.work([&] { n35->trigger(); });
  }
  if (headless_files.size() != static_cast<std::size_t>(kDays) + 2) {
    state.SkipWithError("not every day was verified");
  }
  budget.report(kDays, "day");
}
BENCHMARK(BM_VerifyAllDaysInWindow)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace rv

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return rv::bench::run_benchmarks(argc, argv);
}
