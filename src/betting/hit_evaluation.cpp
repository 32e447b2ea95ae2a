#include "betting/hit_evaluation.h"

#include "support/num_text.h"
#include "support/text.h"

namespace rv {

const PayoutEntries& RacePayoutEntries(const Day& day, int slot, BetType t) {
  static const PayoutEntries kNone{};
  if (slot < 0 || slot >= kMaxRaces) return kNone;
  return day.Payouts.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(bet_index(t))];
}

std::int64_t EvaluateBetTable(BetTable& t, const PayoutEntries& entries) {
  const BetColumns& c = t.columns();
  Grid& g = t.grid();
  const BetType type = t.type();
  const int count = kPayCount[static_cast<std::size_t>(bet_index(type))];
  std::int64_t total = 0;
  for (int r = 1; r <= t.data_rows(); ++r) {
    g.set(r, c.result_pay, {});
    g.set(r, c.result_return, {});
    g.set(r, c.result_ninki, {});
    if (!t.live(r)) continue;
    const std::string& kumi = g.cell(r, BetColumns::kKumi);
    for (int k = 0; k < count; ++k) {
      const PayoutEntry& e = entries[static_cast<std::size_t>(k)];
      if (!IsPaid(e, type, kumi)) continue;
      const std::int64_t amount = num(g.cell(r, c.amount));
      const std::int64_t back = static_cast<std::int64_t>(e.pay) * amount / 100;
      g.set(r, c.result_pay, NumText::Int(e.pay, 7));
      if (type != BetType::kWakuren || static_cast<std::int64_t>(e.pay) * amount > 0) {
        g.set(r, c.result_return, NumText::Int(back, 7));
      } else {
        g.set(r, c.result_return, {});
      }
      g.set(r, c.result_ninki, NumText::Int(e.ninki, 3));
      total += back;
    }
  }

  Label& label = t.total(BetTotal::kKaishu);
  if (total > 0) {
    label.set_text(NumText::Int(total, 8));
    label.set_font_color(total > num(t.total(BetTotal::kToshi).text()) ? colors::kRed
                                                                       : colors::kBlack);
  } else {
    label.set_text({});
  }
  return total;
}

}  // namespace rv
