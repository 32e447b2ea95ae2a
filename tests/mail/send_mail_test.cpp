#include "mail/send_mail.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <thread>

#include "common/platform.h"
#include "mail/jis.h"
#include "mail/smtp_server.h"
#include "mail/socket.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AimAt;
using ::testing::Contains;
using ::testing::Not;
using testing::ServerEntry;
using testing::SmtpServer;

class SendMailTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SmtpServer::Get().TakeLog();
    events_.Attach(mail_);
  }
  // What the server was sent: "KIND text" per entry.
  static std::vector<std::string> Sent() {
    std::vector<std::string> out;
    for (const ServerEntry& e : SmtpServer::Get().TakeLog()) out.push_back(e.kind + " " + e.text);
    return out;
  }
  static bool Has(const std::vector<std::string>& sent, std::string_view kind) {
    return std::any_of(sent.begin(), sent.end(),
                       [&](const std::string& s) { return s.starts_with(kind); });
  }
  QueueDispatcher ui_;
  TSendMail mail_{ui_};
  testing::EventLog events_;
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

TEST_F(SendMailTest, SaysHeloWithoutLoginAndSendsOneRcptPerBracketedAddressOrTheBareList) {
  struct Case {
    std::string to, cc, bcc;
    std::vector<std::string> rcpt;
  };
  const std::vector<Case> cases = {
      {"phone@ravelin.example", "", "", {"RCPT To: phone@ravelin.example"}},
      {"A <a@x.example>; B <b@x.example>",
       "<c@x.example>",
       "D <d@x.example>",
       {"RCPT To: <a@x.example>", "RCPT To: <b@x.example>", "RCPT To: <c@x.example>",
        "RCPT To: <d@x.example>"}},
      {"", "c@x.example", "<d@x.example>", {"RCPT To: c@x.example", "RCPT To: <d@x.example>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    AimAt(mail_, "plain", false);
    mail_.ToAddr = c.to;
    mail_.ToCC = c.cc;
    mail_.ToBCC = c.bcc;
    ASSERT_TRUE(mail_.Send());
    const std::vector<std::string> sent = Sent();
    std::vector<std::string> rcpt;
    std::copy_if(sent.begin(), sent.end(), std::back_inserter(rcpt),
                 [](const std::string& s) { return s.starts_with("RCPT"); });
    EXPECT_EQ(rcpt, c.rcpt);
    EXPECT_EQ(sent.front(), "HELO " + mail::local_host_name());
    EXPECT_FALSE(Has(sent, "LOGIN"));
    EXPECT_EQ(events_.lines.back(), "Success");
  }
}

TEST_F(SendMailTest, ReportsProgressAfterEach512ByteBlock) {
  std::string long_body;
  for (int i = 0; i < 30; ++i) long_body += std::string(38, 'x') + "\r\n";
  for (const std::string& body : {std::string("x"), long_body}) {
    SCOPED_TRACE(body.size());
    events_.lines.clear();
    AimAt(mail_, "plain", false);
    mail_.MsgBody = body;
    ASSERT_TRUE(mail_.Send());
    const auto size = static_cast<int>(SmtpServer::Get().TakeLog().at(3).text.size());
    std::vector<std::string> expected;
    for (int sent = 512; sent - 512 < size; sent += 512) {
      const int n = std::min(sent, size);
      expected.push_back(fmt("Progress %d %d %d", size, n, (n * 200 + size) / (2 * size)));
    }
    EXPECT_EQ(events_.Progress(), expected);
    EXPECT_EQ(expected.size(), body.size() == 1 ? 1U : 3U);
  }
}

TEST_F(SendMailTest, FailuresEndTheDialogueWithTheirEvents) {
  struct Case {
    std::string listener;
    std::string password;
    std::vector<std::string> tail;  // the last events
  };
  const std::vector<Case> cases = {
      {"plain",
       "wrong",
       {"Response 535", "SMTPError 535 535 5.7.8 Authentication credentials invalid",
        "Response 221"}},
      {"drop", "secret", {"Progress", "ConnLost"}},
      {"silent", "secret", {"ConnLost"}},
      {"refused", "secret", {"HostUnreachable"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listener);
    events_.lines.clear();
    AimAt(mail_, c.listener, c.listener == "plain");
    mail_.Authentication.Password = c.password;
    mail_.ReceiveTimeout = 300;
    ASSERT_TRUE(mail_.Send());
    ASSERT_GE(events_.lines.size(), c.tail.size());
    std::vector<std::string> tail(events_.lines.end() - static_cast<long>(c.tail.size()),
                                  events_.lines.end());
    if (tail.front().starts_with("Progress")) tail.front() = "Progress";
    EXPECT_EQ(tail, c.tail);
    EXPECT_THAT(events_.lines, Not(Contains("Success")));
  }
}

// The first block goes out before the server's reset arrives, later writes meet a closed
// connection: they must fail, not raise SIGPIPE.
TEST_F(SendMailTest, ATlsServerThatDropsTheMessageLeavesTheProgramRunning) {
  RV_POSIX_ONLY("TLS comes from OpenSSL, which the Windows build has not");
  AimAt(mail_, "drop_tls", false);
  mail_.Security = secTls;
  for (int i = 0; i < 30; ++i) mail_.MsgBody += std::string(38, 'x') + "\r\n";
  mail_.OnProgress = [](TSendMail&, int, int, int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  };
  ASSERT_TRUE(mail_.Send());
  EXPECT_EQ(events_.lines.back(), "ConnLost");
}

// A certificate for another host, or a server without STARTTLS, ends the dialogue before the
// password goes out.
TEST_F(SendMailTest, SecuresTheConnectionBeforeTheLoginOrGivesUp) {
  RV_POSIX_ONLY("TLS comes from OpenSSL, which the Windows build has not");
  const std::vector<std::string> sent = {"Response 221", "Success"};
  const std::vector<std::string> refused = {"SMTPError 0 TLS: IP address mismatch", "ConnLost"};
  const std::vector<std::string> unsecured = {"SMTPError 454 454 TLS not available",
                                              "Response 221"};
  struct Case {
    std::string listener;
    std::string host;
    TSMTPSecurity security;
    std::vector<std::string> kinds;  // what the server saw before MAIL
    const std::vector<std::string>& tail;
  };
  const std::vector<Case> cases = {
      {"starttls", "127.0.0.1", secStartTls, {"EHLO", "STARTTLS", "EHLO", "LOGIN"}, sent},
      {"tls", "127.0.0.1", secTls, {"EHLO", "LOGIN"}, sent},
      {"tls", "localhost", secTls, {"EHLO", "LOGIN"}, sent},
      {"other_starttls", "127.0.0.1", secStartTls, {"EHLO", "STARTTLS"}, refused},
      {"other_tls", "127.0.0.1", secTls, {}, refused},
      {"plain", "127.0.0.1", secStartTls, {"EHLO", "STARTTLS", "QUIT"}, unsecured},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listener + " " + c.host);
    events_.lines.clear();
    AimAt(mail_, c.listener, true);
    mail_.SMTPHost = c.host;
    mail_.Security = c.security;
    ASSERT_TRUE(mail_.Send());
    ASSERT_GE(events_.lines.size(), 2U);
    EXPECT_EQ(std::vector<std::string>(events_.lines.end() - 2, events_.lines.end()), c.tail);
    std::vector<std::string> kinds;
    for (const ServerEntry& e : SmtpServer::Get().TakeLog()) {
      if (e.kind == "MAIL") break;
      kinds.push_back(e.kind);
    }
    EXPECT_EQ(kinds, c.kinds);
  }
}

}  // namespace
}  // namespace rv
