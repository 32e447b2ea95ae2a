#include "betting/ruison_file.h"

#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

const char* const kRuisonFile = "\\ruison.csv";

}  // namespace

std::optional<RuisonRow> ParseRuisonLine(std::string_view line) {
  RuisonRow row;
  std::size_t field = 0;
  std::string cur;
  bool quoted = false;
  const auto put = [&] {
    if (field < row.size()) row[field] = std::move(cur);
    ++field;
    cur.clear();
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char ch = line[i];
    if (quoted) {
      if (ch != '"') {
        cur += ch;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        cur += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      put();
    } else {
      cur += ch;
    }
  }
  if (quoted) return std::nullopt;
  put();
  return row;
}

std::string RuisonLine(const RuisonRow& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += ',';
    line += '"';
    for (const char ch : row[i]) {
      if (ch == '"') line += '"';
      line += ch;
    }
    line += '"';
  }
  return line;
}

RuisonRead ReadRuisonFile() {
  RuisonRead read;
  const std::vector<std::string> lines = read_lines(app_path(kRuisonFile));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    if (std::optional<RuisonRow> row = ParseRuisonLine(lines[i])) {
      read.rows.push_back(std::move(*row));
    } else if (read.damaged_line == 0) {
      read.damaged_line = static_cast<int>(i) + 1;
    }
  }
  return read;
}

void WriteRuisonFile(const std::vector<RuisonRow>& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size());
  for (const RuisonRow& r : rows) lines.push_back(RuisonLine(r));
  write_lines(app_path(kRuisonFile), lines);
}

}  // namespace rv
