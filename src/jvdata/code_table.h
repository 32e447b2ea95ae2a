// Lookup tables of the code functions: rows written as UTF-8 literals, converted to Shift-JIS
// once when a table is first used, then searched without any conversion.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rv::codes {

struct TextRow {
  std::string_view code;
  std::string_view text;  // UTF-8
};

struct NumRow {
  int code;
  std::string_view text;  // UTF-8
};

// Codes compared as text, exactly as the record holds them.
class TextCodeTable {
 public:
  enum class Shape { kAsWritten, kTrimmed };
  // Texts shorter than pad_to bytes are padded on the right with full-width blanks; kTrimmed
  // drops trailing blanks instead.
  TextCodeTable(std::span<const TextRow> rows, std::string_view fallback, std::size_t pad_to = 0,
                Shape shape = Shape::kAsWritten);
  TextCodeTable(std::initializer_list<TextRow> rows, std::string_view fallback,
                std::size_t pad_to = 0)
      : TextCodeTable(std::span<const TextRow>(rows.begin(), rows.size()), fallback, pad_to) {}
  [[nodiscard]] const std::string& operator()(std::string_view code) const;
  [[nodiscard]] std::size_t size() const { return rows_.size(); }

 private:
  std::vector<std::pair<std::string, std::string>> rows_;  // sorted by code
  std::string fallback_;
};

// Codes read as a decimal number first (leading zeros and blanks do not matter).
class NumCodeTable {
 public:
  NumCodeTable(std::initializer_list<NumRow> rows, std::string_view fallback);
  [[nodiscard]] const std::string& operator()(std::string_view code) const;
  [[nodiscard]] const std::string& at(long long code) const;

 private:
  std::vector<std::pair<long long, std::string>> rows_;  // sorted by code
  std::string fallback_;
};

}  // namespace rv::codes
