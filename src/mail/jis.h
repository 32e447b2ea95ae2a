// The Japanese text conversions a caller applies before handing a mail's texts to TSendMail:
// the body and subject go out as ISO-2022-JP, header words in the MIME "B" form.
#pragma once

#include <string>
#include <string_view>

namespace rv {

// Shift-JIS -> ISO-2022-JP. Half-width katakana become their full-width forms; a byte that
// is neither ASCII nor part of a Shift-JIS character becomes "?". The return to single-byte
// text is always ESC "(J".
std::string SjisToJis(std::string_view sjis);

// Every ESC "$B" (or ESC "$@") run up to its closing ESC "(J" / ESC "(B" becomes one
// "=?ISO-2022-JP?B?...?=" word; the text around the runs is copied. Words are not folded.
std::string JisToMimeHeader(std::string_view jis);

// Base64 (RFC 2045 alphabet, "=" fill, no line breaks).
std::string MimeBEncode(std::string_view bytes);

}  // namespace rv
