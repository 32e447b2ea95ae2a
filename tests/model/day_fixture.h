// A race day built record by record into the day files of a fresh AppDir, and the model
// it loads into.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "acquire/jvlink_feed.h"
#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "jvfeed/feed.h"
#include "jvfeed/records.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/day_records.h"
#include "model/race_on_screen.h"
#include "support/app_dir.h"
#include "support/text.h"

namespace rv::testing {

inline constexpr int kYmd = 20261206;
inline constexpr const char* kDate = "2026年12月06日";
inline constexpr int kNakayama = 6;
inline constexpr int kHanshin = 9;

struct RaceSpec {
  int runners = 16;
  std::string start = "1540";
  char se_kind = '7';  // data kind of the runner records; 0 writes none
};

class DayFixture : public ::testing::Test {
 protected:
  DayFixture() {
    std::filesystem::create_directories(app_dir() / "DATA");
    std::filesystem::create_directories(app_dir() / "CHG");
  }

  // Stores a record as the stored-data download does.
  void put(const jvfeed::Record& r) {
    ASSERT_TRUE(store_.Store(r, RecordOrigin::kStoredData, true)) << r.str().substr(0, 27);
  }

  // A race record and its runners.
  void race(int venue, int race_no, const RaceSpec& spec = {}) {
    const auto k = jvfeed::key(kYmd, venue, race_no);
    put(jvfeed::ra(k, {.runners = spec.runners, .start = spec.start}));
    if (spec.se_kind == 0) return;
    for (int h = 1; h <= spec.runners && h <= 18; ++h) {
      put(jvfeed::se(k, {.data_kind = spec.se_kind, .horse = h, .runners = spec.runners}));
    }
  }

  // Every race of a venue, 1..races.
  void venue(int code, int races = 12, const RaceSpec& spec = {}) {
    for (int r = 1; r <= races; ++r) race(code, r, spec);
  }

  DayLoadResult load(const char* date = kDate) {
    store_.Flush();
    return LoadDay(*day, controls, sj(date), settings, dialogs);
  }

  std::filesystem::path data_file(const char* ext, const char* date = kDate) {
    return app_path(sj(std::string("\\Data\\") + date + ext));
  }

  void flush() { store_.Flush(); }

  int RunnerSlotsOf(int slot) const { return RunnerSlots(*day, slot); }

  AppDirScope dir_;
  DayStore store_{DayStore::Mode::kWriteBack};

 public:
  std::unique_ptr<Day> day = make_day();
  DayLoadControls controls;
  RaceOnScreen on_screen;  // the window's, for what works on the race on screen
  DayLoadSettings settings;
  FakeDialogs dialogs;
};

// The stored records of one generated race day (2026-12-06) of three venues of five races
// with edge cases, oldest delivery first; generated once per seed.
inline const std::vector<std::string>& generated_day_records(std::uint64_t seed) {
  static std::map<std::uint64_t, std::vector<std::string>> feeds;
  auto [it, added] = feeds.try_emplace(seed);
  if (!added) return it->second;
  TempDir feed_dir;
  jvfeed::FeedOptions o;
  o.plan.seed = seed;
  o.plan.venues = 3;
  o.plan.races = 5;
  o.plan.min_runners = 5;
  o.plan.max_runners = 18;
  o.plan.announcements = 2;
  o.plan.edge_rate = 0.5;
  // A card of 19 runners refuses the whole day; that has a test of its own.
  o.plan.edges = jvfeed::kEdgeAll & ~jvfeed::kEdgeOddRunners;
  o.days = {DateTime{2026, 12, 6}};
  o.now = DateTime{2026, 12, 9, 12};
  o.out = feed_dir.path();
  jvfeed::write_feed(o);
  for (const FeedFile& f : list_stored_files(feed_dir.path())) {
    const std::vector<std::string> records = read_feed_records(f.path).value();
    it->second.insert(it->second.end(), records.begin(), records.end());
  }
  return it->second;
}

// A day fixture whose day files hold the generated day of the test's parameter (the seed).
class GeneratedDayFixture : public DayFixture, public ::testing::WithParamInterface<std::uint64_t> {
 protected:
  void SetUp() override {
    for (const std::string& rec : generated_day_records(GetParam())) {
      store_.Store(rec, RecordOrigin::kStoredData, true);
    }
    flush();
  }
};

}  // namespace rv::testing
