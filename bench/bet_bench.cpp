// Bets of a race selection on a loaded full day (three venues of twelve races of 18 runners,
// every odds kind) with the set "全頭買い設定", which marks every horse as axis and both
// partners: 18 win and place bets, 153 quinella and wide, 306 exacta, 816 trio and 4,896
// trifecta bets, each allocated and checked against the payouts. The race selection as a
// whole has a budget of 2 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "betting/bet_construction.h"
#include "common/temp_dir.h"
#include "full_day.h"
#include "model/day_load.h"
#include "model/race_card.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kAllHorsesSet = 5;

// A loaded full day and the controls of bet construction.
struct Selection {
  testing::AppDirScope dir;
  bench::QuietDialogs dialogs;
  std::unique_ptr<Day> day = make_day();
  DayLoadControls list;
  RaceCardControls card;
  BetTables tables;
  Label set_name;
  TUserKaimeForm sets{dialogs, set_name};
  RadioGroup mode{sj("資金配分"), {sj("均等"), sj("比例")}};
  Edit amount, profit, loss;
  TIniGT ini;
  BetConstruction bets{
      *day, {card.StringGrid8, tables, sets, mode, amount, profit, loss}, ini, dialogs};

  bool load() {
    bench::write_full_day();
    sets.FormCreate();
    return sets.SelectSet(kAllHorsesSet) &&
           LoadDay(*day, list, sj("2026年12月06日"), DayLoadSettings{}, dialogs) ==
               DayLoadResult::kLoaded;
  }

  // The race card, the amount boxes and the bets of a slot.
  void show(int slot) {
    ShowRace(*day, slot, card);
    amount.set_text(day->RaceAmount[static_cast<std::size_t>(slot)]);
    bets.ShowRaceBets();
  }
};

void BM_SelectFullFieldRace(benchmark::State& state) {
  Selection s;
  if (!s.load()) {
    state.SkipWithError("the day did not load");
    return;
  }
  s.mode.set_item_index(static_cast<int>(state.range(0)));
  int slot = 0;
  for (auto _ : state) {
    s.show(slot);
    slot ^= 1;  // alternate between two races so that every cell changes
    benchmark::DoNotOptimize(s.tables[BetType::kSanrentan].cell(4896, 6).data());
  }
  if (s.tables[BetType::kSanrentan].data_rows() != 4896) state.SkipWithError("not 4896 bets");
}
BENCHMARK(BM_SelectFullFieldRace)->Arg(0)->Arg(1)->ArgName("mode")->Unit(benchmark::kMicrosecond);

// The bets alone, on the race already on screen.
void BM_GenerateBets(benchmark::State& state) {
  Selection s;
  if (!s.load()) {
    state.SkipWithError("the day did not load");
    return;
  }
  s.show(0);
  for (auto _ : state) {
    s.bets.KaimeMakeBtnClick();
    benchmark::DoNotOptimize(s.tables[BetType::kSanrentan].cell(4896, 6).data());
  }
}
BENCHMARK(BM_GenerateBets)->Unit(benchmark::kMicrosecond);

void BM_SelectEveryRaceOfTheDay(benchmark::State& state) {
  Selection s;
  if (!s.load()) {
    state.SkipWithError("the day did not load");
    return;
  }
  for (auto _ : state) {
    for (int slot = 0; slot < kMaxRaces; ++slot) s.show(slot);
    benchmark::DoNotOptimize(s.tables[BetType::kSanrentan].cell(1, 6).data());
  }
}
BENCHMARK(BM_SelectEveryRaceOfTheDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
