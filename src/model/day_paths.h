// Where a loaded day's files lie. The names are the day-file store's (acquire/day_files.h),
// so the loaders read exactly what acquisition wrote.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "model/day.h"

namespace rv {

// True for a day name as the date box holds it: "yyyy年mm月dd日" (14 bytes of Shift-JIS).
// Only such a text may name a file.
bool IsDayName(std::string_view text);

// The day's files; every path empty when the text is no day name.
DayFiles MakeDayFiles(std::string_view day_name);

// The runner file of one venue of the day; nullopt when the venue code cannot name one.
std::optional<std::filesystem::path> SeFilePath(std::string_view day_name,
                                                std::string_view venue_code);

// A change file of the day below "\CHG\": extension ".TC" or ".NEW".
std::filesystem::path ChangeFilePath(std::string_view day_name, std::string_view extension);

}  // namespace rv
