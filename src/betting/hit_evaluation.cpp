#include "betting/hit_evaluation.h"

#include <algorithm>

#include "support/num_text.h"
#include "support/text.h"

namespace rv {

const PayoutEntries& RacePayoutEntries(const Day& day, int slot, BetType t) {
  static const PayoutEntries kNone{};
  if (slot < 0 || slot >= kMaxRaces) return kNone;
  return day.Payouts.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(bet_index(t))];
}

PaidBets::PaidBets(const PayoutEntries& entries, BetType t) {
  const BetTypeTraits& traits = bet_traits(t);
  single_ = traits.horses == 1;
  count_ = std::min(traits.pay_count, static_cast<int>(kMost));
  for (int k = 0; k < count_; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const PayoutEntry& e = entries[i];
    entries_[i] = &e;
    if (single_) {
      key_[i] = inum(e.kumi);
    } else if (e.kumi.size() == static_cast<std::size_t>(traits.columns.kumi_width)) {
      key_[i] = traits.label_index(e.kumi);
    }
  }
}

std::int64_t EvaluateBetRow(BetTable& t, int r, const PaidBets& paid) {
  const BetColumns& c = t.columns();
  const BetType type = t.type();
  const BetRow& b = t.bet(r);
  // The row's last paid entry shows in its cells; every one adds to its return.
  const PayoutEntry* shown = nullptr;
  std::int64_t back = 0;
  std::int64_t returned = 0;
  if (b.live()) {
    for (int k = 0; k < paid.count(); ++k) {
      if (!paid.hits(k, b)) continue;
      const PayoutEntry& e = paid.entry(k);
      shown = &e;
      back = static_cast<std::int64_t>(e.pay) * b.amount / 100;
      returned += back;
    }
  }
  if (shown == nullptr) {
    t.set_cell(r, c.result_pay, {});
    t.set_cell(r, c.result_return, {});
    t.set_cell(r, c.result_ninki, {});
    return 0;
  }
  t.set_cell(r, c.result_pay, NumText::Int(shown->pay, 7));
  if (type != BetType::kWakuren || static_cast<std::int64_t>(shown->pay) * b.amount > 0) {
    t.set_cell(r, c.result_return, NumText::Int(back, 7));
  } else {
    t.set_cell(r, c.result_return, {});
  }
  t.set_cell(r, c.result_ninki, NumText::Int(shown->ninki, 3));
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
  const PaidBets paid(entries, t.type());
  std::int64_t total = 0;
  for (int r = 1; r <= t.data_rows(); ++r) total += EvaluateBetRow(t, r, paid);
  ShowReturnTotal(t, total);
  return total;
}

}  // namespace rv
