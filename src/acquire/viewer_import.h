// Odds taken from the time-series odds viewer's folder: for every race of a day and every
// odds kind, the one announcement nearest to the race's odds time replaces the race's line
// in the day's odds file. The viewer keeps one file per race and kind,
//   folder \ yyyymmdd \ venue, meeting, day, race (8 digits) .jvO1 .. .jvO6,
// each line a raw odds record of that kind, one per announcement, in any order.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/day_store.h"

namespace rv {

// A race of the loaded day: its race record and its odds time ("hhmm", OzTime).
struct ViewerRace {
  std::string_view ra;
  std::string_view oz_time;
};

// Races whose 単複枠 (O1) and 馬連 (O2) odds were stored.
struct ViewerImportCounts {
  int o1 = 0;
  int o2 = 0;
};

// The line nearest in time to target (minutes of the day) among the announcements made on
// the race day itself: strictly nearer wins, so the first line of a tie stays; nothing
// 1000 minutes or more away. nullopt when no line qualifies.
std::optional<std::size_t> NearestAnnouncement(std::span<const std::string_view> lines,
                                               int target_minutes);

// Imports every race's odds from the viewer folder into the day files through store. Viewer
// files that are missing are skipped; a line of the wrong length for its kind is skipped
// and logged. Throws FileError when a file cannot be read or written.
ViewerImportCounts ImportViewerOdds(const std::filesystem::path& viewer_folder,
                                    std::span<const ViewerRace> races, DayStore& store);

}  // namespace rv
