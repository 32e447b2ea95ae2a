// A race day built record by record for the race card tests: races into slots, runners into
// their horse positions, odds and ranks straight into the working records.
#pragma once

#include <memory>
#include <string>

#include "jvfeed/records.h"
#include "model/day.h"
#include "model/race_on_screen.h"
#include "support/text.h"

namespace rv::testing {

class CardDay {
 public:
  CardDay() : day_(make_day()) { day_->blank_records(); }

  [[nodiscard]] Day& day() { return *day_; }
  // The window's race on screen, which ShowRace sets.
  RaceOnScreen on_screen;

  // A race in slot `slot` at venue 06 (中山) with `runners` plain runners, horse h named
  // "ホース<h>".
  jvfeed::RaceKey race(int slot, int race_no, int runners, jvfeed::RaceInfo info = {}) {
    const jvfeed::RaceKey key = jvfeed::key(20261206, 6, race_no);
    info.runners = runners;
    put_race(slot, jvfeed::ra(key, info));
    for (int h = 1; h <= runners; ++h) {
      const std::string name = "ホース" + std::to_string(h);
      put_runner(slot, jvfeed::se(key, {.horse = h, .runners = runners, .name = name}));
    }
    return key;
  }

  void put_race(int slot, const jvfeed::Record& ra) {
    day_->RaData[static_cast<std::size_t>(slot)].assign(ra.str());
  }

  // Into the position of its horse number.
  void put_runner(int slot, const jvfeed::Record& se) {
    const int horse = inum(se.get("Umaban"));
    day_->SeData[static_cast<std::size_t>(slot)][static_cast<std::size_t>(horse - 1)].assign(
        se.str());
  }

  RaceWork& work(int slot) { return day_->Work[static_cast<std::size_t>(slot)]; }

  // Win odds and rank, place odds and ranks of a horse, as the odds loader leaves them.
  void odds(int slot, int horse, double win, int win_rank, double low = 0, double high = 0,
            int low_rank = 0, int high_rank = 0) {
    RaceWork& w = work(slot);
    const auto h = static_cast<std::size_t>(horse);
    w.WinOdds[h] = win;
    w.WinNinki[h] = win_rank;
    w.PlaceOddsLow[h] = low;
    w.PlaceOddsHigh[h] = high;
    w.PlaceNinki[h] = low_rank;
    w.PlaceNinkiHigh[h] = high_rank;
  }

 private:
  std::unique_ptr<Day> day_;
};

// Shift-JIS to UTF-8 for readable expectations.
inline std::string u8(std::string_view sjis) {
  return to_utf8(sjis);
}

}  // namespace rv::testing
