// Fixed-width numeric texts of JV-Data records (times, weights, odds, counts) in their
// printed forms, and the small text helpers that patch and tidy record fields. The width of
// an output follows the width of the input field. Shift-JIS in, Shift-JIS out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

// The value right-aligned in the field's own width; blanks when it is 0. "07" -> " 7".
std::string FmtNum(std::string_view digits);

// Tenths to one decimal in width + 1 characters ("0550" -> " 55.0"); width blanks for 0.
std::string FmtTenth(std::string_view digits);

// Tenths to one decimal in width - 1 characters, wider when needed ("0550" -> "55.0");
// width blanks for 0.
std::string FmtTenthN(std::string_view digits);

// A 4-character time "msst" as "m" + "%2d" seconds + "." + tenth: "1345" -> "134.5",
// "1053" -> "1 5.3"; five blanks when there is no time ("9999", "0000", seconds "999").
std::string FmtTime(std::string_view time);

// The same time as "1.34.5", or "  58.3" under a minute; "0000" gives six blanks.
std::string FmtTime2(std::string_view time);

// "hhmm" plus signed minutes as "hhmm"; empty for a blank time. The result does not wrap
// past midnight ("2350" + 20 -> "2410"); before midnight it stops at "0000" so that earlier
// times never compare later.
std::string AddMinutes(std::string_view hhmm, int minutes);

// text with the piece written over it from the 1-based position on (as many bytes as the
// piece has are replaced; past the end the piece is appended).
std::string PutStr(std::string_view text, std::string_view piece, std::size_t pos);

// text without any full-width space "　".
std::string DelZenSpace(std::string_view text);

// Horse number "1".."9" or "01".."09" to "１".."９"; "10".."18" as they are; else "　".
std::string ZenNum(std::string_view horse);

// Month "01".."12" to one character "1".."9", "a", "b", "c"; empty otherwise.
std::string MonthChar(std::string_view month);

}  // namespace rv
