#include "mail/smtp_dialogue.h"

#include "mail/connection.h"
#include "mail/jis.h"
#include "mail/smtp_reply.h"
#include "support/text.h"

namespace rv {
namespace {

enum class Step { kOk, kRefused, kNoReply };

// The dialogue data: the connection, the composed message and the last reply.
class TSMTPData {
 public:
  TSMTPData(const SmtpJob& job, SmtpEvents& events, mail::SocketAbort* abort)
      : job_(job), events_(events), conn_(abort, job.ReceiveTimeout) {}

  void Run() {
    buffer_ = ComposeMessage(job_.Message);
    if (!conn_.Connect(job_.SMTPHost, job_.SMTPPort)) {
      events_.HostUnreachable();
      return;
    }
    Dialogue();
    EndStep();
  }

 private:
  void Dialogue() {
    if (job_.Security == secTls && !SecureConnection()) return;
    if (Expect("", 220) != Step::kOk) return;
    const bool ehlo = job_.AuthEnabled || job_.Security == secStartTls;
    const std::string hello = (ehlo ? "EHLO " : "HELO ") + mail::local_host_name();
    if (Expect(hello, 250) != Step::kOk) return;
    if (job_.Security == secStartTls) {
      if (Expect("STARTTLS", 220) != Step::kOk || !SecureConnection()) return;
      if (Expect(hello, 250) != Step::kOk) return;
    }
    if (job_.AuthEnabled) {
      if (Expect("AUTH LOGIN", 334) != Step::kOk) return;
      if (Expect(MimeBEncode(job_.Username), 334) != Step::kOk) return;
      if (Expect(MimeBEncode(job_.Password), 235) != Step::kOk) return;
    }
    if (Expect("MAIL From:<" + job_.Message.FromAddress + ">", 250) != Step::kOk) return;
    for (const std::string* list : {&job_.Message.ToAddr, &job_.Message.ToCC, &job_.ToBCC}) {
      if (!Recipients(*list)) return;
    }
    if (Expect("DATA", 354) != Step::kOk || !SendBuffer()) return;
    Expect(".", 250);
  }

  bool SecureConnection() {
    std::string reason;
    if (conn_.StartTls(job_.SMTPHost, reason)) return true;
    failed_ = true;
    events_.SMTPError(0, "TLS: " + reason);
    return false;
  }

  bool Recipients(const std::string& list) {
    const std::string_view whole = trim(list);
    if (whole.empty()) return true;
    const std::vector<std::string> addresses = AngleAddresses(whole);
    if (addresses.empty()) return Expect("RCPT To: " + std::string(whole), 250) == Step::kOk;
    for (const std::string& a : addresses) {
      if (Expect("RCPT To: <" + a + ">", 250) != Step::kOk) return false;
    }
    return true;
  }

  bool SendBuffer() {
    constexpr std::size_t kBlock = 512;
    const std::size_t size = buffer_.size();
    for (std::size_t sent = 0; sent < size;) {
      const std::size_t n = std::min(kBlock, size - sent);
      if (!conn_.Send(std::string_view(buffer_).substr(sent, n))) return false;
      sent += n;
      const auto percent = static_cast<int>((sent * 200 + size) / (2 * size));
      events_.Progress(static_cast<int>(size), static_cast<int>(sent), percent);
    }
    return true;
  }

  // Sends the command (none for the greeting), reads one reply and reports it.
  Step Expect(const std::string& command, int code) {
    if (!command.empty()) conn_.Send(command + "\r\n");
    ReadReply();
    if (last_code_ < 0) {
      failed_ = true;
      return Step::kNoReply;
    }
    events_.Response(last_code_, last_text_);
    if (last_code_ == code) return Step::kOk;
    failed_ = true;
    events_.SMTPError(last_code_, last_text_);
    return Step::kRefused;
  }

  void ReadReply() {
    mail::SmtpReply reply;
    for (bool more = true; more;) {
      const std::string got = conn_.Receive();
      if (got.empty()) break;
      more = reply.Add(got);
    }
    last_text_ = reply.text();
    last_code_ = reply.code();
  }

  void EndStep() {
    if (!conn_.Connected()) {
      events_.ConnLost();
      return;
    }
    const Step quit = Expect("QUIT", 221);
    if (!failed_) {
      events_.Success();
    } else if (quit == Step::kNoReply && !conn_.Connected()) {
      events_.ConnLost();
    }
    conn_.Close();
  }

  const SmtpJob& job_;
  SmtpEvents& events_;
  mail::TSocketHelper conn_;
  std::string buffer_;
  int last_code_ = -1;
  std::string last_text_;
  bool failed_ = false;
};

}  // namespace

void RunSmtpDialogue(const SmtpJob& job, SmtpEvents& events, mail::SocketAbort* abort) {
  TSMTPData(job, events, abort).Run();
}

}  // namespace rv
