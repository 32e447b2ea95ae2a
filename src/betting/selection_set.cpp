#include "betting/selection_set.h"

#include "model/bet_type_traits.h"
#include "support/text.h"

namespace rv {

bool SelectionSet::ticked(RankList list, int rank) const {
  if (rank < 1 || rank > kSetRanks) return false;
  return ranks[static_cast<std::size_t>(list)][static_cast<std::size_t>(rank - 1)];
}

std::optional<OddsRange> SelectionSet::filter(BetType t) const {
  // 複勝 … ３連単 in order, 単勝 and 枠連 without one.
  const int i = bet_traits(t).filter;
  if (i < 0) return std::nullopt;
  return filters[static_cast<std::size_t>(i)];
}

std::string SetNameField(std::string_view name) {
  std::size_t end = 0;
  while (end < name.size()) {
    const std::size_t len = sjis_char_len(name, end);
    if (end + len > kSetNameLen) break;
    end += len;
  }
  std::string field(name.substr(0, end));
  field.resize(kSetNameLen, ' ');
  return field;
}

std::string LineSetName(std::string_view line) {
  std::string field(fld(line, kSetNamePos, kSetNameLen));
  field.resize(kSetNameLen, ' ');
  return field;
}

bool IsSetLine(std::string_view line) {
  return line.size() >= kSetNamePos && !is_blank(LineSetName(line));
}

std::string SetLine(const SelectionSet& set) {
  std::string line;
  line.reserve(kSetLineLen);
  for (const auto& list : set.ranks) {
    for (const bool on : list) line += on ? '1' : '0';
  }
  // Widths are fixed whatever the values, so that every field keeps its position.
  const auto put = [&line](int width, long long value) {
    std::string text = fmt("%*lld", width, value);
    text.resize(static_cast<std::size_t>(width), ' ');
    line += text;
  };
  for (const OddsRange& r : set.win_odds) {
    put(4, r.low);
    put(4, r.high);
  }
  for (const NinChoice c : set.nin) put(1, static_cast<int>(c));
  for (const bool on : set.exclude) line += on ? '1' : '0';
  for (const OddsRange& r : set.filters) {
    put(7, r.low);
    put(7, r.high);
  }
  line += SetNameField(set.name);
  return line;
}

const std::vector<SelectionSet>& BuiltInSets() {
  static const std::vector<SelectionSet> sets = [] {
    struct Row {
      const char* name;
      int jiku, himo1, himo2_from, himo2_to;  // mining ranks 1..jiku, 1..himo1, from..to
      int jiku_low;                           // axis win odds low (high 1000)
      int himo_dm_low;                        // ヒモ by mining rank, win odds low
      NinChoice nin1, nin2;
      bool ex1, ex2, ex3;
      bool low_filters;  // 0/10/5/20/20/50 instead of all 0
    };
    constexpr auto kAll = NinChoice::kAll;
    constexpr auto kLeast = NinChoice::kLeastPopular;
    constexpr auto kMost = NinChoice::kMostPopular;
    const Row rows[] = {
        {"推奨設定", 3, 5, 1, 7, 10, 1, kLeast, kAll, true, false, true, false},
        {"１点買い設定(本命)", 1, 0, 3, 5, 1, 1, kMost, kAll, false, false, false, true},
        {"１点買い設定(穴)", 4, 5, 1, 3, 1, 0, kLeast, kMost, true, true, true, false},
        {"回収重視設定", 4, 7, 1, 5, 20, 1, kLeast, kAll, true, true, true, false},
        {"バランス設定", 2, 5, 1, 5, 1, 1, kMost, kAll, false, false, false, true},
        {"全頭買い設定", 18, 18, 1, 18, 1, 1, kAll, kAll, false, false, false, false},
    };
    constexpr int kHighs[6] = {1000, 100000, 10000, 100000, 100000, 1000000};
    constexpr int kLows[6] = {0, 10, 5, 20, 20, 50};
    std::vector<SelectionSet> out;
    for (const Row& r : rows) {
      SelectionSet s;
      s.name = sj(r.name);
      auto& jiku = s.ranks[static_cast<std::size_t>(RankList::kJiku)];
      auto& m1 = s.ranks[static_cast<std::size_t>(RankList::kHimoM1)];
      auto& m2 = s.ranks[static_cast<std::size_t>(RankList::kHimoM2)];
      for (int k = 1; k <= kSetRanks; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        jiku[i] = k <= r.jiku;
        // "１点買い設定(本命)" takes exactly rank 2 as its first partner.
        m1[i] = r.himo1 == 0 ? k == 2 : k <= r.himo1;
        m2[i] = k >= r.himo2_from && k <= r.himo2_to;
      }
      s.win_odds = {OddsRange{r.jiku_low, 1000}, OddsRange{r.himo_dm_low, 1000},
                    OddsRange{r.himo_dm_low, 1000}, OddsRange{0, 1000}, OddsRange{0, 1000}};
      s.nin = {r.nin1, r.nin2, NinChoice::kAll};
      s.exclude = {r.ex1, r.ex2, r.ex3};
      for (std::size_t f = 0; f < s.filters.size(); ++f) {
        s.filters[f] = OddsRange{r.low_filters ? kLows[f] : 0, kHighs[f]};
      }
      out.push_back(std::move(s));
    }
    return out;
  }();
  return sets;
}

}  // namespace rv
