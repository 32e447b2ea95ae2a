// SE 馬毎レース情報: one record a runner of a race, card and results.
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::se {
using namespace head;

#define RV_FIELDS_DEF "jvdata/se_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(head::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::SE, "SE", 555, kFields};

// The weight carried in whole kilograms and its tenth.
inline constexpr Field FutanKg = Futan.part(0, 2);
inline constexpr Field FutanTenth = Futan.part(2, 1);
// The positions at the four corners, in running order.
inline constexpr Field kCornerJyuni[] = {Jyuni1c, Jyuni2c, Jyuni3c, Jyuni4c};

}  // namespace rv::jv::se
