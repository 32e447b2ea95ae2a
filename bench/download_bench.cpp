// The stored-data download of a year of RACE data with final odds (about a hundred race days
// of three venues x twelve races, generated once into a temporary feed folder) through the
// JV-Link stand-in into the day files of a fresh AppDir. For scale: reading the same feed and
// writing its bytes once, and on a four-day slice the download against storing record by
// record. The machine may be shared, so the report gives CPU time beside wall time, and the
// ratios of both at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "acquire/download_routing.h"
#include "acquire/jvlink_feed.h"
#include "acquire/jvlink_sim.h"
#include "acquire/stored_download.h"
#include "common/temp_dir.h"
#include "jvfeed/feed.h"
#include "support/app_dir.h"
#include "support/files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace rv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSid = "SA730152/SD418967/Ravelin/Ver.1.05";
const DateTime kFirstDay{2025, 1, 4};
const DateTime kFrom{2025, 1, 1};

struct Feed {
  testing::TempDir dir;
  std::size_t records = 0;
  std::uint64_t bytes = 0;
  std::vector<FeedFile> files;
};

std::unique_ptr<Feed> generate(int race_days) {
  auto feed = std::make_unique<Feed>();
  jvfeed::FeedOptions o;
  o.days = jvfeed::weekend_days_from(kFirstDay, race_days);
  const DateTime& last = o.days.back();
  o.now = DateTime{last.year, last.month, last.day, 12}.add_days(3);
  o.out = feed->dir.path();
  jvfeed::write_feed(o);
  feed->files = list_stored_files(feed->dir.path());
  for (const FeedFile& f : feed->files) {
    feed->records += read_feed_records(f.path)->size();
    feed->bytes += fs::file_size(f.path);
  }
  std::fprintf(stderr, "feed: %d race days, %zu files, %zu records, %.1f MB\n", race_days,
               feed->files.size(), feed->records, static_cast<double>(feed->bytes) / 1e6);
  return feed;
}

const Feed& year() {
  static const std::unique_ptr<Feed> feed = generate(100);
  return *feed;
}
const Feed& slice() {
  static const std::unique_ptr<Feed> feed = generate(4);
  return *feed;
}

class QuietDialogs final : public Dialogs {
 public:
  void info(std::string_view /*text*/) override {}
  bool confirm(std::string_view /*text*/) override { return true; }
  void error(std::string_view text) override {
    std::fprintf(stderr, "error: %s\n", to_utf8(text).c_str());
  }
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override {}
};

// Dirty pages of the run before would otherwise be written back during the next one.
void settle_disk() {
#ifndef _WIN32
  ::sync();
#endif
}

// Runs work once per iteration in a fresh AppDir laid out as start-up leaves it; making and
// removing the folder and settling the disk are not timed.
template <typename Work>
void in_fresh_app_dir(benchmark::State& state, const Feed& feed, Work work) {
  for (auto _ : state) {
    state.PauseTiming();
    auto app = std::make_unique<testing::AppDirScope>();
    fs::create_directories(app->path() / "DATA");
    fs::create_directories(app->path() / "CHG");
    settle_disk();
    state.ResumeTiming();
    work(app->path());
    state.PauseTiming();
    app.reset();
    settle_disk();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * feed.records));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * feed.bytes));
}

void download(benchmark::State& state, const Feed& feed) {
  in_fresh_app_dir(state, feed, [&feed](const fs::path&) {
    JVLinkSim jv(feed.dir.path());
    jv.JVInit(kSid);
    QuietDialogs dialogs;
    TGetDataForm form(dialogs, jv);
    form.FormCreate();
    form.DateTimePicker1.set_value(kFrom);
    form.OddsCheck.set_checked(true);
    form.StartBtnClick();
    if (form.ProgressLabel.text() != sj("データ作成が完了しました。")) {
      std::fprintf(stderr, "download did not complete: %s\n",
                   to_utf8(form.ProgressLabel.text()).c_str());
    }
  });
}

void BM_DownloadYear(benchmark::State& state) {
  download(state, year());
}
void BM_DownloadSlice(benchmark::State& state) {
  download(state, slice());
}

// The floor: every feed file read whole and its bytes written once.
void BM_ReadAndWriteYearOnce(benchmark::State& state) {
  const Feed& feed = year();
  in_fresh_app_dir(state, feed, [&feed](const fs::path& app) {
    for (const FeedFile& f : feed.files) {
      write_file_atomic(app / "DATA" / f.path.filename(), *read_file(f.path));
    }
  });
}

// The same records as the download takes, read through the stand-in and stored one by one,
// each a load and a rewrite of its day file.
void BM_StoreSliceRecordByRecord(benchmark::State& state) {
  const Feed& feed = slice();
  in_fresh_app_dir(state, feed, [&feed](const fs::path&) {
    JVLinkSim jv(feed.dir.path());
    jv.JVInit(kSid);
    int reads = 0;
    int downloads = 0;
    std::string last;
    jv.JVOpen("RACE", "20250101000000", 1, reads, downloads, last);
    const DownloadFilter filter{FirstDownloadDate(kFrom), true};
    DayStore store(DayStore::Mode::kImmediate);
    std::string buff;
    std::string name;
    int size = 0;
    for (int rc; (rc = jv.JVRead(buff, size, name)) != 0;) {
      if (rc > 0 && DownloadWants(buff, filter)) store.Store(buff, RecordOrigin::kStoredData, true);
    }
    jv.JVClose();
  });
}

// A loaded machine makes single runs swing widely: each benchmark runs three times and the
// ratios use the medians.
BENCHMARK(BM_DownloadYear)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_ReadAndWriteYearOnce)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_DownloadSlice)->Unit(benchmark::kSecond)->Iterations(2)->Repetitions(3);
BENCHMARK(BM_StoreSliceRecordByRecord)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

// The console report, then the ratios of the download to its floor and of record-by-record
// storing to the download.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        times_[r.run_name.function_name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    ratio("download / read and write once (goal at most 3)", "BM_DownloadYear",
          "BM_ReadAndWriteYearOnce");
    ratio("record by record / download (four days)", "BM_StoreSliceRecordByRecord",
          "BM_DownloadSlice");
  }

 private:
  struct Times {
    double wall;
    double cpu;
  };
  void ratio(const char* what, const std::string& a, const std::string& b) {
    const auto ia = times_.find(a);
    const auto ib = times_.find(b);
    if (ia == times_.end() || ib == times_.end()) return;
    std::printf("%s, medians: wall %.2fx, cpu %.2fx\n", what, ia->second.wall / ib->second.wall,
                ia->second.cpu / ib->second.cpu);
  }
  std::map<std::string, Times> times_;
};

}  // namespace
}  // namespace rv

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  rv::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
