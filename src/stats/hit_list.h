// The day's hit list ("的中", "穴的中"): an HTML fragment with one line per listed hit, and the
// running list of big payouts that every run adds its hits to.
#pragma once

#include <string>
#include <vector>

#include "betting/bet_tables.h"
#include "model/day.h"

namespace rv {

struct HitList {
  std::vector<std::string> html;      // the title line, then one line per hit
  std::vector<std::string> manbaken;  // "\HPupload\Manbaken.txt": the runs so far, then ours

  // A list is written only with at least two hits.
  [[nodiscard]] bool worth_writing() const { return html.size() > 2; }
};

// The list as a run starts it: the title line, and the big-payout list as stored (`stored`
// empty when the file is missing: it starts again with its own title line).
HitList StartHitList(std::vector<std::string> stored);

// The hits of race `slot` on screen: every live bet (numbered, not erased) of each bet table
// whose combination is one of the race's paid combinations, when the payout is above 0 (穴的中
// `ana`: above the type's threshold). A payout at or above the type's colour threshold shows in
// red, a lower one in blue.
void AddRaceHits(const Day& day, int slot, const BetTables& tables, bool ana, HitList& list);

}  // namespace rv
