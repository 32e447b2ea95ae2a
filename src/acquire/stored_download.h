// TGetDataForm, the stored-data window "ＪＶデータ取込", without widgets. It opens JV-Link's
// stored race data ("RACE") from a start time, waits for the download with a 10 ms status
// timer, reads every record and lays the wanted ones into the day files. It is created per
// use and shown modally.
//
// A run: Idle -> Opening (JVOpen) -> Downloading (status timer) or straight to Reading (the
// read loop) -> Closed (JVClose) -> Idle. Cancel leads from Downloading or Reading to Closed.
// LastTime moves only when a read loop reached the end and every record is on disk, so a
// failed or cancelled run leaves the next start covering the same period again.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "acquire/download_routing.h"
#include "acquire/jvlink.h"
#include "support/controls.h"
#include "support/message_pump.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

class DayStore;

class TGetDataForm {
 public:
  enum class State { kIdle, kOpening, kDownloading, kReading, kClosed };

  // The services and JV-Link outlive the form; AppDir is set.
  TGetDataForm(Dialogs& dialogs, JVLink& jvlink);
  TGetDataForm(const TGetDataForm&) = delete;
  TGetDataForm& operator=(const TGetDataForm&) = delete;

  static const std::string& Caption();

  // Opening the window: [JvDataGet] LastTime (default: now minus ten days) into the picker.
  void FormCreate();
  // The window closes only between runs; a running one must end or be cancelled first.
  bool FormCloseQuery();
  // Closing: a cancel that had nothing to stop must not stop later read loops.
  void FormClose();

  // "データ取込み開始", "データ取込み中止", "JVLink設定". A start, and a status tick, that
  // arrive through the messages the read loop or a box lets run while one is still running
  // are ignored.
  void StartBtnClick();
  void CancelBtnClick();
  // What "データ取込み中止" does once confirmed; a program without a window that gives up
  // waiting calls it directly.
  void Cancel();
  void JVSetBtnClick();
  // The status timer: every 10 ms while files are downloading.
  void StatusTimerTimer();

  [[nodiscard]] State state() const { return state_; }
  // The last run read to the end and every record it took is on disk.
  [[nodiscard]] bool completed() const { return completed_; }
  // Grows whenever the run moves on: a record or file read, a file downloaded. A watcher
  // that sees it stand still for long knows JV-Link has stopped delivering.
  [[nodiscard]] long long progress_count() const { return progress_count_; }

  // The settings component of this window.
  TIniGT ini;

  Label DateLabel{sj("取得開始日付")};
  DateTimePicker DateTimePicker1;
  Command StartBtn{sj("データ取込み開始")};
  Command CancelBtn{sj("データ取込み中止")};
  Command JVSetBtn{sj("JVLink設定")};
  Toggle OddsCheck{sj("確定オッズも合わせて取得する")};
  Label OddsNote;
  Label ProgressLabel;
  ProgressBar DownloadBar;  // "ダウンロード": files downloaded
  ProgressBar ReadBar;      // "読込み": files read
  ListControl ListBox1;     // "作成済みデータ"
  // Hidden: 通常データ (option 1), 今週開催データ (option 2).
  RadioGroup DataKindGroup{sj("取得データ"), {sj("通常データ"), sj("今週開催データ")}};
  TimerState StatusTimer;

  // The hint of "JVLink設定" and the captions of the controls that carry none of their own.
  static const std::string& JVSetHint();
  static const std::string& DownloadCaption();
  static const std::string& ReadCaption();
  static const std::string& ListCaption();

  // Watchers of a run that the screen does not keep (the list is cleared at every file):
  // each line added to ListBox1 and each new ProgressLabel text.
  std::function<void(std::string_view)> on_list_line;
  std::function<void(std::string_view)> on_progress;

 private:
  template <typename Step>
  void Guarded(Step step);
  void Start();
  void PollStatus();
  void Progress(std::string_view text);
  void ReadLoop();
  // The loop's steps; false ends it.
  bool ReadStep(DayStore& store);
  void ReachedEnd(DayStore& store);
  void StoreFailed(std::string_view message);
  void Route(const std::string& record, DayStore& store);
  void StoreLastTime();
  // JVClose after every end of a run.
  void Close();
  void SetRunning(bool running);

  Dialogs& dialogs_;
  JVLink& jvlink_;
  State state_ = State::kIdle;
  Reentry starting_;
  Reentry polling_;
  bool completed_ = false;
  long long progress_count_ = 0;

  std::string FromTime;
  DownloadFilter filter_;
  int ReadCount = 0;
  int DownloadCount = 0;
  std::string LastFileTimestamp;
  int FilesRead = 0;
  std::string buff_;  // JVRead's buffer, kept between records
  std::string filename_;
};

// Runs the status timer as a window would, for a program or test without one: while the
// timer is on, wait(interval in ms) and then a tick.
void RunStatusTimer(TGetDataForm& form, const std::function<void(int)>& wait);

}  // namespace rv
