#include "stats/finish_rate_build.h"

#include <charconv>

#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

bool inside(int runners, int rank) {
  return runners >= FinishRateTable::kMinRunners && runners <= FinishRateTable::kMaxRunners &&
         rank >= 1 && rank <= FinishRateTable::kRanks;
}

// Six whole numbers separated by commas, nothing else.
std::optional<std::array<long long, 6>> six_numbers(std::string_view line) {
  std::array<long long, 6> v{};
  const char* p = line.data();
  const char* const end = line.data() + line.size();
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (i > 0) {
      if (p == end || *p != ',') return std::nullopt;
      ++p;
    }
    const auto [next, ec] = std::from_chars(p, end, v[i]);
    if (ec != std::errc() || v[i] < 0) return std::nullopt;
    p = next;
  }
  if (p != end) return std::nullopt;
  return v;
}

}  // namespace

const FinishRateCounts::Cell& FinishRateCounts::cell(int runners, int rank) const {
  return cells_[static_cast<std::size_t>(runners - FinishRateTable::kMinRunners)]
               [static_cast<std::size_t>(rank - 1)];
}

FinishRateCounts::Cell& FinishRateCounts::cell(int runners, int rank) {
  return cells_[static_cast<std::size_t>(runners - FinishRateTable::kMinRunners)]
               [static_cast<std::size_t>(rank - 1)];
}

void FinishRateCounts::AddDay(const Day& day) {
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const int runners = day.runners(slot);
    if (runners < FinishRateTable::kMinRunners || runners > FinishRateTable::kMaxRunners) continue;
    const auto& horses = day.SeData[static_cast<std::size_t>(slot)];
    for (int pos = 0; pos < runners; ++pos) {
      const SeRecord& se = horses[static_cast<std::size_t>(pos)];
      const int position = inum(se.field(jv::se::KakuteiJyuni));
      const int rank = inum(se.field(jv::se::Ninki));
      if (position < 1 || !inside(runners, rank)) continue;
      Cell& c = cell(runners, rank);
      ++c.horses;
      c.wins += position == 1 ? 1 : 0;
      c.top2 += position <= 2 ? 1 : 0;
      c.top3 += position <= 3 ? 1 : 0;
    }
  }
}

std::vector<std::string> FinishRateCounts::lines() const {
  std::vector<std::string> out;
  for (int n = FinishRateTable::kMinRunners; n <= FinishRateTable::kMaxRunners; ++n) {
    for (int r = 1; r <= FinishRateTable::kRanks; ++r) {
      const Cell& c = cell(n, r);
      out.push_back(fmt("%d,%d,%lld,%lld,%lld,%lld", n, r, c.horses, c.wins, c.top2, c.top3));
    }
  }
  return out;
}

std::optional<FinishRateCounts> FinishRateCounts::Parse(const std::vector<std::string>& lines) {
  FinishRateCounts counts;
  std::array<std::array<bool, FinishRateTable::kRanks>, kRunnerRows> seen{};
  for (const std::string& line : lines) {
    if (trim(line).empty()) continue;
    const auto v = six_numbers(trim(line));
    if (!v) return std::nullopt;
    const auto [n, r, horses, wins, top2, top3] = *v;
    if (!inside(static_cast<int>(n), static_cast<int>(r)) || wins > top2 || top2 > top3 ||
        top3 > horses) {
      return std::nullopt;
    }
    bool& s = seen[static_cast<std::size_t>(n - FinishRateTable::kMinRunners)]
                  [static_cast<std::size_t>(r - 1)];
    if (s) return std::nullopt;
    s = true;
    counts.cell(static_cast<int>(n), static_cast<int>(r)) = {horses, wins, top2, top3};
  }
  return counts;
}

FinishRateTable FinishRateCounts::table() const {
  FinishRateTable t;
  for (int n = FinishRateTable::kMinRunners; n <= FinishRateTable::kMaxRunners; ++n) {
    for (int r = 1; r <= FinishRateTable::kRanks; ++r) {
      const Cell& c = cell(n, r);
      if (c.horses == 0) continue;
      const auto h = static_cast<double>(c.horses);
      t.set(n, 1, r, static_cast<double>(c.wins) / h);
      t.set(n, 2, r, static_cast<double>(c.top2) / h);
      t.set(n, 3, r, static_cast<double>(c.top3) / h);
    }
  }
  return t;
}

std::string LoadFinishRateFile() {
  SetFinishRates(FinishRateTable{});
  const auto path = app_path(kFinishRateFile);
  if (!file_exists(path)) return {};
  const std::optional<std::string> text = read_file(path);
  const auto counts = text ? FinishRateCounts::Parse(split_lines(*text)) : std::nullopt;
  if (!counts) return SJ("出現率ファイルが壊れているため使用しません：") + path_text(path);
  SetFinishRates(counts->table());
  return {};
}

}  // namespace rv
