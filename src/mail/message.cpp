#include "mail/message.h"

#include <array>
#include <ctime>
#include <stdexcept>

#include "support/text.h"

namespace rv {
namespace {

constexpr std::array<std::string_view, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 5> kPriorities = {"Highest", "High", "Normal", "Low",
                                                         "Lowest"};

// A header line, left out when its value is blank. Values lose the blanks and control
// characters at both ends, as the body does; a leading ESC goes with them.
void header(std::string& out, std::string_view name, std::string_view value) {
  value = trim(value);
  if (value.empty()) return;
  out.append(name).append(": ").append(value).append("\r\n");
}

void address_header(std::string& out, std::string_view name, std::string_view display,
                    std::string_view address) {
  if (trim(address).empty()) return;
  const std::string angle = "<" + std::string(address) + ">";
  header(out, name, display.empty() ? angle : "\"" + std::string(display) + "\" " + angle);
}

std::string list_value(std::string_view list) {
  std::string value;
  for (const std::string& entry : SplitAddressList(list)) {
    if (!value.empty()) value += ",\r\n\t";
    value += entry;
  }
  return value;
}

}  // namespace

int LocalUtcOffsetMinutes() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  const bool known = localtime_s(&local, &now) == 0 && local.tm_isdst >= 0;
  const std::time_t as_utc = known ? _mkgmtime(&local) : -1;
#else
  const bool known = localtime_r(&now, &local) != nullptr && local.tm_isdst >= 0;
  const std::time_t as_utc = known ? timegm(&local) : -1;
#endif
  if (!known || as_utc == -1) throw std::runtime_error("Invalid TimeZone!");
  return static_cast<int>((as_utc - now) / 60);
}

std::string DateHeaderValue(const DateTime& t, int utc_offset_minutes) {
  const int offset = utc_offset_minutes < 0 ? -utc_offset_minutes : utc_offset_minutes;
  return fmt("%s, %d %s %04d %02d:%02d:%02d %c%02d%02d",
             std::string(kDays[t.day_of_week()]).c_str(), t.day,
             std::string(kMonths[t.month - 1]).c_str(), t.year, t.hour, t.minute, t.second,
             utc_offset_minutes < 0 ? '-' : '+', offset / 60, offset % 60);
}

std::vector<std::string> SplitAddressList(std::string_view list) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  bool in_angle = false;
  for (std::size_t i = 0; i <= list.size(); ++i) {
    const char c = i < list.size() ? list[i] : ';';
    if (c == '<') in_angle = true;
    if (c == '>') in_angle = false;
    if ((c == ';' || c == ',') && (!in_angle || i == list.size())) {
      const std::string_view entry = trim(list.substr(start, i - start));
      if (!entry.empty()) entries.emplace_back(entry);
      start = i + 1;
    }
  }
  return entries;
}

std::vector<std::string> AngleAddresses(std::string_view list) {
  std::vector<std::string> out;
  for (std::size_t open = list.find('<'); open != std::string_view::npos;) {
    const std::size_t close = list.find('>', open + 1);
    if (close == std::string_view::npos) break;
    out.emplace_back(list.substr(open + 1, close - open - 1));
    open = list.find('<', close + 1);
  }
  return out;
}

std::string ComposeMessage(const MailMessage& m) {
  std::string out;
  address_header(out, "Reply-To", m.FromName, m.ReplyTo);
  address_header(out, "From", m.FromName, m.FromAddress);
  header(out, "Organization", m.FromOrganization);
  header(out, "To", list_value(m.ToAddr));
  header(out, "Cc", list_value(m.ToCC));
  header(out, "Subject", m.MsgSubject);
  header(out, "Date", DateHeaderValue(m.MsgDateTime, LocalUtcOffsetMinutes()));
  for (const std::string& line : m.AddHeaders) out.append(line).append("\r\n");
  std::string type = m.MsgContentType == ctHTML ? "text/html" : "text/plain";
  if (!m.MsgContentCharset.empty()) type += "; charset=" + m.MsgContentCharset;
  header(out, "Content-Type", type);
  header(out, "X-Mailer", m.Agent);
  header(out, "X-Priority",
         fmt("%d (%s)", static_cast<int>(m.MsgPriority) + 1,
             std::string(kPriorities[m.MsgPriority]).c_str()));
  out.append("\r\n").append(trim(m.MsgBody)).append("\r\n");
  return out;
}

}  // namespace rv
