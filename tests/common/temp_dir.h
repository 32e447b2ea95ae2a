// A fresh temporary folder per test, removed afterwards. AppDirScope also makes it AppDir.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rv::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A temporary AppDir for the lifetime of the object; the previous AppDir comes back after.
class AppDirScope {
 public:
  AppDirScope();
  ~AppDirScope();
  AppDirScope(const AppDirScope&) = delete;
  AppDirScope& operator=(const AppDirScope&) = delete;
  [[nodiscard]] const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;
  std::filesystem::path previous_;
};

// Writes bytes to a file, creating folders as needed.
void write_bytes(const std::filesystem::path& file, std::string_view bytes);
// A path from UTF-8 text ("2003年04月13日.jvRA"), as names are stored on disk.
std::filesystem::path u8_path(std::string_view utf8);
// The whole file, or "<missing>" when it does not exist.
std::string slurp(const std::filesystem::path& file);

}  // namespace rv::testing
