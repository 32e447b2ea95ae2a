// Replaying stored days in one process, for the commands that walk many races and days
// (verification, statistics): each day is chosen in the date box once, which loads it and
// shows its first race, then each of its races is selected in the race list in turn, on the
// one main window and its day model, exactly as a person choosing them would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"

namespace rv {

struct ReplayProgress {
  int days = 0;       // days to replay
  int days_done = 0;  // days passed, loaded or not
  int races = 0;      // races shown so far
  bool cancelled = false;
};

struct ReplayHooks {
  // Before each day is chosen: the day (as the date box lists it) and the days passed.
  std::function<void(const std::string& day, const ReplayProgress& progress)> day_begins;
  // Each race once it is on screen: slot `slot` of the loaded day.
  std::function<void(MainForm& form, int slot)> race;
  // After each day.
  std::function<void(const ReplayProgress& progress)> day_done;
  // Asked before each race; true ends the replay there.
  std::function<bool()> cancelled;
};

// Replays the days named in `days`, in that order, as the date box lists them
// ("2026年12月06日", Shift-JIS). A day the date box does not hold, or that does not load, is
// passed over; so is a race the window refuses to show (one without runner data).
ReplayProgress Replay(MainForm& form, const std::vector<std::string>& days,
                      const ReplayHooks& hooks);

// The races of the day loaded now, each selected in turn from the first; no day_done.
ReplayProgress ReplayLoadedDay(MainForm& form, const ReplayHooks& hooks);

}  // namespace rv
