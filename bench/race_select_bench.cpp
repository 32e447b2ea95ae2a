// Selecting a race headless: the race card steps of the race selection (grids sized and
// cleared, header, results card, payout labels, entry card and its sort) on full-field races.
// Bet generation joins the selection in a later step; the budget for all of it is 2 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "jvfeed/records.h"
#include "model/race_card.h"
#include "support/text.h"

namespace rv {
namespace {

// Two full-field races with results, odds, ranks, predictions and payouts.
std::unique_ptr<Day> full_field_day() {
  auto day = make_day();
  day->blank_records();
  for (int slot = 0; slot < 2; ++slot) {
    const jvfeed::RaceKey key = jvfeed::key(20261206, 6, 11 + slot);
    day->RaData[static_cast<std::size_t>(slot)].assign(
        jvfeed::ra(key, {.runners = 18, .grade = 'A', .name = "有馬記念"}).str());
    RaceWork& w = day->Work[static_cast<std::size_t>(slot)];
    for (int h = 1; h <= 18; ++h) {
      const int rank = slot == 0 ? h : 19 - h;
      jvfeed::Record se = jvfeed::se(key, {.horse = h, .runners = 18, .name = "ベンチホース",
                                           .jockey = "騎手名", .finish = rank,
                                           .popularity = rank, .odds_tenths = 10 * rank + 5});
      se.set("Time", 1345 + h).set("HaronTimeL3", 340 + h).set("Jyuni1c", rank);
      day->SeData[static_cast<std::size_t>(slot)][static_cast<std::size_t>(h - 1)].assign(
          se.str());
      const auto i = static_cast<std::size_t>(h);
      w.WinOdds[i] = 1.0 + rank;
      w.WinNinki[i] = rank;
      w.PlaceOddsLow[i] = 1.0 + rank / 3.0;
      w.PlaceOddsHigh[i] = 1.5 + rank / 2.0;
      w.PlaceNinki[i] = rank;
      w.PlaceNinkiHigh[i] = rank;
      w.DmTime[i - 1] = 13456 + rank;
      w.DmGosaPlus[i - 1] = 50 + rank;
      w.DmGosaMinus[i - 1] = 40 + rank;
      w.DmRank[i - 1] = rank;
    }
    auto& pay = day->Payouts.table[static_cast<std::size_t>(slot)];
    for (auto& type : pay) {
      for (auto& e : type) e = {sj(" 1- 2- 3"), 3, 12340};
    }
  }
  return day;
}

void BM_ShowRace(benchmark::State& state) {
  const auto day = full_field_day();
  RaceCardControls card;
  card.SortButtons.set_item_index(static_cast<int>(CardSort::kNinki));
  int slot = 0;
  for (auto _ : state) {
    ShowRace(*day, slot, card);
    slot ^= 1;  // alternate so every cell changes
    benchmark::DoNotOptimize(card.StringGrid26.cell(18, 18).data());
  }
}
BENCHMARK(BM_ShowRace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
