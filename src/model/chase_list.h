// Horses the user follows ("追跡馬"): selecting a horse on the results card and putting it on
// the chase list, which is kept in "\ChaseHorse.dat".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/day.h"
#include "model/race_card.h"
#include "support/services.h"

namespace rv {

// Sorted lines without duplicates: pedigree number (10 bytes) followed by the horse name as
// the runner record holds it (36 bytes, padded with full-width blanks).
class ChaseList {
 public:
  // Adds a horse and saves the whole list; false when it was already on the list. The
  // horses saved by earlier runs are read first, so an addition never drops them. Throws
  // FileError when the file cannot be read or written.
  bool add(std::string_view pedigree, std::string_view name);
  [[nodiscard]] const std::vector<std::string>& lines();

 private:
  void load();

  std::vector<std::string> lines_;
  bool loaded_ = false;
};

// StringGrid6MouseDown on row `row` of the card of `slot` (the race on screen): a data row
// selects its horse and names it in the pop-up captions. Other rows change nothing.
void SelectCardHorse(const Day& day, int slot, RaceCardControls& card, int row);

// R1Click up to the redisplay: asks, marks the selected horse of the race in `slot` (the race
// on screen), adds it to the chase list and reports. True when the horse was registered and
// the race should be shown again.
bool RegisterChaseHorse(Day& day, int slot, RaceCardControls& card, ChaseList& list,
                        Dialogs& dialogs);

}  // namespace rv
