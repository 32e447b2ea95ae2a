// Shared by the day-file tests: an AppDir laid out as start-up leaves it, and whole-tree
// snapshots to compare two AppDirs byte for byte.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "common/temp_dir.h"
#include "support/app_dir.h"
#include "support/text.h"

namespace rv::testing {

// The folders start-up creates (spelled as it creates them; the store finds "\Data\").
inline void make_day_folders(const std::filesystem::path& app) {
  std::filesystem::create_directories(app / "DATA");
  std::filesystem::create_directories(app / "CHG");
}

// Every file below dir by its relative path, with its bytes.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
    if (e.is_regular_file()) {
      files[std::filesystem::relative(e.path(), dir).generic_string()] = slurp(e.path());
    }
  }
  return files;
}

// A day file below AppDir by its Shift-JIS path ("\Data\2003年04月13日.jvRA").
inline std::string day_file(std::string_view utf8_relative) {
  return slurp(app_path(sj(utf8_relative)));
}

}  // namespace rv::testing
