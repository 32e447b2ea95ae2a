// The system's own wording of JV-Link result codes, as the message boxes, status labels and
// the error log show them.
#pragma once

#include <string>
#include <string_view>

namespace rv {

// message + "(" + code + ")" in Shift-JIS. The message depends on the operation name
// ("JVOpen", "JVRead", ...) and the code; a code without a message gives just "(code)".
std::string JVResultText(std::string_view operation, int code);

}  // namespace rv
