// Numbers as fixed-width texts for the loops that fill thousands of cells: the same texts as
// printf's "%*d" and "%*.*f" (right-aligned in at least `width` characters, correctly
// rounded), without a format string to convert and without allocating.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

class NumText {
 public:
  [[nodiscard]] std::string_view view() const {
    return long_.empty() ? std::string_view(buf_.data() + begin_, buf_.size() - begin_)
                         : std::string_view(long_);
  }
  operator std::string_view() const { return view(); }  // NOLINT: used where text goes

  // "%*lld".
  static NumText Int(std::int64_t v, int width);
  // "%*.*f".
  static NumText Fixed(double v, int width, int precision);
  // A whole number of tenths as "%*.1f" of tenths / 10 ("  12.3"), exact.
  static NumText Tenths(std::int64_t tenths, int width);

 private:
  // Long enough for every number a cell shows. The text is written backwards so that it ends
  // at the buffer's end, already right-aligned; a longer one (a double far beyond any odds or
  // yen amount) goes to long_.
  std::array<char, 48> buf_;
  std::size_t begin_ = 0;
  std::string long_;
  // Widths up to this are padded by blanking the buffer's tail before the text goes in.
  static constexpr std::size_t kBlankTail = 16;
  [[nodiscard]] char* end() { return buf_.data() + buf_.size(); }
  // Blanks the tail and answers end(), where the text is written backwards from.
  char* blank_tail();
  // The text written backwards from end() to `first`, padded with blanks to `width`.
  void align(const char* first, int width);
};

// Reads a number with at most one decimal ("  12.3", "8", "-0.5") as tenths; blanks around
// it are allowed. Anything else (an empty text, two decimals, letters) is nullopt.
std::optional<std::int64_t> ParseTenths(std::string_view text);

}  // namespace rv
