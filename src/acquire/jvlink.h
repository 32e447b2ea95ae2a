// The JV-Link boundary. On Windows an implementation drives the real control; everywhere
// else JVLinkSim serves a feed folder with the same state machine and result codes.
// Records come back as Shift-JIS bytes ending in CR LF.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace rv {

class JVLink {
 public:
  virtual ~JVLink() = default;

  virtual int JVInit(std::string_view sid) = 0;
  // Opens the control's own settings dialog.
  virtual int JVSetUIProperties() = 0;
  // dataspec "RACE", fromtime "yyyymmddhhnnss", option 1 (normal) or 2 (this week).
  virtual int JVOpen(std::string_view dataspec, std::string_view fromtime, int option,
                     int& readcount, int& downloadcount, std::string& lastfiletimestamp) = 0;
  // "0B30" + race key, or "0B12"/"0B13"/"0B14" + "yyyymmdd".
  virtual int JVRTOpen(std::string_view dataspec, std::string_view key) = 0;
  virtual int JVStatus() = 0;
  // > 0: one record in buff (its size in size); 0: end; -1: file switch; -3: downloading.
  virtual int JVRead(std::string& buff, int& size, std::string& filename) = 0;
  virtual int JVClose() = 0;
  virtual int JVCancel() = 0;
};

}  // namespace rv
