// The CSV lines of the statistics: every field in double quotes, fields separated by ",".
#pragma once

#include <string>
#include <string_view>

namespace rv {

inline void AddCsvField(std::string& line, std::string_view field, bool first = false) {
  if (!first) line += ',';
  line.append("\"").append(field).append("\"");
}

}  // namespace rv
