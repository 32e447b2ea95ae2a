// Start-time changes (KaisaiReadBtnClick): the day's TC records applied to its race file
// and to the races in memory.
#pragma once

#include "model/day.h"

namespace rv {

// Change kinds of the day's ".NEW" file, one line each: the announcement time MMDDhhmm of
// the newest announcement of that kind already applied (empty when none).
enum class ChangeKind { kWeather, kScratch, kJockey, kStartTime, kCourse };
inline constexpr int kChangeKinds = 5;

// Applies every start-time change announced later than the last one applied: the race
// file's start time (RA 874-877) takes the new time; the race in memory takes it too
// unless it is blank or "0000", and its acquisition and delivery times follow
// (auto_oz_get as at load). Remembers the newest announcement in "\CHG\" + date + ".NEW".
// Answers whether any change was new. Throws FileError when a file cannot be read or written.
bool ApplyStartTimeChanges(Day& day, int auto_oz_get);

}  // namespace rv
