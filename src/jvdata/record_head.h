// The bytes every record starts with, and the race key of the race records.
#pragma once

#include "jvdata/field.h"

namespace rv::jv {

// Bytes 1-11 of every record.
namespace rec {
using namespace types;
inline constexpr Field RecordSpec{"RecordSpec", 1, 2, T};  // the record id, "RA"
inline constexpr Field DataKubun{"DataKubun", 3, 1, T};
inline constexpr Field MakeDate{"MakeDate", 4, 8, N};  // yyyymmdd

inline constexpr std::array<Field, 3> kFields{RecordSpec, DataKubun, MakeDate};
}  // namespace rec

// Bytes 1-27 of the race records (RA, SE, HR, O1..O6, DM, TC): the race key follows.
namespace head {
using namespace rec;
inline constexpr Field Year{"Year", 12, 4, N};
inline constexpr Field MonthDay{"MonthDay", 16, 4, N};  // mmdd
inline constexpr Field JyoCD{"JyoCD", 20, 2, N};        // venue
inline constexpr Field Kaiji{"Kaiji", 22, 2, N};
inline constexpr Field Nichiji{"Nichiji", 24, 2, N};
inline constexpr Field RaceNum{"RaceNum", 26, 2, N};

inline constexpr auto kFields =
    join(rec::kFields, {Year, MonthDay, JyoCD, Kaiji, Nichiji, RaceNum});

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
}  // namespace head

}  // namespace rv::jv
