// Server replies as a hostile or broken server could send them, cut into pieces at every NUL
// byte of the input: gathered as the dialogue gathers a reply. A reply never grows past its
// bound by more than the piece that crossed it, and a code is always three digits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mail/smtp_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  rv::mail::SmtpReply reply;
  std::size_t longest_piece = 0;
  for (std::size_t start = 0; start <= input.size();) {
    std::size_t end = input.find('\0', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view piece = input.substr(start, end - start);
    longest_piece = std::max(longest_piece, piece.size());
    start = end + 1;
    if (!reply.Add(piece)) break;
  }
  if (reply.text().size() > rv::mail::SmtpReply::kLongest + longest_piece) std::abort();
  const int code = reply.code();
  if (code < -1 || code > 999) std::abort();
  return 0;
}
