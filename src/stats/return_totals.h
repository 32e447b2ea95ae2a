// What the bets of a walk over races earned: races with bets, hit races, investment and
// return, per bet type for "集計" and for the 枠連 filter verification.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "betting/bet_tables.h"
#include "model/bet_type.h"

namespace rv {

struct HitTotals {
  int races = 0;  // races with points
  int hits = 0;   // races with a return
  std::int64_t toshi = 0;
  std::int64_t kaishu = 0;

  // One race from its points, investment and return as its totals labels read.
  void AddRace(std::int64_t points, std::int64_t invested, std::int64_t returned);
  HitTotals& operator+=(const HitTotals& o);
};

// "%2dR中　%2dR的中　　投資額：%7d円　回収額：%7d円　的中率：%6.1f　回収率：%6.1f". A rate
// without a base (races counted without any investment, or no race) reads "   ---".
std::string TotalsText(const HitTotals& t);

// The return totals of a day, per bet type in BetType order.
using TypeTotals = std::array<HitTotals, kBetTypeCount>;

// The race on screen: each bet type's points, investment and return labels.
void AddRaceTotals(const BetTables& tables, TypeTotals& totals);

// The lines of "\HPupload\Kaishu" + date + ".txt": " DI-DAVI " + caption + " " and the
// three venues' names each after a blank, then one line per bet type that had races.
std::vector<std::string> ReturnTotalsLines(std::string_view caption,
                                           const std::array<std::string, 3>& venues,
                                           const TypeTotals& totals);

}  // namespace rv
