#include "mail/jis.h"

#include <array>

#include "support/text.h"

namespace rv {
namespace {

constexpr char kEsc = '\x1b';
constexpr std::string_view kTo0208 = "\x1b$B";
constexpr std::string_view kToRoman = "\x1b(J";

bool is_lead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
bool is_trail(unsigned char c) {
  return c >= 0x40 && c <= 0xFC;
}

// The JIS X 0208 row/cell bytes of a Shift-JIS pair.
void append_jis(std::string& out, unsigned char lead, unsigned char trail) {
  int row = (lead >= 0xE0 ? lead - 0xB0 : lead - 0x70) * 2;
  int cell = trail;
  if (cell >= 0x9F) {
    cell -= 0x7E;
  } else {
    --row;
    cell -= cell >= 0x80 ? 0x20 : 0x1F;
  }
  out += static_cast<char>(row);
  out += static_cast<char>(cell);
}

// JIS codes of the full-width forms of the half-width katakana 0xA1..0xDF, in order.
const std::array<std::string, 63>& katakana_codes() {
  static const std::array<std::string, 63> codes = [] {
    const std::string wide =
        sj("。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテト"
           "ナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜");
    std::array<std::string, 63> out;
    for (std::size_t k = 0; k < out.size(); ++k) {
      append_jis(out[k], static_cast<unsigned char>(wide[2 * k]),
                 static_cast<unsigned char>(wide[2 * k + 1]));
    }
    return out;
  }();
  return codes;
}

}  // namespace

std::string SjisToJis(std::string_view sjis) {
  // The blank after the text lets a lead byte in the last place look at a "trail" that is
  // no trail byte, so it becomes "?"; the blank itself is never written.
  std::string text(sjis);
  text += ' ';
  std::string out;
  bool wide = false;
  auto enter = [&](bool to_wide) {
    if (to_wide != wide) out += to_wide ? kTo0208 : kToRoman;
    wide = to_wide;
  };
  for (std::size_t i = 0; i + 1 < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (is_lead(c) && is_trail(next)) {
      enter(true);
      append_jis(out, c, next);
      i += 2;
      continue;
    }
    if (c >= 0xA1 && c <= 0xDF) {
      enter(true);
      out += katakana_codes()[c - 0xA1];
    } else {
      enter(false);
      out += c >= 0x80 ? '?' : static_cast<char>(c);
    }
    ++i;
  }
  enter(false);
  return out;
}

std::string JisToMimeHeader(std::string_view s) {
  std::string out;
  std::size_t copied = 0;
  for (std::size_t i = s.find(kEsc); i != std::string_view::npos; i = s.find(kEsc, i + 1)) {
    const bool starts_run =
        i + 5 <= s.size() && s[i + 1] == '$' && (s[i + 2] == 'B' || s[i + 2] == '@');
    if (!starts_run) continue;
    std::size_t end = s.size();
    for (std::size_t e = s.find(kEsc, i + 3); e != std::string_view::npos;
         e = s.find(kEsc, e + 1)) {
      if (e + 2 < s.size() && s[e + 1] == '(' && (s[e + 2] == 'J' || s[e + 2] == 'B')) {
        end = e + 3;
        break;
      }
    }
    out.append(s.substr(copied, i - copied));
    out += "=?ISO-2022-JP?B?";
    out += MimeBEncode(s.substr(i, end - i));
    out += "?=";
    copied = end;
    if (end == s.size()) break;
    i = end - 1;
  }
  out.append(s.substr(copied));
  return out;
}

std::string MimeBEncode(std::string_view bytes) {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    unsigned v = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0U);
    }
    for (std::size_t k = 0; k < 4; ++k) {
      out += k <= n ? kAlphabet[(v >> (18 - 6 * k)) & 0x3F] : '=';
    }
  }
  return out;
}

}  // namespace rv
