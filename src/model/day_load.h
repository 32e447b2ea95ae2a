// Loading a race day: the day's files into the day model, the race list and the values
// derived at load (acquisition and delivery times, race class, venue table, amounts).
#pragma once

#include <string>
#include <string_view>

#include "model/day.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

// The window's controls that a day load fills. The main window owns them.
struct DayLoadControls {
  // One item per slot in use, item index = slot: venue short name, race number, "R".
  ListControl DatList;
  // "成績記録済" on aqua or "成績未記録" on yellow.
  Label SeiRecLabel;
};

// The settings a load reads.
struct DayLoadSettings {
  int AutoOzGet = 10;        // [Time] minutes before the start at which odds are fetched
  int DefaultAmount = 3000;  // [KaimeSet] investment amount per race, yen

  static DayLoadSettings Read(const TIniGT& ini);
};

enum class DayLoadResult {
  kLoaded,
  kNoRaceFile,  // the day's race file is missing: "データ作成が未完了のようです。"
  kBadData,     // a race the model cannot hold (more than 18 runners): nothing loaded
};

// Loads the day `date` ("yyyy年mm月dd日") into the model and fills the race list, the
// results-state label and every value computed at load. What the window does around it
// (hiding views, timers, automatic operation, selecting the first race) is the caller's.
// Messages go through dialogs. Throws FileError when a day file exists but cannot be read;
// what was read so far stays.
DayLoadResult LoadDay(Day& day, DayLoadControls& controls, std::string_view date,
                      const DayLoadSettings& settings, Dialogs& dialogs);

// Clears the working records and the delivered flags of all 36 slots (the raw records stay).
void ResetRaceWork(Day& day);

// Race class letter "A".."G" of a race record, or empty.
std::string RaceClassOf(const RaRecord& ra);

// OzTime, OzTime2 and DeliverTime of a race starting at start ("hhmm"): auto_oz_get
// minutes before the start, one minute later, two minutes later. Empty for a blank start.
void SetAutoTimes(RaceWork& work, std::string_view start, int auto_oz_get);

// The race list's text of a race: venue short name, race number "%2d" ("  " for 0), "R".
std::string DatListItem(const RaRecord& ra);

}  // namespace rv
