// What the real-time service has released of a race's or a day's data at a moment: the
// stand-in (acquire/jvlink_sim.h) serves a feed file through this, so a race day unfolds by
// the clock as it does live.
// - 0B30, the odds of a race: the latest announcement made at or before the moment. An
//   announcement is the O1..O6 records that share an announcement time (HappyoTime). A
//   record without one (final odds, a deletion or a cancellation carry zeros there) belongs
//   to the announcement before it in the file; such records ahead of every announcement are
//   there from the start.
// - 0B12, the results of a day: the RA, SE and HR records of the races that started at least
//   10 minutes before the moment (the start: HassoTime of the race's RA record, on the day of
//   the key), each race with all of its records or none.
// - 0B13, the predictions of a day: every DM record.
// - 0B14, the change announcements of a day: those made at or before the moment (WE, TC, and
//   the race-keyed kinds the program keeps no layout of).
// A damaged record (a length not its kind's, a kind the data does not carry, an announcement
// or start time that is no time) is never served; it is handed back with the reason.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/clock.h"

namespace rv {

struct DamagedRecord {
  std::string_view record;
  std::string why;  // Shift-JIS
};

struct RealtimeRelease {
  std::vector<std::string_view> records;  // in file order
  std::vector<DamagedRecord> damaged;
};

// The records (lines without CR LF) of the file of dataspec and key that are out at `now`.
RealtimeRelease release_realtime(std::string_view dataspec, std::string_view key,
                                 std::span<const std::string_view> records, const DateTime& now);

}  // namespace rv
