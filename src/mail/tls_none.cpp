// A build without OpenSSL (Debian has none for mingw): plain SMTP works, a TLS connection is
// refused with its reason, never made without the checks.
#include "mail/tls.h"

namespace rv::mail {

struct TlsSession::Impl {};

TlsSession::TlsSession() : impl_(std::make_unique<Impl>()) {}

TlsSession::~TlsSession() = default;

bool TlsSession::handshake(SocketHandle /*socket*/, const std::string& /*host*/,
                           std::string& reason) {
  reason = "this build has no TLS";
  return false;
}

bool TlsSession::send(std::string_view /*bytes*/) {
  return false;
}

std::string TlsSession::receive(std::size_t /*max*/) {
  return {};
}

}  // namespace rv::mail
