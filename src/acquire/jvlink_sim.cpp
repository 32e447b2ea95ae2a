#include "acquire/jvlink_sim.h"

#include <algorithm>
#include <array>
#include <iostream>

#include "acquire/day_store.h"
#include "acquire/jvlink_realtime.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/error_log.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// Stored-data ids the control knows, and those with a this-week (option 2) kind.
constexpr std::array<std::string_view, 18> kStoredIds{
    "TOKU", "RACE", "DIFF", "BLOD", "SNAP", "SLOP", "WOOD", "YSCH", "HOSE",
    "HOYU", "COMM", "MING", "TCOV", "RCOV", "DIFN", "BLDN", "SNPN", "HOSN"};
constexpr std::array<std::string_view, 5> kThisWeekIds{"TOKU", "RACE", "TCOV", "RCOV", "SNAP"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& ids, std::string_view id) {
  for (const auto known : ids) {
    if (known == id) return true;
  }
  return false;
}

// The four-letter ids of a dataspec such as "RACEDIFF"; empty when it is not a run of ids.
std::vector<std::string_view> dataspec_ids(std::string_view dataspec) {
  std::vector<std::string_view> ids;
  if (dataspec.size() % 4 != 0) return ids;
  for (std::size_t i = 0; i < dataspec.size(); i += 4) ids.push_back(dataspec.substr(i, 4));
  return ids;
}

bool valid_date(std::string_view yyyymmdd) {
  return yyyymmdd.size() == 8 && all_digits(yyyymmdd) &&
         parse_dt(std::string(yyyymmdd) + "000000").valid();
}

// The key length of each real-time dataspec the stand-in serves; 0 for others.
std::size_t realtime_key_length(std::string_view dataspec) {
  if (dataspec == "0B30") return 16;
  if (dataspec == "0B12" || dataspec == "0B13" || dataspec == "0B14") return 8;
  return 0;
}

milliseconds steady_now() {
  return std::chrono::duration_cast<milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

JVLinkSim::JVLinkSim(fs::path feed, MonotonicClock clock)
    : feed_(std::move(feed)),
      clock_(clock ? std::move(clock) : MonotonicClock(steady_now)),
      config_(read_jvlink_sim_config(resolve_below(feed_, "jvlink.ini"))) {
  for (const std::string& p : config_.problems) {
    std::cerr << "jvlink.ini: not understood, ignored: " << to_utf8(p) << '\n';
  }
}

std::optional<int> JVLinkSim::injected(std::string_view operation) {
  const auto it = calls_.try_emplace(std::string(operation), 0).first;
  return config_.call_fault(operation, ++it->second);
}

int JVLinkSim::JVInit(std::string_view sid) {
  if (const auto code = injected("JVInit")) return *code;
  close_stream();
  int result = 0;
  if (sid.empty()) {
    result = -101;
  } else if (sid.size() >= 64) {
    result = -102;
  } else if (sid.front() == ' ') {
    result = -103;
  }
  initialised_ = result == 0;
  return result;
}

int JVLinkSim::JVSetUIProperties() {
  return injected("JVSetUIProperties").value_or(0);
}

int JVLinkSim::JVOpen(std::string_view dataspec, std::string_view fromtime, int option,
                      int& readcount, int& downloadcount, std::string& lastfiletimestamp) {
  readcount = 0;
  downloadcount = 0;
  lastfiletimestamp.clear();
  if (const auto code = injected("JVOpen")) return *code;
  if (!initialised_) return -201;
  if (stream_ != Stream::None) return -202;
  const auto ids = dataspec_ids(dataspec);
  bool has_race = false;
  bool has_week_data = true;
  for (const auto id : ids) {
    if (!listed(kStoredIds, id)) return -111;
    has_race = has_race || id == "RACE";
    has_week_data = has_week_data && listed(kThisWeekIds, id);
  }
  if (ids.empty()) return -111;
  if (fromtime.size() != 14 || !parse_dt(fromtime).valid()) return -112;
  if (option < 1 || option > 4) return -115;
  if (option == 2 && !has_week_data) return -116;

  std::vector<StreamFile> files;
  if (has_race) {
    for (FeedFile& f : select_stored_files(list_stored_files(feed_), fromtime, option == 2)) {
      files.push_back(StreamFile{std::move(f), -1});
    }
  }
  if (files.empty()) return -1;

  for (StreamFile& f : files) {
    if (config_.download_per_file.count() > 0 && !downloaded_.contains(f.file.name)) {
      f.download_slot = downloadcount++;
    }
  }
  readcount = static_cast<int>(files.size());
  lastfiletimestamp = files.back().file.stamp;
  open_stream(Stream::Stored, std::move(files));
  return 0;
}

int JVLinkSim::JVRTOpen(std::string_view dataspec, std::string_view key) {
  if (const auto code = injected("JVRTOpen")) return *code;
  if (!initialised_) return -201;
  if (stream_ != Stream::None) return -202;
  const std::size_t key_length = realtime_key_length(dataspec);
  if (key_length == 0) return -111;
  if (key.size() != key_length || !all_digits(key) || !valid_date(key.substr(0, 8))) return -114;
  auto file = find_realtime_file(feed_, dataspec, key);
  if (!file) return -1;
  open_stream(Stream::Realtime, {StreamFile{std::move(*file), -1}});
  realtime_spec_ = dataspec;
  realtime_key_ = key;
  realtime_at_ = app_clock().now();
  // A file that cannot be read fails at JVRead, as a stored one does.
  const int rc = load(files_.front());
  if (rc == -503 || (rc == 0 && records_.records.empty())) {
    close_stream();
    return -1;
  }
  return 0;
}

int JVLinkSim::downloads_done() {
  if (download_total_ == 0) return 0;
  const milliseconds elapsed = clock_() - download_start_;
  const auto done = std::clamp<long long>(elapsed / config_.download_per_file, 0, download_total_);
  for (const StreamFile& f : files_) {
    if (f.download_slot >= 0 && f.download_slot < done) downloaded_.insert(f.file.name);
  }
  return static_cast<int>(done);
}

int JVLinkSim::JVStatus() {
  if (const auto code = injected("JVStatus")) return *code;
  if (!initialised_) return -201;
  if (stream_ != Stream::Stored) return -203;
  return downloads_done();
}

int JVLinkSim::JVRead(std::string& buff, int& size, std::string& filename) {
  buff.clear();
  size = 0;
  if (const auto code = injected("JVRead")) return *code;
  if (!initialised_) return -201;
  if (stream_ == Stream::None) return -203;
  return read_next(buff, size, filename);
}

int JVLinkSim::read_next(std::string& buff, int& size, std::string& filename) {
  if (current_ >= files_.size()) return 0;
  const StreamFile& f = files_[current_];
  if (!loaded_) {
    if (f.download_slot >= downloads_done()) return -3;
    if (const int rc = load(f); rc != 0) return rc;
  }
  if (next_record_ < records_.records.size()) {
    const long long number = records_served_ + 1;
    if (const auto it = config_.record_faults.find(number);
        it != config_.record_faults.end() && record_faults_fired_.insert(number).second) {
      return it->second;
    }
    // Into the caller's buffer, which keeps its size from record to record.
    const std::string_view line = records_.records[next_record_++];
    buff.reserve(line.size() + 2);
    buff.assign(line).append("\r\n");
    size = static_cast<int>(buff.size());
    filename = f.file.name;
    records_served_ = number;
    return size;
  }
  loaded_ = false;
  records_.records.clear();
  ++current_;
  return stream_ == Stream::Stored ? -1 : 0;
}

int JVLinkSim::load(const StreamFile& f) {
  try {
    if (!read_feed_lines(f.file.path, records_)) return -503;
  } catch (const FileError&) {
    return -403;
  }
  if (stream_ == Stream::Realtime) {
    RealtimeRelease out =
        release_realtime(realtime_spec_, realtime_key_, records_.records, realtime_at_);
    for (const DamagedRecord& d : out.damaged) {
      AppendErrorLog(SJ("JV-Link: 壊れたレコードを飛ばしました（") + realtime_spec_ + "\\" +
                     f.file.name + " " + d.why + SJ("）：") + RecordHeadForLog(d.record));
    }
    records_.records = std::move(out.records);
  }
  loaded_ = true;
  next_record_ = 0;
  return 0;
}

int JVLinkSim::JVClose() {
  if (const auto code = injected("JVClose")) return *code;
  close_stream();
  return 0;
}

int JVLinkSim::JVCancel() {
  if (const auto code = injected("JVCancel")) return *code;
  if (stream_ == Stream::Stored) downloads_done();  // what finished stays downloaded
  close_stream();
  return 0;
}

void JVLinkSim::open_stream(Stream kind, std::vector<StreamFile> files) {
  close_stream();
  stream_ = kind;
  files_ = std::move(files);
  download_total_ = 0;
  for (const StreamFile& f : files_) download_total_ += f.download_slot >= 0 ? 1 : 0;
  download_start_ = clock_();
}

void JVLinkSim::close_stream() {
  stream_ = Stream::None;
  files_.clear();
  download_total_ = 0;
  current_ = 0;
  loaded_ = false;
  records_ = FeedLines{};
  next_record_ = 0;
  records_served_ = 0;
  record_faults_fired_.clear();
}

}  // namespace rv
