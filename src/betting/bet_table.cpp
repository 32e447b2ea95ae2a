#include "betting/bet_table.h"

#include <algorithm>

#include "betting/hit_evaluation.h"
#include "model/grid_sort.h"
#include "support/num_text.h"
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

// A popularity rank as the cells write it ("%2d": " 7", "12"); other texts read as inum
// reads them.
int rank_of(std::string_view text) {
  if (text.size() == 2 && (text[0] == ' ' || (text[0] >= '0' && text[0] <= '9')) &&
      text[1] >= '0' && text[1] <= '9') {
    return (text[0] == ' ' ? 0 : (text[0] - '0') * 10) + (text[1] - '0');
  }
  return inum(text);
}

const BetRow kNoRow{};

}  // namespace

std::optional<Kumi> ParseKumi(BetType t, std::string_view cell) {
  const BetTypeTraits& traits = bet_traits(t);
  Kumi kumi;
  kumi.count = traits.horses;
  if (kumi.count == 1) {
    const int horse = all_digits(trim(cell)) ? inum(cell) : 0;
    if (horse < 1 || horse > kMaxHorses || cell != NumText::Int(horse, 2).view()) {
      return std::nullopt;
    }
    kumi.n[0] = horse;
    return kumi;
  }
  // SanrentanIndex reads 8 characters of a longer text; a cell must be the label alone.
  if (cell.size() != static_cast<std::size_t>(kumi.count * 3 - 1) ||
      traits.label_index(cell) == 0) {
    return std::nullopt;
  }
  for (int i = 0; i < kumi.count; ++i) {
    kumi.n[static_cast<std::size_t>(i)] = inum(cell.substr(static_cast<std::size_t>(i) * 3, 2));
  }
  return kumi;
}

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

BetTable::BetTable(BetType type) : type_(type), cols_(bet_columns(type)) {
  const BetColumns& c = columns();
  grid_.reset(c.count, 2);
  rows_.resize(2);
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
  const int rows = std::max(1, n) + 1;
  // Rows that come back start empty, as the grid's do; the others keep their storage.
  if (static_cast<std::size_t>(rows) > rows_.size()) rows_.resize(static_cast<std::size_t>(rows));
  for (int r = grid_.row_count(); r < rows; ++r) rows_[static_cast<std::size_t>(r)] = BetRow{};
  grid_.set_row_count(rows);
}

void BetTable::Clear() {
  grid_.clear_body();
  grid_.set_row_count(2);
  std::fill(rows_.begin(), rows_.end(), BetRow{});
}

void BetTable::ClearTotals() {
  for (Label& l : totals_) l.set_text("");
}

const BetRow& BetTable::bet(int row) const {
  if (row < 1 || row > data_rows()) return kNoRow;
  return rows_[static_cast<std::size_t>(row)];
}

void BetTable::read_cell(int row, int col) {
  if (row < 1 || row > data_rows()) return;
  BetRow& b = rows_[static_cast<std::size_t>(row)];
  const std::string_view text = grid_.cell(row, col);
  const BetColumns& c = columns();
  if (col == BetColumns::kErase) {
    b.erased = trim(text) == SJ("消");
  } else if (col == BetColumns::kNo) {
    b.numbered = !is_blank(text);
  } else if (col == BetColumns::kKumi) {
    const BetTypeTraits& traits = bet_traits(type_);
    b.has_kumi = !is_blank(text);
    b.kumi = ParseKumi(type_, text).value_or(Kumi{});
    b.horse = traits.horses == 1 ? inum(text) : 0;
    b.combo = traits.horses == 1 || b.kumi.count == 0 ? 0 : traits.label_index(text);
  } else if (col == BetColumns::kOdds) {
    b.has_odds = !is_blank(text);
  } else if (col == BetColumns::kNinki) {
    b.ninki = rank_of(text);
  } else if (col == c.ren_ninki) {
    const std::string_view v(text);
    for (std::size_t i = 0; i < b.ren.size(); ++i)
      b.ren[i] = rank_of(v.substr(std::min(v.size(), i * 3), 2));
  } else if (col == c.amount) {
    b.has_amount = !is_blank(text);
    b.amount = num(text);
  }
}

void BetTable::put_bet(int row, const BetCells& cells) {
  if (row < 1 || row > data_rows()) return;
  const BetColumns& c = columns();
  grid_.set(row, BetColumns::kErase, {});
  grid_.set(row, BetColumns::kNo, NumText::Int(row, c.no_width));
  grid_.set(row, BetColumns::kKumi, cells.kumi_text);
  grid_.set(row, BetColumns::kOdds, cells.odds_text);
  grid_.set(row, BetColumns::kNinki, cells.ninki_text);
  if (c.ren_ninki > 0) grid_.set(row, c.ren_ninki, cells.ren_text);
  BetRow& b = rows_[static_cast<std::size_t>(row)];
  b.numbered = true;
  b.erased = false;
  b.has_kumi = !is_blank(cells.kumi_text);
  b.has_odds = !is_blank(cells.odds_text);
  b.kumi = cells.kumi;
  b.combo = cells.combo;
  b.horse = cells.kumi.count == 1 ? cells.kumi.n[0] : 0;
  b.ninki = cells.ninki;
  b.ren = c.ren_ninki > 0 ? cells.ren : std::array<int, 3>{};
}

void BetTable::set_amount(int row, std::int64_t amount, std::string_view text) {
  grid_.set(row, columns().amount, text);
  if (row < 1 || row > data_rows()) return;
  BetRow& b = rows_[static_cast<std::size_t>(row)];
  b.has_amount = !text.empty();
  b.amount = amount;
}

std::string BetTable::no_text(int i) const {
  return std::string(NumText::Int(i, columns().no_width).view());
}

void BetTable::set_erased(int row, bool on) {
  if (row < 1 || row > data_rows()) return;
  grid_.set(row, BetColumns::kErase, on ? SJ("消") : std::string());
  rows_[static_cast<std::size_t>(row)].erased = on;
}

void BetTable::Sort(int col, bool descending) {
  // The rendered texts decide the order; the rows move with theirs.
  SortBtn(grid_, col, descending, [this](int a, int b) {
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
  });
}

bool BetTable::paid(int row) const {
  const PayoutEntries& entries = (*race_)[static_cast<std::size_t>(bet_index(type_))];
  const BetRow& b = bet(row);
  const PaidBets paid(entries, type_);
  for (int k = 0; k < paid.count(); ++k) {
    if (paid.hits(k, b)) return true;
  }
  return false;
}

CellStyle BetTable::DrawCell(int row, int col) const {
  CellStyle s;
  s.align = Align::kCenter;
  s.background = colors::kWhite;
  if (row < grid_.fixed_rows()) {
    s.background = kHeaderColor;
  } else if (col == BetColumns::kNo) {
    s.background = kNoColor;
  } else if (col == BetColumns::kKumi && race_ != nullptr && paid(row)) {
    s.background = colors::kFuchsia;
  }
  return s;
}

}  // namespace rv
