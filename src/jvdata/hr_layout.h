// HR 払戻: the payouts of a race. Flags run in the order 単 複 枠 馬連 ワイド 予備 馬単 3連複
// 3連単; an unused payout entry is blank.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::hr {
using namespace head;

#define RV_FIELDS_DEF "jvdata/hr_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::HR, "HR", 719, kFields};

}  // namespace rv::jv::hr
