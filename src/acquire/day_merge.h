// How one record is laid into the lines of a day file, without touching the disk. Lines are
// kept in case-insensitive text order (icompare_ascii); blank lines never match a key. The
// store keeps its lines as views (std::string_view) into buffers it owns; std::string lines
// work the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace rv {

struct KeySpec {
  std::size_t first;  // 1-based
  std::size_t length;
  bool drop_blank_first_line;
};

// The record without its closing line break.
std::string_view RecordLine(std::string_view record);

// Replaces the first line whose key equals the line's, or appends it; then sorts all lines
// (stable) and, when asked, removes one blank first line.
template <typename Line>
void MergeKeyedLine(std::vector<Line>& lines, std::type_identity_t<Line> line, const KeySpec& spec);

// The same result for lines that are already sorted, without sorting them again: the line
// goes straight to the place the stable sort would give it.
template <typename Line>
void MergeKeyedLineSorted(std::vector<Line>& lines, std::type_identity_t<Line> line,
                          const KeySpec& spec);

// Replaces every line whose key equals the line's, or appends it when none does; the other
// lines keep their places and nothing is sorted.
void ReplaceKeyedLines(std::vector<std::string_view>& lines, std::string_view line,
                       const KeySpec& spec);

// The line of an SE slot nobody has filled: blanks.
const std::string& BlankSeLine();

// A new SE file: every slot a line of blanks.
std::vector<std::string_view> BlankSeLines();

// Puts the line at its slot. A file cut short is first filled up with blank slots, so the
// slots after the cut keep their places.
void PutSeLine(std::vector<std::string_view>& lines, std::size_t slot, std::string_view line);

}  // namespace rv
