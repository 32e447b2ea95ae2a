#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "mail/socket.h"

namespace rv::mail {
namespace {

int fd_of(SocketHandle h) {
  return static_cast<int>(h);
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

bool set_blocking(int fd, bool blocking) {
  const int flags = fcntl(fd, F_GETFL, 0);
  if (flags < 0) return false;
  return fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK) == 0;
}

// Connects a non-blocking socket, waiting at most `timeout`.
bool connect_within(int fd, const sockaddr_in& addr, std::chrono::milliseconds timeout) {
  if (!set_blocking(fd, false)) return false;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    if (errno != EINPROGRESS) return false;
    pollfd p{fd, POLLOUT, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) != 1) return false;
    int error = 0;
    socklen_t len = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) return false;
  }
  return set_blocking(fd, true);
}

bool set_timeouts(int fd, std::chrono::milliseconds timeout) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  tv.tv_usec = static_cast<suseconds_t>(timeout.count() % 1000 * 1000);
  return setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) == 0 &&
         setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv) == 0;
}

}  // namespace

bool TcpSocket::connect(const std::string& host, int port, std::chrono::milliseconds timeout) {
  close();
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  handle_ = fd;
  if (abort_ != nullptr) abort_->attach(handle_);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  if (!resolve(host, addr.sin_addr) || !connect_within(fd, addr, timeout) ||
      !set_timeouts(fd, timeout) || (abort_ != nullptr && abort_->aborted())) {
    close();
    return false;
  }
  return true;
}

bool TcpSocket::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd_of(handle_), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string TcpSocket::receive(std::size_t max) {
  std::string buf(max, '\0');
  ssize_t n = 0;
  do {
    n = ::recv(fd_of(handle_), buf.data(), buf.size(), 0);
  } while (n < 0 && errno == EINTR);
  buf.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return buf;
}

void TcpSocket::close() {
  if (handle_ == kNoSocket) return;
  if (abort_ != nullptr) abort_->detach();
  ::close(fd_of(handle_));
  handle_ = kNoSocket;
}

void abort_socket(SocketHandle handle) {
  ::shutdown(fd_of(handle), SHUT_RDWR);
}

std::string local_host_name() {
  std::array<char, 256> name{};
  if (gethostname(name.data(), name.size() - 1) != 0) return "localhost";
  return name.data();
}

}  // namespace rv::mail
