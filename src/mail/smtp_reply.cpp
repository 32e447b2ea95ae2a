#include "mail/smtp_reply.h"

#include "support/text.h"

namespace rv::mail {

// Servers may hand a multi-line reply (EHLO) over in pieces; reading only the first piece
// would leave the rest to be taken for the answer to the next command.
bool SmtpReply::complete() const {
  if (text_.empty() || text_.back() != '\n') return false;
  const std::size_t start = text_.find_last_of('\n', text_.size() - 2);
  const std::string_view last =
      std::string_view(text_).substr(start == std::string::npos ? 0 : start + 1);
  return last.size() < 4 || last[3] != '-';
}

bool SmtpReply::Add(std::string_view piece) {
  text_ += piece;
  return !complete() && text_.size() < kLongest;
}

int SmtpReply::code() const {
  const std::string_view code = std::string_view(text_).substr(0, 3);
  return text_.size() >= 5 && all_digits(code) ? inum(code) : -1;
}

}  // namespace rv::mail
