// Selecting a race headless on full-field races: the race card steps alone (grids sized and
// cleared, header, results card, payout labels, entry card and its sort), and the main
// window's DatListClick around them (amount boxes from the settings file, views shown).
// Bet generation joins the selection in a later step; the budget for all of it is 2 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "model/race_card.h"
#include "support/app_dir.h"
#include "support/text.h"

namespace rv {
namespace {

// Slots 0 and 1: two full-field races with results, odds, ranks, predictions and payouts,
// in opposite orders so that showing one after the other changes every cell.
void fill_full_field_day(Day& day) {
  day.blank_records();
  for (int slot = 0; slot < 2; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    const jvfeed::RaceKey key = jvfeed::key(20261206, 6, 11 + slot);
    day.RaData[s].assign(jvfeed::ra(key, {.runners = 18, .grade = 'A', .name = "有馬記念"}).str());
    RaceWork& w = day.Work[s];
    for (int h = 1; h <= 18; ++h) {
      const int rank = slot == 0 ? h : 19 - h;
      jvfeed::Record se = jvfeed::se(key, {.horse = h,
                                           .runners = 18,
                                           .name = "ベンチホース",
                                           .jockey = "騎手名",
                                           .finish = rank,
                                           .popularity = rank,
                                           .odds_tenths = 10 * rank + 5});
      se.set("Time", 1345 + h).set("HaronTimeL3", 340 + h).set("Jyuni1c", rank);
      day.SeData[s][static_cast<std::size_t>(h - 1)].assign(se.str());
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
    for (auto& type : day.Payouts.table[s]) {
      for (auto& e : type) e = {sj(" 1- 2- 3"), 3, 12340};
    }
    day.RaceAmount[s] = "3000";
  }
}

void BM_ShowRace(benchmark::State& state) {
  const auto day = make_day();
  fill_full_field_day(*day);
  RaceCardControls card;
  RaceOnScreen on_screen;
  card.SortButtons.set_item_index(static_cast<int>(CardSort::kNinki));
  int slot = 0;
  for (auto _ : state) {
    ShowRace(*day, slot, card, on_screen);
    slot ^= 1;
    benchmark::DoNotOptimize(card.StringGrid26.cell(18, 18).data());
  }
}
BENCHMARK(BM_ShowRace)->Unit(benchmark::kMicrosecond);

void BM_DatListClick(benchmark::State& state) {
  const testing::TempDir app;
  set_app_dir(app.path());
  std::filesystem::create_directories(app.path() / "jvfeed");
  testing::FakeDialogs dialogs;
  testing::FakeDesktop desktop;
  const NoInstallLocator installs;
  const auto jvlink = create_jvlink();
  QueueDispatcher dispatcher;
  MainForm form(dialogs, desktop, installs, *jvlink, dispatcher);
  form.FormCreate();
  fill_full_field_day(form.race_day());
  form.loaded_day.DatList.add("a");
  form.loaded_day.DatList.add("b");
  form.card.SortButtons.set_item_index(static_cast<int>(CardSort::kNinki));
  int slot = 0;
  for (auto _ : state) {
    form.loaded_day.DatList.set_item_index(slot);
    form.DatListClick();
    slot ^= 1;
    benchmark::DoNotOptimize(form.card.StringGrid26.cell(18, 18).data());
  }
}
BENCHMARK(BM_DatListClick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
