#include "support/num_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "support/text.h"

namespace rv {

namespace {

// "00" … "99": two digits a division.
constexpr auto kPairs = [] {
  std::array<char, 200> t{};
  for (int i = 0; i < 100; ++i) {
    t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return t;
}();

// The decimal digits of u written backwards, ending before `end`; answers the first.
char* digits_before(char* end, std::uint64_t u) {
  while (u >= 100) {
    const std::size_t pair = 2 * static_cast<std::size_t>(u % 100);
    u /= 100;
    *--end = kPairs[pair + 1];
    *--end = kPairs[pair];
  }
  if (u >= 10) {
    *--end = kPairs[2 * u + 1];
    *--end = kPairs[2 * u];
  } else {
    *--end = static_cast<char>('0' + u);
  }
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

void NumText::align(const char* first, int width) {
  const char* start = buf_.data();
  const auto n = static_cast<std::size_t>(end() - first);
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (n >= w) {
    begin_ = static_cast<std::size_t>(first - start);
  } else if (w <= kBlankTail) {
    // The tail was blanked before the digits went in.
    begin_ = buf_.size() - w;
  } else if (w <= buf_.size()) {
    char* p = buf_.data() + (first - start);
    for (std::size_t i = n; i < w; ++i) *--p = ' ';
    begin_ = buf_.size() - w;
  } else {
    long_.assign(w - n, ' ');
    long_.append(first, n);
  }
}

char* NumText::blank_tail() {
  static constexpr char kBlanks[kBlankTail + 1] = "                ";
  std::memcpy(end() - kBlankTail, kBlanks, kBlankTail);
  return end();
}

NumText NumText::Int(std::int64_t v, int width) {
  NumText t;
  char* p = digits_before(t.blank_tail(), magnitude(v));
  if (v < 0) *--p = '-';
  t.align(p, width);
  return t;
}

NumText NumText::Fixed(double v, int width, int precision) {
  NumText t;
  if (const std::optional<std::uint64_t> d = certain_digits(v, precision)) {
    t.align(fixed_before(t.blank_tail(), *d, precision, std::signbit(v)), width);
    return t;
  }
  // Near a half, or too large for the short way: printf's own rounding.
  std::array<char, 64> tmp;
  const auto r =
      std::to_chars(tmp.data(), tmp.data() + tmp.size(), v, std::chars_format::fixed, precision);
  const auto n = static_cast<std::size_t>(r.ptr - tmp.data());
  if (r.ec == std::errc() && n <= t.buf_.size()) {
    char* first = t.blank_tail() - n;
    std::memcpy(first, tmp.data(), n);
    t.align(first, width);
    return t;
  }
  const int len = std::snprintf(nullptr, 0, "%*.*f", width, precision, v);
  if (len > 0) {
    t.long_.resize(static_cast<std::size_t>(len) + 1);
    std::snprintf(t.long_.data(), t.long_.size(), "%*.*f", width, precision, v);
    t.long_.resize(static_cast<std::size_t>(len));
  }
  return t;
}

NumText NumText::Tenths(std::int64_t tenths, int width) {
  NumText t;
  t.align(fixed_before(t.blank_tail(), magnitude(tenths), 1, tenths < 0), width);
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
