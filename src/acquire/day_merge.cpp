#include "acquire/day_merge.h"

#include <algorithm>

#include "acquire/day_files.h"
#include "support/text.h"

namespace rv {
namespace {

bool line_less(std::string_view a, std::string_view b) {
  return icompare_ascii(a, b) < 0;
}

// The first line holding the key, or lines.size().
template <typename Line>
std::size_t find_key(const std::vector<Line>& lines, std::string_view line, const KeySpec& spec) {
  const std::string_view key = fld(line, spec.first, spec.length);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (fld(lines[i], spec.first, spec.length) == key) return i;
  }
  return lines.size();
}

template <typename Line>
void drop_blank_first(std::vector<Line>& lines, const KeySpec& spec) {
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

template <typename Line>
void MergeKeyedLine(std::vector<Line>& lines, std::type_identity_t<Line> line,
                    const KeySpec& spec) {
  const std::size_t i = find_key(lines, line, spec);
  if (i < lines.size()) {
    lines[i] = std::move(line);
  } else {
    lines.push_back(std::move(line));
  }
  std::stable_sort(lines.begin(), lines.end(), line_less);
  drop_blank_first(lines, spec);
}

template <typename Line>
void MergeKeyedLineSorted(std::vector<Line>& lines, std::type_identity_t<Line> line,
                          const KeySpec& spec) {
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

template void MergeKeyedLine(std::vector<std::string>&, std::string, const KeySpec&);
template void MergeKeyedLine(std::vector<std::string_view>&, std::string_view, const KeySpec&);
template void MergeKeyedLineSorted(std::vector<std::string>&, std::string, const KeySpec&);
template void MergeKeyedLineSorted(std::vector<std::string_view>&, std::string_view,
                                   const KeySpec&);

void ReplaceKeyedLines(std::vector<std::string_view>& lines, std::string_view line,
                       const KeySpec& spec) {
  const std::string_view key = fld(line, spec.first, spec.length);
  bool matched = false;
  for (std::string_view& l : lines) {
    if (fld(l, spec.first, spec.length) != key) continue;
    l = line;
    matched = true;
  }
  if (!matched) lines.push_back(line);
}

const std::string& BlankSeLine() {
  static const std::string blank(kSeLineLength, ' ');
  return blank;
}

std::vector<std::string_view> BlankSeLines() {
  return std::vector<std::string_view>(kSeSlots, BlankSeLine());
}

void PutSeLine(std::vector<std::string_view>& lines, std::size_t slot, std::string_view line) {
  if (lines.size() < kSeSlots) lines.resize(kSeSlots, BlankSeLine());
  lines[slot] = line;
}

}  // namespace rv
