// Reading generated feeds back in tests: records by file, and the fields the system reads.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "jvfeed/feed.h"

namespace rv::jvfeed::testing {

// A byte position or length computed in int.
inline std::size_t sz(int v) {
  return static_cast<std::size_t>(v);
}

// Every record of every file below dir, by path relative to dir ("RACE/..._ODDS_...jvd").
std::map<std::string, std::vector<std::string>> read_feed(const std::filesystem::path& dir);

// Every file's bytes, by relative path.
std::map<std::string, std::string> feed_bytes(const std::filesystem::path& dir);

// Records of the files whose relative path contains `part`, in file order.
std::vector<std::string> records_in(const std::map<std::string, std::vector<std::string>>& feed,
                                    std::string_view part);

// A whole trimmed field of only c ("----", "***").
bool all_of(std::string_view field, char c);

// The options of a small feed of a weekend in `dir`.
FeedOptions weekend(const std::filesystem::path& dir, std::uint64_t seed = 11);

}  // namespace rv::jvfeed::testing
