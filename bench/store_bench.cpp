// Storing a week of JV-Data (two race days of three venues x twelve races: RA, SE, HR, O1-O6,
// DM, WE and TC) into the day files of a fresh AppDir, record by record and in write-back
// mode with a flush at every JV-Link file switch. For scale, the last benchmark writes the
// same bytes once.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

namespace jv = jvfeed;

// The records of one JV-Link file: one kind of one day, as the stored data comes.
using FeedFile = std::vector<std::string>;

std::vector<FeedFile> week() {
  std::vector<FeedFile> files;
  for (const int day : {20261205, 20261206}) {
    const std::string mmdd = std::to_string(day).substr(4);
    std::vector<jv::RaceKey> races;
    for (const int venue : {5, 6, 9}) {
      for (int race = 1; race <= 12; ++race) races.push_back(jv::key(day, venue, race));
    }
    auto file_of = [&files](auto make) {
      files.emplace_back();
      make(files.back());
    };
    file_of([&](FeedFile& f) {
      for (const auto& k : races) f.push_back(jv::ra(k).str());
    });
    file_of([&](FeedFile& f) {
      for (const auto& k : races) {
        for (int h = 1; h <= 16; ++h) f.push_back(jv::se(k, {.horse = h}).str());
      }
    });
    for (const jv::Kind kind :
         {jv::Kind::O1, jv::Kind::O2, jv::Kind::O3, jv::Kind::O4, jv::Kind::O5, jv::Kind::O6}) {
      file_of([&](FeedFile& f) {
        for (const auto& k : races) f.push_back(jv::odds(kind, k).str());
      });
    }
    file_of([&](FeedFile& f) {
      for (const auto& k : races) f.push_back(jv::hr(k).str());
    });
    file_of([&](FeedFile& f) {
      for (const auto& k : races) f.push_back(jv::dm(k).str());
    });
    file_of([&](FeedFile& f) {
      for (const int venue : {5, 6, 9}) {
        for (const char* at : {"0830", "1130", "1430"}) {
          f.push_back(jv::we(jv::key(day, venue, 1), mmdd + at, 1, {}).str());
        }
        f.push_back(jv::tc(jv::key(day, venue, 11), mmdd + "1300", "1545", "1540").str());
      }
    });
  }
  return files;
}

const std::vector<FeedFile>& the_week() {
  static const std::vector<FeedFile> w = week();
  return w;
}

std::size_t record_count() {
  std::size_t n = 0;
  for (const auto& f : the_week()) n += f.size();
  return n;
}

// Runs work once per iteration in a fresh AppDir laid out as start-up leaves it; only the
// work is timed, not making and removing the folder.
template <typename Work>
void in_fresh_app_dir(benchmark::State& state, Work work) {
  for (auto _ : state) {
    testing::AppDirScope app;
    std::filesystem::create_directories(app.path() / "DATA");
    std::filesystem::create_directories(app.path() / "CHG");
    const auto start = std::chrono::steady_clock::now();
    work(app.path());
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * record_count()));
}

void store_week(benchmark::State& state, DayStore::Mode mode) {
  in_fresh_app_dir(state, [mode](const std::filesystem::path&) {
    DayStore store(mode);
    for (const FeedFile& f : the_week()) {
      for (const std::string& r : f) store.Store(r, RecordOrigin::kStoredData, true);
      store.Flush();  // the JV-Link file switch
    }
  });
}

void BM_StoreWeekRecordByRecord(benchmark::State& state) {
  store_week(state, DayStore::Mode::kImmediate);
}
void BM_StoreWeekWriteBack(benchmark::State& state) {
  store_week(state, DayStore::Mode::kWriteBack);
}

void BM_WriteWeekBytesOnce(benchmark::State& state) {
  in_fresh_app_dir(state, [](const std::filesystem::path& app) {
    std::size_t i = 0;
    for (const FeedFile& f : the_week()) {
      std::string bytes;
      for (const std::string& r : f) bytes += r;
      write_file_atomic(app / "DATA" / ("file" + std::to_string(i++)), bytes);
    }
  });
}

BENCHMARK(BM_StoreWeekRecordByRecord)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StoreWeekWriteBack)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_WriteWeekBytesOnce)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace rv

BENCHMARK_MAIN();
