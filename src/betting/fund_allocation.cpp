#include "betting/fund_allocation.h"

#include <algorithm>
#include <cmath>

#include "support/num_text.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kMaxTableRows = 4898;  // the largest table, 4896 bets and its heading, fits

// unit x odds is a whole number of yen: amounts are whole hundreds, odds whole tenths.
std::int64_t payback(std::int64_t amount, std::int64_t tenths) {
  return amount * tenths / 10;
}

}  // namespace

AllocationMode AllocationModeOf(int item_index) {
  return item_index == 0 ? AllocationMode::kEqual : AllocationMode::kProportional;
}

Allocation::Row Allocation::read(const BetTable& t, int row) {
  Row r;
  const BetRow& b = t.bet(row);
  r.live = b.live();
  r.counts = r.live && b.has_odds;
  // The odds as the cell shows them, one decimal: what the person sees is what is spread.
  r.tenths = ParseTenths(t.cell(row, BetColumns::kOdds)).value_or(0);
  return r;
}

std::vector<Allocation::Row>& Allocation::scratch() {
  thread_local std::vector<Row> rows;
  return rows;
}

Allocation::Allocation(const BetTable& t, AllocationMode mode, std::int64_t amount)
    : mode_(mode), amount_(amount) {
  const int rows = t.data_rows();
  if (amount < kMinBet || t.grid().row_count() >= kMaxTableRows || rows < 1 || !t.bet(1).has_odds) {
    return;
  }
  rows_ = &scratch();
  rows_->resize(static_cast<std::size_t>(rows) + 1);
  for (int r = 1; r <= rows; ++r) (*rows_)[static_cast<std::size_t>(r)] = read(t, r);
  // 比例 weighs every counting row with odds by B / odds, B = the first row's odds x 100.
  base_ = static_cast<double>((*rows_)[1].tenths) / 10 * 100;
  for (int r = 1; r <= rows; ++r) {
    const Row& row = (*rows_)[static_cast<std::size_t>(r)];
    if (!row.counts) continue;
    ++counted_;
    if (row.tenths > 0) weights_ += base_ / (static_cast<double>(row.tenths) / 10);
  }
  if (counted_ == 0) return;
  // 均等: Trunc(amount / N / 100 + 0.9) x 100, at least 100; in whole numbers, so that a share
  // whose fraction of 100 yen is exactly 0.1 goes up as the formula says.
  unit_ = std::max(kMinBet, (amount + 90 * counted_) / (100 * counted_) * 100);
  unit_text_ = NumText::Int(unit_, 6);
  for (int r = 1; r <= rows; ++r) {
    const Row& row = (*rows_)[static_cast<std::size_t>(r)];
    const std::int64_t a = amount_of(row);
    invested_ += a;
    returns_ += payback(a, row.tenths);
  }
}

std::int64_t Allocation::amount_of(const Row& row) const {
  if (mode_ == AllocationMode::kEqual) return row.counts ? unit_ : 0;
  if (!row.live) return 0;
  // 比例: Trunc(amount x share / 10000 + 0.95) x 100 of the row's share in percent, at least
  // 100 yen. A row without a weight (no odds, or odds 0.0) has a share of 0, and so has every
  // row when no row has a weight (the first row's odds are 0.0).
  double share = 0;
  if (row.counts && row.tenths > 0 && weights_ > 0) {
    share = base_ / (static_cast<double>(row.tenths) / 10) / weights_ * 100;
  }
  const auto a =
      static_cast<std::int64_t>(std::trunc(static_cast<double>(amount_) * share / 10000 + 0.95)) *
      100;
  return std::max(kMinBet, a);
}

void Allocation::WriteRow(BetTable& t, int row) const {
  const BetColumns& c = t.columns();
  const bool inside = allocates() && row >= 1 && static_cast<std::size_t>(row) < rows_->size();
  const Row r = inside ? (*rows_)[static_cast<std::size_t>(row)] : Row{};
  const std::int64_t a = inside ? amount_of(r) : 0;
  if (a == 0) {
    t.set_amount(row, 0, {});
    t.set_cell(row, c.payback, {});
    t.set_cell(row, c.rate, {});
    return;
  }
  const std::int64_t back = payback(a, r.tenths);
  if (mode_ == AllocationMode::kEqual) {
    t.set_amount(row, a, unit_text_);
  } else {
    t.set_amount(row, a, NumText::Int(a, 6));
  }
  t.set_cell(row, c.payback, NumText::Int(back, 7));
  t.set_cell(
      row, c.rate,
      NumText::Fixed(static_cast<double>(back) / static_cast<double>(invested_) * 100, 7, 1));
}

void Allocation::WriteTotals(BetTable& t) const {
  Label& tensu = t.total(BetTotal::kTensu);
  Label& toshi = t.total(BetTotal::kToshi);
  Label& yoso = t.total(BetTotal::kYosoKaishu);
  if (!allocates()) {
    tensu.set_text({});
    toshi.set_text({});
    yoso.set_text({});
    return;
  }
  tensu.set_text(NumText::Int(counted_, 3));
  toshi.set_text(NumText::Int(invested_, 6));
  // The mean payout of one hit as a percentage of the whole investment.
  const double rate = static_cast<double>(returns_) / static_cast<double>(counted_) /
                      static_cast<double>(invested_) * 100;
  yoso.set_text(NumText::Fixed(rate, 7, 1));
  if (rate > 100) {
    yoso.set_font_color(colors::kBlack);
  } else if (rate > 0) {
    yoso.set_font_color(colors::kRed);
  }
}

void AllocateFunds(BetTable& t, AllocationMode mode, std::int64_t amount) {
  const Allocation a(t, mode, amount);
  for (int r = 1; r <= t.data_rows(); ++r) a.WriteRow(t, r);
  a.WriteTotals(t);
}

std::optional<std::int64_t> OiageAmount(std::int64_t profit, std::int64_t loss, double rate,
                                        std::int64_t zogaku) {
  if (!(rate > 100)) return std::nullopt;
  const double raw =
      static_cast<double>(profit + loss) / (rate - 100) * static_cast<double>(zogaku);
  if (!(raw < 1e15)) return std::nullopt;
  const auto amount = static_cast<std::int64_t>(std::trunc(raw)) / 100 * 100;
  if (amount < kMinBet) return std::nullopt;
  return amount;
}

}  // namespace rv
