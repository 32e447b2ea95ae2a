#include "jvdata/keiba_format.h"

#include <algorithm>

#include "support/text.h"

namespace rv {
namespace {

int width_of(std::string_view digits) {
  return static_cast<int>(digits.size());
}

}  // namespace

std::string FmtNum(std::string_view digits) {
  const std::int64_t v = num(digits);
  if (v == 0) return std::string(digits.size(), ' ');
  return fmt("%*lld", width_of(digits), static_cast<long long>(v));
}

std::string FmtTenth(std::string_view digits) {
  const std::int64_t v = num(digits);
  if (v == 0) return std::string(digits.size(), ' ');
  return fmt("%*.1f", width_of(digits) + 1, static_cast<double>(v) / 10.0);
}

std::string FmtTenthN(std::string_view digits) {
  const std::int64_t v = num(digits);
  if (v == 0) return std::string(digits.size(), ' ');
  return fmt("%*.1f", std::max(width_of(digits) - 1, 0), static_cast<double>(v) / 10.0);
}

std::string FmtTime(std::string_view time) {
  const std::string_view secs = trim(fld(time, 2, 3));
  const std::string_view whole = trim(time);
  if (secs.empty() || secs == "999" || whole == "9999" || whole == "0000") {
    return std::string(5, ' ');
  }
  std::string out(fld(time, 1, 1));
  out += fmt("%2d", inum(fld(time, 2, 2)));
  out += '.';
  out += fld(time, 4, 1);
  return out;
}

std::string FmtTime2(std::string_view time) {
  if (time.size() == 4 && time[0] != '0' && time[0] != ' ') {
    std::string out(1, time[0]);
    out += '.';
    out += time.substr(1, 2);
    out += '.';
    out += time[3];
    return out;
  }
  if (time == "0000") return std::string(6, ' ');
  std::string out = "  ";
  out += fld(time, 2, 2);
  out += '.';
  out += fld(time, 4, 1);
  return out;
}

std::string AddMinutes(std::string_view hhmm, int minutes) {
  if (is_blank(hhmm)) return {};
  const int t = std::max(inum(fld(hhmm, 1, 2)) * 60 + inum(fld(hhmm, 3, 2)) + minutes, 0);
  return fmt("%02d%02d", t / 60, t % 60);
}

std::string PutStr(std::string_view text, std::string_view piece, std::size_t pos) {
  std::string out(text);
  const std::size_t at = std::min(pos == 0 ? 0 : pos - 1, out.size());
  out.replace(at, piece.size(), piece);
  return out;
}

std::string DelZenSpace(std::string_view text) {
  const std::string& blank = SJ("　");
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = sjis_char_len(text, i);
    const std::string_view ch = text.substr(i, n);
    if (ch != blank) out += ch;
    i += n;
  }
  return out;
}

std::string ZenNum(std::string_view horse) {
  const std::string_view h = trim(horse);
  const int n = inum(h);
  const bool one_digit = h.size() == 1 || (h.size() == 2 && h[0] == '0');
  if (all_digits(h) && n >= 1 && n <= 9 && one_digit) {
    return SJ("１２３４５６７８９").substr(static_cast<std::size_t>(n - 1) * 2, 2);
  }
  if (all_digits(h) && h.size() == 2 && n >= 10 && n <= 18) return std::string(h);
  return SJ("　");
}

std::string MonthChar(std::string_view month) {
  static constexpr std::string_view kMonths[] = {"01", "02", "03", "04", "05", "06",
                                                 "07", "08", "09", "10", "11", "12"};
  static constexpr char kChars[] = "123456789abc";
  for (std::size_t i = 0; i < std::size(kMonths); ++i) {
    if (month == kMonths[i]) return std::string(1, kChars[i]);
  }
  return {};
}

}  // namespace rv
