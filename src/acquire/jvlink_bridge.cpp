#include "acquire/jvlink_bridge.h"

#include <utility>

#include "support/error_log.h"
#include "support/text.h"

namespace rv {

namespace {
constexpr int kJVNotInitialised = -201;
// Reads asked of the helper at once: a day's odds records then cross the pipe in a few trips.
constexpr int kReadAhead = 64;
}  // namespace

JVLinkBridge::JVLinkBridge(std::vector<std::string> helper, std::chrono::milliseconds limit)
    : helper_(std::move(helper)), limit_(limit) {}

void JVLinkBridge::lost(const char* operation) {
  child_.kill();
  started_ = false;
  lost_ = true;
  AppendErrorLog(fmt("%s：JV-Linkの補助プロセス（ravelin-jvlink）が応答しません(%d)", operation,
                     kJVInternalError));
}

std::optional<std::string> JVLinkBridge::call(const char* operation, const FrameOut& request,
                                              bool limited) {
  std::string reply;
  child_.set_deadline(limited ? limit_ : std::chrono::milliseconds(0));
  const bool ok =
      child_.write_all(request.frame()) &&
      read_frame([this](char* b, std::size_t n) { return child_.read_exact(b, n); }, reply) &&
      reply.size() >= 4;
  child_.set_deadline(std::chrono::milliseconds(0));
  if (!ok) {
    lost(operation);
    return std::nullopt;
  }
  return reply;
}

bool JVLinkBridge::ensure_helper(const char* operation) {
  if (started_ && child_.running()) return true;
  started_ = child_.start(helper_);
  lost_ = false;
  if (!started_) {
    lost(operation);
    return false;
  }
  if (!sid_) return true;
  // A fresh control knows nothing of the JVInit the program made at start-up.
  const auto reply = call(operation, FrameOut().i32(int(JVOp::Init)).bytes(*sid_), true);
  int r = kJVInternalError;
  if (reply) FrameIn(*reply).i32(r);
  return reply.has_value() && r == 0;
}

int JVLinkBridge::simple(const char* operation, JVOp op, bool limited) {
  const auto reply = call(operation, FrameOut().i32(int(op)), limited);
  int r = kJVInternalError;
  if (reply) FrameIn(*reply).i32(r);
  return r;
}

int JVLinkBridge::JVInit(std::string_view sid) {
  ahead_.clear();
  sid_.reset();
  if (!ensure_helper("JVInit")) return kJVInternalError;
  const auto reply = call("JVInit", FrameOut().i32(int(JVOp::Init)).bytes(sid), true);
  int r = kJVInternalError;
  if (reply) FrameIn(*reply).i32(r);
  if (r == 0) sid_ = std::string(sid);
  return r;
}

int JVLinkBridge::JVSetUIProperties() {
  if (!ensure_helper("JVSetUIProperties")) return kJVInternalError;
  return simple("JVSetUIProperties", JVOp::SetUIProperties, false);
}

int JVLinkBridge::JVOpen(std::string_view dataspec, std::string_view fromtime, int option,
                         int& readcount, int& downloadcount, std::string& lastfiletimestamp) {
  readcount = downloadcount = 0;
  lastfiletimestamp.clear();
  ahead_.clear();
  if (!ensure_helper("JVOpen")) return kJVInternalError;
  const auto reply = call(
      "JVOpen", FrameOut().i32(int(JVOp::Open)).bytes(dataspec).bytes(fromtime).i32(option), false);
  if (!reply) return kJVInternalError;
  FrameIn in(*reply);
  int r = kJVInternalError;
  in.i32(r);
  in.i32(readcount);
  in.i32(downloadcount);
  in.bytes(lastfiletimestamp);
  return r;
}

int JVLinkBridge::JVRTOpen(std::string_view dataspec, std::string_view key) {
  ahead_.clear();
  if (!ensure_helper("JVRTOpen")) return kJVInternalError;
  const auto reply =
      call("JVRTOpen", FrameOut().i32(int(JVOp::RTOpen)).bytes(dataspec).bytes(key), true);
  int r = kJVInternalError;
  if (reply) FrameIn(*reply).i32(r);
  return r;
}

int JVLinkBridge::JVStatus() {
  if (!started_) return lost_ ? kJVInternalError : kJVNotInitialised;
  return simple("JVStatus", JVOp::Status, true);
}

int JVLinkBridge::JVRead(std::string& buff, int& size, std::string& filename) {
  buff.clear();
  filename.clear();
  if (ahead_.empty()) {
    if (!started_) return lost_ ? kJVInternalError : kJVNotInitialised;
    const auto reply =
        call("JVRead", FrameOut().i32(int(JVOp::Read)).i32(size).i32(kReadAhead), true);
    if (!reply) return kJVInternalError;
    FrameIn in(*reply);
    int count = 0;
    in.i32(count);
    for (int i = 0; i < count; ++i) {
      Read r;
      if (!in.i32(r.result) || !in.bytes(r.buff) || !in.i32(r.size) || !in.bytes(r.filename)) {
        break;
      }
      ahead_.push_back(std::move(r));
    }
    if (ahead_.empty()) {  // a reply out of step with the protocol
      lost("JVRead");
      return kJVInternalError;
    }
  }
  Read& next = ahead_.front();
  buff = std::move(next.buff);
  size = next.size;
  filename = std::move(next.filename);
  const int result = next.result;
  ahead_.pop_front();
  return result;
}

int JVLinkBridge::JVClose() {
  ahead_.clear();
  if (!started_) return 0;  // the control that held the stream is gone, and the stream with it
  return simple("JVClose", JVOp::Close, true);
}

int JVLinkBridge::JVCancel() {
  ahead_.clear();
  if (!started_) return 0;
  return simple("JVCancel", JVOp::Cancel, true);
}

}  // namespace rv
