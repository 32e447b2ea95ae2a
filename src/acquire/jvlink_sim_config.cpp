#include "acquire/jvlink_sim_config.h"

#include <array>
#include <cmath>
#include <limits>

#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::array<std::string_view, 8> kOperations{"JVINIT",   "JVSETUIPROPERTIES", "JVOPEN",
                                                      "JVRTOPEN", "JVSTATUS",          "JVREAD",
                                                      "JVCLOSE",  "JVCANCEL"};

bool is_operation(std::string_view upper) {
  for (const auto op : kOperations) {
    if (op == upper) return true;
  }
  return false;
}

// A whole integer with an optional sign; nothing else.
std::optional<long long> whole_number(std::string_view s) {
  s = trim(s);
  const std::string_view digits = (s.starts_with('-') || s.starts_with('+')) ? s.substr(1) : s;
  if (!all_digits(digits) || digits.size() > 12) return std::nullopt;
  return num(s);
}

// "JVRead.3" -> ("JVREAD", 3); "JVRead" -> ("JVREAD", 0).
std::optional<std::pair<std::string, long long>> fault_target(std::string_view key) {
  const std::size_t dot = key.find('.');
  std::string name = upper_ascii(trim(key.substr(0, dot)));
  long long call = 0;
  if (dot != std::string_view::npos) {
    const auto n = whole_number(key.substr(dot + 1));
    if (!n || *n < 1) return std::nullopt;
    call = *n;
  }
  if (name == "RECORD" ? call == 0 : !is_operation(name)) return std::nullopt;
  return std::make_pair(std::move(name), call);
}

bool apply_line(JVLinkSimConfig& cfg, std::string_view section, std::string_view key,
                std::string_view value) {
  if (section == "DOWNLOAD" && iequals_ascii(key, "seconds")) {
    const double seconds = dnum(value, -1.0);
    if (seconds < 0 || !std::isfinite(seconds) || seconds > 86400.0) return false;
    cfg.download_per_file = std::chrono::milliseconds(std::llround(seconds * 1000.0));
    return true;
  }
  if (section != "FAIL") return false;
  const auto target = fault_target(key);
  const auto code = whole_number(value);
  if (!target || !code || *code < std::numeric_limits<int>::min() ||
      *code > std::numeric_limits<int>::max())
    return false;
  if (target->first == "RECORD") {
    cfg.record_faults[target->second] = static_cast<int>(*code);
  } else {
    cfg.call_faults[target->first][target->second] = static_cast<int>(*code);
  }
  return true;
}

}  // namespace

std::optional<int> JVLinkSimConfig::call_fault(std::string_view operation, long long call) const {
  const auto op = call_faults.find(upper_ascii(operation));
  if (op == call_faults.end()) return std::nullopt;
  for (const long long key : {call, 0LL}) {
    if (const auto it = op->second.find(key); it != op->second.end()) return it->second;
  }
  return std::nullopt;
}

JVLinkSimConfig parse_jvlink_sim_config(std::string_view text) {
  JVLinkSimConfig cfg;
  std::string section;
  int line_no = 0;
  for (const std::string& raw : split_lines(text)) {
    ++line_no;
    std::string_view line = raw;
    if (const std::size_t c = line.find_first_of(";#"); c != std::string_view::npos) {
      line = line.substr(0, c);
    }
    line = trim(line);
    if (line.empty()) continue;
    bool understood = false;
    if (line.starts_with('[') && line.ends_with(']')) {
      section = upper_ascii(trim(line.substr(1, line.size() - 2)));
      understood = section == "DOWNLOAD" || section == "FAIL";
    } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
      understood = apply_line(cfg, section, trim(line.substr(0, eq)), line.substr(eq + 1));
    }
    if (!understood) cfg.problems.push_back("line " + std::to_string(line_no) + ": " + raw);
  }
  return cfg;
}

JVLinkSimConfig read_jvlink_sim_config(const std::filesystem::path& ini) {
  try {
    const auto text = read_file(ini);
    return text ? parse_jvlink_sim_config(*text) : JVLinkSimConfig{};
  } catch (const FileError& e) {
    JVLinkSimConfig cfg;
    cfg.problems.emplace_back(e.what());
    return cfg;
  }
}

}  // namespace rv
