// A race day run by the window's timers on the demo meeting (three venues of twelve races,
// several odds announcements per race, results race by race, change announcements): one
// odds pass over all 36 races, and the whole day from 08:30 to 18:00 as `raceday` replays
// it (budget 5 s). The feed and its download are made once into the bench cache; each
// iteration starts from a copy of the downloaded day files, as the fetches rewrite them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "acquire/jvlink_sim.h"
#include "app/main_form.h"
#include "budget.h"
#include "jvdata/layouts.h"
#include "stored_days.h"
#include "stored_days_form.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

const DateTime kToday{2026, 12, 5};
const std::string kTodayText = "2026年12月05日";

DateTime today_at(int hour, int minute) {
  return kToday.add_seconds(hour * 3600LL + minute * 60LL);
}

// The demo's program folder as downloaded, before any real-time fetch.
fs::path pristine() {
  fs::path app = bench::cache_dir() / "raceday-pristine";
  if (bench::done(app)) return app;
  fs::remove_all(app);
  const jvfeed::FeedOptions o = jvfeed::demo_options(app, today_at(8, 0), 1);
  jvfeed::write_feed(o);
  fs::create_directories(app / "DATA");
  fs::create_directories(app / "CHG");
  set_app_dir(app);
  if (bench::download_feed(app / "jvfeed")) bench::mark_done(app);
  return app;
}

// A working copy of the pristine folder: its day files fresh, its feed shared.
fs::path fresh_copy() {
  const fs::path from = pristine();
  fs::path app = bench::cache_dir() / "raceday-run";
  fs::remove_all(app);
  fs::create_directories(app);
  for (const char* sub : {"DATA", "CHG"}) {
    fs::copy(from / sub, app / sub, fs::copy_options::recursive);
  }
  fs::create_directory_symlink(from / "jvfeed", app / "jvfeed");
  return app;
}

struct Rig : bench::StoredDaysForm {
  explicit Rig(ManualClock& clock, const DateTime& at) {
    clock.set(at);
    form.FormCreate();
    form.FormShow();
    form.day.DateCombo.set_item_index(form.day.DateCombo.index_of(sj(kTodayText)));
    form.DateComboChange();
  }
};

void BM_OddsPassOfADay(benchmark::State& state) {
  ManualClock clock;
  const AppClockScope scope(&clock);
  bench::Budget budget(state, 0);
  int races = 0;
  for (auto _ : state) {
    state.PauseTiming();
    set_app_dir(fresh_copy());
    Rig rig(clock, today_at(17, 0));  // every race's last announcement is out
    AutoOperation& a = rig.form.auto_operation();
    a.OzQueue.clear();
    for (int s = 0; s < rig.form.loaded_day.DatList.count(); ++s) {
      a.OzQueue.push_back(std::string(rig.form.race_day().RaData[s].field(jv::head::RaceKey)) +
                          fmt("%2d", s));
    }
    races = static_cast<int>(a.OzQueue.size());
    // The floor: each race's announcement read through the stand-in and, as every fetch
    // must leave its race's odds on disk before they are read back, the day's six odds
    // files read and written once per race with the bytes they hold.
    budget.floor([&] {
      JVLinkSim jv(app_path("\\jvfeed"));
      jv.JVInit(bench::kSid);
      std::string buff;
      std::string name;
      int size = 0;
      for (const std::string& entry : a.OzQueue) {
        jv.JVRTOpen("0B30", std::string_view(entry).substr(0, 16));
        while (jv.JVRead(buff, size, name) != 0) {
        }
        jv.JVClose();
        for (int k = 1; k <= 6; ++k) {
          const fs::path file = app_path("\\Data\\" + sj(kTodayText) + ".jvO" + std::to_string(k));
          if (const auto bytes = read_file(file)) write_file_atomic(file, *bytes);
        }
      }
    });
    state.ResumeTiming();
    budget.work([&] {
      const FlagScope busy(a.OzLoopBusy);
      a.OzGetLoopBtnClick();
    });
    if (rig.form.fetch().tally().failed != 0) state.SkipWithError("an odds fetch failed");
  }
  state.counters["races"] = races;
  budget.report(races, "race");
}
BENCHMARK(BM_OddsPassOfADay)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RacedayReplay(benchmark::State& state) {
  ManualClock clock;
  const AppClockScope scope(&clock);
  bench::Budget budget(state, 5'000);
  int opened = 0;
  for (auto _ : state) {
    state.PauseTiming();
    set_app_dir(fresh_copy());
    state.ResumeTiming();
    budget.work([&] {
      Rig rig(clock, today_at(8, 30));
      rig.form.timers().run_until(clock, today_at(18, 0));
      opened = rig.form.fetch().tally().opened;
    });
  }
  state.counters["opened"] = opened;
  budget.report();
}
BENCHMARK(BM_RacedayReplay)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace rv

RV_BUDGET_MAIN()
