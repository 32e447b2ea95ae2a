// Bet tables filled by hand, as generation and allocation would leave them, and the RA record
// of the race they are for.
#pragma once

#include <string>
#include <string_view>

#include "betting/bet_table.h"
#include "jvfeed/records.h"
#include "support/text.h"

namespace rv::testing {

struct BetRow {
  std::string_view kumi;  // UTF-8, as the combination column holds it: " 5", " 1- 5"
  std::string_view amount = "   300";
  std::string_view odds = "  12.3";
  bool erased = false;
};

// Rows 1.. of the table hold the bets, numbered as generation numbers them.
inline void fill(BetTable& table, std::initializer_list<BetRow> bets) {
  table.Clear();
  table.set_data_rows(static_cast<int>(bets.size()));
  int row = 0;
  for (const BetRow& b : bets) {
    ++row;
    table.set_cell(row, BetColumns::kNo, table.no_text(row));
    table.set_cell(row, BetColumns::kKumi, sj(b.kumi));
    table.set_cell(row, BetColumns::kOdds, sj(b.odds));
    table.set_cell(row, table.columns().amount, sj(b.amount));
    table.set_erased(row, b.erased);
  }
}

// 東京, 10 May 2009, 2nd meeting, 6th day: the race of the worked example.
inline std::string tokyo_ra(int race = 11) {
  return jvfeed::ra(jvfeed::key(20090510, 5, race, 2, 6)).str();
}

}  // namespace rv::testing
