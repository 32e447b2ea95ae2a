// UM 競走馬マスタ: one record a horse (the 1577-byte layout of format 4.8).
#pragma once

#include "jvdata/record_head.h"

namespace rv::jv::um {
using namespace rec;

#define RV_FIELDS_DEF "jvdata/um_fields.def"
#include "jvdata/layout_def.h"

inline constexpr auto kFields = join(rec::kFields, kOwnFields);
inline constexpr Layout kLayout{Kind::UM, "UM", 1577, kFields};

}  // namespace rv::jv::um
