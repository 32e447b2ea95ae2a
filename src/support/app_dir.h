// AppDir: the program folder. Every file of the system is AppDir + a path literal that
// begins with "\" and is matched against the disk without regard to case, so the data
// folder created as "\DATA" is found as "\Data\" too.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

namespace fs = std::filesystem;

// The folder of the running executable.
fs::path executable_dir();

// --appdir wins, then the environment variable RAVELIN_APPDIR, then default_app_dir(),
// which is made when missing.
fs::path find_app_dir(const std::optional<fs::path>& from_command_line);
// The program folder when neither names one: on Windows the executable's folder, elsewhere
// "ravelin" in the user's data directory ($XDG_DATA_HOME, else ~/.local/share).
fs::path default_app_dir();

void set_app_dir(const fs::path& dir);
const fs::path& app_dir();

// AppDir as Shift-JIS text, as the error log and messages show it.
std::string app_dir_text();

// A Shift-JIS path below AppDir ("\Data\2003年04月13日.jvRA") as a real path: components are
// split at "\" (never inside a double-byte character), converted to UTF-8 and each matched
// without regard to case against what exists; components that do not exist keep their
// spelling.
fs::path app_path(std::string_view sjis_relative);
// Whether anything (file or folder) exists there: the marker files and the statistics files.
bool app_path_exists(std::string_view sjis_relative);

// The same resolution below any folder.
fs::path resolve_below(const fs::path& base, std::string_view sjis_relative);

}  // namespace rv
