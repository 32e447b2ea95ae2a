#include "acquire/day_merge.h"

#include <algorithm>

#include "acquire/day_files.h"
#include "support/text.h"

namespace rv {
namespace {

bool line_less(const std::string& a, const std::string& b) {
  return icompare_ascii(a, b) < 0;
}

// The first line holding the key, or lines.size().
std::size_t find_key(const std::vector<std::string>& lines, std::string_view line,
                     const KeySpec& spec) {
  const std::string_view key = fld(line, spec.first, spec.length);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (fld(lines[i], spec.first, spec.length) == key) return i;
  }
  return lines.size();
}

void drop_blank_first(std::vector<std::string>& lines, const KeySpec& spec) {
  if (spec.drop_blank_first_line && !lines.empty() && is_blank(lines.front())) {
    lines.erase(lines.begin());
  }
}

}  // namespace

std::string_view RecordLine(std::string_view record) {
  if (record.ends_with("\r\n")) {
    record.remove_suffix(2);
  } else if (record.ends_with('\n') || record.ends_with('\r')) {
    record.remove_suffix(1);
  }
  return record;
}

void MergeKeyedLine(std::vector<std::string>& lines, std::string line, const KeySpec& spec) {
  const std::size_t i = find_key(lines, line, spec);
  if (i < lines.size()) {
    lines[i] = std::move(line);
  } else {
    lines.push_back(std::move(line));
  }
  std::stable_sort(lines.begin(), lines.end(), line_less);
  drop_blank_first(lines, spec);
}

void MergeKeyedLineSorted(std::vector<std::string>& lines, std::string line, const KeySpec& spec) {
  const std::size_t i = find_key(lines, line, spec);
  std::size_t pos = 0;
  if (i < lines.size()) {
    // A stable sort keeps the replaced line behind the equal lines that stood before it and
    // ahead of those that stood after it.
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    const auto [lo, hi] = std::equal_range(lines.begin(), lines.end(), line, line_less);
    pos = std::clamp(i, static_cast<std::size_t>(lo - lines.begin()),
                     static_cast<std::size_t>(hi - lines.begin()));
  } else {
    // An appended line goes behind every equal line.
    pos = static_cast<std::size_t>(std::upper_bound(lines.begin(), lines.end(), line, line_less) -
                                   lines.begin());
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(line));
  drop_blank_first(lines, spec);
}

std::vector<std::string> BlankSeLines() {
  return std::vector<std::string>(kSeSlots, std::string(kSeLineLength, ' '));
}

void PutSeLine(std::vector<std::string>& lines, std::size_t slot, std::string line) {
  if (lines.size() < kSeSlots) lines.resize(kSeSlots, std::string(kSeLineLength, ' '));
  lines[slot] = std::move(line);
}

}  // namespace rv
