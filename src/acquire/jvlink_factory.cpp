#include "acquire/jvlink_factory.h"

#include <cstdlib>
#include <system_error>

#include "acquire/jvlink_sim.h"
#include "support/app_dir.h"

namespace rv {

// The control itself is a Windows COM object that this tree does not bind yet, so every
// platform drives the stand-in for now.

std::filesystem::path jvlink_feed_folder() {
  if (const char* env = std::getenv("JVLINK_SIM_FEED"); env != nullptr && *env != '\0') {
    return std::filesystem::absolute(std::filesystem::path(env));
  }
  return app_path("\\jvfeed");
}

bool jvlink_installed() {
  std::error_code ec;
  return std::filesystem::is_directory(jvlink_feed_folder(), ec);
}

std::unique_ptr<JVLink> create_jvlink() {
  return std::make_unique<JVLinkSim>(jvlink_feed_folder());
}

}  // namespace rv
