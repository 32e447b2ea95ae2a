// TSocketHelper: the connection of one mail dialogue, plain or secured by TLS, and whether it
// is still open. Any failed send or receive closes it, so the dialogue's end step can tell a
// dropped connection from a refused command.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "mail/socket.h"
#include "mail/tls.h"

namespace rv::mail {

class TSocketHelper {
 public:
  // Receives and sends fail after `timeout`; `abort` (may be null) ends them from another
  // thread.
  TSocketHelper(SocketAbort* abort, std::chrono::milliseconds timeout)
      : socket_(abort), timeout_(timeout) {}

  bool Connect(const std::string& host, int port) { return socket_.connect(host, port, timeout_); }
  // Secures the open connection for `host`; on failure the connection is closed and
  // `reason` says why.
  bool StartTls(const std::string& host, std::string& reason);
  bool Send(std::string_view bytes);
  // One receive of at most 512 bytes; empty when nothing came, the connection then closed.
  std::string Receive();
  [[nodiscard]] bool Connected() const { return socket_.is_open(); }
  void Close();

 private:
  TcpSocket socket_;
  std::unique_ptr<TlsSession> tls_;
  std::chrono::milliseconds timeout_;
};

}  // namespace rv::mail
