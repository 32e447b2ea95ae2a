// One SMTP dialogue from the connect to QUIT, the way TSendMail runs it on whichever thread.
#pragma once

#include <chrono>
#include <string>

#include "mail/message.h"
#include "mail/socket.h"

namespace rv {

// How the connection is secured; the values are those of the settings file.
enum TSMTPSecurity { secNone = 0, secStartTls = 1, secTls = 2 };

// What a dialogue tells its owner, in the order it happens.
class SmtpEvents {
 public:
  virtual ~SmtpEvents() = default;
  virtual void Response(int code, const std::string& text) = 0;
  virtual void SMTPError(int code, const std::string& text) = 0;
  virtual void Progress(int message_size, int bytes_sent, int percents_done) = 0;
  virtual void Success() = 0;
  virtual void HostUnreachable() = 0;
  virtual void ConnLost() = 0;
};

// Everything a dialogue reads, copied from the component when it starts.
struct SmtpJob {
  std::string SMTPHost;
  int SMTPPort = 25;
  TSMTPSecurity Security = secNone;
  std::chrono::milliseconds ReceiveTimeout{30000};
  bool AuthEnabled = false;
  std::string Username;
  std::string Password;
  std::string ToBCC;
  MailMessage Message;
};

// Composes the message and runs the dialogue. Exceptions (composition's "Invalid TimeZone!")
// reach the caller. `abort` (may be null) lets another thread end it early.
void RunSmtpDialogue(const SmtpJob& job, SmtpEvents& events, mail::SocketAbort* abort);

}  // namespace rv
