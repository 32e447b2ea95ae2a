// Which JV-Link the program drives: the real control on Windows, the stand-in elsewhere.
#pragma once

#include <filesystem>
#include <memory>

#include "acquire/jvlink.h"

namespace rv {

// The stand-in's feed folder: $JVLINK_SIM_FEED, else AppDir + "\jvfeed".
std::filesystem::path jvlink_feed_folder();

// The presence test of start-up: JV-Link counts as installed when the control can be created
// (off Windows: when the feed folder exists).
bool jvlink_installed();

std::unique_ptr<JVLink> create_jvlink();

}  // namespace rv
