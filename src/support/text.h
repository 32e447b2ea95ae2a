// Text in the core is Shift-JIS (code page 932) bytes held in std::string, exactly as JV-Data
// records and the system's files hold it. UTF-8 appears only at the edges (display, file
// names on disk, command-line output) and in source literals, which sj() converts once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rv {

// UTF-8 -> Shift-JIS. Characters without a Shift-JIS form become '?'.
std::string sj(std::string_view utf8);

// Shift-JIS -> UTF-8. Bytes that do not form a Shift-JIS character (a lone lead byte, an
// undefined code) become U+FFFD so that a damaged record still displays.
std::string to_utf8(std::string_view sjis);

// True when the UTF-8 text converts to Shift-JIS without loss.
bool sjis_representable(std::string_view utf8);

// Length in bytes of the Shift-JIS character starting at s[i] (1 or 2).
inline std::size_t sjis_char_len(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
  return lead && i + 1 < s.size() ? 2 : 1;
}

// Field of a record by 1-based byte position and length; clipped to the record.
inline std::string_view fld(std::string_view rec, std::size_t pos, std::size_t len) {
  if (pos == 0 || pos > rec.size()) return {};
  return rec.substr(pos - 1, len);
}

// Overwrites bytes [pos, pos+len) (1-based) of rec with text, padded or cut to len.
void put_fld(std::string& rec, std::size_t pos, std::size_t len, std::string_view text,
             char pad = ' ');

// Forgiving integer reader: surrounding blanks are ignored, an optional sign is allowed,
// anything else (an empty field, letters, dashes, stars) reads 0.
std::int64_t num(std::string_view s);
inline int inum(std::string_view s) {
  return static_cast<int>(num(s));
}

// Forgiving decimal reader with the same rules ("12.5", "-3", " 7 "); junk reads def.
double dnum(std::string_view s, double def = 0.0);

// True when s is non-empty and every byte is an ASCII digit.
bool all_digits(std::string_view s);

// Blanks (ASCII spaces, tabs and control characters) removed at both ends.
// Inline: the bet tables ask both of every cell they write.
inline std::string_view trim(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return s.substr(b, e - b);
}
inline bool is_blank(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) > ' ') return false;
  }
  return true;
}

// ASCII letters folded to upper case; Shift-JIS trail bytes are left alone.
std::string upper_ascii(std::string_view s);
bool iequals_ascii(std::string_view a, std::string_view b);
// Byte order with ASCII letters folded to one case: -1, 0, 1.
int icompare_ascii(std::string_view a, std::string_view b);

// printf-style formatting. The format is a UTF-8 literal (converted to Shift-JIS when it
// holds anything beyond ASCII); %s arguments are Shift-JIS text and are copied as they are.
// (mingw's GCC checks the C runtime's printf otherwise; clang knows no gnu_printf.)
#if defined(__MINGW32__) && !defined(__clang__)
std::string fmt(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
#else
std::string fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif

}  // namespace rv

// A Shift-JIS literal converted once per call site.
#define SJ(lit)                                            \
  ([]() -> const std::string& {                            \
    static const std::string rv_sj_cached = ::rv::sj(lit); \
    return rv_sj_cached;                                   \
  }())
