// The DAY argument of the commands that work on a stored day.
#pragma once

#include <string>
#include <string_view>

#include "cli/cli.h"

namespace rv::cli {

// DAY as yyyymmdd or yyyy年mm月dd日 (UTF-8) to the day name the date box holds (Shift-JIS).
// Throws UsageError for anything else.
std::string ParseDayArg(std::string_view arg);

// Selects the day in the date box and loads it as choosing it there does. A day that is
// not listed loads as no day, with the window's message. 0 when the day is loaded, 1 when
// it was refused (the message went to the dialogs).
int LoadDayArg(CliContext& ctx, const std::string& day_name);

}  // namespace rv::cli
