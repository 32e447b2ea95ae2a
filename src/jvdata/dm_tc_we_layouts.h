// DM タイム型マイニング, TC 発走時刻変更, WE 天候馬場状態: predictions and announcements of
// a race day.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv {

// Predicted times of a race's runners, an entry a horse.
namespace dm {
using namespace head;
inline constexpr Field MakeHM{"MakeHM", 28, 4, N};
inline constexpr Field Umaban{"Umaban", 32, 2, E, 18, 15};
inline constexpr Field DMTime{"DMTime", 34, 5, E, 18, 15};    // m ss hh
inline constexpr Field DMGosaP{"DMGosaP", 39, 4, E, 18, 15};  // ss hh
inline constexpr Field DMGosaM{"DMGosaM", 43, 4, E, 18, 15};

inline constexpr auto kFields = join(head::kFields, {MakeHM, Umaban, DMTime, DMGosaP, DMGosaM});
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
using announcement::HappyoTime;
inline constexpr Field AtoHassoTime{"AtoHassoTime", 36, 4, N};  // the new time hhmm
inline constexpr Field MaeHassoTime{"MaeHassoTime", 40, 4, N};

inline constexpr auto kFields = join(head::kFields, {HappyoTime, AtoHassoTime, MaeHassoTime});
inline constexpr Layout kLayout{Kind::TC, "TC", 45, kFields};
}  // namespace tc

// Weather and going of a venue's day: the key has no race number.
namespace we {
using namespace rec;
using head::JyoCD;
using head::Kaiji;
using head::MonthDay;
using head::Nichiji;
using head::Year;
inline constexpr Field HappyoTime{"HappyoTime", 26, 8, N};
inline constexpr Field HenkoID{"HenkoID", 34, 1, N};
inline constexpr Field TenkoCD{"TenkoCD", 35, 1, N};
inline constexpr Field SibaBabaCD{"SibaBabaCD", 36, 1, N};
inline constexpr Field DirtBabaCD{"DirtBabaCD", 37, 1, N};
inline constexpr Field TenkoCDBefore{"TenkoCDBefore", 38, 1, N};
inline constexpr Field SibaBabaCDBefore{"SibaBabaCDBefore", 39, 1, N};
inline constexpr Field DirtBabaCDBefore{"DirtBabaCDBefore", 40, 1, N};

inline constexpr Field kOwnFields[] = {
    Year,    MonthDay,   JyoCD,      Kaiji,         Nichiji,          HappyoTime,       HenkoID,
    TenkoCD, SibaBabaCD, DirtBabaCD, TenkoCDBefore, SibaBabaCDBefore, DirtBabaCDBefore,
};
inline constexpr auto kFields = join(rec::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::WE, "WE", 42, kFields};

// Meeting, announcement and change id: every announcement of a day is a record of its own.
inline constexpr Field AnnouncementKey = through(Year, HenkoID);
}  // namespace we

}  // namespace rv::jv
