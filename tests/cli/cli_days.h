// Race days stored below a program folder before ravelin-cli runs on it.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "acquire/day_store.h"
#include "jvfeed/records.h"
#include "support/app_dir.h"

namespace rv::testing {

// Stores records into the day files below `appdir`, as the stored-data download does.
inline void store_records(const std::filesystem::path& appdir,
                          const std::vector<jvfeed::Record>& records) {
  const std::filesystem::path before(app_dir().native());  // a copy: AppDir changes below
  set_app_dir(appdir);
  std::filesystem::create_directories(appdir / "DATA");
  {
    DayStore store(DayStore::Mode::kWriteBack);
    for (const jvfeed::Record& r : records) store.Store(r, RecordOrigin::kStoredData, true);
    store.Flush();
  }
  set_app_dir(before);
}

// A race with runner records.
inline std::vector<jvfeed::Record> race_records(const jvfeed::RaceKey& k, int runners,
                                                std::string_view name = {}) {
  std::vector<jvfeed::Record> out{jvfeed::ra(k, {.runners = runners, .name = name})};
  for (int h = 1; h <= runners; ++h) out.push_back(jvfeed::se(k, {.horse = h, .runners = runners}));
  return out;
}

}  // namespace rv::testing
