#include "support/text.h"

#ifdef _WIN32
#include "support/win_text.h"
#else
#include <iconv.h>
#endif

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace rv {
namespace {

#ifndef _WIN32
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    // iconv_open reports failure as (iconv_t)-1: the cast is its interface, not a choice.
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in; on an unconvertible or truncated sequence, skips `skip(in, pos)` input
  // bytes and appends `replacement`. Returns false when anything had to be replaced.
  template <typename Skip>
  bool run(std::string_view in, std::string& out, std::string_view replacement, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    out.reserve(in.size() * 2);
    bool clean = true;
    char buf[1024];
    auto* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
      char* dst = buf;
      std::size_t room = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: replace the offending character and carry on.
      clean = false;
      const std::size_t n = std::min(left, skip(std::string_view(src, left)));
      src += n;
      left -= n;
      out.append(replacement);
    }
    return clean;
  }

 private:
  iconv_t cd_;
};

std::size_t utf8_len(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

// iconv descriptors are not thread-safe; one per thread keeps the mail worker safe too.
Converter& to_sjis() {
  thread_local Converter c("CP932", "UTF-8");
  return c;
}
Converter& from_sjis() {
  thread_local Converter c("UTF-8", "CP932");
  return c;
}
#endif

bool is_ascii(std::string_view s) {
  for (const char ch : s) {
    if (static_cast<unsigned char>(ch) >= 0x80) return false;
  }
  return true;
}

}  // namespace

#ifdef _WIN32
// Windows has no iconv: its own code page 932 tables, which agree with iconv's CP932.
std::string sj(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  return to_cp932(widen(utf8));
}

bool sjis_representable(std::string_view utf8) {
  if (is_ascii(utf8)) return true;
  bool lossy = false;
  to_cp932(widen(utf8), &lossy);
  return !lossy;
}

std::string to_utf8(std::string_view sjis) {
  if (is_ascii(sjis)) return std::string(sjis);
  return narrow(from_cp932(sjis));
}
#else
std::string sj(std::string_view utf8) {
  if (is_ascii(utf8)) return std::string(utf8);
  std::string out;
  to_sjis().run(utf8, out, "?", utf8_len);
  return out;
}

bool sjis_representable(std::string_view utf8) {
  if (is_ascii(utf8)) return true;
  std::string out;
  return to_sjis().run(utf8, out, "?", utf8_len);
}

std::string to_utf8(std::string_view sjis) {
  if (is_ascii(sjis)) return std::string(sjis);
  std::string out;
  from_sjis().run(sjis, out, "\xEF\xBF\xBD", [](std::string_view rest) {
    // Drop only the lead byte so a following valid character survives.
    (void)rest;
    return std::size_t{1};
  });
  return out;
}
#endif

void put_fld(std::string& rec, std::size_t pos, std::size_t len, std::string_view text, char pad) {
  if (pos == 0 || len == 0) return;
  if (rec.size() < pos - 1 + len) rec.resize(pos - 1 + len, ' ');
  for (std::size_t i = 0; i < len; ++i) rec[pos - 1 + i] = i < text.size() ? text[i] : pad;
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::int64_t num(std::string_view s) {
  s = trim(s);
  bool neg = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    neg = s[0] == '-';
    s.remove_prefix(1);
  }
  if (!all_digits(s) || s.size() > 18) return 0;
  std::int64_t v = 0;
  for (const char c : s) v = v * 10 + (c - '0');
  return neg ? -v : v;
}

double dnum(std::string_view s, double def) {
  s = trim(s);
  std::string_view body = s;
  if (!body.empty() && (body[0] == '+' || body[0] == '-')) body.remove_prefix(1);
  bool digit = false;
  bool dot = false;
  for (const char c : body) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !dot) {
      dot = true;
    } else {
      return def;
    }
  }
  if (!digit) return def;
  return std::strtod(std::string(s).c_str(), nullptr);
}

std::string upper_ascii(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = sjis_char_len(out, i);
    if (n == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    i += n;
  }
  return out;
}

int icompare_ascii(std::string_view a, std::string_view b) {
  // While the prefixes agree both strings share the lead/trail state, so one flag serves.
  const std::size_t n = std::min(a.size(), b.size());
  bool trail = false;
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (!trail) {
      if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 'a' + 'A');
      if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 'a' + 'A');
    }
    if (x != y) return x < y ? -1 : 1;
    trail = !trail && ((x >= 0x81 && x <= 0x9F) || (x >= 0xE0 && x <= 0xFC));
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool iequals_ascii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && icompare_ascii(a, b) == 0;
}

std::string fmt(const char* format, ...) {
  const std::string f = sj(format);
  va_list ap;
  va_start(ap, format);
  char small[256];
  va_list ap2;
  va_copy(ap2, ap);
  const int n = std::vsnprintf(small, sizeof small, f.c_str(), ap);
  va_end(ap);
  std::string out;
  if (n < 0) {
    va_end(ap2);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    out.assign(small, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), f.c_str(), ap2);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(ap2);
  return out;
}

}  // namespace rv
