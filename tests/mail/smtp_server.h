// The mail tests' SMTP server (smtp_server.py) on 127.0.0.1: one per test process, started at
// first use and ended with the process. Its CA is trusted through SSL_CERT_FILE. The Windows
// build runs under wine, whose CreateProcess starts the Linux Python as well.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mail/send_mail.h"

namespace rv::testing {

struct ServerEntry {
  std::string listener;
  std::string kind;  // HELO, EHLO, STARTTLS, LOGIN ("user password"), MAIL, RCPT, CONTENT, QUIT
  std::string text;  // the command's argument, or the message as it arrived
};

class SmtpServer {
 public:
  static SmtpServer& Get();
  // The port of a listener of smtp_server.py.
  [[nodiscard]] int Port(std::string_view listener) const;
  // What clients sent since the last call.
  std::vector<ServerEntry> TakeLog();

  SmtpServer(const SmtpServer&) = delete;
  SmtpServer& operator=(const SmtpServer&) = delete;
  ~SmtpServer();

 private:
  SmtpServer();
  std::string dir_;  // as the server names it (a Linux path under wine)
  std::string ports_;
#ifndef _WIN32
  int pid_ = -1;
  int stdin_ = -1;
#endif
  std::size_t log_read_ = 0;
};

// The system time zone (TZ) set for a scope; set it before any thread of the test starts.
class ZoneScope {
 public:
  explicit ZoneScope(const char* tz);
  ~ZoneScope();
  ZoneScope(const ZoneScope&) = delete;
  ZoneScope& operator=(const ZoneScope&) = delete;

 private:
  std::string old_;
  bool had_ = false;
};

// A TSendMail's events as lines ("Response 250", "SMTPError 535 …", "Progress 300 300 100",
// "Success", "ConnLost", "HostUnreachable", "AnyError", "WaitTimeoutExpired").
struct EventLog {
  std::vector<std::string> lines;
  void Attach(TSendMail& m);
  // The Progress lines alone.
  [[nodiscard]] std::vector<std::string> Progress() const;
};

// A component aimed at a listener, for user / secret when `auth`, with a short receive
// timeout, not threaded.
void AimAt(TSendMail& m, std::string_view listener, bool auth);

}  // namespace rv::testing
