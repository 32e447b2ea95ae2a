// The stand-in's feed folder:
//   RACE/<yyyymmddhhnnss>_<name>.jvd   stored data, the name's stamp being the file's time stamp
//   0B30/<race key, 16 digits>.jvd     real-time odds of one race
//   0B12/<yyyymmdd>.jvd                real-time results of a day
//   0B13/<yyyymmdd>.jvd                data-mining predictions of a day
//   0B14/<yyyymmdd>.jvd                change announcements of a day
// Every file holds one record per line (Shift-JIS, CR LF). Folder and file names are matched
// without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

struct FeedFile {
  std::filesystem::path path;
  std::string name;   // file name as JVRead reports it
  std::string stamp;  // yyyymmddhhnnss; empty for real-time files
};

// The stored files of the feed, oldest stamp first (equal stamps by name). Files whose
// names do not carry a valid stamp are not data and are left out.
std::vector<FeedFile> list_stored_files(const std::filesystem::path& feed);

// The files to serve for a from-time: stamped strictly later than `from`. With this_week,
// only files of the newest meeting week: stamped less than seven days before the newest
// file of the whole feed.
std::vector<FeedFile> select_stored_files(const std::vector<FeedFile>& all, std::string_view from,
                                          bool this_week);

// The real-time file of a dataspec and key; nullopt when the feed has none.
std::optional<FeedFile> find_realtime_file(const std::filesystem::path& feed,
                                           std::string_view dataspec, std::string_view key);

// The records of a feed file read in one piece: each record a view into text, without its
// line break; blank lines are not records. Filled in place (the views point into text).
struct FeedLines {
  std::string text;
  std::vector<std::string_view> records;
};

// Replaces lines with the file's records; false when the file is gone. Throws FileError when
// it cannot be read.
bool read_feed_lines(const std::filesystem::path& file, FeedLines& lines);

// The records of a feed file, each ending in CR LF (also a last line that lacked it); blank
// lines are not records. Throws FileError when the file cannot be read; nullopt when it is
// gone.
std::optional<std::vector<std::string>> read_feed_records(const std::filesystem::path& file);

}  // namespace rv
