// Replaying every race of 1,000 stored race days in one process with the selection set
// "全頭買い設定" (every horse axis and partner, so every bet table full), bare and as the
// all-days verification does it; the budget is 30 s. The days are generated and downloaded once
// into the build folder's bench cache and reused by later runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "app/main_form.h"
#include "app/replay.h"
#include "budget.h"
#include "stored_days.h"
#include "stored_days_form.h"

namespace rv {
namespace {

constexpr int kDays = 1000;
constexpr int kAllHorsesSet = 5;

fs::path stored_days() {
  return bench::stored_appdir(kDays);
}

// The window of the stored days, started, with every horse axis and partner.
struct ReplayWindow : bench::StoredDaysForm {
  // False when the selection set is missing.
  bool start() {
    form.FormCreate();
    return form.UserKaimeForm.SelectSet(kAllHorsesSet);
  }
};

void BM_ReplayDays(benchmark::State& state) {
  set_app_dir(stored_days());
  ReplayWindow w;
  if (!w.start()) {
    state.SkipWithError("no selection set 全頭買い設定");
    return;
  }
  MainForm& form = w.form;
  const std::vector<std::string> days = form.day.DateCombo.items();
  bench::Budget budget(state, 30'000);
  ReplayProgress p;
  for (auto _ : state) {
    budget.work([&] { p = Replay(form, days, {}); });
  }
  if (p.days_done != kDays) state.SkipWithError("not every day was replayed");
  state.counters["races"] = p.races;
  budget.report(p.races, "race");
}
BENCHMARK(BM_ReplayDays)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// "全期間" of "連対計1-3該当" (N35Click) over the same days, writing every day's report and the
// combined report and CSV; its floor is the bare replay of the same races.
void BM_VerifyAllDays(benchmark::State& state) {
  set_app_dir(stored_days());
  ReplayWindow w;
  if (!w.start()) {
    state.SkipWithError("no selection set 全頭買い設定");
    return;
  }
  MainForm& form = w.form;
  std::vector<std::string> days = form.day.DateCombo.items();
  std::reverse(days.begin(), days.end());
  bench::Budget budget(state, 30'000);
  WrittenFiles written;
  ReplayProgress floor;
  for (auto _ : state) {
    budget.floor([&] { floor = Replay(form, days, {}); });
    budget.work([&] { written = form.N35Click(); });
  }
  if (written.size() != static_cast<std::size_t>(kDays) + 2) {
    state.SkipWithError("not every day was verified");
  }
  state.counters["races"] = floor.races;
  budget.report(kDays, "day");
}
BENCHMARK(BM_VerifyAllDays)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
