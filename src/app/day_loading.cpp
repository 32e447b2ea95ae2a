#include "app/day_loading.h"

#include <string>
#include <utility>

#include "model/day_list.h"
#include "model/mining.h"
#include "model/payouts.h"
#include "model/race_odds.h"
#include "model/start_time_changes.h"
#include "support/app_dir.h"
#include "support/clock.h"

namespace rv {

DayLoading::DayLoading(Day& day, const RaceOnScreen& on_screen, DayControls& controls,
                       DayLoadControls& loaded, TIniGT& ini, Dialogs& dialogs,
                       std::function<void()> show_race)
    : day_(day),
      on_screen_(on_screen),
      c_(controls),
      loaded_(loaded),
      ini_(ini),
      dialogs_(dialogs),
      show_race_(std::move(show_race)) {}

void DayLoading::MakeDataListBtnClick() {
  MakeDataList(c_.DateCombo);
}

void DayLoading::DateComboChange() {
  const Reentry::Hold hold = loading_.enter();
  if (!hold) {
    // As a disabled box would, the box goes on showing the day being loaded.
    c_.DateCombo.set_item_index(c_.DateCombo.index_of(loading_date_));
    return;
  }
  const std::string date = c_.DateCombo.text();
  loading_date_ = date;
  c_.RestTimeLabel.set_text("");
  c_.RestTimeLabel.set_visible(date == format_dt(app_clock().now(), SJ("yyyy年mm月dd日")));
  c_.PageControl1.set_visible(false);
  c_.PageControl3.set_visible(false);
  c_.Panel8.set_visible(false);
  if (on_load_begins) on_load_begins();
  last_day_load_ = DayLoadResult::kNoRaceFile;
  last_day_load_ = LoadDay(day_, loaded_, date, DayLoadSettings::Read(ini_), dialogs_);
  if (last_day_load_ != DayLoadResult::kLoaded) return;
  if (on_day_loaded) on_day_loaded(date);
  if (loaded_.DatList.count() > 0) {
    loaded_.DatList.set_item_index(0);
    show_race_();
  }
}

void DayLoading::DirectReadBtnClick() {
  const Reentry::Hold hold = batch_.enter();
  if (!hold) return;
  const FlagScope batch(day_.BatchReading);
  for (int i = c_.DateCombo.count() - 1; i >= 0; --i) {
    if (app_path_exists("\\STAT\\" + c_.DateCombo.item(i) + ".stat1")) continue;
    c_.DateCombo.set_item_index(i);
    DateComboChange();
  }
}

void DayLoading::IniBtnClick() {
  ResetRaceWork(day_);
}

void DayLoading::KaisaiReadBtnClick() {
  ApplyStartTimeChanges(day_, DayLoadSettings::Read(ini_).AutoOzGet);
}

void DayLoading::OzReadBtnClick() {
  LoadRaceOdds(day_, day_.OzRace);
}

void DayLoading::HrReadBtnClick() {
  const bool selected = loaded_.DatList.item_index() >= 0;
  if (ReadPayouts(day_, on_screen_.slot(), c_.DateCombo.text(), selected)) show_race_();
}

void DayLoading::DMReadBtnClick() {
  ReadMiningPredictions(day_);
}

void DayLoading::CalcBtnClick() {
  BuildPayoutTables(day_);
}

void DayLoading::DayFilesChanged() {
  loaded_.DatList.clear();
  c_.PageControl1.set_visible(false);
  MakeDataListBtnClick();
}

}  // namespace rv
