// Loading a full race day: three venues of twelve races of 18 runners, every odds kind,
// payouts and predictions, from files the system has just written (warm in the page cache).
// The budget is 5 ms; its floor, reading the bytes of the day's files whole.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "budget.h"
#include "common/temp_dir.h"
#include "full_day.h"
#include "model/day.h"
#include "model/day_load.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"
#include "support/text.h"

namespace rv {
namespace {

using bench::write_full_day;

void read_day_files() {
  for (const auto& e : std::filesystem::recursive_directory_iterator(app_dir())) {
    if (e.is_regular_file()) benchmark::DoNotOptimize(read_file(e.path())->data());
  }
}

void BM_LoadDay(benchmark::State& state) {
  testing::AppDirScope dir;
  write_full_day();
  auto day = make_day();
  DayLoadControls controls;
  SilentDialogs dialogs;
  const DayLoadSettings settings;
  const std::string date = sj("2026年12月06日");
  bench::Budget budget(state, 5.0);
  for (auto _ : state) {
    DayLoadResult r{};
    budget.work([&] { r = LoadDay(*day, controls, date, settings, dialogs); });
    budget.floor(read_day_files);
    if (r != DayLoadResult::kLoaded || controls.DatList.count() != 36) {
      state.SkipWithError("the day did not load");
      break;
    }
    benchmark::DoNotOptimize(day->Work[35].SanrentanOdds[4896]);
  }
  budget.report();
}
BENCHMARK(BM_LoadDay)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
