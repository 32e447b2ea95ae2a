#include "support/files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "support/folder_index.h"
#include "support/text.h"

#ifdef _WIN32
#include <process.h>
#define RV_GETPID _getpid
#else
#include <unistd.h>
#define RV_GETPID getpid
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

[[noreturn]] void fail(const char* what, const fs::path& path) {
  throw FileError(path_text(path) + sj(what));
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

std::string path_text(const fs::path& path) {
  const auto u8 = path.u8string();
  return sj(std::string_view(reinterpret_cast<const char*>(u8.data()), u8.size()));
}

fs::path text_path(std::string_view sjis) {
  const std::string u8 = to_utf8(sjis);
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(u8.data()), u8.size()));
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

void write_file_atomic(const fs::path& path, std::string_view data) {
  fs::path tmp = path;
  tmp += ".tmp" + std::to_string(RV_GETPID());
  {
    File f = open(tmp, "wb");
    if (!f) fail(" に書き込めません。", path);
    const bool ok = std::fwrite(data.data(), 1, data.size(), f.get()) == data.size();
    if (std::fclose(f.release()) != 0 || !ok) {
      std::error_code ec;
      fs::remove(tmp, ec);
      fail(" に書き込めません。", path);
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    fs::remove(tmp, ec);
    fail(" に書き込めません。", path);
  }
  note_created(path);
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
