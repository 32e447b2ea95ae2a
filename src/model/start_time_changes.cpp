#include "model/start_time_changes.h"

#include <array>
#include <string>
#include <vector>

#include "model/day_load.h"
#include "model/day_paths.h"
#include "model/day_records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using NewLines = std::array<std::string, kChangeKinds>;

// A file that is not exactly five lines tells nothing: every kind counts as never applied.
NewLines read_new_file(const fs::path& file) {
  NewLines lines;
  std::vector<std::string> read = read_lines(file);
  if (read.size() != lines.size()) return lines;
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = std::move(read[i]);
  return lines;
}

struct StartTimeChange {
  std::string_view announced;  // MMDDhhmm
  std::string_view start;      // hhmm
};

}  // namespace

bool ApplyStartTimeChanges(Day& day, int auto_oz_get) {
  if (!IsDayName(day.Date)) return false;
  const fs::path new_file = ChangeFilePath(day.Date, ".NEW");
  const fs::path tc_file = ChangeFilePath(day.Date, ".TC");
  NewLines applied = read_new_file(new_file);
  std::array<bool, kChangeKinds> raised{};

  if (file_exists(tc_file) && file_exists(day.Files.RaFile)) {
    std::vector<std::string> ra_lines = read_lines(day.Files.RaFile);
    std::string& last = applied[static_cast<std::size_t>(ChangeKind::kStartTime)];
    const std::string before = last;
    bool rewritten = false;
    constexpr std::size_t kTcLen = jv::tc::kLayout.length;
    RecordScanner scan(tc_file, kTcLen);
    char tc[kTcLen];
    while (scan.next(tc, kTcLen)) {
      const std::string_view rec(tc, kTcLen);
      const StartTimeChange change{jv::field(rec, jv::tc::HappyoTime),
                                   jv::field(rec, jv::tc::AtoHassoTime)};
      // An announcement without a time is no announcement.
      if (!all_digits(change.announced) || change.announced <= before) continue;
      if (change.announced > last) last = change.announced;
      raised[static_cast<std::size_t>(ChangeKind::kStartTime)] = true;
      const std::string venue_race = VenueRace(rec);
      for (std::size_t i = 0; i < ra_lines.size(); ++i) {
        std::string& line = ra_lines[i];
        if (VenueRace(line) != venue_race) continue;
        if (jv::field(line, jv::ra::HassoTime) != change.start) {
          jv::put(line, jv::ra::HassoTime, change.start);
          rewritten = true;
        }
        if (i >= kMaxRaces) continue;  // a line past the last slot has no race in memory
        RaRecord& ra = day.RaData[i];
        if (!is_blank(change.start) && change.start != "0000") {
          ra.put(jv::ra::HassoTime, change.start);
        }
        SetAutoTimes(day.Work[i], ra.field(jv::ra::HassoTime), auto_oz_get);
      }
    }
    // Rewriting unchanged lines would change nothing but the file's time.
    if (rewritten) write_lines(day.Files.RaFile, ra_lines);
  }

  bool any = false;
  for (const bool r : raised) any = any || r;
  if (any) write_lines(new_file, std::vector<std::string>(applied.begin(), applied.end()));
  return any;
}

}  // namespace rv
