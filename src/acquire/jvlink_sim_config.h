// jvlink.ini: how the JV-Link stand-in behaves beyond serving its feed folder. The file sits
// in the feed folder, is plain ASCII and is read once, when the stand-in is created.
//
//   ; comments start with ';' or '#'; section and key names ignore case
//   [download]
//   seconds=2.5          ; download time of each stored file not yet downloaded
//                        ; (default 0: every file is already local, downloadcount is 0)
//   [fail]
//   JVInit=-103          ; every call of the operation answers this code
//   JVRead.3=-502        ; only the 3rd call (counted from the stand-in's creation) answers it
//   JVStatus.2=-502
//   record.5=-403        ; JVRead answers this instead of handing out record 5 of a stream
//                        ; (counted over all files of one JVOpen/JVRTOpen, from 1)
//
// Operations: JVInit, JVSetUIProperties, JVOpen, JVRTOpen, JVStatus, JVRead, JVClose,
// JVCancel. An injected code replaces the call: the call does nothing else (no state
// change, out values zero or empty). A record fault fires once per stream; the record it
// held back comes with the next JVRead. A numbered call fault wins over an every-call one.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

struct JVLinkSimConfig {
  std::chrono::milliseconds download_per_file{0};
  // Upper-case operation name -> call number (0 = every call) -> result code.
  std::map<std::string, std::map<long long, int>, std::less<>> call_faults;
  // Record number within a stream (from 1) -> result code.
  std::map<long long, int> record_faults;
  // Lines that were not understood, for a warning; they change nothing.
  std::vector<std::string> problems;

  // The injected result of call number `call` (from 1) of an operation, if any.
  [[nodiscard]] std::optional<int> call_fault(std::string_view operation, long long call) const;
};

JVLinkSimConfig parse_jvlink_sim_config(std::string_view text);
// Defaults when the file does not exist or cannot be read (noted in problems).
JVLinkSimConfig read_jvlink_sim_config(const std::filesystem::path& ini);

}  // namespace rv
