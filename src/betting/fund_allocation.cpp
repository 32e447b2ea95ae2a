#include "betting/fund_allocation.h"

#include <cmath>

#include "support/num_text.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kMaxTableRows = 4898;  // the largest table, 4896 bets and its heading, fits

// A row of the table as allocation sees it.
struct AllocRow {
  bool live = false;    // a number and not erased
  bool counts = false;  // live, with odds in its cell
  std::int64_t tenths = 0;
};

AllocRow read_row(const BetTable& t, int row) {
  AllocRow r;
  r.live = t.live(row);
  const std::string& odds = t.cell(row, BetColumns::kOdds);
  r.counts = r.live && !is_blank(odds);
  r.tenths = ParseTenths(odds).value_or(0);
  return r;
}

// unit x odds is a whole number of yen: amounts are whole hundreds, odds whole tenths.
std::int64_t payback(std::int64_t amount, std::int64_t tenths) {
  return amount * tenths / 10;
}

void put_row(BetTable& t, int row, std::int64_t amount, std::int64_t back, std::int64_t total) {
  const BetColumns& c = t.columns();
  Grid& g = t.grid();
  g.set(row, c.amount, NumText::Int(amount, 6));
  g.set(row, c.payback, NumText::Int(back, 7));
  g.set(row, c.rate,
        NumText::Fixed(static_cast<double>(back) / static_cast<double>(total) * 100, 7, 1));
}

void put_totals(BetTable& t, std::int64_t n, std::int64_t total, std::int64_t sum) {
  t.total(BetTotal::kTensu).set_text(NumText::Int(n, 3));
  t.total(BetTotal::kToshi).set_text(NumText::Int(total, 6));
  if (n < 1 || total < 1) return;
  const double yoso =
      static_cast<double>(sum) / static_cast<double>(n) / static_cast<double>(total) * 100;
  Label& label = t.total(BetTotal::kYosoKaishu);
  label.set_text(NumText::Fixed(yoso, 7, 1));
  if (yoso > 100) {
    label.set_font_color(colors::kBlack);
  } else if (yoso > 0) {
    label.set_font_color(colors::kRed);
  }
}

void clear_allocation(BetTable& t) {
  const BetColumns& c = t.columns();
  Grid& g = t.grid();
  for (int r = 1; r <= t.data_rows(); ++r) {
    g.set(r, c.amount, {});
    g.set(r, c.payback, {});
    g.set(r, c.rate, {});
  }
}

void clear_totals(BetTable& t) {
  t.total(BetTotal::kTensu).set_text({});
  t.total(BetTotal::kToshi).set_text({});
  t.total(BetTotal::kYosoKaishu).set_text({});
}

// 均等: unit = Trunc(amount / N / 100 + 0.9) x 100, at least 100; in whole numbers, so that a
// share whose fraction of 100 yen is exactly 0.1 goes up as the formula says.
void allocate_equal(BetTable& t, std::int64_t amount, std::int64_t n) {
  std::int64_t unit = (amount + 90 * n) / (100 * n) * 100;
  if (unit < kMinBet) unit = kMinBet;
  const std::int64_t total = n * unit;
  std::int64_t sum = 0;
  for (int r = 1; r <= t.data_rows(); ++r) {
    const AllocRow row = read_row(t, r);
    if (!row.counts) continue;
    const std::int64_t back = payback(unit, row.tenths);
    put_row(t, r, unit, back, total);
    sum += back;
  }
  put_totals(t, n, total, sum);
}

// 比例: weights B / odds with B = the first row's odds x 100; every live row gets
// Trunc(amount x share / 10000 + 0.95) x 100 of its share in percent, at least 100 yen. When
// no row has a weight (the first row's odds are 0.0) every share is 0.
void allocate_proportional(BetTable& t, std::int64_t amount, std::int64_t n) {
  const int rows = t.data_rows();
  const double base = static_cast<double>(read_row(t, 1).tenths) / 10 * 100;
  double weight_sum = 0;
  for (int r = 1; r <= rows; ++r) {
    const AllocRow row = read_row(t, r);
    if (row.counts && row.tenths > 0) weight_sum += base / (static_cast<double>(row.tenths) / 10);
  }
  Grid& g = t.grid();
  const BetColumns& c = t.columns();
  std::int64_t total = 0;
  for (int r = 1; r <= rows; ++r) {
    const AllocRow row = read_row(t, r);
    if (!row.live) continue;
    double share = 0;
    if (row.counts && row.tenths > 0 && weight_sum > 0) {
      share = base / (static_cast<double>(row.tenths) / 10) / weight_sum * 100;
    }
    auto a =
        static_cast<std::int64_t>(std::trunc(static_cast<double>(amount) * share / 10000 + 0.95)) *
        100;
    if (a < kMinBet) a = kMinBet;
    g.set(r, c.amount, NumText::Int(a, 6));
    total += a;
  }
  std::int64_t sum = 0;
  if (total >= 1) {
    for (int r = 1; r <= rows; ++r) {
      const AllocRow row = read_row(t, r);
      if (!row.live) continue;
      const std::int64_t a = num(t.cell(r, c.amount));
      const std::int64_t back = payback(a, row.tenths);
      put_row(t, r, a, back, total);
      sum += back;
    }
  }
  put_totals(t, n, total, sum);
}

}  // namespace

AllocationMode AllocationModeOf(int item_index) {
  return item_index == 0 ? AllocationMode::kEqual : AllocationMode::kProportional;
}

void AllocateFunds(BetTable& t, AllocationMode mode, std::int64_t amount) {
  clear_allocation(t);
  const bool possible = amount >= kMinBet && t.grid().row_count() < kMaxTableRows &&
                        t.data_rows() >= 1 && !is_blank(t.cell(1, BetColumns::kOdds));
  std::int64_t n = 0;
  if (possible) {
    for (int r = 1; r <= t.data_rows(); ++r) n += read_row(t, r).counts ? 1 : 0;
  }
  if (n == 0) {
    clear_totals(t);
    return;
  }
  if (mode == AllocationMode::kEqual) {
    allocate_equal(t, amount, n);
  } else {
    allocate_proportional(t, amount, n);
  }
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
