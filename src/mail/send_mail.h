// TSendMail: sends one plain-text mail per Send over SMTP and reports the dialogue through
// its events. Threaded (the default), the dialogue runs on a worker thread and every event
// is handed to the user-interface thread through the Dispatcher; the worker waits until
// the handler has returned, so handlers see the dialogue step by step as it happens.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "mail/message.h"
#include "mail/smtp_dialogue.h"
#include "support/clock.h"
#include "support/dispatcher.h"

namespace rv {

struct TSendMailAuthentication {
  bool Enabled = false;
  std::string Username;
  std::string Password;
};

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TSendMail {
 public:
  using NotifyEvent = std::function<void(TSendMail& sender)>;
  using ResponseEvent = std::function<void(TSendMail& sender, int code, const std::string& text)>;
  using ProgressEvent =
      std::function<void(TSendMail& sender, int message_size, int bytes_sent, int percents_done)>;
  using WaitTimeoutEvent = std::function<void(TSendMail& sender, bool& terminate_thread)>;

  // `ui` carries the events to the user-interface thread; `process_messages` lets that
  // thread's pending work (the events among it) run while Send waits for the worker
  // (WaitThread), and must be given for that.
  explicit TSendMail(Dispatcher& ui, std::function<void()> process_messages = {});
  // Ends a running dialogue without raising any event.
  ~TSendMail();
  TSendMail(const TSendMail&) = delete;
  TSendMail& operator=(const TSendMail&) = delete;

  // Not threaded: runs the dialogue and returns true. Threaded: false at once while the last
  // dialogue still runs; else starts one and returns true (false when WaitThread's wait ran
  // out and the handler let the thread be ended).
  bool Send();
  // A threaded dialogue runs; cleared on the user-interface thread once it has ended.
  [[nodiscard]] bool Busy() const { return busy_; }

  TSendMailAuthentication Authentication;
  std::string SMTPHost = "localhost";
  int SMTPPort = 25;
  // Plain as the dialogue was specified (the default), STARTTLS, or TLS from the connect;
  // the certificate must be issued for SMTPHost, and no password goes over a connection
  // that could not be secured.
  TSMTPSecurity Security = secNone;
  // Longest wait for the connect and for every send and receive, in ms.
  int ReceiveTimeout = 30000;
  std::string MsgContentCharset = "iso-8859-1";
  TSMTPContentType MsgContentType = ctPlainText;
  DateTime MsgDateTime;  // all zero: the time of Send
  std::string MsgSubject;
  std::string MsgBody;
  TSMTPPriority MsgPriority = mpNormal;
  std::string Agent = "Ravelin Mail";
  std::vector<std::string> AddHeaders;
  std::string FromAddress;
  std::string FromName;
  std::string FromOrganization;
  std::string ToAddr;
  std::string ToCC;
  std::string ToBCC;
  std::string ReplyTo;
  bool Threaded = true;
  // Kept for the worker; POSIX threads of ordinary scheduling have no priority to set.
  TThreadPriority ThreadPriority = tpNormal;
  bool WaitThread = false;
  int WaitTimeout = 0;  // ms; 0 waits as long as it takes

  ResponseEvent OnResponse;
  ResponseEvent OnSMTPError;
  ProgressEvent OnProgress;
  NotifyEvent OnSuccess;
  NotifyEvent OnHostUnreachable;
  NotifyEvent OnConnLost;
  NotifyEvent OnAnyError;
  WaitTimeoutEvent OnWaitTimeoutExpired;

 private:
  struct Run;
  class Events;

  [[nodiscard]] SmtpJob Job() const;
  void StartWorker();
  // On the worker: hands `call` to the user-interface thread and waits until it has run
  // there, or until the dialogue is ended.
  void DeliverAndWait(const std::shared_ptr<Run>& run, NotifyEvent call);
  bool Wait(const std::shared_ptr<Run>& run);
  // Ends the worker thread (a running dialogue at once, its events left undelivered).
  void StopWorker();

  Dispatcher& ui_;
  std::function<void()> process_messages_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::shared_ptr<Run> run_;
  std::thread worker_;
  bool busy_ = false;
};

}  // namespace rv
