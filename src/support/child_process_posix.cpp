#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "support/child_process.h"

extern char** environ;

namespace rv {

struct ChildProcess::Impl {
  pid_t pid = -1;
  int to = -1;
  int from = -1;
  bool limited = false;
  std::chrono::steady_clock::time_point deadline;

  void close_pipes() {
    if (to >= 0) ::close(to);
    if (from >= 0) ::close(from);
    to = from = -1;
  }
};

ChildProcess::ChildProcess() : impl_(std::make_unique<Impl>()) {}
ChildProcess::~ChildProcess() {
  kill();
}

bool ChildProcess::start(const std::vector<std::string>& argv) {
  kill();
  if (argv.empty()) return false;
  int in[2];
  int out[2];
  if (::pipe2(in, O_CLOEXEC) != 0) return false;
  if (::pipe2(out, O_CLOEXEC) != 0) {
    ::close(in[0]);
    ::close(in[1]);
    return false;
  }
#ifdef F_SETPIPE_SZ
  // A helper's replies run to a megabyte; a pipe that holds one whole crosses it in one step
  // (where the system allows the size; otherwise the default serves, slower).
  ::fcntl(out[0], F_SETPIPE_SZ, 1 << 20);
#endif
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  const int r = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  impl_->to = in[1];
  impl_->from = out[0];
  if (r != 0) {
    impl_->close_pipes();
    return false;
  }
  impl_->pid = pid;
  return true;
}

bool ChildProcess::running() const {
  if (impl_->pid < 0) return false;
  int status = 0;
  if (::waitpid(impl_->pid, &status, WNOHANG) == 0) return true;
  impl_->pid = -1;  // reaped: the number may be another process's from now on
  return false;
}

bool ChildProcess::write_all(std::string_view bytes) {
  if (impl_->to < 0) return false;
  // A helper that died closes its end: the write then fails with EPIPE, and the SIGPIPE it
  // raises is held back and taken here so that it never ends this program.
  sigset_t pipe_only;
  sigset_t old;
  sigemptyset(&pipe_only);
  sigaddset(&pipe_only, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe_only, &old);
  bool ok = true;
  while (!bytes.empty()) {
    const ssize_t n = ::write(impl_->to, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  if (!ok && errno == EPIPE) {
    const timespec none{0, 0};
    sigtimedwait(&pipe_only, nullptr, &none);
  }
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
  return ok;
}

void ChildProcess::set_deadline(std::chrono::milliseconds within) {
  impl_->limited = within.count() > 0;
  impl_->deadline = std::chrono::steady_clock::now() + within;
}

bool ChildProcess::read_exact(char* buf, std::size_t n) {
  if (impl_->from < 0) return false;
  while (n > 0) {
    if (impl_->limited) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          impl_->deadline - std::chrono::steady_clock::now());
      pollfd p{impl_->from, POLLIN, 0};
      const int r = left.count() > 0 ? ::poll(&p, 1, static_cast<int>(left.count())) : 0;
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) {
        kill();
        return false;
      }
    }
    const ssize_t got = ::read(impl_->from, buf, n);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    buf += got;
    n -= static_cast<std::size_t>(got);
  }
  return true;
}

void ChildProcess::kill() {
  impl_->close_pipes();
  if (impl_->pid < 0) return;
  ::kill(impl_->pid, SIGKILL);
  int status = 0;
  while (::waitpid(impl_->pid, &status, 0) < 0 && errno == EINTR) {
  }
  impl_->pid = -1;
}

}  // namespace rv
