// The time-series odds viewer's commands of the main window: "時系列オッズより取得(&T)"
// takes the loaded day's odds from the viewer's folder ([Dir] jikeiretu), as they stood at
// each race's odds time, and "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)" chooses that folder.
#pragma once

#include <string>

#include "app/day_loading.h"
#include "model/day.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

class OddsViewer {
 public:
  // Everything given outlives this object.
  OddsViewer(Day& day, DayControls& controls, DayLoading& day_loading, TIniGT& ini,
             Dialogs& dialogs, Desktop& desktop);
  OddsViewer(const OddsViewer&) = delete;
  OddsViewer& operator=(const OddsViewer&) = delete;

  // The import, then the day loaded again. Returns the message of the counts (also when a
  // batch load keeps it off the screen); empty when the import was refused.
  std::string T1Click();
  // The folder choice; the folder confirmed is stored.
  void N12Click();

 private:
  Day& day_;
  DayControls& c_;
  DayLoading& day_loading_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  Desktop& desktop_;
};

}  // namespace rv
