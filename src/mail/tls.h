// TLS over a connected socket with OpenSSL, as a mail client: the server's certificate must
// chain to a certificate of OpenSSL's default verify paths (the system's trust store, or
// what SSL_CERT_FILE / SSL_CERT_DIR name) and be issued for the host the user gave, an IP
// literal being checked as an IP address. There is no way to switch the checks off.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "mail/socket.h"

namespace rv::mail {

class TlsSession {
 public:
  TlsSession();
  ~TlsSession();
  TlsSession(const TlsSession&) = delete;
  TlsSession& operator=(const TlsSession&) = delete;

  // The client handshake on `socket` for `host`. False, with the reason in `reason`, when
  // the handshake or a check fails.
  bool handshake(SocketHandle socket, const std::string& host, std::string& reason);
  bool send(std::string_view bytes);
  // One read of at most `max` bytes; empty on failure, a closed peer or a timeout.
  std::string receive(std::size_t max);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace rv::mail
