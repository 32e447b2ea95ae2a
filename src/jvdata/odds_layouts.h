// O1..O6 オッズ: the odds of a race, one kind a record. Entries of horses or combinations that
// do not exist are blank; the popularity of an entry carries the marker of its odds.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv {

// Bytes 28-39 shared by O1..O6.
namespace odds {
using namespace head;
#define RV_FIELDS_DEF "jvdata/odds_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(head::kFields, kOwnFields);

inline constexpr Field HappyoHour = HappyoTime.part(4, 2);
inline constexpr Field HappyoMinute = HappyoTime.part(6, 2);
inline constexpr Field HappyoHM = HappyoTime.part(4, 4);  // hhmm
}  // namespace odds

// 単勝, 複勝, 枠連.
namespace o1 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o1_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O1, "O1", 962, kFields};
}  // namespace o1

// 馬連.
namespace o2 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o2_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O2, "O2", 2042, kFields};
}  // namespace o2

// ワイド: a range of odds an entry.
namespace o3 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o3_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O3, "O3", 2654, kFields};
}  // namespace o3

// 馬単.
namespace o4 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o4_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O4, "O4", 4031, kFields};
}  // namespace o4

// ３連複.
namespace o5 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o5_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O5, "O5", 12293, kFields};
}  // namespace o5

// ３連単.
namespace o6 {
using namespace odds;
#define RV_FIELDS_DEF "jvdata/o6_fields.def"
#include "jvdata/layout_def.h"
inline constexpr auto kFields = join(odds::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::O6, "O6", 83285, kFields};
}  // namespace o6

}  // namespace rv::jv
