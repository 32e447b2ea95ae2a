// One server reply as the connection hands it over, in pieces of any size: complete once its
// last line ends and is not a continuation line ("250-"); its code is the first three digits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rv::mail {

class SmtpReply {
 public:
  // A reply longer than this is taken as it stands rather than waited on for ever.
  static constexpr std::size_t kLongest = 64 * 1024;

  // Adds a piece; answers whether more is wanted.
  bool Add(std::string_view piece);
  [[nodiscard]] bool complete() const;
  // The code, or -1 when the text does not start with one.
  [[nodiscard]] int code() const;
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace rv::mail
