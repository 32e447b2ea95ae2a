// Payouts and results: the payout reader behind "払戻取込" (HrReadBtnClick) and the payout
// display tables behind "Calc" (CalcBtnClick).
#pragma once

#include <string>
#include <string_view>

#include "model/bet_type.h"
#include "model/day.h"

namespace rv {

// One payout entry of an HR record (entry e = 1..36, see kPayFirst): the horse numbers (or
// brackets) of the paid combination, 0 where blank; the popularity and the payout per 100
// yen, 0 where blank.
struct HrEntry {
  int horse[3] = {0, 0, 0};
  int horses = 1;  // numbers in the combination: 1 for 単勝 and 複勝, 2 or 3 otherwise
  int ninki = 0;
  int pay = 0;
};
HrEntry ReadHrEntry(const HrRecord& hr, BetType type, int k);

// The payout reader, on the day `date` as the date box shows it: re-reads the race and
// runner records, fills every race's result section from the runner records and its payout
// entries from the payout records (writing the place finishers' positions into the runner
// records in memory), then rebuilds the payout display tables. Answers true when the race
// on screen (`on_screen`, its slot) has received its payouts for the first time and a race
// is selected (`race_selected`): the caller shows it again. Throws FileError on an
// unreadable file.
bool ReadPayouts(Day& day, int on_screen, std::string_view date, bool race_selected);

// The payout display tables of every slot from its payout record (CalcBtnClick). An entry's
// kumi is empty when the results tab leaves its column empty: a horse number of 0 for
// 単勝 and 複勝, a combination of zeros (or blanks) for the others.
void BuildPayoutTables(Day& day);

}  // namespace rv
