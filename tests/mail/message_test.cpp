#include "mail/message.h"

#include <gtest/gtest.h>

#include "mail/smtp_server.h"

namespace rv {
namespace {

TEST(ComposeMessage, WritesTheHeadersInOrderTrimmedAndTheBodyUnstuffed) {
  const testing::ZoneScope jst("JST-9");
  MailMessage m;
  m.FromAddress = "bot@ravelin.example";
  m.FromName = "Ravelin";
  m.FromOrganization = " Stable\t";
  m.ReplyTo = "reply@ravelin.example";
  m.ToAddr = "A <a@x.jp>; b@x.jp,";
  m.ToCC = "C <c,d@x.jp>";
  m.MsgSubject = "1R\x1b$B=P\x1b(J  ";
  m.MsgDateTime = {2026, 12, 8, 9, 30, 5};
  m.AddHeaders = {"X-Race: 11", " X-Raw: kept "};
  m.MsgContentCharset = "ISO-2022-JP";
  m.Agent = "Ravelin Mail";
  m.MsgPriority = mpHigh;
  m.MsgBody = "\r\n.line one\r\nline two\r\n\r\n";
  EXPECT_EQ(ComposeMessage(m),
            "Reply-To: \"Ravelin\" <reply@ravelin.example>\r\n"
            "From: \"Ravelin\" <bot@ravelin.example>\r\n"
            "Organization: Stable\r\n"
            "To: A <a@x.jp>,\r\n\tb@x.jp\r\n"
            "Cc: C <c,d@x.jp>\r\n"
            "Subject: 1R\x1b$B=P\x1b(J\r\n"
            "Date: Tue, 8 Dec 2026 09:30:05 +0900\r\n"
            "X-Race: 11\r\n"
            " X-Raw: kept \r\n"
            "Content-Type: text/plain; charset=ISO-2022-JP\r\n"
            "X-Mailer: Ravelin Mail\r\n"
            "X-Priority: 2 (High)\r\n"
            "\r\n"
            ".line one\r\nline two\r\n");
}

TEST(ComposeMessage, LeavesOutEmptyHeadersAndALeadingEscape) {
  const testing::ZoneScope utc("UTC0");
  MailMessage m;
  m.FromAddress = "bot@ravelin.example";
  m.MsgSubject = "\x1b$B=P\x1b(J";
  m.MsgDateTime = {2026, 1, 5, 0, 0, 0};
  m.MsgContentType = ctHTML;
  m.MsgPriority = mpLowest;
  EXPECT_EQ(ComposeMessage(m),
            "From: <bot@ravelin.example>\r\n"
            "Subject: $B=P\x1b(J\r\n"
            "Date: Mon, 5 Jan 2026 00:00:00 +0000\r\n"
            "Content-Type: text/html\r\n"
            "X-Priority: 5 (Lowest)\r\n"
            "\r\n"
            "\r\n");
}

TEST(DateHeaderValue, WritesTheZoneAsSignedHoursAndMinutes) {
  const DateTime t{2026, 12, 31, 23, 59, 59};
  EXPECT_EQ(DateHeaderValue(t, 540), "Thu, 31 Dec 2026 23:59:59 +0900");
  EXPECT_EQ(DateHeaderValue(t, -210), "Thu, 31 Dec 2026 23:59:59 -0330");
  EXPECT_EQ(DateHeaderValue(t, 345), "Thu, 31 Dec 2026 23:59:59 +0545");
}

TEST(LocalUtcOffsetMinutes, FollowsTheSystemZone) {
  const testing::ZoneScope zone("NST+3:30");
  EXPECT_EQ(LocalUtcOffsetMinutes(), -210);
}

}  // namespace
}  // namespace rv
