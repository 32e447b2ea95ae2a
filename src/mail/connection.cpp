#include "mail/connection.h"

namespace rv::mail {

bool TSocketHelper::StartTls(const std::string& host, std::string& reason) {
  if (!Connected()) {
    reason = "connection closed";
    return false;
  }
  auto tls = std::make_unique<TlsSession>();
  if (!tls->handshake(socket_.handle(), host, reason)) {
    Close();
    return false;
  }
  tls_ = std::move(tls);
  return true;
}

bool TSocketHelper::Send(std::string_view bytes) {
  if (!Connected()) return false;
  const bool sent = tls_ ? tls_->send(bytes) : socket_.send(bytes);
  if (!sent) Close();
  return sent;
}

std::string TSocketHelper::Receive() {
  if (!Connected()) return {};
  constexpr std::size_t kMax = 512;
  std::string got = tls_ ? tls_->receive(kMax) : socket_.receive(kMax);
  if (got.empty()) Close();
  return got;
}

void TSocketHelper::Close() {
  tls_.reset();
  socket_.close();
}

}  // namespace rv::mail
