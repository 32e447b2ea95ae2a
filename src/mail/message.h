// The mail as it goes out after DATA: the header lines in their fixed order, an empty line
// and the body, every line ending in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/clock.h"

namespace rv {

enum TSMTPContentType { ctPlainText, ctHTML };
enum TSMTPPriority { mpHighest, mpHigh, mpNormal, mpLow, mpLowest };

struct MailMessage {
  std::string FromAddress;
  std::string FromName;
  std::string FromOrganization;
  std::string ReplyTo;
  std::string ToAddr;
  std::string ToCC;
  std::string MsgSubject;
  DateTime MsgDateTime;  // the moment the Date header names
  std::vector<std::string> AddHeaders;
  TSMTPContentType MsgContentType = ctPlainText;
  std::string MsgContentCharset;
  std::string Agent;
  TSMTPPriority MsgPriority = mpNormal;
  std::string MsgBody;
};

// The Date header's zone is the system's offset from UTC now, in minutes (east positive).
// Throws std::runtime_error("Invalid TimeZone!") when the system cannot tell it.
int LocalUtcOffsetMinutes();

// "Tue, 8 Dec 2026 09:30:05 +0900".
std::string DateHeaderValue(const DateTime& t, int utc_offset_minutes);

// The entries of a ";" or "," separated address list, each trimmed; a separator between
// "<" and ">" belongs to its address. Empty entries are left out.
std::vector<std::string> SplitAddressList(std::string_view list);

// The addresses written between "<" and ">" in a list, in order.
std::vector<std::string> AngleAddresses(std::string_view list);

// The whole message; the Date header's zone from LocalUtcOffsetMinutes().
std::string ComposeMessage(const MailMessage& m);

}  // namespace rv
