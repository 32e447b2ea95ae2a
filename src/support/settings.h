// TIniGT: the settings file, a profile file of sections and keys in Shift-JIS. Every read
// and write goes to the file, as the platform's profile functions do, so the windows and
// the command-line tool that share it always see each other's changes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rv {

class TIniGT {
 public:
  // The shared settings file AppDir + "\ravelin.ini".
  TIniGT();
  explicit TIniGT(std::filesystem::path file);

  [[nodiscard]] const std::filesystem::path& file() const { return file_; }

  // Sections and keys match without regard to case; values are trimmed and a value in
  // matching quotes loses them. The default is asked for as "｢" + default + "｣" and the
  // value read is cleaned of one enclosing pair of double quotes or ｢ ｣.
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                       std::string_view def) const;
  [[nodiscard]] int ReadInteger(std::string_view section, std::string_view key, int def) const;
  [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // Writes keep every other line of the file (order, comments, unknown keys) and replace the
  // file atomically.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::filesystem::path file_;
};

}  // namespace rv
