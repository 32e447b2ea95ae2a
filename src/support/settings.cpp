#include "support/settings.h"

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

// ｢ and ｣ are single bytes in Shift-JIS (half-width katakana block).
constexpr char kOpenCorner = '\xA2';
constexpr char kCloseCorner = '\xA3';

// One line of the file with its own line break, so that a rewrite gives back every line we
// did not change byte for byte, whatever its line breaks (or its bytes) are.
struct Line {
  std::string text;
  std::string_view eol;
};

std::vector<Line> split_keeping_breaks(std::string_view data) {
  std::vector<Line> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    std::string_view eol = c == '\n' ? "\n" : "\r";
    if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') eol = "\r\n";
    lines.push_back({std::string(data.substr(start, i - start)), eol});
    i += eol.size() - 1;
    start = i + 1;
  }
  if (start < data.size()) lines.push_back({std::string(data.substr(start)), ""});
  return lines;
}

std::string join(const std::vector<Line>& lines) {
  std::string out;
  for (const Line& l : lines) {
    out += l.text;
    out += l.eol;
  }
  return out;
}

struct Entry {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string_view name;
  std::string_view value;
};

// A section line is "[name]" (the last "]" closes it: a double-byte name may hold 0x5D as a
// trail byte); a key line is "name=value" ("=" is never a trail byte). Anything else is
// kept but means nothing.
Entry parse(std::string_view line) {
  const std::string_view t = trim(line);
  if (t.empty()) return {};
  if (t.front() == '[') {
    const std::size_t close = t.rfind(']');
    if (close == std::string_view::npos) return {};
    return {Entry::kSection, trim(t.substr(1, close - 1)), {}};
  }
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return {};
  return {Entry::kKey, trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

// Where a key lives: the first section of that name, and the first key of that name in it.
struct Place {
  std::size_t section = std::string::npos;  // line of the section header
  std::size_t end = 0;                      // one past the section's last non-blank line
  std::size_t key = std::string::npos;      // line of the key
};

Place locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Place p;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Entry e = parse(lines[i].text);
    if (e.kind == Entry::kSection) {
      if (p.section != std::string::npos) break;
      if (iequals_ascii(e.name, section)) p.section = p.end = i;
      continue;
    }
    if (p.section == std::string::npos) continue;
    if (!is_blank(lines[i].text)) p.end = i;
    if (e.kind == Entry::kKey && p.key == std::string::npos && iequals_ascii(e.name, key)) {
      p.key = i;
    }
  }
  if (p.section != std::string::npos) ++p.end;
  return p;
}

// An unreadable settings file reads as an empty one, as the platform's profile reads do.
std::vector<Line> load_for_reading(const std::filesystem::path& file) {
  try {
    const auto data = read_file(file);
    return data ? split_keeping_breaks(*data) : std::vector<Line>{};
  } catch (const FileError&) {
    return {};
  }
}

// The profile read: the value trimmed, one pair of matching quotes removed.
std::optional<std::string> profile_value(const std::filesystem::path& file,
                                         std::string_view section, std::string_view key) {
  const std::vector<Line> lines = load_for_reading(file);
  const Place p = locate(lines, section, key);
  if (p.key == std::string::npos) return std::nullopt;
  std::string_view v = parse(lines[p.key].text).value;
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  return std::string(v);
}

// True when the last Shift-JIS character of s is the single byte c (a trail byte of the
// same value does not count: "｢ぅ" ends in 0xA3 but not in ｣).
bool ends_with_char(std::string_view s, char c) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < s.size(); i += sjis_char_len(s, i)) last = i;
  return !s.empty() && last == s.size() - 1 && s.back() == c;
}

std::string clean(std::string v) {
  if (v == "\"\"" || v == std::string{kOpenCorner, kCloseCorner}) return {};
  if (v.size() > 2 && ((v.front() == '"' && v.back() == '"') ||
                       (v.front() == kOpenCorner && ends_with_char(v, kCloseCorner)))) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

// The platform's integer reading: optional sign, decimal or hexadecimal ("$1F", "0x1F");
// anything else, or a number outside int, is no number.
std::optional<int> parse_int(std::string_view s) {
  s = trim(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  long long n = 0;
  for (const char c : s) {
    int d = 0;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    n = n * base + d;
    if (n > 0xFFFFFFFFLL) return std::nullopt;
  }
  if (base == 16) {
    // Eight hex digits fill 32 bits; the top bit is the sign, as the platform reads them.
    const auto bits = static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(negative ? 0U - bits : bits);
  }
  if (negative) n = -n;
  if (n < INT_MIN || n > INT_MAX) return std::nullopt;
  return static_cast<int>(n);
}

// A line break inside a value would end the line early and turn the rest into lines of
// their own (another key, another section), so breaks are stored as spaces.
std::string one_line(std::string_view value) {
  std::string v(value);
  for (char& c : v) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return v;
}

}  // namespace

TIniGT::TIniGT() : file_(app_path("\\ravelin.ini")) {}

TIniGT::TIniGT(std::filesystem::path file) : file_(std::move(file)) {}

std::string TIniGT::ReadString(std::string_view section, std::string_view key,
                               std::string_view def) const {
  // Asking with the default wrapped keeps its outer spaces: the platform trims a default.
  const std::string wrapped = kOpenCorner + std::string(def) + kCloseCorner;
  return clean(profile_value(file_, section, key).value_or(wrapped));
}

int TIniGT::ReadInteger(std::string_view section, std::string_view key, int def) const {
  return parse_int(ReadString(section, key, "")).value_or(def);
}

bool TIniGT::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniGT::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  // A file that exists but cannot be read is not overwritten: read_file throws.
  const auto data = read_file(file_);
  std::vector<Line> lines = data ? split_keeping_breaks(*data) : std::vector<Line>{};
  const Place p = locate(lines, section, key);
  const std::string v = one_line(value);

  if (p.key != std::string::npos) {
    // Keeps the key's spelling and the line's own break.
    lines[p.key].text = std::string(parse(lines[p.key].text).name) + "=" + v;
  } else {
    const std::size_t at = p.section != std::string::npos ? p.end : lines.size();
    if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = "\r\n";
    std::vector<Line> added;
    if (p.section == std::string::npos) added.push_back({"[" + std::string(section) + "]", "\r\n"});
    added.push_back({std::string(key) + "=" + v, "\r\n"});
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
  }
  write_file_atomic(file_, join(lines));
}

void TIniGT::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniGT::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace rv
