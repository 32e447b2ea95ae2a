// Which JV-Link the program drives: the real control on Windows, the stand-in elsewhere.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/jvlink.h"

namespace rv {

// The stand-in's feed folder: $JVLINK_SIM_FEED, else AppDir + "\jvfeed".
std::filesystem::path jvlink_feed_folder();

// A command line's words, split at blanks outside quotes. A pair of double or single quotes
// keeps its blanks in the word and is dropped; a backslash is an ordinary character, so that
// Windows paths need no doubling.
std::vector<std::string> command_words(std::string_view text);

// The command that starts ravelin-jvlink: the words of $RAVELIN_JVLINK_HELPER (e.g. "wine
// /opt/ravelin/ravelin-jvlink.exe"), else on Windows the helper beside this program when the
// control is registered; empty: the stand-in serves.
std::vector<std::string> jvlink_helper_command();

// The presence test of start-up: JV-Link counts as installed when the control can be created
// or a helper is named (otherwise: when the feed folder exists).
bool jvlink_installed();

std::unique_ptr<JVLink> create_jvlink();

}  // namespace rv
