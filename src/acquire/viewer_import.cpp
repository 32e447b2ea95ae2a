#include "acquire/viewer_import.h"

#include <array>
#include <cstdlib>

#include "acquire/day_files.h"
#include "jvdata/layouts.h"
#include "support/app_dir.h"
#include "support/error_log.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kNoneNearer = 1000;  // minutes: an announcement this far away is never taken

constexpr std::array<jv::Kind, 6> kOddsKinds = {jv::Kind::O1, jv::Kind::O2, jv::Kind::O3,
                                                jv::Kind::O4, jv::Kind::O5, jv::Kind::O6};

// Minutes of the day of an "hhmm" text; nullopt unless it is four digits.
std::optional<int> minutes_of(std::string_view hhmm) {
  if (hhmm.size() != 4 || !all_digits(hhmm)) return std::nullopt;
  return inum(hhmm.substr(0, 2)) * 60 + inum(hhmm.substr(2, 2));
}

// The lines of a viewer file that have the length of their kind; the others are logged.
std::vector<std::string_view> usable_lines(const std::vector<std::string>& lines,
                                           const jv::Layout& layout,
                                           const std::filesystem::path& file) {
  std::vector<std::string_view> usable;
  usable.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() == layout.line_length()) {
      usable.emplace_back(lines[i]);
      continue;
    }
    AppendErrorLog(path_text(file) + fmt(" %zu行目：長さ %zu バイト、%s は %zu バイト", i + 1,
                                         lines[i].size(), std::string(layout.id).c_str(),
                                         layout.line_length()));
  }
  return usable;
}

}  // namespace

std::optional<std::size_t> NearestAnnouncement(std::span<const std::string_view> lines,
                                               int target_minutes) {
  int best_distance = kNoneNearer;
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    // Pre-sale odds are announced the day before: only the race day's announcements count.
    if (jv::field(line, jv::head::MonthDay) != jv::field(line, jv::odds::HappyoTime.part(0, 4))) {
      continue;
    }
    const int at = inum(jv::field(line, jv::odds::HappyoHour)) * 60 +
                   inum(jv::field(line, jv::odds::HappyoMinute));
    const int distance = std::abs(target_minutes - at);
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return best;
}

ViewerImportCounts ImportViewerOdds(const std::filesystem::path& viewer_folder,
                                    std::span<const ViewerRace> races, DayStore& store) {
  constexpr jv::Field kRaceKey = jv::through(jv::head::Year, jv::head::RaceNum);
  constexpr jv::Field kDate = jv::through(jv::head::Year, jv::head::MonthDay);
  constexpr jv::Field kRaceId = jv::through(jv::head::JyoCD, jv::head::RaceNum);
  ViewerImportCounts counts;
  for (const ViewerRace& race : races) {
    const std::optional<int> target = minutes_of(race.oz_time);
    const std::optional<std::string> day = DayName(race.ra);
    const std::string_view race_id = jv::field(race.ra, kRaceId);
    if (!target || !day || !all_digits(race_id)) continue;
    const std::string date(jv::field(race.ra, kDate));
    for (const jv::Kind kind : kOddsKinds) {
      const jv::Layout& layout = jv::layout(kind);
      const std::string extension = ".jv" + std::string(layout.id);
      const std::filesystem::path file = viewer_folder / date / (std::string(race_id) + extension);
      if (!file_exists(file)) continue;
      const std::vector<std::string> lines = read_lines(file);
      const std::vector<std::string_view> usable = usable_lines(lines, layout, file);
      const std::optional<std::size_t> best = NearestAnnouncement(usable, *target);
      if (!best) continue;
      const std::string_view line = usable[*best];
      if (!store.ReplaceKeyedLines("\\Data\\", *day + extension, kRaceKey.pos, kRaceKey.size(),
                                   line)) {
        continue;
      }
      if (kind == jv::Kind::O1) ++counts.o1;
      if (kind == jv::Kind::O2) ++counts.o2;
    }
  }
  return counts;
}

}  // namespace rv
