#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "support/child_process.h"
#include "support/win_text.h"

namespace rv {
namespace {

// One argument quoted so that the program's C runtime splits it back as it was.
std::wstring quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t slashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out.push_back(c);
  }
  out.append(slashes * 2, L'\\');
  out.push_back(L'"');
  return out;
}

}  // namespace

// Anonymous pipes have no timed reads, so a watchdog thread ends the program when a deadline
// passes; the blocked read then sees the pipe close.
struct ChildProcess::Impl {
  HANDLE process = nullptr;
  HANDLE to = nullptr;
  HANDLE from = nullptr;

  std::mutex m;
  std::condition_variable cv;
  bool armed = false;
  bool quit = false;
  std::chrono::steady_clock::time_point deadline;
  std::thread watchdog;

  void watch() {
    std::unique_lock lock(m);
    while (!quit) {
      if (!armed) {
        cv.wait(lock);
      } else if (cv.wait_until(lock, deadline) == std::cv_status::timeout && armed &&
                 std::chrono::steady_clock::now() >= deadline) {
        armed = false;
        if (process != nullptr) TerminateProcess(process, 1);
      }
    }
  }
  void close_pipes() {
    if (to != nullptr) CloseHandle(to);
    if (from != nullptr) CloseHandle(from);
    to = from = nullptr;
  }
};

ChildProcess::ChildProcess() : impl_(std::make_unique<Impl>()) {
  impl_->watchdog = std::thread([this] { impl_->watch(); });
}

ChildProcess::~ChildProcess() {
  kill();
  {
    const std::lock_guard lock(impl_->m);
    impl_->quit = true;
  }
  impl_->cv.notify_all();
  impl_->watchdog.join();
}

bool ChildProcess::start(const std::vector<std::string>& argv) {
  kill();
  if (argv.empty()) return false;
  std::wstring cmd;
  for (const auto& a : argv) {
    if (!cmd.empty()) cmd.push_back(L' ');
    cmd += quoted(widen(a));
  }
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE child_in = nullptr;
  HANDLE child_out = nullptr;
  if (!CreatePipe(&child_in, &impl_->to, &sa, 0)) return false;
  // A helper's replies run to a megabyte; a pipe that holds one whole crosses it in one step.
  if (!CreatePipe(&impl_->from, &child_out, &sa, 1U << 20U)) {
    CloseHandle(child_in);
    impl_->close_pipes();
    return false;
  }
  SetHandleInformation(impl_->to, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(impl_->from, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = child_in;
  si.hStdOutput = child_out;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  const BOOL ok = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                 nullptr, nullptr, &si, &pi);
  CloseHandle(child_in);
  CloseHandle(child_out);
  if (!ok) {
    impl_->close_pipes();
    return false;
  }
  CloseHandle(pi.hThread);
  const std::lock_guard lock(impl_->m);
  impl_->process = pi.hProcess;
  return true;
}

bool ChildProcess::running() const {
  return impl_->process != nullptr && WaitForSingleObject(impl_->process, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::write_all(std::string_view bytes) {
  while (!bytes.empty() && impl_->to != nullptr) {
    DWORD n = 0;
    if (!WriteFile(impl_->to, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr)) {
      return false;
    }
    bytes.remove_prefix(n);
  }
  return bytes.empty();
}

void ChildProcess::set_deadline(std::chrono::milliseconds within) {
  {
    const std::lock_guard lock(impl_->m);
    impl_->armed = within.count() > 0;
    impl_->deadline = std::chrono::steady_clock::now() + within;
  }
  impl_->cv.notify_all();
}

bool ChildProcess::read_exact(char* buf, std::size_t n) {
  while (n > 0 && impl_->from != nullptr) {
    DWORD got = 0;
    if (!ReadFile(impl_->from, buf, static_cast<DWORD>(n), &got, nullptr) || got == 0) {
      return false;
    }
    buf += got;
    n -= got;
  }
  return n == 0;
}

void ChildProcess::kill() {
  impl_->close_pipes();
  const std::lock_guard lock(impl_->m);
  impl_->armed = false;
  if (impl_->process == nullptr) return;
  TerminateProcess(impl_->process, 1);
  WaitForSingleObject(impl_->process, INFINITE);
  CloseHandle(impl_->process);
  impl_->process = nullptr;
}

}  // namespace rv
