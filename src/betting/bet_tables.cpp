#include "betting/bet_tables.h"

#include <vector>

namespace rv {
namespace {

constexpr Rgb kTotalsColor = colors::kCream;  // RGB(255,251,240)
constexpr Rgb kActiveColor = 0xACB5FF;        // RGB(172,181,255)

std::vector<std::string> tab_captions() {
  std::vector<std::string> out;
  out.reserve(kBetTypes.size());
  for (const BetType t : kBetTypes) out.push_back(BetTypeTabName(t));
  return out;
}

}  // namespace

BetTables::BetTables()
    : PageControl4(tab_captions()), tables_{BetTable(BetType::kTansho),
                                            BetTable(BetType::kFukusho),
                                            BetTable(BetType::kWakuren),
                                            BetTable(BetType::kUmaren),
                                            BetTable(BetType::kWide),
                                            BetTable(BetType::kUmatan),
                                            BetTable(BetType::kSanrenpuku),
                                            BetTable(BetType::kSanrentan)} {
  PageControl4Change();
}

std::size_t BetTables::sort_group(BetType t) {
  return static_cast<std::size_t>(bet_traits(t).sort_group);
}

void BetTables::set_race(const RacePayouts* payouts) {
  for (BetTable& t : tables_) t.set_race(payouts);
  // The colours follow the payouts, which the grids' texts do not show.
  for (BetTable& t : tables_) t.view_grid().touch();
}

void BetTables::MouseDown(BetType t, int row, int col) {
  BetTable& table = (*this)[t];
  if (row != 0 || col < 1 || col >= table.grid().col_count()) return;
  const std::size_t g = sort_group(t);
  bool& desc = sort_desc_[g][static_cast<std::size_t>(col)];
  desc = !desc;
  sort_col_[g] = col;
  table.Sort(col, desc);
}

void BetTables::Click(BetType t, int row, int col) {
  BetTable& table = (*this)[t];
  if (row < 1 || row > table.data_rows()) return;
  if (col == BetColumns::kErase) table.set_erased(row, !table.erased(row));
  table.ClearTotals();
  if (recompute_) recompute_(table);
}

bool BetTables::sort_descending(BetType t, int col) const {
  if (col < 0 || col >= 16) return false;
  return sort_desc_[sort_group(t)][static_cast<std::size_t>(col)];
}

void BetTables::PageControl4Change() {
  const std::optional<BetType> active = bet_type_at(PageControl4.tab_index());
  for (BetTable& table : tables_) {
    const bool lit = active == table.type() && table.type() != BetType::kWakuren;
    for (const BetTotal k : kBetTotals) table.total(k).set_color(lit ? kActiveColor : kTotalsColor);
  }
}

void BetTableListing(const BetTable& t, std::vector<std::string>& lines) {
  const Grid& g = t.grid();
  for (int r = 0; r < g.row_count(); ++r) {
    std::string line;
    for (int c = 0; c < g.col_count(); ++c) {
      if (c > 0) line += '\t';
      line += g.cell(r, c);
    }
    lines.push_back(std::move(line));
  }
  std::string totals = "totals";
  for (const BetTotal k : kBetTotals) totals += "\t" + t.total(k).text();
  lines.push_back(std::move(totals));
}

std::vector<std::string> BetTablesListing(const BetTables& tables) {
  std::vector<std::string> lines;
  for (const BetTable& t : tables) {
    lines.push_back("## " + t.name() + " " + t.grid_name());
    BetTableListing(t, lines);
  }
  return lines;
}

}  // namespace rv
