// The operating system's TCP sockets, as the mail dialogue needs them. This is the one place
// that knows the platform's socket calls: POSIX in socket_posix.cpp; a Windows build gives
// the same declarations a WinSock implementation.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace rv::mail {

using SocketHandle = std::intptr_t;
inline constexpr SocketHandle kNoSocket = -1;

// Lets another thread end what the owner of a socket waits for: after abort(), every send and
// receive on the socket given to it (before or after) fails at once. The handle is never
// closed here, and a closed socket is taken back first, so no reused handle is hit.
class SocketAbort {
 public:
  void abort();
  [[nodiscard]] bool aborted() const;

 private:
  friend class TcpSocket;
  void attach(SocketHandle handle);
  void detach();
  mutable std::mutex mutex_;
  SocketHandle handle_ = kNoSocket;
  bool aborted_ = false;
};

class TcpSocket {
 public:
  explicit TcpSocket(SocketAbort* abort = nullptr) : abort_(abort) {}
  ~TcpSocket() { close(); }
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  // Connects to host:port. The host is read as a dotted IPv4 address first, else looked up
  // by name and its first address taken. The connect, and later every send and receive,
  // gives up after `timeout`. False, with the socket closed, on any failure.
  bool connect(const std::string& host, int port, std::chrono::milliseconds timeout);

  // Sends every byte; false on failure (a peer that went away raises no signal).
  bool send(std::string_view bytes);
  // One receive of at most `max` bytes; empty on failure, a closed peer or a timeout.
  std::string receive(std::size_t max);
  void close();
  [[nodiscard]] bool is_open() const { return handle_ != kNoSocket; }
  [[nodiscard]] SocketHandle handle() const { return handle_; }

 private:
  SocketAbort* abort_;
  SocketHandle handle_ = kNoSocket;
};

// Makes every blocked or later send and receive on the socket fail at once, from any thread.
void abort_socket(SocketHandle handle);

// The local computer's host name, for HELO / EHLO.
std::string local_host_name();

}  // namespace rv::mail
