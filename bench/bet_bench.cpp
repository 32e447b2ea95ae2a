// A race selection (DatListClick) of the main window on a loaded full day (three venues of
// twelve races of 18 runners, every odds kind) with the set "全頭買い設定", which marks every
// horse as axis and both partners: the race card, then 18 win and place bets, 153 quinella
// and wide, 306 exacta, 816 trio and 4,896 trifecta bets, each allocated and checked against
// the payouts. The race selection has a budget of 2 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_form.h"
#include "common/form_rig.h"
#include "full_day.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kAllHorsesSet = 5;

// The main window with the full day loaded and its first race on screen.
struct Window : testing::FormRig {
  bool open(int mode) {
    bench::write_full_day();
    std::filesystem::create_directories(dir.path() / "jvfeed");
    if (!start().UserKaimeForm.SelectSet(kAllHorsesSet)) return false;
    form->allocation.RadioGroup1.set_item_index(mode);
    choose_day(0);
    return form->loaded_day.DatList.count() == kMaxRaces &&
           form->bets[BetType::kSanrentan].data_rows() == 4896;
  }
};

void BM_DatListClickFullField(benchmark::State& state) {
  Window w;
  if (!w.open(static_cast<int>(state.range(0)))) {
    state.SkipWithError("the day did not load with every bet");
    return;
  }
  int slot = 0;
  for (auto _ : state) {
    w.click_race(slot);
    slot ^= 1;  // two races one after the other, so that every cell changes
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(4896, 6).data());
  }
}
BENCHMARK(BM_DatListClickFullField)->Arg(0)->Arg(1)->ArgName("mode")->Unit(benchmark::kMicrosecond);

// The bets alone ("買い目") on the race already on screen.
void BM_KaimeMakeBtnClick(benchmark::State& state) {
  Window w;
  if (!w.open(0)) {
    state.SkipWithError("the day did not load with every bet");
    return;
  }
  for (auto _ : state) {
    w.form->KaimeMakeBtnClick();
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(4896, 6).data());
  }
}
BENCHMARK(BM_KaimeMakeBtnClick)->Unit(benchmark::kMicrosecond);

// Every race of the day in turn, as the batch runs over a day do.
void BM_DatListClickWholeDay(benchmark::State& state) {
  Window w;
  if (!w.open(0)) {
    state.SkipWithError("the day did not load with every bet");
    return;
  }
  for (auto _ : state) {
    for (int slot = 0; slot < kMaxRaces; ++slot) w.click_race(slot);
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(1, 6).data());
  }
}
BENCHMARK(BM_DatListClickWholeDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
