// Writes a feed folder for the JV-Link stand-in: stored RACE files as they would have been
// delivered up to a moment ("now"), and for the newest race day up to then the real-time
// files (0B30 odds per race, 0B12 results, 0B13 predictions, 0B14 changes), optionally with
// the odds viewer's time-series folder. The real-time files hold the whole day, also when
// the day is today: the stand-in releases them by its clock.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jvfeed/meeting.h"

namespace rv::jvfeed {

struct FeedOptions {
  DayPlan plan;
  std::vector<DateTime> days;  // race days, any order
  DateTime now;                // deliveries stamped later than this do not exist yet
  bool realtime_all = false;   // real-time files for every past day, not only the newest
  std::filesystem::path out;
  std::filesystem::path viewer;  // empty: no time-series folder
};

struct FeedSummary {
  std::vector<DateTime> days;
  std::vector<std::filesystem::path> files;
  std::uint64_t bytes = 0;
};

FeedSummary write_feed(const FeedOptions& options);

// `count` race days (Saturdays and Sundays) from `start` on.
std::vector<DateTime> weekend_days_from(const DateTime& start, int count);
// The `count` race days before `day`, oldest first.
std::vector<DateTime> weekend_days_before(const DateTime& day, int count);

// The demo: a few recent race days and a meeting today, in DIR/jvfeed.
FeedOptions demo_options(const std::filesystem::path& dir, const DateTime& now, std::uint64_t seed);

}  // namespace rv::jvfeed
