#include "acquire/stored_download.h"

#include <chrono>
#include <exception>
#include <thread>

#include "acquire/cancel_flag.h"
#include "acquire/day_store.h"
#include "acquire/jvresult.h"
#include "support/clock.h"
#include "support/error_log.h"
#include "support/files.h"
#include "support/message_pump.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::string_view kSection = "JvDataGet";
constexpr std::string_view kLastTime = "LastTime";
constexpr std::string_view kStampFormat = "yyyy/mm/dd hh:nn:ss";
constexpr int kStatusIntervalMs = 10;
// JVRead answers -3 while the control is still downloading the file to be read: what is
// awaited is the control's own work, so the loop waits a moment rather than spin.
constexpr auto kDownloadWait = std::chrono::milliseconds(20);
constexpr std::size_t kHeldBytes = std::size_t{24} << 20;

const std::string& NothingNewer() {
  return SJ("最新のデータがありません。");
}

std::string Count(std::string_view head, int n, int of) {
  return std::string(head) + fmt("(%d/%d)", n, of);
}

// A last-file stamp that can become LastTime: 14 digits of a real date and time.
bool UsableStamp(std::string_view stamp) {
  return stamp != "00000000000000" && parse_dt(stamp).valid();
}

}  // namespace

TGetDataForm::TGetDataForm(Dialogs& dialogs, JVLink& jvlink) : dialogs_(dialogs), jvlink_(jvlink) {
  OddsNote.set_text(sj(
      "↑ここをチェックすると取得期間に取得済みのオッズがある場合は確定オッズに上書きされますので、"
      "ご注意ください。"));
  DataKindGroup.set_visible(false);
  StatusTimer.set_interval_ms(kStatusIntervalMs);
  StatusTimer.set_enabled(false);
}

const std::string& TGetDataForm::Caption() {
  return SJ("ＪＶデータ取込");
}
const std::string& TGetDataForm::JVSetHint() {
  return SJ("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします");
}
const std::string& TGetDataForm::DownloadCaption() {
  return SJ("ダウンロード");
}
const std::string& TGetDataForm::ReadCaption() {
  return SJ("読込み");
}
const std::string& TGetDataForm::ListCaption() {
  return SJ("作成済みデータ");
}

void TGetDataForm::FormCreate() {
  const std::string fallback = format_dt(app_clock().now().add_days(-10), kStampFormat);
  DateTime last = parse_dt(ini.ReadString(kSection, kLastTime, fallback));
  if (!last.valid()) last = parse_dt(fallback);
  DateTimePicker1.set_value(last);
}

bool TGetDataForm::FormCloseQuery() {
  return state_ == State::kIdle;
}

void TGetDataForm::FormClose() {
  CancelFlag = false;
}

void TGetDataForm::Progress(std::string_view text) {
  if (ProgressLabel.text() == text) return;
  ProgressLabel.set_text(text);
  if (on_progress) on_progress(text);
}

void TGetDataForm::SetRunning(bool running) {
  // A second start, or the settings dialog, in the middle of a run would close its stream.
  StartBtn.set_enabled(!running);
  JVSetBtn.set_enabled(!running);
}

template <typename Step>
void TGetDataForm::Guarded(Step step) {
  try {
    step();
  } catch (...) {
    // An unexpected failure ends the handler in the general error box; the run must not
    // stay open behind it, or the window could never close.
    if (state_ != State::kIdle) Close();
    throw;
  }
}

void TGetDataForm::StartBtnClick() {
  const Reentry::Hold hold = starting_.enter();
  if (!hold || state_ != State::kIdle) return;
  Guarded([this] { Start(); });
}

void TGetDataForm::Start() {
  completed_ = false;
  const DateTime from = DateTimePicker1.value();
  dialogs_.info(format_dt(from, SJ("yyyy年mm月dd日hh時nn分ss秒")) +
                SJ("以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他の"
                   "アプリケーションを操作することは極力避けてください。"));

  StatusTimer.set_enabled(false);
  CancelFlag = false;
  DownloadBar.set_position(0);
  ReadBar.set_position(0);
  ListBox1.clear();
  FromTime = format_dt(from, "yyyymmddhhnnss");
  filter_ = DownloadFilter{FirstDownloadDate(from), OddsCheck.checked()};
  dialogs_.busy(true);
  SetRunning(true);

  state_ = State::kOpening;
  const int option = DataKindGroup.item_index() == 1 ? 2 : 1;
  const int rc =
      jvlink_.JVOpen("RACE", FromTime, option, ReadCount, DownloadCount, LastFileTimestamp);
  if (rc == -1 || (rc == 0 && ReadCount <= 0)) {
    dialogs_.beep();
    dialogs_.info(NothingNewer());
    Close();
    return;
  }
  if (rc != 0) {
    dialogs_.beep();
    dialogs_.info(SJ("JVOpenエラー:") + JVResultText("JVOpen", rc));
    Close();
    return;
  }
  Progress(fmt("ReadCount:%d, DownloadCount:%d", ReadCount, DownloadCount));
  if (DownloadCount > 0) {
    Progress(SJ("ダウンロード中・・・"));
    DownloadBar.set_max(DownloadCount);
    state_ = State::kDownloading;
    StatusTimer.set_enabled(true);
    return;
  }
  DownloadBar.set_max(100);
  DownloadBar.set_position(100);
  ReadLoop();
  Close();
}

void TGetDataForm::StatusTimerTimer() {
  const Reentry::Hold hold = polling_.enter();
  if (!hold) return;
  if (state_ != State::kDownloading) {
    StatusTimer.set_enabled(false);
    return;
  }
  Guarded([this] { PollStatus(); });
}

void TGetDataForm::PollStatus() {
  const int n = jvlink_.JVStatus();
  if (n < 0) {
    dialogs_.beep();
    dialogs_.info(SJ("JVStatusエラー:") + JVResultText("JVStatus", n));
    StatusTimer.set_enabled(false);
    Close();
    return;
  }
  Progress(Count(SJ("ダウンロード中．．．"), n, DownloadCount));
  if (n > DownloadBar.position()) ++progress_count_;
  DownloadBar.set_position(n);
  if (n < DownloadCount) return;
  StatusTimer.set_enabled(false);
  ReadLoop();
  Close();
}

void TGetDataForm::ReadLoop() {
  state_ = State::kReading;
  Progress(Count(SJ("データ読込み中．．．"), 0, ReadCount));
  ReadBar.set_max(ReadCount);
  ReadBar.set_position(0);
  FilesRead = 0;
  DayStore store(DayStore::Mode::kWriteBack);
  try {
    while (ReadStep(store)) {
    }
  } catch (const rv::FileError& e) {
    // What the other files took before the failure still goes to disk.
    std::string message = e.what();
    try {
      store.Flush();
    } catch (const rv::FileError& again) {
      message += "\r\n";
      message += again.what();
    }
    StoreFailed(message);
  }
}

bool TGetDataForm::ReadStep(DayStore& store) {
  pump_messages(dialogs_);
  if (CancelFlag) {
    store.Flush();
    return false;
  }
  int size = 0;
  const int rc = jvlink_.JVRead(buff_, size, filename_);
  if (rc != -3) ++progress_count_;
  if (rc > 0) {
    Route(buff_, store);
    return true;
  }
  switch (rc) {
    case -1:
      // A race day's records come in several of JV-Link's files (cards, odds, results):
      // holding its day files across them writes each once, and every write is flushed to
      // the disk. The store is written out once it holds more than a bound.
      if (store.held_bytes() > kHeldBytes) store.Flush();
      ++FilesRead;
      ReadBar.set_position(FilesRead);
      Progress(Count(SJ("データ読込み中．．．"), FilesRead, ReadCount));
      ListBox1.clear();
      return true;
    case -2:
      return true;
    case -3:
      std::this_thread::sleep_for(kDownloadWait);
      return true;
    case 0:
      ReachedEnd(store);
      return false;
    default:
      store.Flush();
      dialogs_.beep();
      dialogs_.info(SJ("JVReadエラー:") + JVResultText("JVRead", rc));
      return false;
  }
}

void TGetDataForm::ReachedEnd(DayStore& store) {
  // LastTime may only move once every record is on disk.
  store.Flush();
  Progress(Count(SJ("データ読込み完了"), FilesRead, ReadCount));
  DownloadBar.set_position(0);
  ReadBar.set_position(0);
  if (FilesRead < ReadCount) {
    // The data ended before every file JVOpen announced was read. Moving LastTime past
    // them would mean never fetching them again: it stays, so the next run asks again.
    const std::string message = SJ("データ取込が未完了です（読込み") +
                                fmt("%d/%d", FilesRead, ReadCount) +
                                SJ("ファイル）。取得日時は更新しません。");
    ListBox1.add(message);
    if (on_list_line) on_list_line(message);
    AppendErrorLog(message);
    dialogs_.beep();
    Progress(message);
    return;
  }
  if (UsableStamp(LastFileTimestamp)) StoreLastTime();
  Progress(SJ("データ作成が完了しました。"));
  completed_ = true;
}

void TGetDataForm::StoreLastTime() {
  const DateTime stamp = parse_dt(LastFileTimestamp);
  ini.WriteString(kSection, kLastTime, format_dt(stamp, kStampFormat));
  DateTimePicker1.set_value(stamp);
}

void TGetDataForm::StoreFailed(std::string_view message) {
  dialogs_.beep();
  dialogs_.error(message);
}

void TGetDataForm::Route(const std::string& record, DayStore& store) {
  if (!DownloadWants(record, filter_)) return;
  if (!store.Store(record, RecordOrigin::kStoredData, true)) return;
  if (std::optional<std::string> line = CreatedLine(record)) {
    ListBox1.add(*line);
    if (on_list_line) on_list_line(*line);
  }
}

void TGetDataForm::CancelBtnClick() {
  if (!dialogs_.confirm(SJ("データ取込を中止します。実行しますか？"))) return;
  Cancel();
}

void TGetDataForm::Cancel() {
  StatusTimer.set_enabled(false);
  jvlink_.JVCancel();
  CancelFlag = true;
  dialogs_.beep();
  dialogs_.info(SJ("JVCancel:キャンセルされました"));
  Progress(SJ("JVCancel:キャンセルされました"));
  // No read loop follows a cancelled download, so its run ends here; a running read loop
  // stops at its next turn and closes then.
  if (state_ == State::kDownloading) Close();
}

void TGetDataForm::JVSetBtnClick() {
  if (state_ != State::kIdle) return;
  const int rc = jvlink_.JVSetUIProperties();
  if (rc == 0) return;
  dialogs_.beep();
  dialogs_.info(SJ("JVSetUIPropertiesエラー：") + JVResultText("JVSetUIProperties", rc));
}

void TGetDataForm::Close() {
  state_ = State::kClosed;
  dialogs_.busy(false);
  const int rc = jvlink_.JVClose();
  dialogs_.beep();
  if (rc != 0) dialogs_.info(SJ("JVCloseエラー:") + JVResultText("JVClose", rc));
  // The cancel was meant for this run; the real-time read loops must not stop on it later.
  CancelFlag = false;
  SetRunning(false);
  state_ = State::kIdle;
}

void RunStatusTimer(TGetDataForm& form, const std::function<void(int)>& wait) {
  while (form.StatusTimer.enabled()) {
    wait(form.StatusTimer.interval_ms());
    if (form.StatusTimer.enabled()) form.StatusTimerTimer();
  }
}

}  // namespace rv
