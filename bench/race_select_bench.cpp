// Selecting a race headless. The budget: under 1 ms for a full-field race with every bet of
// "全頭買い設定" (the card, marks, all bet tables with their 4,896 trifecta rows, allocation,
// results, preview); its floor: formatting the numbers of the same rows with std::to_chars.
// Beside it, every race of the full day in turn, and the race card steps alone.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "budget.h"
#include "full_day_window.h"
#include "jvfeed/records.h"
#include "model/race_card.h"
#include "support/text.h"

namespace rv {
namespace {

using bench::Budget;
using bench::kTrifectaRows;

// The least a selection's tables cost: each trifecta row's numbers (number, combination,
// odds, rank, stake, return, return rate, finish rate) formatted into cells kept from the
// run before.
class RowFloor {
 public:
  RowFloor() : cells_(static_cast<std::size_t>(kTrifectaRows)) {}
  void format() {
    int k = 0;
    for (auto& row : cells_) {
      ++k;
      const double odds = 5.0 + 0.7 * k;
      put(row[0], k);
      put_label(row[1], 1 + k % 18, 1 + k / 18 % 18, 1 + k / 324);
      put(row[2], odds);
      put(row[3], k);
      put(row[4], 200);
      put(row[5], 2 * static_cast<int>(odds * 100));
      put(row[6], odds * 100 / 3);
      put(row[7], 100.0 / k);
    }
    benchmark::DoNotOptimize(cells_.back()[7].data());
  }

 private:
  template <typename T>
  static void put(std::string& cell, T v) {
    char buf[32];
    const auto r = [&] {
      if constexpr (std::is_floating_point_v<T>) {
        return std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
      } else {
        return std::to_chars(buf, buf + sizeof buf, v);
      }
    }();
    cell.assign(buf, r.ptr);
  }
  static void put_label(std::string& cell, int a, int b, int c) {
    char buf[16];
    char* p = std::to_chars(buf, buf + 4, a).ptr;
    *p++ = '-';
    p = std::to_chars(p, p + 4, b).ptr;
    *p++ = '-';
    p = std::to_chars(p, p + 4, c).ptr;
    cell.assign(buf, p);
  }
  std::vector<std::array<std::string, 8>> cells_;
};

void BM_SelectRace(benchmark::State& state) {
  bench::FullDayWindow w;
  if (!w.open_or_skip(state)) return;
  RowFloor floor;
  Budget budget(state, 1.0);
  int slot = 0;
  for (auto _ : state) {
    budget.work([&] { w.click_race(slot); });
    budget.floor([&] { floor.format(); });
    slot ^= 1;  // two races one after the other, so that every cell changes
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(kTrifectaRows, 6).data());
  }
  budget.report();
}
BENCHMARK(BM_SelectRace)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Every race of the day in turn, as a replay of the day does.
void BM_SelectWholeDay(benchmark::State& state) {
  bench::FullDayWindow w;
  if (!w.open_or_skip(state)) return;
  RowFloor floor;
  Budget budget(state, 1.0 * kMaxRaces);
  for (auto _ : state) {
    budget.work([&] {
      for (int slot = 0; slot < kMaxRaces; ++slot) w.click_race(slot);
    });
    budget.floor([&] {
      for (int slot = 0; slot < kMaxRaces; ++slot) floor.format();
    });
    benchmark::DoNotOptimize(w.form->bets[BetType::kSanrentan].cell(1, 6).data());
  }
  budget.report(kMaxRaces, "race");
}
BENCHMARK(BM_SelectWholeDay)->UseManualTime()->Unit(benchmark::kMillisecond);

// The 枠連 preview's part of a selection alone: rates, odds table, signals, marks and the
// extraction into the 枠連 table with its allocation, on the full-field race on screen.
void BM_PreviewAlone(benchmark::State& state) {
  bench::FullDayWindow w;
  if (!w.open_or_skip(state)) return;
  for (auto _ : state) {
    w.form->bracket_preview().ShowRacePreview();
    benchmark::DoNotOptimize(w.form->bets[BetType::kWakuren].cell(1, 6).data());
  }
}
BENCHMARK(BM_PreviewAlone)->Unit(benchmark::kMicrosecond);

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

// The race card steps alone: grids sized and cleared, header, results card, payout labels,
// entry card and its sort.
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

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
