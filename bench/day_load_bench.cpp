// Loading a full race day: three venues of twelve races of 18 runners, every odds kind,
// payouts and predictions, from files the system has just written (warm in the page cache).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/temp_dir.h"
#include "full_day.h"
#include "model/day.h"
#include "model/day_load.h"
#include "support/app_dir.h"
#include "support/services.h"
#include "support/text.h"

namespace rv {
namespace {

using bench::QuietDialogs;
using bench::write_full_day;

void BM_LoadDay(benchmark::State& state) {
  testing::AppDirScope dir;
  write_full_day();
  auto day = make_day();
  DayLoadControls controls;
  QuietDialogs dialogs;
  const DayLoadSettings settings;
  const std::string date = sj("2026年12月06日");
  for (auto _ : state) {
    const DayLoadResult r = LoadDay(*day, controls, date, settings, dialogs);
    if (r != DayLoadResult::kLoaded || controls.DatList.count() != 36) {
      state.SkipWithError("the day did not load");
      break;
    }
    benchmark::DoNotOptimize(day->Work[35].SanrentanOdds[4896]);
  }
}
BENCHMARK(BM_LoadDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
