#include "model/results_tab.h"

#include <cstdio>

#include "support/text.h"

namespace rv {
namespace {

constexpr std::array<int, kBetTypeCount> kColumns = {3, 5, 3, 3, 7, 6, 3, 6};

// A combination whose numbers are all zero (or that has none) is an unused entry.
bool has_nonzero_number(std::string_view kumi) {
  int value = 0;
  for (const char c : kumi) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
    } else {
      if (value > 0) return true;
      value = 0;
    }
  }
  return value > 0;
}

void set_column(ResultGroup& g, std::size_t k, std::string_view kekka, const PayoutEntry& e) {
  char buf[32];
  g.Kekka[k].set_text(kekka);
  std::snprintf(buf, sizeof buf, "%2d", e.ninki);
  g.Ninki[k].set_text(buf);
  std::snprintf(buf, sizeof buf, "%8d", e.pay);
  g.Haito[k].set_text(buf);
}

void clear_column(ResultGroup& g, std::size_t k) {
  g.Kekka[k].set_text({});
  g.Ninki[k].set_text({});
  g.Haito[k].set_text({});
}

}  // namespace

ResultsTab::ResultsTab() {
  for (int t = 0; t < kBetTypeCount; ++t) {
    ResultGroup& g = groups[static_cast<std::size_t>(t)];
    const auto type = static_cast<BetType>(t);
    g.Caption.set_text(type == BetType::kWide ? sj("ﾜｲﾄﾞ") : BetTypeTabName(type));
    g.KekkaCaption.set_text(sj("結果："));
    g.NinkiCaption.set_text(sj("人気："));
    g.HaitoCaption.set_text(sj("配当："));
    g.columns = kColumns[static_cast<std::size_t>(t)];
  }
}

void ClearResultsTab(ResultsTab& tab) {
  for (ResultGroup& g : tab.groups) {
    for (std::size_t k = 0; k < g.Kekka.size(); ++k) clear_column(g, k);
  }
}

void FillResultsTab(const Day& day, int slot, ResultsTab& tab) {
  if (slot < 0 || slot >= kMaxRaces) {
    ClearResultsTab(tab);
    return;
  }
  const auto& table = day.Payouts.table[static_cast<std::size_t>(slot)];
  char buf[16];
  for (int t = 0; t < kBetTypeCount; ++t) {
    ResultGroup& g = tab.groups[static_cast<std::size_t>(t)];
    const bool by_horse =
        t == static_cast<int>(BetType::kTansho) || t == static_cast<int>(BetType::kFukusho);
    for (std::size_t k = 0; k < g.Kekka.size(); ++k) {
      if (static_cast<int>(k) >= g.columns) {
        clear_column(g, k);
        continue;
      }
      const PayoutEntry& e = table[static_cast<std::size_t>(t)][k];
      if (by_horse) {
        const int horse = inum(e.kumi);
        if (horse <= 0) {
          clear_column(g, k);
          continue;
        }
        std::snprintf(buf, sizeof buf, "%2d", horse);
        set_column(g, k, buf, e);
      } else if (is_blank(e.kumi) || !has_nonzero_number(e.kumi)) {
        clear_column(g, k);
      } else {
        set_column(g, k, e.kumi, e);
      }
    }
  }
}

}  // namespace rv
