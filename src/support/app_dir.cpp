#include "support/app_dir.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "support/environment.h"
#include "support/files.h"
#include "support/folder_index.h"
#include "support/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace rv {
namespace {

fs::path& app_dir_storage() {
  static fs::path dir;
  return dir;
}

fs::path from_utf8(std::string_view u8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(u8.data()), u8.size()));
}

// Splits at '\' and '/' outside double-byte characters: the trail byte of 表 or ソ is 0x5C.
std::vector<std::string> split_components(std::string_view s) {
  std::vector<std::string> parts;
  std::string cur;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = sjis_char_len(s, i);
    if (n == 1 && (s[i] == '\\' || s[i] == '/')) {
      if (!cur.empty() && cur != "." && cur != "..") parts.push_back(std::move(cur));
      cur.clear();
    } else {
      cur.append(s.substr(i, n));
    }
    i += n;
  }
  // "." and ".." never name anything of ours; dropping them keeps every path below its base.
  if (!cur.empty() && cur != "." && cur != "..") parts.push_back(std::move(cur));
  return parts;
}

}  // namespace

fs::path executable_dir() {
#ifdef _WIN32
  wchar_t buf[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  return fs::path(std::wstring(buf, n)).parent_path();
#else
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : exe.parent_path();
#endif
}

fs::path default_app_dir() {
#ifdef _WIN32
  return executable_dir();
#else
  // An installed program must not write beside its executable (under /usr): each user keeps
  // a program folder in the user's data directory.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && fs::path(xdg).is_absolute()) return fs::path(xdg) / "ravelin";
  const char* home = std::getenv("HOME");
  if (home != nullptr && fs::path(home).is_absolute()) {
    return fs::path(home) / ".local" / "share" / "ravelin";
  }
  return executable_dir();
#endif
}

fs::path find_app_dir(const std::optional<fs::path>& from_command_line) {
  if (from_command_line && !from_command_line->empty()) return fs::absolute(*from_command_line);
  if (const auto env = env_var("RAVELIN_APPDIR"); env && !env->empty()) {
    return fs::absolute(from_utf8(*env));
  }
  fs::path dir = default_app_dir();
  std::error_code ec;
  fs::create_directories(dir, ec);  // first start; a failure shows when the folder is used
  return dir;
}

void set_app_dir(const fs::path& dir) {
  fs::path p = dir.lexically_normal();
  if (p.has_filename() == false && p.has_parent_path() && p != p.root_path()) {
    p = p.parent_path();  // no trailing separator, as AppDir is always joined with "\..."
  }
  app_dir_storage() = p;
}

const fs::path& app_dir() {
  return app_dir_storage();
}

std::string app_dir_text() {
  return path_text(app_dir());
}

fs::path resolve_below(const fs::path& base, std::string_view sjis_relative) {
  fs::path cur = base;
  bool exists = true;
  for (const std::string& part : split_components(sjis_relative)) {
    const std::string u8 = to_utf8(part);
    if (exists) {
      if (std::optional<fs::path> found = find_in_folder(cur, u8)) {
        cur = std::move(*found);
        continue;
      }
      exists = false;
    }
    cur /= from_utf8(u8);
  }
  return cur;
}

fs::path app_path(std::string_view sjis_relative) {
  return resolve_below(app_dir(), sjis_relative);
}

bool app_path_exists(std::string_view sjis_relative) {
  std::error_code ec;
  return fs::exists(app_path(sjis_relative), ec);
}

}  // namespace rv
