#include "support/num_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "support/text.h"

namespace rv {

namespace {

// The decimal digits of u written backwards, ending before `end`; answers the first.
char* digits_before(char* end, std::uint64_t u) {
  do {
    *--end = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  return end;
}

std::uint64_t magnitude(std::int64_t v) {
  return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// Whole digits of |v| x 10^precision rounded as printf rounds v, when that is certain: the
// scaled value lies clearly away from a half, so that neither the scaling's rounding error
// nor printf's ties-to-even rule can matter. Otherwise nullopt.
std::optional<std::uint64_t> certain_digits(double v, int precision) {
  constexpr double kScale[] = {1, 10, 100, 1000};
  if (precision < 0 || precision > 3) return std::nullopt;
  // Below 1e9 the scaling errs by less than 1e-7.
  const double y = std::fabs(v) * kScale[precision];
  if (!(y < 1e9)) return std::nullopt;
  const double whole = std::floor(y);
  const double frac = y - whole;
  if (std::fabs(frac - 0.5) < 1e-6) return std::nullopt;
  return static_cast<std::uint64_t>(whole) + (frac > 0.5 ? 1 : 0);
}

// Digits with `precision` of them after the point, backwards before `end`.
char* fixed_before(char* end, std::uint64_t digits, int precision, bool negative) {
  char* p = end;
  for (int i = 0; i < precision; ++i) {
    *--p = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  if (precision > 0) *--p = '.';
  p = digits_before(p, digits);
  if (negative) *--p = '-';
  return p;
}

}  // namespace

void NumText::place(const char* text, std::size_t n, int width) {
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  const std::size_t pad = n < w ? w - n : 0;
  if (pad + n > buf_.size()) {
    long_.assign(pad, ' ');
    long_.append(text, n);
    return;
  }
  // A handful of bytes: plain loops beat the library calls.
  char* out = buf_.data();
  for (std::size_t i = 0; i < pad; ++i) *out++ = ' ';
  for (std::size_t i = 0; i < n; ++i) *out++ = text[i];
  len_ = pad + n;
}

NumText NumText::Int(std::int64_t v, int width) {
  NumText t;
  char tmp[24];
  char* p = digits_before(tmp + sizeof tmp, magnitude(v));
  if (v < 0) *--p = '-';
  t.place(p, static_cast<std::size_t>(tmp + sizeof tmp - p), width);
  return t;
}

NumText NumText::Fixed(double v, int width, int precision) {
  NumText t;
  if (const std::optional<std::uint64_t> d = certain_digits(v, precision)) {
    char tmp[32];
    char* p = fixed_before(tmp + sizeof tmp, *d, precision, std::signbit(v));
    t.place(p, static_cast<std::size_t>(tmp + sizeof tmp - p), width);
    return t;
  }
  // Near a half, or too large for the short way: printf's own rounding.
  std::array<char, 64> tmp;
  const auto r =
      std::to_chars(tmp.data(), tmp.data() + tmp.size(), v, std::chars_format::fixed, precision);
  if (r.ec == std::errc()) {
    t.place(tmp.data(), static_cast<std::size_t>(r.ptr - tmp.data()), width);
    return t;
  }
  const int n = std::snprintf(nullptr, 0, "%*.*f", width, precision, v);
  if (n > 0) {
    t.long_.resize(static_cast<std::size_t>(n) + 1);
    std::snprintf(t.long_.data(), t.long_.size(), "%*.*f", width, precision, v);
    t.long_.resize(static_cast<std::size_t>(n));
  }
  return t;
}

NumText NumText::Tenths(std::int64_t tenths, int width) {
  NumText t;
  char tmp[32];
  char* p = fixed_before(tmp + sizeof tmp, magnitude(tenths), 1, tenths < 0);
  t.place(p, static_cast<std::size_t>(tmp + sizeof tmp - p), width);
  return t;
}

std::optional<std::int64_t> ParseTenths(std::string_view text) {
  std::string_view s = trim(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  std::int64_t whole = 0;
  std::size_t i = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && i < 17; ++i)
    whole = whole * 10 + (s[i] - '0');
  if (i == 0) return std::nullopt;
  std::int64_t tenth = 0;
  if (i < s.size()) {
    if (s[i] != '.' || i + 2 != s.size() || s[i + 1] < '0' || s[i + 1] > '9') return std::nullopt;
    tenth = s[i + 1] - '0';
  }
  const std::int64_t v = whole * 10 + tenth;
  return negative ? -v : v;
}

}  // namespace rv
