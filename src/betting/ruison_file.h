// ruison.csv, the loss register's table in the program folder: one line per row, each of its
// four cells in double quotes, separated by commas, Shift-JIS with CR LF.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

using RuisonRow = std::array<std::string, 4>;

// A line split as comma-separated text with quoted fields ("" inside quotes is one quote);
// fields past the fourth are dropped, missing ones are empty. nullopt when a quote does not
// close.
std::optional<RuisonRow> ParseRuisonLine(std::string_view line);
// The row as a line: each cell quoted, a quote inside doubled.
std::string RuisonLine(const RuisonRow& row);

struct RuisonRead {
  std::vector<RuisonRow> rows;
  // 1-based number of the first line that could not be read; 0 when every line was.
  int damaged_line = 0;
};
// The rows of the file; an absent file has none. Throws FileError when it cannot be read.
RuisonRead ReadRuisonFile();
void WriteRuisonFile(const std::vector<RuisonRow>& rows);

}  // namespace rv
