// The evaluation commands of the main window, each a walk over the races of the loaded day
// or of every stored day that writes text reports into "\HPupload": the hit list ("的中",
// "穴的中"), the return totals ("集計"), the 枠連 popularity count ("不出現数") and the 枠連
// filter verification ("連対計1-3該当", "連対差3-4該当" and their all-days runs).
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "stats/filter_verification.h"
#include "support/controls.h"
#include "support/message_pump.h"
#include "support/text.h"

namespace rv {

class MainForm;

struct EvaluationControls {
  Command ShukeiBtn{sj("集計"), kHidden};
  Command Kensho13Btn{sj("連対計1-3該当"), kHidden};  // on the preview page
  Command Kensho34Btn{sj("連対差3-4該当"), kHidden};
};

// The files a command wrote, in the order written.
using WrittenFiles = std::vector<std::filesystem::path>;

class Evaluation {
 public:
  Evaluation(MainForm& form, EvaluationControls& controls);
  Evaluation(const Evaluation&) = delete;
  Evaluation& operator=(const Evaluation&) = delete;

  // "的中" (`ana` false) and "穴的中": nothing is written with fewer than two hits.
  WrittenFiles TekiAnaBtnClick(bool ana);
  WrittenFiles ShukeiBtnClick();
  // "不出現数", over every stored day.
  WrittenFiles N41Click();
  // The loaded day's verification (Kensho13BtnClick, Kensho34BtnClick, N34Click, N36Click).
  WrittenFiles KenshoClick(FilterSet set);
  // Every stored day's (N35Click, N37Click).
  WrittenFiles KenshoAllDays(FilterSet set);
  // Stops an all-days run before its next race: the day under way is dropped, the days
  // done keep their files, and the combined files are not written.
  void BatchCancelBtnClick() { cancel_ = true; }

  // Around every walk over races (true as it starts): the window stops repainting meanwhile.
  std::function<void(bool running)> on_walk;
  // As each day of an all-days run starts: the progress text.
  std::function<void(const std::string& text)> on_day;

 private:
  // The races of the loaded day; false when there is none loaded.
  bool walk_loaded_day(const std::function<void(int slot)>& race);
  // Every stored day, oldest first; day_done runs after each day that loaded and was
  // replayed whole. False when cancelled.
  bool walk_all_days(const std::function<void(int slot)>& race,
                     const std::function<void()>& day_done);
  // The first 14 bytes of Label1 (the date) while a race is on screen, else the day's date.
  [[nodiscard]] std::string caption() const;
  // Year and month-day of race slot 0 ("20261206"); the loaded date's digits when slot 0
  // holds no race, empty when no day is loaded.
  [[nodiscard]] std::string stamp() const;
  // Writes the lines as "\HPupload\" + name (the folder made when missing).
  std::filesystem::path save(const std::string& name, const std::vector<std::string>& lines);
  // The shell opens the file; the lines go to the clipboard.
  void show(const std::filesystem::path& file, const std::vector<std::string>& lines);

  MainForm& form_;
  EvaluationControls& c_;
  Reentry running_;
  bool cancel_ = false;
};

}  // namespace rv
