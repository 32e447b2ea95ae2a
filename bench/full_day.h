// A full race day written into the day files of the current AppDir, for the benchmarks:
// three venues of twelve races of 18 runners, every odds kind with a value and a rank for
// every entry, payouts and predictions.
#pragma once

#include <filesystem>

#include "acquire/day_store.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/services.h"

namespace rv::bench {

inline constexpr int kRunners = 18;

// Every entry of an odds record gets a published value and a rank.
inline jvfeed::Record odds_record(jvfeed::Kind kind, const jvfeed::RaceKey& key) {
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

inline void write_full_day() {
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
      auto hr = jvfeed::hr(key, kRunners);
      hr.pay(jvfeed::Bet::Win, 1, {1}, 350, 1).pay(jvfeed::Bet::Place, 1, {1}, 150, 1);
      hr.pay(jvfeed::Bet::Quinella, 1, {1, 2}, 820, 1).pay(jvfeed::Bet::Wide, 1, {1, 2}, 300, 1);
      hr.pay(jvfeed::Bet::Exacta, 1, {1, 2}, 1400, 1).pay(jvfeed::Bet::Trio, 1, {1, 2, 3}, 2500, 1);
      hr.pay(jvfeed::Bet::Trifecta, 1, {1, 2, 3}, 9800, 1);
      put(hr);
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

}  // namespace rv::bench
