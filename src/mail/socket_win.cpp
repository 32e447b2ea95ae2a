#include <winsock2.h>
#include <ws2tcpip.h>

#include <array>

#include "mail/socket.h"

namespace rv::mail {
namespace {

SOCKET sock_of(SocketHandle h) {
  return static_cast<SOCKET>(h);
}

// WinSock wants its start-up call once per process before the first socket.
bool winsock_ready() {
  static const bool ready = [] {
    WSADATA data{};
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return ready;
}

bool resolve(const std::string& host, in_addr& out) {
  if (inet_pton(AF_INET, host.c_str(), &out) == 1) return true;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
  out = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

bool set_blocking(SOCKET s, bool blocking) {
  u_long nonblocking = blocking ? 0 : 1;
  return ioctlsocket(s, FIONBIO, &nonblocking) == 0;
}

// Connects a non-blocking socket, waiting at most `timeout`.
bool connect_within(SOCKET s, const sockaddr_in& addr, std::chrono::milliseconds timeout) {
  if (!set_blocking(s, false)) return false;
  if (::connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    if (WSAGetLastError() != WSAEWOULDBLOCK) return false;
    WSAPOLLFD p{s, POLLOUT, 0};
    if (WSAPoll(&p, 1, static_cast<int>(timeout.count())) != 1) return false;
    int error = 0;
    int len = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &len) != 0 ||
        error != 0) {
      return false;
    }
  }
  return set_blocking(s, true);
}

bool set_timeouts(SOCKET s, std::chrono::milliseconds timeout) {
  const auto ms = static_cast<DWORD>(timeout.count());
  const auto* v = reinterpret_cast<const char*>(&ms);
  return setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, v, sizeof ms) == 0 &&
         setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, v, sizeof ms) == 0;
}

}  // namespace

bool TcpSocket::connect(const std::string& host, int port, std::chrono::milliseconds timeout) {
  close();
  if (!winsock_ready()) return false;
  const SOCKET s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return false;
  handle_ = static_cast<SocketHandle>(s);
  if (abort_ != nullptr) abort_->attach(handle_);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  if (!resolve(host, addr.sin_addr) || !connect_within(s, addr, timeout) ||
      !set_timeouts(s, timeout) || (abort_ != nullptr && abort_->aborted())) {
    close();
    return false;
  }
  return true;
}

bool TcpSocket::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const int n = ::send(sock_of(handle_), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string TcpSocket::receive(std::size_t max) {
  std::string buf(max, '\0');
  const int n = ::recv(sock_of(handle_), buf.data(), static_cast<int>(buf.size()), 0);
  buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return buf;
}

void TcpSocket::close() {
  if (handle_ == kNoSocket) return;
  if (abort_ != nullptr) abort_->detach();
  ::closesocket(sock_of(handle_));
  handle_ = kNoSocket;
}

void abort_socket(SocketHandle handle) {
  ::shutdown(sock_of(handle), SD_BOTH);
}

std::string local_host_name() {
  if (!winsock_ready()) return "localhost";
  std::array<char, 256> name{};
  if (gethostname(name.data(), static_cast<int>(name.size()) - 1) != 0) return "localhost";
  return name.data();
}

}  // namespace rv::mail
