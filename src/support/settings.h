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

  // Sections and keys match without regard to case (the first section and the first key
  // of a name count); values are trimmed and a value in matching quotes loses them. The
  // default is asked for as "｢" + default + "｣" and the value read is cleaned of one
  // enclosing pair of double quotes or ｢ ｣. A missing or unreadable file reads defaults.
  // ReadInteger takes decimal or hexadecimal ("$1F", "0x1F"); anything else reads the
  // default. ReadBool is ReadInteger != 0.
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                       std::string_view def) const;
  [[nodiscard]] int ReadInteger(std::string_view section, std::string_view key, int def) const;
  [[nodiscard]] bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // Writes keep every other line of the file byte for byte (order, comments, unknown keys
  // and sections, duplicates, line breaks), add a missing key at the end of its section and
  // a missing section at the end of the file, and replace the file atomically. A line
  // break inside a value is stored as a space. Throws FileError when the file cannot be
  // read or written.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::filesystem::path file_;
};

}  // namespace rv
