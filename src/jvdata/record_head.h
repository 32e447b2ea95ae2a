// The bytes every record starts with, and the race key of the race records.
#pragma once

#include <array>
#include <string_view>

#include "jvdata/field.h"

namespace rv::jv {

// Bytes 1-11 of every record.
namespace rec {
using namespace types;
#define RV_FIELDS_DEF "jvdata/rec_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = std::to_array(kOwnFields);
}  // namespace rec

// Bytes 1-27 of the race records (RA, SE, HR, O1..O6, DM, TC): the race key follows.
namespace head {
using namespace rec;
#define RV_FIELDS_DEF "jvdata/head_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(rec::kFields, kOwnFields);

inline constexpr Field Month = MonthDay.part(0, 2);
inline constexpr Field Day = MonthDay.part(2, 2);
// The meeting date yyyymmdd.
inline constexpr Field Date = through(Year, MonthDay);
// Date, venue and meeting numbers, without the race number.
inline constexpr Field MeetingKey = through(Year, Nichiji);
// The 16 digits that name a race.
inline constexpr Field RaceKey = through(Year, RaceNum);
// Id, data kind, creation date and race key: what a reader looks at before taking a record.
inline constexpr Field All = through(RecordSpec, RaceNum);

// A field of the race key read from the key alone (the 16 digits of RaceKey).
inline std::string_view in_key(std::string_view key, const Field& f) {
  return key.substr(f.offset() - Year.offset(), f.size());
}
}  // namespace head

}  // namespace rv::jv
