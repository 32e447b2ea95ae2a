// Fund allocation (資金配分): spreads the investment amount of the race over the live bets
// of one bet table, filling its amount, return and return-rate columns and its totals 点数,
// 投資 and 予想回収. Two modes: "均等" (the same amount on every bet) and "比例" (amounts
// inversely proportional to the odds, so that every hit pays about the same).
#pragma once

#include <cstdint>
#include <optional>

#include "betting/bet_table.h"

namespace rv {

enum class AllocationMode : int { kEqual = 0, kProportional = 1 };

// The mode of RadioGroup1's index: 0 "均等"; 1, or a request past the last item, "比例".
AllocationMode AllocationModeOf(int item_index);

inline constexpr std::int64_t kMinBet = 100;  // yen: the least amount of one bet

// AllocateFunds. A row counts when it has a number, is not erased and its odds cell is not
// blank; odds are read back from the cell. Nothing is allocated unless the amount is at least
// 100 yen, the table holds fewer than 4898 rows and its first row has odds; then, and when
// no row counts, the amount, return and rate cells are left empty and the three totals
// cleared, so that no figure of an earlier amount stays beside the new one.
void AllocateFunds(BetTable& table, AllocationMode mode, std::int64_t amount);

// 追い上げ: the amount that wins back the loss L and the target profit P when a hit pays the
// table's expected return rate R (percent), with the increase factor Z (percent):
// Trunc((P + L) / (R - 100) * Z), then down to whole 100 yen. nullopt when no such amount
// exists: R of 100 or less (no profit to be had), or an amount below 100 yen.
std::optional<std::int64_t> OiageAmount(std::int64_t profit, std::int64_t loss, double rate,
                                        std::int64_t zogaku);

}  // namespace rv
