// The bets alone ("買い目") on a full-field race already on screen, in both allocation
// modes: 6,360 bets built, allocated and checked against the payouts. The whole race
// selection around them is race_select_bench's.
#include <benchmark/benchmark.h>

#include "full_day_window.h"

namespace rv {
namespace {

void BM_KaimeMakeBtnClick(benchmark::State& state) {
  bench::FullDayWindow w;
  if (!w.open_or_skip(state, static_cast<int>(state.range(0)))) return;
  for (auto _ : state) {
    w.form->KaimeMakeBtnClick();
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(4896, 6).data());
  }
}
BENCHMARK(BM_KaimeMakeBtnClick)->Arg(0)->Arg(1)->ArgName("mode")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
