// RA レース詳細: one record a race.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::ra {
using namespace head;

#define RV_FIELDS_DEF "jvdata/ra_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::RA, "RA", 1272, kFields};

// Parts read on their own.
inline constexpr Field HassoHour = HassoTime.part(0, 2);
inline constexpr Field HassoMinute = HassoTime.part(2, 2);
// The youngest-age condition, the one the race's class is named by.
inline constexpr Field JyokenCDYoungest = JyokenCD.at(4);
// The first digit of the track code: 1 turf, 2 dirt, 5 jump.
inline constexpr Field TrackCDSurface = TrackCD.part(0, 1);

}  // namespace rv::jv::ra
