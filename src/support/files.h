// Files are read whole and written whole. A write goes to a temporary file in the same
// folder and is renamed over the old one, so a crash never leaves a torn file behind.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

namespace fs = std::filesystem;

// A file that cannot be read or written. what() is Shift-JIS text naming the file, ready
// for a message box or the error log.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whole contents; nullopt when the file does not exist. Throws FileError when it exists
// but cannot be read.
std::optional<std::string> read_file(const fs::path& path);

// Splits text into lines at CR LF, LF or CR; a final line break adds no empty line.
std::vector<std::string> split_lines(std::string_view text);

// Lines of a text file; an empty list when the file does not exist.
std::vector<std::string> read_lines(const fs::path& path);

// Lines joined with CR LF after every line.
std::string join_lines(const std::vector<std::string>& lines);

void write_file_atomic(const fs::path& path, std::string_view data);
inline void write_lines(const fs::path& path, const std::vector<std::string>& lines) {
  write_file_atomic(path, join_lines(lines));
}

// Reads up to max_records fixed-size records from the start of a file into dest, record i
// at dest + i * stride (stride >= record_size). A short last record is not counted and
// its place is left as blanks.
// Returns the number of whole records read; 0 when the file does not exist.
std::size_t read_records(const fs::path& path, std::size_t record_size, char* dest,
                         std::size_t stride, std::size_t max_records);

// Reads record number index (0-based) of a file of fixed-size records into dest. Returns
// false when the file or the record does not exist.
bool read_record_at(const fs::path& path, std::size_t record_size, std::size_t index,
                    char* dest);

// Shift-JIS text naming a path for messages.
std::string path_text(const fs::path& path);

}  // namespace rv
