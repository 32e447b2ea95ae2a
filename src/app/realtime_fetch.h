// The real-time fetches of the main window: "速報ｵｯｽﾞ" (the odds of the race selected),
// "結果情報" (the day's results and payouts), "ﾏｲﾆﾝｸﾞ" (the day's data-mining predictions),
// the hidden "変更情報" (the day's change announcements) and "1日分の全オッズを一括取得(&O)".
// Each fetch is one JVRTOpen-read-JVClose cycle that stores what it reads into the loaded
// day's files and then runs the reader that brings it on screen. DLlabel shows what runs and
// what failed; every failure also goes to the error log.
//
// JV-Link holds one stream at a time. The read loop lets window messages run, so a timer or a
// click may ask for a fetch while one is reading: that fetch is skipped (it does nothing, as a
// disabled button would), since its JVRTOpen would fail and its JVClose would end the running
// read half-way. The running fetch refreshes the screen when it ends, and the timers ask
// again at their next tick. A stream opened by someone else (the stored-data window) makes
// JVRTOpen fail with -202: that is shown and logged, and the other stream is left open.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "acquire/jvlink.h"
#include "acquire/realtime_read.h"
#include "app/day_loading.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_on_screen.h"
#include "support/controls.h"
#include "support/message_pump.h"
#include "support/services.h"
#include "support/text.h"

namespace rv {

struct FetchKind;

// How the fetches went since the form started (ravelin-cli's exit status).
struct FetchTally {
  int opened = 0;  // JVRTOpen calls
  int failed = 0;  // fetches that showed an error
};

class RealtimeFetch {
 public:
  // Everything given outlives this object. status is DLlabel; show_race shows the race
  // selected in the race list (the race selection's DatListClick).
  RealtimeFetch(Day& day, const RaceOnScreen& on_screen, DayControls& days, DayLoadControls& loaded,
                DayLoading& day_loading, Label& status, Dialogs& dialogs, JVLink& jvlink,
                std::function<void()> show_race);
  RealtimeFetch(const RealtimeFetch&) = delete;
  RealtimeFetch& operator=(const RealtimeFetch&) = delete;

  void SokuhoOddsBtnClick();
  void KekkaGetBtnClick();
  void GetDMBtnClick();
  void GetKaisaiBtnClick();
  // Every race of the list in turn: selected, shown and its odds fetched. Without a day in
  // the date box it beeps and asks for one. Ignored while it runs.
  void N1O1Click();
  // The odds of the race `key` (16 digits) for the odds pass: no race need be on screen, the
  // status names the race as "中山11R ｵｯｽﾞ取得中" and its errors as "中山11R:" + the cause,
  // and the caller brings the odds in.
  void FetchQueuedOdds(std::string_view key);

  // Set around the fetches the timers start: the beeps of that fetch are left out.
  bool QuietResultsFetch = false;
  bool QuietDmFetch = false;
  bool QuietChangeFetch = false;

  Command GetKaisaiBtn{sj("変更情報"), kHidden};

  // Every text DLlabel takes, cleared ones included, for a program without a window.
  std::function<void(std::string_view)> on_status;
  // DLlabel's text as each JVRTOpen is called.
  std::function<void(std::string_view)> on_open;
  [[nodiscard]] const FetchTally& tally() const { return tally_; }

 private:
  void Fetch(const FetchKind& kind);
  // One open-read-close cycle; false when another fetch holds the stream (nothing done).
  bool Cycle(const FetchKind& kind, std::string_view key, std::string_view status,
             std::string_view error_label);
  // JVRTOpen and the read. ours turns false when the open stream belongs to someone else.
  void OpenAndRead(const FetchKind& kind, std::string_view key, std::string_view error_label,
                   bool quiet, bool& ours);
  // Clears DLlabel and closes the stream when it is this fetch's.
  void Close(const FetchKind& kind, bool quiet, bool ours);
  void FollowUp(const FetchKind& kind);
  void Status(std::string_view text);
  // DLlabel's text into the error log.
  void LogStatus();
  // Venue short name and narrow race number of the race on screen: "中山11".
  [[nodiscard]] std::string RaceName() const;

  Day& day_;
  const RaceOnScreen& on_screen_;
  DayControls& days_;
  DayLoadControls& loaded_;
  DayLoading& day_loading_;
  Label& status_;
  Dialogs& dialogs_;
  JVLink& jvlink_;
  std::function<void()> show_race_;
  FetchTally tally_;
  bool close_failed_ = false;  // the last JVClose of this form's stream failed
  // The stream one fetch holds from JVRTOpen to JVClose, and the run over every race.
  Reentry open_;
  Reentry all_odds_;
};

}  // namespace rv
