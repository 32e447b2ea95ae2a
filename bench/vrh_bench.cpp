// The development menu's walks over every stored day, on 1,000 generated days in one process:
// "VRH過去ログ作成" (a report per day and the log) and "出現率集計" (the finish-rate table).
// The budget for replaying 1,000 days is 30 s; the floor is the same walk that only loads
// each day, which both runs must do.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/main_form.h"
#include "budget.h"
#include "stored_days.h"
#include "stored_days_form.h"

namespace rv {
namespace {

constexpr int kDays = 1000;

struct Window : bench::StoredDaysForm {
  Window() { form.FormCreate(); }

  // Each day of the date box chosen in turn, as the walks choose them.
  void load_every_day() {
    for (int i = 0; i < form.day.DateCombo.count(); ++i) {
      form.day.DateCombo.set_item_index(i);
      form.DateComboChange();
    }
  }
};

template <typename Run>
void walk(benchmark::State& state, Run run) {
  bench::stored_appdir(kDays);
  Window w;
  if (w.form.day.DateCombo.count() != kDays) {
    state.SkipWithError("the stored days are not all there");
    return;
  }
  bench::Budget budget(state, 30'000);
  for (auto _ : state) {
    budget.floor([&] { w.load_every_day(); });
    budget.work([&] { run(w.form.development()); });
  }
  if (w.form.development().written.empty()) state.SkipWithError("nothing written");
  budget.report(kDays, "day");
}

void BM_VrhPastLog(benchmark::State& state) {
  walk(state, [](DevelopmentMenu& m) { m.VRH2Click(); });
}
BENCHMARK(BM_VrhPastLog)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void BM_FinishRateBuild(benchmark::State& state) {
  walk(state, [](DevelopmentMenu& m) { m.FinishRateClick(); });
}
BENCHMARK(BM_FinishRateBuild)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
