// The version text and the software id it is part of, in one place: the JV-Link sid, the
// version window and `ravelin-cli --version` all take them from here.
#pragma once

#include <string>
#include <string_view>

namespace rv {

inline constexpr std::string_view kVersionText = "Ver.1.05";

// The software id JVInit is given: product key, maker, product name, then the version.
inline std::string jvlink_sid() {
  return "SA730152/SD418967/Ravelin/" + std::string(kVersionText);
}

}  // namespace rv
