// Every record kind's layout, and finding a kind by its id and a field by its name.
#pragma once

#include <optional>
#include <string_view>

#include "jvdata/dm_tc_we_layouts.h"
#include "jvdata/hr_layout.h"
#include "jvdata/odds_layouts.h"
#include "jvdata/ra_layout.h"
#include "jvdata/se_layout.h"
#include "jvdata/um_layout.h"

namespace rv::jv {

inline constexpr Kind kAllKinds[] = {Kind::RA, Kind::SE, Kind::HR, Kind::O1, Kind::O2,
                                     Kind::O3, Kind::O4, Kind::O5, Kind::O6, Kind::DM,
                                     Kind::TC, Kind::WE, Kind::UM};

// In the order of Kind.
inline constexpr const Layout* kLayouts[] = {&ra::kLayout, &se::kLayout, &hr::kLayout, &o1::kLayout,
                                             &o2::kLayout, &o3::kLayout, &o4::kLayout, &o5::kLayout,
                                             &o6::kLayout, &dm::kLayout, &tc::kLayout, &we::kLayout,
                                             &um::kLayout};

constexpr const Layout& layout(Kind kind) {
  return *kLayouts[static_cast<std::size_t>(kind)];
}

// The kind of a record id ("RA"); nullopt for ids without a layout here.
std::optional<Kind> kind_of(std::string_view id);
// A field of a kind by its name; nullptr when the kind has none of that name.
const Field* find_field(Kind kind, std::string_view name);

}  // namespace rv::jv
