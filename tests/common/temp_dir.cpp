#include "common/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "support/app_dir.h"
#include "support/environment.h"

namespace rv::testing {
namespace fs = std::filesystem;

TempDir::TempDir() {
  // Test programs run side by side and the clock's steps can be coarse: the process id keeps
  // their names apart, and a name already taken is never shared (another test would remove
  // the folder under this one).
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  do {
    std::ostringstream name;
    name << "ravelin-test-" << process_id() << "-" << stamp << "-" << counter++;
    path_ = fs::temp_directory_path() / name.str();
  } while (!fs::create_directory(path_));
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

AppDirScope::AppDirScope() : previous_(app_dir()) {
  set_app_dir(dir_.path());
}
AppDirScope::~AppDirScope() {
  set_app_dir(previous_);
}

void write_bytes(const fs::path& file, std::string_view bytes) {
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path u8_path(std::string_view utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace rv::testing
