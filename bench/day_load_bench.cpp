// Loading a full race day: three venues of twelve races of 18 runners, every odds kind,
// payouts and predictions, from files the system has just written (warm in the page cache).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "acquire/day_store.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "model/day.h"
#include "model/day_load.h"
#include "support/app_dir.h"
#include "support/services.h"
#include "support/text.h"

namespace rv {
namespace {

class QuietDialogs final : public Dialogs {
 public:
  void info(std::string_view /*text*/) override {}
  bool confirm(std::string_view /*text*/) override { return true; }
  void error(std::string_view /*text*/) override {}
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override {}
};

constexpr int kRunners = 18;

// Every entry of an odds record gets a published value and a rank.
jvfeed::Record odds_record(jvfeed::Kind kind, const jvfeed::RaceKey& key) {
  jvfeed::Record r = jvfeed::odds(kind, key, kRunners);
  if (kind == jvfeed::Kind::O1) {
    for (int h = 1; h <= kRunners; ++h) {
      r.win(h, jvfeed::Odds::of_tenths(15 + 37 * h), h);
      r.place(h, jvfeed::Odds::of_tenths(11 + 9 * h), jvfeed::Odds::of_tenths(14 + 12 * h), h);
    }
    for (int k = 1; k <= jvfeed::entry_count(kind); ++k) {
      const auto c = jvfeed::combination(kind, k);
      r.bracket(c[0], c[1], jvfeed::Odds::of_tenths(30 + 11 * k), k);
    }
    return r;
  }
  for (int k = 1; k <= jvfeed::entry_count(kind); ++k) {
    r.entry(k, jvfeed::Odds::of_tenths(50 + 7 * k), k);
  }
  return r;
}

void write_full_day() {
  std::filesystem::create_directories(app_dir() / "DATA");
  std::filesystem::create_directories(app_dir() / "CHG");
  DayStore store(DayStore::Mode::kWriteBack);
  const auto put = [&store](const jvfeed::Record& r) {
    store.Store(r, RecordOrigin::kStoredData, true);
  };
  for (const int venue : {5, 6, 9}) {
    for (int race = 1; race <= 12; ++race) {
      const auto key = jvfeed::key(20261206, venue, race);
      put(jvfeed::ra(key, {.runners = kRunners}));
      for (int h = 1; h <= kRunners; ++h) {
        put(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = kRunners}));
      }
      put(jvfeed::hr(key, kRunners).pay(jvfeed::Bet::Win, 1, {1}, 350, 1));
      auto dm = jvfeed::dm(key, kRunners);
      for (int h = 1; h <= kRunners; ++h) dm.predict(h, 13000 + 17 * h, 50, 50);
      put(dm);
      for (const auto kind : {jvfeed::Kind::O1, jvfeed::Kind::O2, jvfeed::Kind::O3,
                              jvfeed::Kind::O4, jvfeed::Kind::O5, jvfeed::Kind::O6}) {
        put(odds_record(kind, key));
      }
    }
  }
  store.Flush();
}

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
