#include "betting/hit_evaluation.h"

#include "support/num_text.h"
#include "support/text.h"

namespace rv {

const PayoutEntries& RacePayoutEntries(const Day& day, int slot, BetType t) {
  static const PayoutEntries kNone{};
  if (slot < 0 || slot >= kMaxRaces) return kNone;
  return day.Payouts.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(bet_index(t))];
}

std::int64_t EvaluateBetRow(BetTable& t, int r, const PayoutEntries& entries) {
  const BetColumns& c = t.columns();
  Grid& g = t.grid();
  const BetType type = t.type();
  const int count = bet_traits(type).pay_count;
  // The row's last paid entry shows in its cells; every one adds to its return.
  const PayoutEntry* shown = nullptr;
  std::int64_t back = 0;
  std::int64_t amount = 0;
  std::int64_t returned = 0;
  if (t.live(r)) {
    const std::string& kumi = g.cell(r, BetColumns::kKumi);
    for (int k = 0; k < count; ++k) {
      const PayoutEntry& e = entries[static_cast<std::size_t>(k)];
      if (!IsPaid(e, type, kumi)) continue;
      if (shown == nullptr) amount = num(g.cell(r, c.amount));
      shown = &e;
      back = static_cast<std::int64_t>(e.pay) * amount / 100;
      returned += back;
    }
  }
  if (shown == nullptr) {
    g.set(r, c.result_pay, {});
    g.set(r, c.result_return, {});
    g.set(r, c.result_ninki, {});
    return 0;
  }
  g.set(r, c.result_pay, NumText::Int(shown->pay, 7));
  if (type != BetType::kWakuren || static_cast<std::int64_t>(shown->pay) * amount > 0) {
    g.set(r, c.result_return, NumText::Int(back, 7));
  } else {
    g.set(r, c.result_return, {});
  }
  g.set(r, c.result_ninki, NumText::Int(shown->ninki, 3));
  return returned;
}

void ShowReturnTotal(BetTable& t, std::int64_t total) {
  Label& label = t.total(BetTotal::kKaishu);
  if (total <= 0) {
    label.set_text({});
    return;
  }
  label.set_text(NumText::Int(total, 8));
  label.set_font_color(total > num(t.total(BetTotal::kToshi).text()) ? colors::kRed
                                                                     : colors::kBlack);
}

std::int64_t EvaluateBetTable(BetTable& t, const PayoutEntries& entries) {
  std::int64_t total = 0;
  for (int r = 1; r <= t.data_rows(); ++r) total += EvaluateBetRow(t, r, entries);
  ShowReturnTotal(t, total);
  return total;
}

}  // namespace rv
