// Reading a day's record files into the raw arrays of the day model: the race records into
// slots, the runner records of each race from its venue file, and the records of keyed
// files (payouts, predictions) matched to slots by race.
#pragma once

#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/day.h"
#include "support/files.h"

namespace rv {

// Registered runners of a slot as its runner records are read: never more than a race can
// hold, never below 0.
int RunnerSlots(const Day& day, int slot);

// Reads the runner records 1..count of the slot's race (the venue file of the day, line (race - 1)
// x 18
// + position) into SeData of the slot. Returns how many were read: 0 when the venue file is
// missing, the race number is outside 1..12 or the venue cannot name a file; fewer when the
// file ends early (the position after the last whole record is then blank; later ones keep
// what they held).
int ReadRunnerRecords(Day& day, std::string_view day_name, int slot, int count);

// How a record of a keyed file is matched to a slot: by date, venue and race number, or by
// the whole race key.
enum class SlotMatch { kDateVenueRace, kRaceKey };

// The venue code and race number of a race's record: what names a race among the records of
// one day.
std::string VenueRace(std::string_view rec);

// The bytes of a record a loader looks at before taking it: through the race number.
inline constexpr std::size_t kRecordHead = jv::head::All.size();

// The first slot whose race record has the same key as rec (a record of kRecordHead bytes or
// more); -1 when none does or the key is blank.
int SlotOfRecord(const Day& day, const char* rec, SlotMatch match);

// Copies every record of a keyed file into dest at the first slot of its race and calls
// taken(slot) after each copy; records of no race of the day are dropped. A short last
// record is not read. Returns false when the file does not exist.
template <std::size_t N, typename Taken>
bool TakeRecordsBySlot(const std::filesystem::path& file, const Day& day, SlotMatch match,
                       std::array<Record<N>, kMaxRaces>& dest, Taken taken) {
  RecordScanner scan(file, N);
  if (!scan.exists()) return false;
  char head[kRecordHead];
  while (scan.next(head, sizeof head)) {
    const int s = SlotOfRecord(day, head, match);
    if (s < 0) {
      scan.skip();
      continue;
    }
    scan.take(dest[static_cast<std::size_t>(s)].bytes.data());
    taken(s);
  }
  return true;
}

}  // namespace rv
