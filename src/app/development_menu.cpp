#include "app/development_menu.h"

#include "app/main_form.h"
#include "betting/finish_rate.h"
#include "betting/vrh_ranges.h"
#include "stats/finish_rate_build.h"
#include "stats/vrh_day_report.h"
#include "stats/vrh_other.h"
#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

constexpr int kRuleWidth = 61;

// YYYYMMDD of race slot 0, or empty when it is not a date that can name a file.
std::string day_stamp(const Day& day) {
  const std::string d = std::string(day.RaData[0].field(jv::head::Year)) +
                        std::string(day.RaData[0].field(jv::head::MonthDay));
  return d.size() == 8 && all_digits(d) ? d : std::string();
}

// "yyyy年mm月dd日" (Shift-JIS) to yyyymm.
std::string month_of(std::string_view day_name) {
  return day_name.size() >= 8
             ? std::string(day_name.substr(0, 4)) + std::string(day_name.substr(6, 2))
             : std::string();
}

}  // namespace

DevelopmentMenu::DevelopmentMenu(MainForm& form) : VRHLogForm(form.desktop()), form_(form) {}

bool DevelopmentMenu::begin() {
  if (walking_.running()) return false;
  written.clear();
  return true;
}

bool DevelopmentMenu::day_selected() const {
  return form_.day.DateCombo.item_index() >= 0 && form_.last_day_load() == DayLoadResult::kLoaded;
}

void DevelopmentMenu::save(const std::string& relative, const std::vector<std::string>& lines,
                           bool open, bool flush_folder_now) {
  const std::filesystem::path path = app_path(relative);
  std::filesystem::create_directories(path.parent_path());
  write_file_atomic(path, join_lines(lines), flush_folder_now);
  written.push_back(path);
  if (open) form_.desktop().open(path);
}

std::string DevelopmentMenu::day_report(bool in_walk) {
  Day& day = form_.race_day();
  const std::string stamp = day_stamp(day);
  if (stamp.empty()) return {};
  const VrhDayReport r =
      BuildVrhDayReport(day, LoadVrhRanges(form_.ini), form_.day.DateCombo.text());
  save("\\TEXT\\VRH" + stamp + ".txt", r.lines, !in_walk, !in_walk);
  return r.log_line();
}

std::vector<int> DevelopmentMenu::all_days() const {
  std::vector<int> items(static_cast<std::size_t>(form_.day.DateCombo.count()));
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = static_cast<int>(i);
  return items;
}

bool DevelopmentMenu::each_day(const std::vector<int>& items,
                               const std::function<void()>& per_day) {
  const Reentry::Hold hold = walking_.enter();
  if (!hold) return false;
  ListControl& dates = form_.day.DateCombo;
  const std::string before = dates.item_index() >= 0 ? dates.text() : std::string();
  const FlagScope batch(form_.race_day().BatchReading);
  cancel_ = false;
  BatchControls& progress = form_.batch;
  progress.BatchBar.set_max(static_cast<int>(items.size()));
  progress.BatchBar.set_position(0);
  progress.BatchPanel.set_visible(true);
  bool done = true;
  for (std::size_t k = 0; k < items.size(); ++k) {
    pump_messages(form_.dialogs());
    if (cancel_) {
      done = false;
      break;
    }
    dates.set_item_index(items[k]);
    const std::string name = dates.text();
    progress.BatchLabel.set_text(
        fmt("%d/%d日目 ", static_cast<int>(k) + 1, static_cast<int>(items.size())) + name);
    if (on_day) on_day(name);
    form_.DateComboChange();
    if (form_.last_day_load() == DayLoadResult::kLoaded) per_day();
    progress.BatchBar.set_position(static_cast<int>(k) + 1);
  }
  progress.BatchPanel.set_visible(false);
  progress.BatchLabel.set_text("");
  if (const int i = dates.index_of(before); !before.empty() && i >= 0) {
    dates.set_item_index(i);
    form_.DateComboChange();
  }
  return done;
}

void DevelopmentMenu::VRH1Click() {
  if (!begin()) return;
  if (!day_selected()) return;
  const std::string line = day_report(false);
  if (line.empty()) return;
  StoreVrhLogLines({line});
  written.push_back(app_path("\\VRHlog.txt"));
}

void DevelopmentMenu::VRH2Click() {
  if (!begin()) return;
  std::vector<std::string> log;
  // Each report is whole when written; the log takes the run's lines only when it ran to
  // its end, so a cancelled run leaves it as it was.
  const bool finished = each_day(all_days(), [&] {
    if (std::string line = day_report(true); !line.empty()) log.push_back(std::move(line));
  });
  // The reports' folder entries reach the disk once, not once a day.
  if (!written.empty()) flush_folder(written.front().parent_path());
  if (!finished) return;
  StoreVrhLogLines(log);
  written.push_back(app_path("\\VRHlog.txt"));
}

TVRHLogForm& DevelopmentMenu::VRH3Click() {
  VRHLogForm.ReadBtnClick();
  VRHLogForm.Form.set_visible(true);
  return VRHLogForm;
}

std::unique_ptr<TVRHSetForm> DevelopmentMenu::VRH4Click() {
  return std::make_unique<TVRHSetForm>(form_.ini, [this] {
    if (form_.day.DateCombo.item_index() >= 0) form_.DateComboChange();
  });
}

void DevelopmentMenu::VRH5Click() {
  if (!begin()) return;
  if (!day_selected()) return;
  const Day& day = form_.race_day();
  const std::string stamp = day_stamp(day);
  if (stamp.empty()) return;
  VrhOtherTally tally;
  AddVrhOtherDay(day, LoadVrhRanges(form_.ini), tally);
  std::vector<std::string> lines = {SJ("【") + form_.day.DateCombo.text() + SJ("】VRH他券種"),
                                    std::string(kRuleWidth, '-')};
  AppendVrhOtherBlocks(tally, lines);
  lines.emplace_back(kRuleWidth, '-');
  save("\\TEXT\\VRH2" + stamp + ".txt", lines, true);
}

void DevelopmentMenu::VRH6Click() {
  if (!begin() || !day_selected()) return;
  VRH6Month(month_of(form_.day.DateCombo.text()));
}

void DevelopmentMenu::VRH6Month(std::string_view yyyymm) {
  if (!begin()) return;
  if (yyyymm.size() != 6 || !all_digits(yyyymm)) return;
  std::vector<int> items;
  for (int i = 0; i < form_.day.DateCombo.count(); ++i) {
    if (month_of(form_.day.DateCombo.item(i)) == yyyymm) items.push_back(i);
  }
  const VrhRanges ranges = LoadVrhRanges(form_.ini);
  const std::string rule(kRuleWidth, '-');
  std::vector<std::string> lines;
  VrhOtherTally month;
  if (!each_day(items, [&] {
        VrhOtherTally day;
        AddVrhOtherDay(form_.race_day(), ranges, day);
        AddVrhOtherDay(form_.race_day(), ranges, month);
        lines.push_back(SJ("【") + form_.day.DateCombo.text() + SJ("】VRH他券種"));
        lines.push_back(rule);
        AppendVrhOtherBlocks(day, lines);
        lines.push_back(rule);
      })) {
    return;
  }
  lines.push_back(SJ("【") + std::string(yyyymm.substr(0, 4)) + SJ("年") +
                  std::string(yyyymm.substr(4, 2)) + SJ("月】VRH他券種"));
  lines.push_back(rule);
  AppendVrhOtherBlocks(month, lines);
  lines.push_back(rule);
  save("\\TEXT\\VRH2" + std::string(yyyymm) + ".txt", lines, true);
}

void DevelopmentMenu::N44Click() {
  if (!begin()) return;
  if (!day_selected()) return;
  const std::string stamp = day_stamp(form_.race_day());
  if (stamp.empty()) return;
  std::vector<std::string> lines;
  AppendVrhCsvLines(form_.race_day(), LoadVrhRanges(form_.ini), lines);
  save("\\CSV\\VRH" + stamp + ".CSV", lines, true);
}

void DevelopmentMenu::N45Click() {
  if (!begin()) return;
  const VrhRanges ranges = LoadVrhRanges(form_.ini);
  std::vector<std::string> lines;
  if (!each_day(all_days(), [&] { AppendVrhCsvLines(form_.race_day(), ranges, lines); })) return;
  save("\\CSV\\VRH.CSV", lines, true);
}

void DevelopmentMenu::FinishRateClick() {
  if (!begin()) return;
  FinishRateCounts counts;
  if (!each_day(all_days(), [&] { counts.AddDay(form_.race_day()); })) return;
  save(kFinishRateFile, counts.lines(), false);
  SetFinishRates(counts.table());
  // The race on screen shows the new rates.
  if (form_.loaded_day.DatList.item_index() >= 0) form_.DatListClick();
}

}  // namespace rv
