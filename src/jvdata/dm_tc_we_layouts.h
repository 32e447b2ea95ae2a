// DM タイム型マイニング, TC 発走時刻変更, WE 天候馬場状態: predictions and announcements of
// a race day.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv {

// Predicted times of a race's runners, an entry a horse.
namespace dm {
using namespace head;
#define RV_FIELDS_DEF "jvdata/dm_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::DM, "DM", 303, kFields};
}  // namespace dm

// The race-keyed announcements of a race day (start-time changes, and the scratches, jockey
// and course changes the program keeps no layout of) carry their announcement time MMDDhhmm
// right after the race key.
namespace announcement {
using namespace head;
inline constexpr Field HappyoTime{"HappyoTime", 28, 8, N};
}  // namespace announcement

// A changed start time, announced at HappyoTime (MMDDhhmm).
namespace tc {
using namespace head;
#define RV_FIELDS_DEF "jvdata/tc_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::TC, "TC", 45, kFields};
}  // namespace tc

// Weather and going of a venue's day: the key has no race number.
namespace we {
using namespace rec;
#define RV_FIELDS_DEF "jvdata/we_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(rec::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::WE, "WE", 42, kFields};

// Meeting, announcement and change id: every announcement of a day is a record of its own.
inline constexpr Field AnnouncementKey = through(Year, HenkoID);
}  // namespace we

}  // namespace rv::jv
