#include "mail/send_mail.h"

#include <arpa/inet.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "mail/jis.h"
#include "mail/smtp_server.h"
#include "mail/socket.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AimAt;
using ::testing::Contains;
using ::testing::ElementsAre;
using testing::EventLog;
using ::testing::Field;
using ::testing::Not;
using testing::ServerEntry;
using testing::SmtpServer;

class SendMailTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SmtpServer::Get().TakeLog();
    events_.Attach(mail_);
  }
  // What the server was sent, "KIND text" per entry.
  static std::vector<std::string> Sent() {
    std::vector<std::string> out;
    for (const ServerEntry& e : SmtpServer::Get().TakeLog()) out.push_back(e.kind + " " + e.text);
    return out;
  }
  QueueDispatcher ui_;
  TSendMail mail_{ui_};
  EventLog events_;
};

TEST_F(SendMailTest, AuthenticatesAndDeliversTheMessageAsComposed) {
  const testing::ZoneScope jst("JST-9");
  AimAt(mail_, "plain", true);
  mail_.FromName = JisToMimeHeader(SjisToJis(sj("ラベリン")));
  mail_.ToAddr = "Phone <phone@ravelin.example>";
  mail_.MsgSubject = SjisToJis(sj("1R出馬表"));
  mail_.MsgBody = SjisToJis(sj("1R 中山 馬連 1-2"));
  mail_.MsgContentCharset = "ISO-2022-JP";
  mail_.MsgDateTime = {2026, 12, 8, 9, 30, 5};
  ASSERT_TRUE(mail_.Send());

  const std::string message =
      "From: \"=?ISO-2022-JP?B?GyRCJWklWSVqJXMbKEo=?=\" <bot@ravelin.example>\r\n"
      "To: Phone <phone@ravelin.example>\r\n"
      "Subject: 1R\x1b$B=PGOI=\x1b(J\r\n"
      "Date: Tue, 8 Dec 2026 09:30:05 +0900\r\n"
      "Content-Type: text/plain; charset=ISO-2022-JP\r\n"
      "X-Mailer: Ravelin Mail\r\n"
      "X-Priority: 3 (Normal)\r\n"
      "\r\n"
      "1R \x1b$BCf;3\x1b(J \x1b$BGOO\"\x1b(J 1-2\r\n";
  EXPECT_EQ(Sent(), (std::vector<std::string>{
                        "EHLO " + mail::local_host_name(), "LOGIN user secret",
                        "MAIL From:<bot@ravelin.example>", "RCPT To: <phone@ravelin.example>",
                        "CONTENT " + message, "QUIT "}));
  const auto size = static_cast<int>(message.size());
  EXPECT_EQ(events_.lines,
            (std::vector<std::string>{
                "Response 220", "Response 250", "Response 334", "Response 334", "Response 235",
                "Response 250", "Response 250", "Response 354",
                fmt("Progress %d %d 100", size, size), "Response 250", "Response 221", "Success"}));
}

TEST_F(SendMailTest, SendsOneRcptPerBracketedAddressOrTheWholeBareList) {
  struct Case {
    std::string to, cc, bcc;
    std::vector<std::string> rcpt;
  };
  const std::vector<Case> cases = {
      {"phone@ravelin.example", "", "", {"To: phone@ravelin.example"}},
      {"A <a@x.example>; B <b@x.example>",
       "<c@x.example>",
       "D <d@x.example>",
       {"To: <a@x.example>", "To: <b@x.example>", "To: <c@x.example>", "To: <d@x.example>"}},
      {"", "c@x.example", "<d@x.example>", {"To: c@x.example", "To: <d@x.example>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    AimAt(mail_, "plain", false);
    mail_.ToAddr = c.to;
    mail_.ToCC = c.cc;
    mail_.ToBCC = c.bcc;
    ASSERT_TRUE(mail_.Send());
    std::vector<std::string> rcpt;
    const std::vector<ServerEntry> sent = SmtpServer::Get().TakeLog();
    for (const ServerEntry& e : sent) {
      if (e.kind == "RCPT") rcpt.push_back(e.text);
    }
    EXPECT_EQ(rcpt, c.rcpt);
    EXPECT_EQ(sent.front(), (ServerEntry{"plain", "HELO", mail::local_host_name()}));
    EXPECT_THAT(sent, Not(Contains(Field(&ServerEntry::kind, "LOGIN"))));
    EXPECT_EQ(events_.lines.back(), "Success");
  }
}

TEST_F(SendMailTest, AOneByteBodyReportsOneProgressAt100) {
  AimAt(mail_, "plain", false);
  mail_.MsgBody = "x";
  ASSERT_TRUE(mail_.Send());
  std::vector<std::string> progress;
  for (const std::string& l : events_.lines) {
    if (l.starts_with("Progress")) progress.push_back(l.substr(l.rfind(' ') + 1));
  }
  EXPECT_THAT(progress, ElementsAre("100"));
}

TEST_F(SendMailTest, ALongMessageGoesOutIn512ByteBlocks) {
  AimAt(mail_, "plain", false);
  for (int i = 0; i < 30; ++i) mail_.MsgBody += std::string(38, 'x') + "\r\n";
  ASSERT_TRUE(mail_.Send());
  std::vector<std::string> progress;
  for (const std::string& l : events_.lines) {
    if (l.starts_with("Progress")) progress.push_back(l);
  }
  const auto size = static_cast<int>(SmtpServer::Get().TakeLog().at(3).text.size());
  ASSERT_EQ(progress.size(), static_cast<std::size_t>((size + 511) / 512));
  EXPECT_EQ(progress[0], fmt("Progress %d 512 %d", size, (51200 + size / 2) / size));
  EXPECT_EQ(progress.back(), fmt("Progress %d %d 100", size, size));
}

// A port bound to no listener: the connect is refused.
class RefusingPort {
 public:
  RefusingPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (bind(fd_, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
      throw std::runtime_error("cannot bind a port");
    }
    port_ = ntohs(a.sin_port);
  }
  ~RefusingPort() { close(fd_); }
  RefusingPort(const RefusingPort&) = delete;
  RefusingPort& operator=(const RefusingPort&) = delete;
  [[nodiscard]] int port() const { return port_; }

 private:
  int fd_;
  int port_ = 0;
};

TEST_F(SendMailTest, FailuresEndTheDialogueWithTheirEvents) {
  struct Case {
    std::string name;
    std::string listener;
    std::string password;
    std::vector<std::string> tail;  // the last events
  };
  const std::vector<Case> cases = {
      {"wrong password",
       "plain",
       "wrong",
       {"Response 535", "SMTPError 535 535 5.7.8 Authentication credentials invalid",
        "Response 221"}},
      {"dropped after the message", "drop", "secret", {"Progress", "ConnLost"}},
      {"silent server", "silent", "secret", {"ConnLost"}},
      {"refused connection", "", "secret", {"HostUnreachable"}},
  };
  const RefusingPort refusing;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    events_.lines.clear();
    AimAt(mail_, c.listener.empty() ? "plain" : c.listener, c.listener == "plain");
    if (c.listener.empty()) mail_.SMTPPort = refusing.port();
    mail_.Authentication.Password = c.password;
    mail_.ReceiveTimeout = 300;
    ASSERT_TRUE(mail_.Send());
    ASSERT_GE(events_.lines.size(), c.tail.size());
    std::vector<std::string> tail(events_.lines.end() - static_cast<long>(c.tail.size()),
                                  events_.lines.end());
    for (std::string& l : tail) {
      if (l.starts_with("Progress")) l = "Progress";
    }
    EXPECT_EQ(tail, c.tail);
    EXPECT_THAT(events_.lines, Not(Contains("Success")));
  }
}

TEST_F(SendMailTest, SecuresTheConnectionBeforeTheLogin) {
  struct Case {
    std::string listener;
    std::string host;
    TSMTPSecurity security;
    std::vector<std::string> sent;  // kinds before MAIL
  };
  const std::vector<Case> cases = {
      {"starttls", "127.0.0.1", secStartTls, {"EHLO", "STARTTLS", "EHLO", "LOGIN"}},
      {"tls", "127.0.0.1", secTls, {"EHLO", "LOGIN"}},
      {"tls", "localhost", secTls, {"EHLO", "LOGIN"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listener + " " + c.host);
    events_.lines.clear();
    AimAt(mail_, c.listener, true);
    mail_.SMTPHost = c.host;
    mail_.Security = c.security;
    ASSERT_TRUE(mail_.Send());
    EXPECT_EQ(events_.lines.back(), "Success");
    std::vector<std::string> kinds;
    for (const ServerEntry& e : SmtpServer::Get().TakeLog()) {
      if (e.kind == "MAIL") break;
      kinds.push_back(e.kind);
    }
    EXPECT_EQ(kinds, c.sent);
  }
}

// The first block goes out before the server's reset arrives; the second meets a closed
// connection, where a write must fail and not raise SIGPIPE.
TEST_F(SendMailTest, ATlsServerThatDropsTheMessageLeavesTheProgramRunning) {
  AimAt(mail_, "drop_tls", false);
  mail_.Security = secTls;
  for (int i = 0; i < 30; ++i) mail_.MsgBody += std::string(38, 'x') + "\r\n";
  mail_.OnProgress = [this](TSendMail&, int, int, int) {
    events_.lines.emplace_back("Progress");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  };
  ASSERT_TRUE(mail_.Send());
  EXPECT_EQ(events_.lines.back(), "ConnLost");
}

TEST_F(SendMailTest, ACertificateForAnotherHostEndsTheDialogueBeforeThePassword) {
  for (const auto& [listener, security] :
       {std::pair{"other_starttls", secStartTls}, std::pair{"other_tls", secTls}}) {
    SCOPED_TRACE(listener);
    events_.lines.clear();
    AimAt(mail_, listener, true);
    mail_.Security = security;
    ASSERT_TRUE(mail_.Send());
    ASSERT_GE(events_.lines.size(), 2U);
    EXPECT_EQ(events_.lines.end()[-2], "SMTPError 0 TLS: IP address mismatch");
    EXPECT_EQ(events_.lines.back(), "ConnLost");
    EXPECT_THAT(SmtpServer::Get().TakeLog(), Not(Contains(Field(&ServerEntry::kind, "LOGIN"))));
  }
}

}  // namespace
}  // namespace rv
