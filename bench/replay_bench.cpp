// Replaying every race of 1,000 stored race days in one process with the selection set
// "全頭買い設定" (every horse axis and partner, so every bet table full), as verification
// and statistics do; the budget is 30 s. The days are generated and downloaded once into
// the build folder's bench cache and reused by later runs.
#include <benchmark/benchmark.h>

#include <memory>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "app/replay.h"
#include "budget.h"
#include "common/fake_services.h"
#include "stored_days.h"

namespace rv {
namespace {

constexpr int kDays = 1000;
constexpr int kAllHorsesSet = 5;

void BM_ReplayDays(benchmark::State& state) {
  bench::downloaded_days(kDays);
  testing::FakeDialogs dialogs;
  testing::FakeDesktop desktop;
  const NoInstallLocator installs;
  const auto jvlink = create_jvlink();
  QueueDispatcher dispatcher;
  MainForm form(dialogs, desktop, installs, *jvlink, dispatcher);
  form.FormCreate();
  if (!form.UserKaimeForm.SelectSet(kAllHorsesSet)) {
    state.SkipWithError("no selection set 全頭買い設定");
    return;
  }
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

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
