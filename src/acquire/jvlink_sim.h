// JVLinkSim: the JV-Link stand-in. It serves a feed folder (acquire/jvlink_feed.h) with the
// control's state machine and result codes, and reads jvlink.ini from that folder
// (acquire/jvlink_sim_config.h) for a simulated download time and injected failures.
//
// The state machine:
// - JVOpen, JVRTOpen, JVStatus and JVRead answer -201 until JVInit succeeded. JVInit checks
//   the sid: -101 empty, -102 64 bytes or more, -103 a space first. A JVInit drops any open
//   stream; a failing one leaves the control uninitialised.
// - JVOpen and JVRTOpen answer -202 while a stream is open; JVStatus and JVRead answer -203
//   while none is (JVStatus also after JVRTOpen, which has no download).
// - JVOpen(dataspec, fromtime, option): dataspec a run of known four-letter ids (-111),
//   fromtime 14 digits forming a date and time (-112), option 1 to 4 (-115; 3 and 4, the
//   set-up kinds, serve like 1), option 2 only with ids that have this-week data (-116).
//   It serves the RACE files stamped strictly later than fromtime, oldest first; option 2
//   only those of the newest week (see select_stored_files). -1 when none: nothing is open.
// - Download: a served file not downloaded before by this stand-in takes the configured
//   time, files one after another from JVOpen on. JVStatus answers the files done so far;
//   JVRead answers -3 while the next file is not done.
// - JVRead: a record (> 0, its byte count, CR LF included), -1 after the last record of
//   each stored file (so N files give N times -1), 0 at the end. A real-time stream is one
//   file and ends in 0 without -1. -503 when a file vanished, -403 when it cannot be read.
//   The size passed in is no limit: a record always comes whole.
// - JVCancel stops the download and ends the stream: later JVStatus and JVRead answer -203,
//   never 0, so a cancelled read cannot pass for a complete one; a new open needs no
//   JVClose. Files whose download finished stay downloaded.
// - JVRTOpen: "0B30" + 16-digit race key, "0B12"/"0B13"/"0B14" + yyyymmdd; -111 for another
//   dataspec, -114 for a malformed key, -1 when the feed has no file for the key or nothing
//   of it is out yet. What is out follows app_clock() at the open (acquire/jvlink_realtime.h):
//   the latest odds announcement, the results of the races run ten minutes ago, the
//   announcements made so far, every prediction. A damaged record is skipped and leaves a
//   line in the error log, as the download does with one it cannot store.
// - JVClose and JVCancel always succeed (0), also before JVInit; so does JVSetUIProperties.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "acquire/jvlink.h"
#include "acquire/jvlink_feed.h"
#include "acquire/jvlink_sim_config.h"
#include "support/clock.h"

namespace rv {

class JVLinkSim final : public JVLink {
 public:
  // Milliseconds on a clock that never goes back; tests pass one they move by hand.
  using MonotonicClock = std::function<std::chrono::milliseconds()>;

  // Reads feed/jvlink.ini once; its problems go to standard error and config_problems().
  explicit JVLinkSim(std::filesystem::path feed, MonotonicClock clock = {});

  int JVInit(std::string_view sid) override;
  int JVSetUIProperties() override;
  int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
             int& downloadcount, std::string& lastfiletimestamp) override;
  int JVRTOpen(std::string_view dataspec, std::string_view key) override;
  int JVStatus() override;
  int JVRead(std::string& buff, int& size, std::string& filename) override;
  int JVClose() override;
  int JVCancel() override;

  [[nodiscard]] const std::vector<std::string>& config_problems() const { return config_.problems; }

 private:
  enum class Stream { None, Stored, Realtime };

  struct StreamFile {
    FeedFile file;
    int download_slot = -1;  // place in the download queue; -1 when already local
  };

  // The injected result of this call, counting it.
  std::optional<int> injected(std::string_view operation);
  int downloads_done();
  void open_stream(Stream kind, std::vector<StreamFile> files);
  void close_stream();
  int read_next(std::string& buff, int& size, std::string& filename);
  // The current file into records_; 0, or -503 when it is gone and -403 when it cannot be
  // read.
  int load(const StreamFile& f);

  std::filesystem::path feed_;
  MonotonicClock clock_;
  JVLinkSimConfig config_;
  std::map<std::string, long long, std::less<>> calls_;
  std::set<std::string> downloaded_;  // names of stored files already local

  bool initialised_ = false;
  Stream stream_ = Stream::None;
  std::vector<StreamFile> files_;
  int download_total_ = 0;
  std::chrono::milliseconds download_start_{0};
  std::size_t current_ = 0;  // file being read
  bool loaded_ = false;      // records_ hold the current file
  FeedLines records_;
  std::size_t next_record_ = 0;
  long long records_served_ = 0;  // over the whole stream
  std::set<long long> record_faults_fired_;
  // The real-time open: what it asked for, and the moment whose data it serves.
  std::string realtime_spec_;
  std::string realtime_key_;
  DateTime realtime_at_;
};

}  // namespace rv
