// The betting market of one race: from each runner's chance of winning, the odds and
// popularity ranks of all eight bet types by the Harville formulas, each pool with its
// takeout. Odds are truncated to tenths as published payouts are (ten-yen steps, at least
// 1.0); popularity ranks follow the odds, ties broken the same way every time.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "jvfeed/records.h"

namespace rv::jvfeed {

enum class Scratch { None, BeforeSale, AfterSale };

struct Pool {
  // 1-based: by horse number for Win and Place, by the odds record's entry index otherwise.
  std::vector<Odds> low;
  std::vector<Odds> high;  // equal to low except for Place and Wide
  std::vector<int> rank;   // 0 for entries without a value
};

struct Book {
  int runners = 0;     // registered horses
  int starters = 0;    // horses not scratched
  int place_paid = 3;  // places paid by 複勝 and ワイド: 3, 2 for 5-7 starters, 0 no sale
  bool bracket_sale = true;
  std::array<Pool, 8> pools;  // by Bet

  [[nodiscard]] const Pool& pool(Bet b) const { return pools[static_cast<std::size_t>(b)]; }
};

// chances[h] (h = 1..runners) need not be normalised; scratched horses' chances are ignored.
Book make_book(const std::vector<double>& chances, const std::vector<Scratch>& scratch);

// The book with one horse's place odds blank (and the place ranks of the others closed up).
void blank_place(Book& book, int horse);

// The odds kind that carries a bet type (Win, Place and Bracket: O1).
Kind odds_kind(Bet bet);

// An odds record of the book. `announced` is MMDDhhmm for intermediate odds, empty for final.
Record odds_record(Kind kind, const RaceKey& key, const Book& book, char data_kind,
                   std::string_view announced, std::int64_t pool_hundreds);

}  // namespace rv::jvfeed
