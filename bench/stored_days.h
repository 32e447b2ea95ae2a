// Generated stored-data feeds of a number of race days (three venues of twelve races, final
// odds), and their download through the JV-Link stand-in into an AppDir. Feeds of hundreds
// of days take minutes to write, so each is written once into the build folder's bench cache
// (RV_BENCH_CACHE) and reused by later runs; a folder without its completion mark is written
// again.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "acquire/jvlink_sim.h"
#include "acquire/stored_download.h"
#include "jvfeed/feed.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"
#include "support/text.h"

namespace rv::bench {

namespace fs = std::filesystem;

inline constexpr std::string_view kSid = "SA730152/SD418967/Ravelin/Ver.1.05";
inline const DateTime kFirstDay{2025, 1, 4};
inline const DateTime kDownloadFrom{2025, 1, 1};

inline fs::path cache_dir() {
  return fs::path(RV_BENCH_CACHE);
}

// Marks a cached folder as complete; a run stopped half-way leaves no mark.
inline void mark_done(const fs::path& dir) {
  write_file_atomic(dir / ".done", "");
}
inline bool done(const fs::path& dir) {
  return fs::exists(dir / ".done");
}

// The feed folder of `race_days` race days from kFirstDay on.
inline fs::path generated_feed(int race_days) {
  fs::path dir = cache_dir() / ("feed-" + std::to_string(race_days));
  if (done(dir)) return dir;
  std::fprintf(stderr, "writing a feed of %d race days into %s\n", race_days, dir.c_str());
  fs::remove_all(dir);
  jvfeed::FeedOptions o;
  o.days = jvfeed::weekend_days_from(kFirstDay, race_days);
  const DateTime& last = o.days.back();
  o.now = DateTime{last.year, last.month, last.day, 12}.add_days(3);
  o.out = dir;
  jvfeed::write_feed(o);
  mark_done(dir);
  return dir;
}

class DownloadDialogs final : public Dialogs {
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

// The stored-data window's download of every day of the feed with odds into the current
// AppDir (its DATA and CHG folders made) through jv, initialised here. Answers whether it
// completed.
inline bool download_through(JVLink& jv) {
  jv.JVInit(kSid);
  DownloadDialogs dialogs;
  TGetDataForm form(dialogs, jv);
  form.FormCreate();
  form.DateTimePicker1.set_value(kDownloadFrom);
  form.OddsCheck.set_checked(true);
  form.StartBtnClick();
  if (form.ProgressLabel.text() == sj("データ作成が完了しました。")) return true;
  std::fprintf(stderr, "download did not complete: %s\n",
               to_utf8(form.ProgressLabel.text()).c_str());
  return false;
}

// The same through the stand-in serving the feed folder.
inline bool download_feed(const fs::path& feed) {
  JVLinkSim jv(feed);
  return download_through(jv);
}

// The program folder of `race_days` downloaded days (its feed written first when needed),
// made once and reused; it becomes AppDir.
inline fs::path stored_appdir(int race_days) {
  fs::path app = cache_dir() / ("appdir-" + std::to_string(race_days));
  if (!done(app)) {
    const fs::path feed = generated_feed(race_days);
    std::fprintf(stderr, "downloading %d race days into %s\n", race_days, app.c_str());
    fs::remove_all(app);
    fs::create_directories(app / "DATA");
    fs::create_directories(app / "CHG");
    fs::create_directories(app / "jvfeed");  // the stand-in's folder, empty: no JV-Link data
    set_app_dir(app);
    if (download_feed(feed)) mark_done(app);
  }
  set_app_dir(app);
  return app;
}

}  // namespace rv::bench
