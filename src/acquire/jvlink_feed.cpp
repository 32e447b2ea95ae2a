#include "acquire/jvlink_feed.h"

#include <algorithm>
#include <system_error>

#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

constexpr long long kWeekSeconds = 7LL * 86400;

bool valid_stamp(std::string_view s) {
  return s.size() == 14 && parse_dt(s).valid();
}

bool has_feed_extension(const fs::path& p) {
  return iequals_ascii(p.extension().string(), ".jvd");
}

}  // namespace

std::vector<FeedFile> list_stored_files(const fs::path& feed) {
  std::vector<FeedFile> files;
  std::error_code ec;
  const fs::path dir = resolve_below(feed, "RACE");
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || !has_feed_extension(it->path())) continue;
    std::string name = it->path().filename().string();
    const std::string_view stamp = std::string_view(name).substr(0, 14);
    if (name.size() < 15 || name[14] != '_' || !valid_stamp(stamp)) continue;
    files.push_back(FeedFile{it->path(), name, std::string(stamp)});
  }
  std::sort(files.begin(), files.end(), [](const FeedFile& a, const FeedFile& b) {
    return a.stamp != b.stamp ? a.stamp < b.stamp : a.name < b.name;
  });
  return files;
}

std::vector<FeedFile> select_stored_files(const std::vector<FeedFile>& all, std::string_view from,
                                          bool this_week) {
  long long week_start = 0;
  if (this_week && !all.empty()) {
    week_start = parse_dt(all.back().stamp).to_seconds() - kWeekSeconds;
  }
  std::vector<FeedFile> chosen;
  for (const FeedFile& f : all) {
    if (f.stamp <= from) continue;  // both are 14 digits, so text order is time order
    if (this_week && parse_dt(f.stamp).to_seconds() <= week_start) continue;
    chosen.push_back(f);
  }
  return chosen;
}

std::optional<FeedFile> find_realtime_file(const fs::path& feed, std::string_view dataspec,
                                           std::string_view key) {
  const fs::path file =
      resolve_below(feed, std::string(dataspec) + "\\" + std::string(key) + ".jvd");
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return std::nullopt;
  return FeedFile{file, file.filename().string(), {}};
}

bool read_feed_lines(const fs::path& file, FeedLines& lines) {
  lines.records.clear();
  std::optional<std::string> text = read_file(file);
  if (!text) {
    lines.text.clear();
    return false;
  }
  lines.text = std::move(*text);
  for_each_line(lines.text, [&lines](std::string_view line) {
    if (!line.empty()) lines.records.push_back(line);
  });
  return true;
}

std::optional<std::vector<std::string>> read_feed_records(const fs::path& file) {
  FeedLines lines;
  if (!read_feed_lines(file, lines)) return std::nullopt;
  std::vector<std::string> records;
  records.reserve(lines.records.size());
  for (const std::string_view line : lines.records) {
    std::string& r = records.emplace_back();
    r.reserve(line.size() + 2);
    r.append(line).append("\r\n");
  }
  return records;
}

}  // namespace rv
