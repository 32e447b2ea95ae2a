// The development menu "開発用": the ＶＲＨ signal-horse reports, log and exports, and
// "出現率集計", which learns the finish rates from the stored days. The commands that walk
// every stored day show the day being read in the progress bar, let the window's messages
// run between days and stop at the next day when cancelled, leaving every file of the run
// either whole or unwritten.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/vrh_set_form.h"
#include "stats/vrh_log.h"
#include "support/controls.h"
#include "support/message_pump.h"

namespace rv {

class MainForm;

class DevelopmentMenu {
 public:
  // The form outlives this object; only its reference is kept here.
  explicit DevelopmentMenu(MainForm& form);
  DevelopmentMenu(const DevelopmentMenu&) = delete;
  DevelopmentMenu& operator=(const DevelopmentMenu&) = delete;

  // "VRH単日(単複)": the day report of the selected day, its log line, the report opened.
  void VRH1Click();
  // "VRH過去ログ作成": the day report of every stored day; the log is saved once at the end.
  void VRH2Click();
  // "VRH過去ログ閲覧": the log window, read, for the window to show.
  TVRHLogForm& VRH3Click();
  // "VRHオッズ絞り設定": the settings window as it opens.
  std::unique_ptr<TVRHSetForm> VRH4Click();
  // "VRH単日(他券種)" on the selected day; "VRH月単位(他券種)" on its month (yyyymm given by
  // the command line).
  void VRH5Click();
  void VRH6Click();
  void VRH6Month(std::string_view yyyymm);
  // "VRH CSV": "単日分" and "全開催日".
  void N44Click();
  void N45Click();
  // "出現率集計": "\STAT\finishrate.csv" from every stored day with results, then in use.
  void FinishRateClick();
  // "中止": the running walk over the days stops before its next day.
  void CancelBtnClick() { cancel_ = true; }

  TVRHLogForm VRHLogForm;
  // Every file the last command wrote, in order.
  std::vector<std::filesystem::path> written;
  // Told each day a walk over all days is about to read (its date box text).
  std::function<void(std::string_view day)> on_day;

 private:
  // A command starts: false while a walk over the days runs (the command is ignored, as
  // the file list of the walk must stay its own), else the list of files written is emptied.
  [[nodiscard]] bool begin();
  [[nodiscard]] bool day_selected() const;
  // The day report of the loaded day into its file, opened unless in a walk over all days
  // (which flushes the folder once at its end); its log line. Empty when the day's date
  // cannot name a file.
  std::string day_report(bool in_walk);
  // Loads the date box's items `items` in turn and runs per_day on each that loads; the day
  // selected before comes back after. False when cancelled (or already running).
  bool each_day(const std::vector<int>& items, const std::function<void()>& per_day);
  std::vector<int> all_days() const;
  void save(const std::string& relative, const std::vector<std::string>& lines, bool open,
            bool flush_folder_now = true);

  MainForm& form_;
  bool cancel_ = false;
  Reentry walking_;
};

}  // namespace rv
