#include "mail/socket.h"

namespace rv::mail {

void SocketAbort::abort() {
  const std::lock_guard<std::mutex> lock(mutex_);
  aborted_ = true;
  if (handle_ != kNoSocket) abort_socket(handle_);
}

bool SocketAbort::aborted() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return aborted_;
}

void SocketAbort::attach(SocketHandle handle) {
  const std::lock_guard<std::mutex> lock(mutex_);
  handle_ = handle;
  if (aborted_) abort_socket(handle_);
}

void SocketAbort::detach() {
  const std::lock_guard<std::mutex> lock(mutex_);
  handle_ = kNoSocket;
}

}  // namespace rv::mail
