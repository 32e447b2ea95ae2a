#include "support/num_text.h"

#include <charconv>
#include <cstring>

#include "support/text.h"

namespace rv {

void NumText::pad_to(std::size_t used, int width) {
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (used < w && w <= buf_.size()) {
    std::memmove(buf_.data() + (w - used), buf_.data(), used);
    std::memset(buf_.data(), ' ', w - used);
    used = w;
  }
  len_ = used;
}

NumText NumText::Int(std::int64_t v, int width) {
  NumText t;
  const auto r = std::to_chars(t.buf_.data(), t.buf_.data() + t.buf_.size(), v);
  t.pad_to(static_cast<std::size_t>(r.ptr - t.buf_.data()), width);
  return t;
}

NumText NumText::Fixed(double v, int width, int precision) {
  NumText t;
  char* const first = t.buf_.data();
  const auto r =
      std::to_chars(first, first + t.buf_.size(), v, std::chars_format::fixed, precision);
  if (r.ec != std::errc()) {
    // Only a precision far beyond what any cell uses gets here.
    t.len_ = 0;
    return t;
  }
  t.pad_to(static_cast<std::size_t>(r.ptr - first), width);
  return t;
}

NumText NumText::Tenths(std::int64_t tenths, int width) {
  NumText t;
  char* p = t.buf_.data();
  std::uint64_t u =
      tenths < 0 ? 0 - static_cast<std::uint64_t>(tenths) : static_cast<std::uint64_t>(tenths);
  if (tenths < 0) *p++ = '-';
  p = std::to_chars(p, t.buf_.data() + t.buf_.size(), u / 10).ptr;
  *p++ = '.';
  *p++ = static_cast<char>('0' + u % 10);
  t.pad_to(static_cast<std::size_t>(p - t.buf_.data()), width);
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
