#include "support/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <system_error>

#include "support/environment.h"
#include "support/folder_index.h"
#include "support/text.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace rv {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File open(const fs::path& path, const char* mode) {
#ifdef _WIN32
  std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
  return File(_wfopen(path.c_str(), wmode.c_str()));
#else
  return File(std::fopen(path.c_str(), mode));
#endif
}

}  // namespace

std::string error_cause(int error) {
  switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return sj("（ディスクの空き容量が足りません）");
    case EACCES:
    case EPERM:
      return sj("（アクセスが許可されていません）");
    case EROFS:
      return sj("（読み取り専用の場所です）");
    case ENOENT:
    case ENOTDIR:
      return sj("（フォルダがありません）");
    case EISDIR:
      return sj("（同じ名前のフォルダがあります）");
    case EIO:
      return sj("（ディスクの読み書きに失敗しました）");
    default:
      return {};
  }
}

namespace {

// The message names the file and, where the system said why, the cause. Capture errno at
// the failing call: cleaning up afterwards may change it.
[[noreturn]] void fail(const char* what, const fs::path& path, int error = errno) {
#ifdef _WIN32
  // Windows refuses to open a folder as a file with "access denied": say what is there.
  std::error_code ec;
  if (error == EACCES && fs::is_directory(path, ec)) error = EISDIR;
#endif
  throw FileError(path_text(path) + sj(what) + error_cause(error));
}

std::atomic<int> flush_off_scopes{0};

// The bytes written reach the disk before the file takes its name, and the name before the
// caller goes on: a power cut leaves the old file or the new one, never an empty one.
bool flush_to_disk(std::FILE* f) {
  if (std::fflush(f) != 0) return false;
  if (flush_off_scopes.load() > 0) return true;
#ifdef _WIN32
  return _commit(_fileno(f)) == 0;
#else
  return fsync(fileno(f)) == 0;
#endif
}

bool seek_to(std::FILE* f, std::size_t record_size, std::size_t index) {
  const auto offset = static_cast<long long>(record_size) * static_cast<long long>(index);
#ifdef _WIN32
  return _fseeki64(f, offset, SEEK_SET) == 0;
#else
  return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool seek_ahead(std::FILE* f, std::size_t bytes) {
#ifdef _WIN32
  return _fseeki64(f, static_cast<long long>(bytes), SEEK_CUR) == 0;
#else
  return fseeko(f, static_cast<off_t>(bytes), SEEK_CUR) == 0;
#endif
}

}  // namespace

fs::path utf8_path(std::string_view utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string path_text(const fs::path& path) {
  const auto u8 = path.u8string();
  return sj(std::string_view(reinterpret_cast<const char*>(u8.data()), u8.size()));
}

fs::path text_path(std::string_view sjis) {
  return utf8_path(to_utf8(sjis));
}

std::optional<std::string> read_file(const fs::path& path) {
  File f = open(path, "rb");
  if (!f) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return std::nullopt;
    fail(" を開けません。", path);
  }
  // One read of the size the file has; a file that grew meanwhile is read on to its end.
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  std::string data(ec ? 0 : static_cast<std::size_t>(size), '\0');
  std::size_t got = std::fread(data.data(), 1, data.size(), f.get());
  if (got == data.size()) {
    char buf[1 << 12];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) data.append(buf, n);
    got = data.size();
  }
  if (std::ferror(f.get())) fail(" を読み込めません。", path);
  data.resize(got);
  return data;
}

bool file_exists(const fs::path& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  for_each_line(text, [&lines](std::string_view l) { lines.emplace_back(l); });
  return lines;
}

std::vector<std::string> read_lines(const fs::path& path) {
  const auto data = read_file(path);
  if (!data) return {};
  return split_lines(*data);
}

namespace {

template <typename Lines>
void join_into(const Lines& lines, std::string& out) {
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  out.clear();
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
}

}  // namespace

std::string join_lines(const std::vector<std::string>& lines) {
  std::string out;
  join_into(lines, out);
  return out;
}

void join_lines(std::span<const std::string_view> lines, std::string& out) {
  join_into(lines, out);
}

DiskFlushOffScope::DiskFlushOffScope() {
  ++flush_off_scopes;
}

DiskFlushOffScope::~DiskFlushOffScope() {
  --flush_off_scopes;
}

void flush_folder(const fs::path& folder) {
  if (flush_off_scopes.load() > 0) return;
#ifndef _WIN32
  // Best effort: not every file system lets a folder be opened and synced.
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  ::close(fd);
#else
  (void)folder;
#endif
}

void write_file_atomic(const fs::path& path, std::string_view data, bool and_folder) {
  fs::path tmp = path;
  tmp += ".tmp" + std::to_string(process_id());
  {
    File f = open(tmp, "wb");
    if (!f) fail(" に書き込めません。", path);
    errno = 0;
    bool ok = std::fwrite(data.data(), 1, data.size(), f.get()) == data.size();
    ok = ok && flush_to_disk(f.get());
    const int write_error = errno;
    if (std::fclose(f.release()) != 0 || !ok) {
      const int error = write_error != 0 ? write_error : errno;
      std::error_code ec;
      fs::remove(tmp, ec);
      fail(" に書き込めません。", path, error);
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    const int error = ec.value();
    fs::remove(tmp, ec);
    fail(" に書き込めません。", path, error);
  }
  if (and_folder) flush_folder(path.parent_path());
  note_created(path);
}

namespace {

// The process id of a temporary file's name ("….tmp1234"), if it has one.
std::optional<long> temp_owner(const std::string& name) {
  const std::size_t at = name.rfind(".tmp");
  if (at == std::string::npos || at + 4 == name.size()) return std::nullopt;
  const std::string_view digits = std::string_view(name).substr(at + 4);
  if (!all_digits(digits) || digits.size() > 9) return std::nullopt;
  return std::stol(std::string(digits));
}

bool process_runs(long pid) {
#ifdef _WIN32
  return pid == process_id();  // another instance's writes are left alone
#else
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

std::size_t remove_stale_in(const fs::path& folder, int depth) {
  std::size_t removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::directory_entry& e = *it;
    std::error_code type_ec;
    if (e.is_directory(type_ec)) {
      if (depth > 0) removed += remove_stale_in(e.path(), depth - 1);
      continue;
    }
    const std::optional<long> owner = temp_owner(e.path().filename().string());
    if (!owner || process_runs(*owner)) continue;
    std::error_code remove_ec;
    if (fs::remove(e.path(), remove_ec)) ++removed;
  }
  return removed;
}

}  // namespace

std::size_t remove_stale_temp_files(const fs::path& folder) {
  return remove_stale_in(folder, 1);
}

std::size_t read_records(const fs::path& path, std::size_t record_size, char* dest,
                         std::size_t stride, std::size_t max_records) {
  return read_records(path, record_size, 0, dest, stride, max_records);
}

std::size_t read_records(const fs::path& path, std::size_t record_size, std::size_t first,
                         char* dest, std::size_t stride, std::size_t max_records) {
  File f = open(path, "rb");
  if (!f) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return 0;
    fail(" を開けません。", path);
  }
  if (first > 0 && !seek_to(f.get(), record_size, first)) return 0;
  std::size_t n = 0;
  while (n < max_records) {
    char* rec = dest + n * stride;
    if (std::fread(rec, 1, record_size, f.get()) != record_size) {
      std::fill(rec, rec + record_size, ' ');  // a truncated record must not look filled
      break;
    }
    ++n;
  }
  if (std::ferror(f.get())) fail(" を読み込めません。", path);
  return n;
}

bool read_record_at(const fs::path& path, std::size_t record_size, std::size_t index, char* dest) {
  File f = open(path, "rb");
  if (!f) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return false;
    fail(" を開けません。", path);
  }
  if (!seek_to(f.get(), record_size, index)) return false;
  return std::fread(dest, 1, record_size, f.get()) == record_size;
}

RecordScanner::RecordScanner(const fs::path& path, std::size_t record_size)
    : path_(path), size_(record_size) {
  File f = open(path, "rb");
  if (!f) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return;
    fail(" を開けません。", path);
  }
  std::error_code ec;
  const auto bytes = fs::file_size(path, ec);
  if (ec) fail(" を読み込めません。", path);
  count_ = record_size == 0 ? 0 : static_cast<std::size_t>(bytes) / record_size;
  file_ = f.release();
}

RecordScanner::~RecordScanner() {
  if (file_ != nullptr) std::fclose(file_);
}

bool RecordScanner::next(char* head, std::size_t head_len) {
  if (file_ == nullptr || done_ >= count_) return false;
  head_len = std::min(head_len, size_);
  if (std::fread(head, 1, head_len, file_) != head_len) {
    // The file shrank under us: whatever is left is no whole record.
    count_ = done_;
    return false;
  }
  head_ = head;
  head_len_ = head_len;
  ++done_;
  return true;
}

void RecordScanner::take(char* dest) {
  if (dest != head_) std::memmove(dest, head_, head_len_);
  const std::size_t rest = size_ - head_len_;
  if (std::fread(dest + head_len_, 1, rest, file_) != rest) {
    std::fill(dest, dest + size_, ' ');  // a torn record must not look filled
    count_ = done_;
    if (std::ferror(file_)) fail(" を読み込めません。", path_);
  }
  head_len_ = size_;
}

void RecordScanner::skip() {
  const std::size_t rest = size_ - head_len_;
  if (rest > 0 && !seek_ahead(file_, rest)) fail(" を読み込めません。", path_);
  head_len_ = size_;
}

}  // namespace rv
