#include "betting/bet_table.h"

#include <algorithm>

#include "model/grid_sort.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr Rgb kHeaderColor = 0xC99292;  // RGB(201,146,146)
constexpr Rgb kNoColor = 0xC1FFC1;      // RGB(193,255,193)

// Headings of the 12-, 14- and 15-column tables; the 枠連 table writes "No" without a point.
const char* const kSingleHeads[] = {"消",     "No.",      "買い目",   "オッズ",
                                    "人気",   "購入額",   "回収額",   "回収率",
                                    "出現率", "結果配当", "結果回収", "結果人気"};
const char* const kPairHeads[] = {"消",      "No.",      "買い目",   "オッズ",  "人気",
                                  "連人気",  "購入額",   "回収額",   "回収率",  "出現率1",
                                  "出現率2", "結果配当", "結果回収", "結果人気"};
const char* const kTrioHeads[] = {"消",      "No.",     "買い目",   "オッズ",   "人気",
                                  "連人気",  "購入額",  "回収額",   "回収率",   "出現率1",
                                  "出現率2", "出現率3", "結果配当", "結果回収", "結果人気"};

// By the horses of a combination, 1..3.
const char* const* headings(BetType t) {
  static constexpr const char* const* kHeads[] = {kSingleHeads, kPairHeads, kTrioHeads};
  return kHeads[bet_traits(t).horses - 1];
}

// Widths in pixels the window starts with: narrow erase and number columns, the
// combination wide enough for a trifecta label.
int initial_width(const BetColumns& c, int col) {
  if (col == BetColumns::kErase) return 24;
  if (col == BetColumns::kNo) return 40;
  if (col == BetColumns::kKumi) return c.kumi_width > 5 ? 76 : 60;
  return 64;
}

}  // namespace

const BetColumns& bet_columns(BetType t) {
  return bet_traits(t).columns;
}

const std::string& BetTotalCaption(BetTotal k) {
  static const std::array<std::string, 4> captions = {sj("点数"), sj("投資"), sj("予想回収"),
                                                      sj("回収")};
  return captions[static_cast<std::size_t>(k)];
}

const char* BetTotalLabelName(BetType t, BetTotal k) {
  return bet_traits(t).total_names[static_cast<std::size_t>(k)];
}

bool IsPaid(const PayoutEntry& entry, BetType t, std::string_view kumi) {
  if (bet_traits(t).horses == 1) {
    const int horse = inum(kumi);
    return horse > 0 && inum(entry.kumi) == horse;
  }
  return entry.kumi == kumi && !is_blank(kumi);
}

int PaidEntry(const PayoutEntries& entries, BetType t, std::string_view kumi) {
  const int count = bet_traits(t).pay_count;
  for (int k = 1; k <= count; ++k) {
    if (IsPaid(entries[static_cast<std::size_t>(k - 1)], t, kumi)) return k;
  }
  return 0;
}

BetTable::BetTable(BetType type) : type_(type) {
  const BetColumns& c = columns();
  grid_.reset(c.count, 2);
  const char* const* heads = headings(type);
  for (int col = 0; col < c.count; ++col) {
    grid_.set(0, col, sj(heads[col]));
    grid_.set_col_width(col, initial_width(c, col));
  }
  if (type == BetType::kWakuren) grid_.set(0, BetColumns::kNo, "No");
  grid_.set_style_fn([this](const Grid& /*grid*/, int row, int col) { return DrawCell(row, col); });
}

const char* BetTable::grid_name() const {
  return bet_traits(type_).grid_name;
}

void BetTable::set_data_rows(int n) {
  grid_.set_row_count(std::max(1, n) + 1);
}

void BetTable::Clear() {
  grid_.clear_body();
  grid_.set_row_count(2);
}

void BetTable::ClearTotals() {
  for (Label& l : totals_) l.set_text("");
}

bool BetTable::erased(int row) const {
  return trim(cell(row, BetColumns::kErase)) == SJ("消");
}

bool BetTable::live(int row) const {
  return !is_blank(cell(row, BetColumns::kNo)) && !erased(row);
}

std::string BetTable::no_text(int i) const {
  return fmt("%*d", columns().no_width, i);
}

void BetTable::set_erased(int row, bool on) {
  if (row < 1 || row > data_rows()) return;
  grid_.set(row, BetColumns::kErase, on ? SJ("消") : std::string());
}

void BetTable::Sort(int col, bool descending) {
  SortBtn(grid_, col, descending);
}

CellStyle BetTable::DrawCell(int row, int col) const {
  CellStyle s;
  s.align = Align::kCenter;
  s.background = colors::kWhite;
  if (row < grid_.fixed_rows()) {
    s.background = kHeaderColor;
  } else if (col == BetColumns::kNo) {
    s.background = kNoColor;
  } else if (col == BetColumns::kKumi && race_ != nullptr &&
             PaidEntry((*race_)[static_cast<std::size_t>(bet_index(type_))], type_,
                       cell(row, col)) != 0) {
    s.background = colors::kFuchsia;
  }
  return s;
}

}  // namespace rv
