// The stored-data download of RACE data with final odds (three venues x twelve races a race
// day) through the JV-Link stand-in into the day files of a fresh AppDir, at 10 and 100 race
// days, and 1,000 with RAVELIN_BENCH_1000_DAYS=1. Its floor: reading the same feed and
// writing its bytes once. The budget is twice the floor, and a per-day time that stays flat
// as the days grow. Beside it, on four days, storing the same records one by one against the
// download, and the download through the bridge to the helper process against the stand-in.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "acquire/download_routing.h"
#include "acquire/jvlink_bridge.h"
#include "acquire/jvlink_feed.h"
#include "budget.h"
#include "common/temp_dir.h"
#include "stored_days.h"
#include "support/app_dir.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace rv {
namespace {

namespace fs = std::filesystem;
using bench::Budget;

// Dirty pages of the run before would otherwise be written back during the next one.
void settle_disk() {
#ifndef _WIN32
  ::sync();
#endif
}

// Runs work in a fresh AppDir laid out as start-up leaves it; making and removing the folder
// and settling the disk are outside the time.
template <typename Work>
void in_fresh_app_dir(Work&& work) {
  auto app = std::make_unique<testing::AppDirScope>();
  fs::create_directories(app->path() / "DATA");
  fs::create_directories(app->path() / "CHG");
  settle_disk();
  work(app->path());
  app.reset();
  settle_disk();
}

// Every feed file read whole and its bytes written once.
void read_and_write_once(const std::vector<FeedFile>& files, const fs::path& app) {
  for (const FeedFile& f : files) {
    write_file_atomic(app / "DATA" / f.path.filename(), *read_file(f.path));
  }
}

void BM_Download(benchmark::State& state) {
  const int days = static_cast<int>(state.range(0));
  // range(1) 0: as the download leaves its files, each on the disk before it takes its name
  // (and the floor's likewise); 1: both left to the system's cache, to show what that costs.
  std::optional<DiskFlushOffScope> cached;
  if (state.range(1) == 1) cached.emplace();
  const fs::path feed = bench::generated_feed(days);
  const std::vector<FeedFile> files = list_stored_files(feed);
  Budget budget(state, 0);
  for (auto _ : state) {
    in_fresh_app_dir([&](const fs::path&) {
      budget.work([&] {
        if (!bench::download_feed(feed)) state.SkipWithError("the download did not complete");
      });
    });
    in_fresh_app_dir(
        [&](const fs::path& app) { budget.floor([&] { read_and_write_once(files, app); }); });
  }
  budget.report(days, "day");
}

void day_counts(benchmark::internal::Benchmark* b) {
  for (const int cached : {0, 1}) {
    b->Args({10, cached})->Args({100, cached});
    if (const char* v = std::getenv("RAVELIN_BENCH_1000_DAYS"); v && std::string(v) == "1") {
      b->Args({1000, cached});
    }
  }
}

// The same download through JVLinkBridge and ravelin-jvlink serving the same feed, against the
// stand-in in this process: what the helper process and its pipe cost (on this system; under
// wine and on Windows the pipe is dearer). Its files left to the system's cache, as the
// floor's, so that the difference is the bridge's.
void BM_DownloadThroughBridge(benchmark::State& state) {
  const DiskFlushOffScope cached;
  const fs::path feed = bench::generated_feed(static_cast<int>(state.range(0)));
  Budget budget(state, 0);
  for (auto _ : state) {
    in_fresh_app_dir([&](const fs::path&) {
      budget.work([&] {
        JVLinkBridge bridge({RAVELIN_JVLINK, "--feed", feed.string()});
        if (!bench::download_through(bridge)) state.SkipWithError("the download did not complete");
      });
    });
    in_fresh_app_dir([&](const fs::path&) {
      budget.floor([&] {
        if (!bench::download_feed(feed)) state.SkipWithError("the download did not complete");
      });
    });
  }
  budget.report(static_cast<int>(state.range(0)), "day");
}

// The records the download takes, read through the stand-in and stored one by one, each a
// load and a rewrite of its day file.
void store_record_by_record(const fs::path& feed) {
  JVLinkSim jv(feed);
  jv.JVInit(bench::kSid);
  int reads = 0;
  int downloads = 0;
  std::string last;
  jv.JVOpen("RACE", "20250101000000", 1, reads, downloads, last);
  const DownloadFilter filter{FirstDownloadDate(bench::kDownloadFrom), true};
  DayStore store(DayStore::Mode::kImmediate);
  std::string buff;
  std::string name;
  int size = 0;
  for (int rc; (rc = jv.JVRead(buff, size, name)) != 0;) {
    if (rc > 0 && DownloadWants(buff, filter)) store.Store(buff, RecordOrigin::kStoredData, true);
  }
  jv.JVClose();
}

// Record by record against the download as its floor.
void BM_StoreRecordByRecord(benchmark::State& state) {
  const fs::path feed = bench::generated_feed(4);
  Budget budget(state, 0);
  for (auto _ : state) {
    in_fresh_app_dir([&](const fs::path&) { budget.work([&] { store_record_by_record(feed); }); });
    in_fresh_app_dir([&](const fs::path&) { budget.floor([&] { bench::download_feed(feed); }); });
  }
  budget.report();
}

// A loaded machine makes single runs swing widely: three runs each, read by their medians.
BENCHMARK(BM_Download)
    ->Apply(day_counts)
    ->ArgNames({"days", "cached"})
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_DownloadThroughBridge)
    ->Arg(100)
    ->ArgName("days")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_StoreRecordByRecord)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
