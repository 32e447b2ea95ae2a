#include "jvdata/code_table.h"

#include <algorithm>

#include "support/text.h"

namespace rv::codes {
namespace {

std::string padded(std::string_view utf8, std::size_t pad_to) {
  std::string s = sj(utf8);
  const std::string& blank = SJ("　");
  while (s.size() + blank.size() <= pad_to) s += blank;
  return s;
}

}  // namespace

TextCodeTable::TextCodeTable(std::span<const TextRow> rows, std::string_view fallback,
                             std::size_t pad_to, Shape shape)
    : fallback_(sj(fallback)) {
  rows_.reserve(rows.size());
  for (const TextRow& r : rows) {
    std::string text = padded(r.text, pad_to);
    if (shape == Shape::kTrimmed) {
      while (!text.empty() && text.back() == ' ') text.pop_back();
    }
    rows_.emplace_back(std::string(r.code), std::move(text));
  }
  std::sort(rows_.begin(), rows_.end());
}

const std::string& TextCodeTable::operator()(std::string_view code) const {
  const auto it =
      std::lower_bound(rows_.begin(), rows_.end(), code,
                       [](const auto& row, std::string_view c) { return row.first < c; });
  return it != rows_.end() && it->first == code ? it->second : fallback_;
}

NumCodeTable::NumCodeTable(std::initializer_list<NumRow> rows, std::string_view fallback)
    : fallback_(sj(fallback)) {
  rows_.reserve(rows.size());
  for (const NumRow& r : rows) rows_.emplace_back(r.code, sj(r.text));
  std::sort(rows_.begin(), rows_.end());
}

const std::string& NumCodeTable::at(long long code) const {
  const auto it = std::lower_bound(rows_.begin(), rows_.end(), code,
                                   [](const auto& row, long long c) { return row.first < c; });
  return it != rows_.end() && it->first == code ? it->second : fallback_;
}

const std::string& NumCodeTable::operator()(std::string_view code) const {
  return at(num(code));
}

}  // namespace rv::codes
