#include "mail/smtp_server.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/environment.h"
#include "support/text.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace rv::testing {
namespace {

std::string unhex(std::string_view hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  }
  return out;
}

}  // namespace

SmtpServer& SmtpServer::Get() {
  static SmtpServer server;
  return server;
}

#ifdef _WIN32
// Under wine drive Z: is the Linux root, so a folder below /tmp has a name on either side. A
// Linux child of a wine process does not get its standard handles: the server writes its
// ports to a file and ends when its parent does.
SmtpServer::SmtpServer() {
  dir_ = "/tmp/ravelin-smtp-" + std::to_string(process_id());
  const std::filesystem::path dir = "Z:" + dir_;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd =
      std::string("Z:") + RV_MAIL_PYTHON + " " + RV_MAIL_SERVER + " " + dir_ + " --files";
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    throw std::runtime_error("cannot start " + cmd + " (the server runs under wine only)");
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  for (int tries = 0; tries < 300 && ports_.empty(); ++tries) {
    std::ifstream in(dir / "ports.txt");
    if (!std::getline(in, ports_)) Sleep(50);
  }
  if (ports_.empty()) throw std::runtime_error("the SMTP server did not start in " + dir_);
}

SmtpServer::~SmtpServer() {
  std::error_code ec;
  std::filesystem::remove_all("Z:" + dir_, ec);
}
#else
SmtpServer::SmtpServer() {
  std::string templ = (std::filesystem::temp_directory_path() / "ravelin-smtp-XXXXXX").string();
  if (mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp");
  dir_ = templ;
  int in[2];
  int out[2];
  if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const std::string err = dir_ + "/server.err";
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addclose(&actions, in[1]);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string python = RV_MAIL_PYTHON;
  std::string script = RV_MAIL_SERVER;
  char* argv[] = {python.data(), script.data(), dir_.data(), nullptr};
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, python.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  if (rc != 0) throw std::runtime_error("cannot start " + python);
  pid_ = pid;
  stdin_ = in[1];
  char c = 0;
  while (read(out[0], &c, 1) == 1 && c != '\n') ports_ += c;
  close(out[0]);
  if (ports_.empty()) throw std::runtime_error("the SMTP server did not start; see " + err);
  setenv("SSL_CERT_FILE", (dir_ + "/ca.pem").c_str(), 1);
}

SmtpServer::~SmtpServer() {
  close(stdin_);
  int status = 0;
  waitpid(pid_, &status, 0);
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

#endif

int SmtpServer::Port(std::string_view listener) const {
  const std::string key = " " + std::string(listener) + "=";
  const std::size_t at = (" " + ports_).find(key);
  if (at == std::string::npos) throw std::runtime_error("no listener " + std::string(listener));
  return inum(std::string_view(ports_).substr(at + key.size() - 1, 5));
}

std::vector<ServerEntry> SmtpServer::TakeLog() {
#ifdef _WIN32
  std::ifstream in(std::filesystem::path("Z:" + dir_ + "/log.txt"), std::ios::binary);
#else
  std::ifstream in(dir_ + "/log.txt", std::ios::binary);
#endif
  in.seekg(static_cast<std::streamoff>(log_read_));
  std::vector<ServerEntry> out;
  std::string line;
  while (std::getline(in, line)) {
    log_read_ += line.size() + 1;
    std::istringstream fields(line);
    ServerEntry e;
    std::string hex;
    fields >> e.listener >> e.kind >> hex;
    e.text = unhex(hex);
    out.push_back(e);
  }
  return out;
}

ZoneScope::ZoneScope(const char* tz) {
  if (const char* old = std::getenv("TZ")) {
    old_ = old;
    had_ = true;
  }
  setenv("TZ", tz, 1);
  tzset();
}

ZoneScope::~ZoneScope() {
  if (had_) {
    setenv("TZ", old_.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

void EventLog::Attach(TSendMail& m) {
  m.OnResponse = [this](TSendMail&, int code, const std::string&) {
    lines.push_back(fmt("Response %d", code));
  };
  m.OnSMTPError = [this](TSendMail&, int code, const std::string& text) {
    lines.push_back(fmt("SMTPError %d %s", code, std::string(trim(text)).c_str()));
  };
  m.OnProgress = [this](TSendMail&, int size, int sent, int percent) {
    lines.push_back(fmt("Progress %d %d %d", size, sent, percent));
  };
  m.OnSuccess = [this](TSendMail&) { lines.emplace_back("Success"); };
  m.OnConnLost = [this](TSendMail&) { lines.emplace_back("ConnLost"); };
  m.OnHostUnreachable = [this](TSendMail&) { lines.emplace_back("HostUnreachable"); };
  m.OnAnyError = [this](TSendMail&) { lines.emplace_back("AnyError"); };
}

std::vector<std::string> EventLog::Progress() const {
  std::vector<std::string> out;
  for (const std::string& l : lines) {
    if (l.starts_with("Progress")) out.push_back(l);
  }
  return out;
}

void AimAt(TSendMail& m, std::string_view listener, bool auth) {
  m.SMTPHost = "127.0.0.1";
  m.SMTPPort = SmtpServer::Get().Port(listener);
  m.Threaded = false;
  m.ReceiveTimeout = 2000;
  m.Authentication.Enabled = auth;
  m.Authentication.Username = "user";
  m.Authentication.Password = "secret";
  m.FromAddress = "bot@ravelin.example";
  m.ToAddr = "<phone@ravelin.example>";
  m.MsgBody = "body";
}

}  // namespace rv::testing
