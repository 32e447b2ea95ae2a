// JVLinkBridge: the JVLink that drives the control in ravelin-jvlink, a 32-bit helper process
// (the control is a 32-bit in-process COM object; the window is 64-bit). Requests and
// replies travel in the frames of acquire/jvlink_protocol.h; result codes pass unchanged.
//
// The control is outside this program's hands: when the helper ends, cannot be started or
// gives no reply within the time limit, the call answers -401 (the control's internal
// error) and leaves a line in the error log, the helper is ended, and JVRead and JVStatus
// answer -401 until the next JVInit, JVOpen, JVRTOpen or JVSetUIProperties starts a fresh
// one (JVInit replayed with the last sid that succeeded). Records the helper had read before
// it failed still arrive first: they came from the control.
#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "acquire/jvlink.h"
#include "acquire/jvlink_protocol.h"
#include "support/child_process.h"

namespace rv {

inline constexpr int kJVInternalError = -401;

class JVLinkBridge final : public JVLink {
 public:
  // helper: the command that starts ravelin-jvlink, e.g. {"wine", "ravelin-jvlink.exe"}.
  // JVSetUIProperties and JVOpen have no time limit: the control may show its dialogs there.
  explicit JVLinkBridge(std::vector<std::string> helper,
                        std::chrono::milliseconds limit = std::chrono::seconds(60));

  int JVInit(std::string_view sid) override;
  int JVSetUIProperties() override;
  int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
             int& downloadcount, std::string& lastfiletimestamp) override;
  int JVRTOpen(std::string_view dataspec, std::string_view key) override;
  int JVStatus() override;
  int JVRead(std::string& buff, int& size, std::string& filename) override;
  int JVClose() override;
  int JVCancel() override;

 private:
  // A running helper, started (and initialised) when needed; false: -401 already logged.
  bool ensure_helper(const char* operation);
  // The reply's payload, result code first; nullopt when the helper failed (ended, logged).
  std::optional<std::string> call(const char* operation, const FrameOut& request, bool limited);
  // call() for an operation whose reply is the result code alone.
  int simple(const char* operation, JVOp op, bool limited);
  void lost(const char* operation);

  std::vector<std::string> helper_;
  std::chrono::milliseconds limit_;
  ChildProcess child_;
  bool started_ = false;
  bool lost_ = false;  // the helper failed since the last start
  std::optional<std::string> sid_;

  // What the helper read ahead and the program has not yet taken.
  struct Read {
    int result = 0;
    std::string buff;
    int size = 0;
    std::string filename;
  };
  std::deque<Read> ahead_;
};

}  // namespace rv
