// Files are read whole and written whole. A write goes to a temporary file in the same
// folder and is renamed over the old one, so a crash never leaves a torn file behind.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
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

// Calls line(std::string_view) for each line of text, split at CR LF, LF or CR; a final line
// break adds no empty line.
template <typename Line>
void for_each_line(std::string_view text, Line&& line) {
  // Lines of odds records run to 80 KB: each break kind is found with a block search and the
  // next one of each kept, so that no byte is looked at twice.
  constexpr std::size_t npos = std::string_view::npos;
  std::size_t start = 0;
  std::size_t lf = text.find('\n');
  std::size_t cr = text.find('\r');
  while (start < text.size()) {
    if (lf != npos && lf < start) lf = text.find('\n', start);
    if (cr != npos && cr < start) cr = text.find('\r', start);
    const std::size_t end = lf < cr ? lf : cr;
    if (end == npos) {
      line(text.substr(start));
      return;
    }
    line(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

// The lines of text as for_each_line splits them.
std::vector<std::string> split_lines(std::string_view text);

// True when the path names an existing regular file (an empty path names none).
bool file_exists(const fs::path& path);

// Lines of a text file; an empty list when the file does not exist.
std::vector<std::string> read_lines(const fs::path& path);

// Lines joined with CR LF after every line.
std::string join_lines(const std::vector<std::string>& lines);
// The same into out, whose buffer is kept from one file to the next.
void join_lines(std::span<const std::string_view> lines, std::string& out);

// The cause of a failed file operation (an errno value) as the messages add it, in the
// user's words: "（ディスクの空き容量が足りません）"; empty for causes a user cannot act on.
std::string error_cause(int error);

// The bytes go to a temporary file beside `path` (name + ".tmp" + process id), reach the disk,
// and then take the name; the folder's entry is flushed too, unless the caller writes many
// files into a folder and flushes it once after the last (flush_folder).
void write_file_atomic(const fs::path& path, std::string_view data, bool and_folder = true);
void flush_folder(const fs::path& folder);
// While it lives, those writes leave the bytes to the system's cache instead of waiting for
// the disk: only for a benchmark that measures what waiting costs.
class DiskFlushOffScope {
 public:
  DiskFlushOffScope();
  ~DiskFlushOffScope();
  DiskFlushOffScope(const DiskFlushOffScope&) = delete;
  DiskFlushOffScope& operator=(const DiskFlushOffScope&) = delete;
};
// Removes what a killed run left of such writes in `folder` and its subfolders one level
// down: temporary files of processes that no longer run. Answers how many went.
std::size_t remove_stale_temp_files(const fs::path& folder);
inline void write_lines(const fs::path& path, const std::vector<std::string>& lines) {
  write_file_atomic(path, join_lines(lines));
}

// Reads up to max_records fixed-size records from the start of a file into dest, record i
// at dest + i * stride (stride >= record_size). A short last record is not counted and
// its place is left as blanks.
// Returns the number of whole records read; 0 when the file does not exist.
std::size_t read_records(const fs::path& path, std::size_t record_size, char* dest,
                         std::size_t stride, std::size_t max_records);

// The same, starting at record number first (0-based): record first + i goes to
// dest + i * stride.
std::size_t read_records(const fs::path& path, std::size_t record_size, std::size_t first,
                         char* dest, std::size_t stride, std::size_t max_records);

// Reads a file of fixed-size records front to back, for loaders that look at the head of a
// record before deciding where it goes or whether to skip it. Only whole records are
// offered: a short last record (a torn file) is never seen.
//
//   RecordScanner scan(path, record_size);
//   while (scan.next(head, 27)) { if (wanted(head)) scan.take(dest); else scan.skip(); }
class RecordScanner {
 public:
  // Throws FileError when the file exists but cannot be opened.
  RecordScanner(const fs::path& path, std::size_t record_size);
  ~RecordScanner();
  RecordScanner(const RecordScanner&) = delete;
  RecordScanner& operator=(const RecordScanner&) = delete;

  [[nodiscard]] bool exists() const { return file_ != nullptr; }
  // Whole records in the file.
  [[nodiscard]] std::size_t count() const { return count_; }
  // Reads the first head_len bytes of the next record; false when no whole record is left.
  bool next(char* head, std::size_t head_len);
  // The record whose head was just read, whole, into dest (record_size bytes; head included).
  void take(char* dest);
  // Moves past the record whose head was just read.
  void skip();

 private:
  std::FILE* file_ = nullptr;
  fs::path path_;
  std::size_t size_;
  std::size_t count_ = 0;
  std::size_t done_ = 0;
  const char* head_ = nullptr;
  std::size_t head_len_ = 0;
};

// Reads record number index (0-based) of a file of fixed-size records into dest. Returns
// false when the file or the record does not exist.
bool read_record_at(const fs::path& path, std::size_t record_size, std::size_t index, char* dest);

// A UTF-8 text (a command-line argument, an environment variable) as a path, on Windows too.
fs::path utf8_path(std::string_view utf8);

// Shift-JIS text naming a path for messages.
std::string path_text(const fs::path& path);
// The path a Shift-JIS text names (a folder kept in the settings file): path_text reversed.
fs::path text_path(std::string_view sjis);

}  // namespace rv
