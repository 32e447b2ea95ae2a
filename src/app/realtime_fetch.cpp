#include "app/realtime_fetch.h"

#include <string>
#include <utility>

#include "acquire/jvresult.h"
#include "jvdata/code_tables.h"
#include "jvdata/keiba_format.h"
#include "jvdata/layouts.h"
#include "support/error_log.h"

namespace rv {

struct FetchKind {
  RealtimeReader reader;
  std::string_view dataspec;
  const char* status;          // UTF-8; the odds fetch puts the race before it
  const char* error;           // UTF-8, after the race
  bool needs_race;             // a race selected in the race list, besides a day in the date box
  bool RealtimeFetch::*quiet;  // the flag that leaves its beeps out; none for the odds
};

namespace {

constexpr FetchKind kOdds{RealtimeReader::kOdds, "0B30", "オッズ取得中",
                          "R:ｵｯｽﾞ取得エラー：",  true,   nullptr};
constexpr FetchKind kResults{
    RealtimeReader::kResults,      "0B12", "ﾚｰｽ情報データ取得中",
    "R:ﾚｰｽ情報データ取得エラー：", true,   &RealtimeFetch::QuietResultsFetch};
constexpr FetchKind kMining{RealtimeReader::kMining,  "0B13", "DM取得中",
                            "R:DMデータ取得エラー：", true,   &RealtimeFetch::QuietDmFetch};
constexpr FetchKind kChanges{
    RealtimeReader::kChanges,       "0B14", "開催速報データ取得中",
    "R:開催速報データ取得エラー：", false,  &RealtimeFetch::QuietChangeFetch};

// JVRTOpen's answer while another stream is open: that stream is not this fetch's to close.
constexpr int kAlreadyOpen = -202;

bool is_odds(const FetchKind& kind) {
  return kind.reader == RealtimeReader::kOdds;
}

// An empty slot's key reads as zeros or blanks.
bool empty_key(std::string_view key) {
  return key.find_first_not_of("0 ") == std::string_view::npos;
}

}  // namespace

RealtimeFetch::RealtimeFetch(Day& day, const RaceOnScreen& on_screen, DayControls& days,
                             DayLoadControls& loaded, DayLoading& day_loading, Label& status,
                             Dialogs& dialogs, JVLink& jvlink, std::function<void()> show_race)
    : day_(day),
      on_screen_(on_screen),
      days_(days),
      loaded_(loaded),
      day_loading_(day_loading),
      status_(status),
      dialogs_(dialogs),
      jvlink_(jvlink),
      show_race_(std::move(show_race)) {}

void RealtimeFetch::SokuhoOddsBtnClick() {
  Fetch(kOdds);
}
void RealtimeFetch::KekkaGetBtnClick() {
  Fetch(kResults);
}
void RealtimeFetch::GetDMBtnClick() {
  Fetch(kMining);
}
void RealtimeFetch::GetKaisaiBtnClick() {
  Fetch(kChanges);
}

void RealtimeFetch::N1O1Click() {
  const Reentry::Hold hold = all_odds_.enter();
  if (!hold) return;
  if (days_.DateCombo.text().empty()) {
    dialogs_.beep();
    dialogs_.info(SJ("ﾃﾞｰﾀを読み込んでください。"));
    return;
  }
  for (int i = 0; i < loaded_.DatList.count(); ++i) {
    loaded_.DatList.set_item_index(i);
    show_race_();
    SokuhoOddsBtnClick();
  }
}

void RealtimeFetch::Fetch(const FetchKind& kind) {
  if (days_.DateCombo.text().empty()) return;
  if (kind.needs_race && loaded_.DatList.item_index() < 0) return;
  const std::size_t slot = static_cast<std::size_t>(is_odds(kind) ? on_screen_.slot() : 0);
  const RaRecord& ra = day_.RaData[slot];
  const std::string key(is_odds(kind) ? ra.field(jv::head::RaceKey) : ra.field(jv::head::Date));
  if (empty_key(key)) return;
  const std::string status = sj(kind.status);
  if (Cycle(kind, key, is_odds(kind) ? RaceName() + status : status, RaceName() + sj(kind.error))) {
    FollowUp(kind);
  }
}

void RealtimeFetch::FetchQueuedOdds(std::string_view key) {
  if (empty_key(key)) return;
  const std::string race = BashoName(jv::head::in_key(key, jv::head::JyoCD)) +
                           FmtNum(jv::head::in_key(key, jv::head::RaceNum));
  Cycle(kOdds, key, race + sj("R ｵｯｽﾞ取得中"), race + "R:");
}

bool RealtimeFetch::Cycle(const FetchKind& kind, std::string_view key, std::string_view status,
                          std::string_view error_label) {
  const Reentry::Hold hold = open_.enter();
  if (!hold) return false;
  const bool quiet = kind.quiet != nullptr && this->*kind.quiet;
  Status(status);
  pump_messages(dialogs_);
  // A stream whose close failed would refuse every later open with -202: close it first.
  // Should that fail too, the open below says so.
  if (close_failed_) close_failed_ = jvlink_.JVClose() != 0;
  bool ours = false;
  try {
    OpenAndRead(kind, key, error_label, quiet, ours);
  } catch (...) {
    // The stream must not stay open behind the general error box.
    Close(kind, quiet, ours);
    throw;
  }
  Close(kind, quiet, ours);
  return true;
}

void RealtimeFetch::OpenAndRead(const FetchKind& kind, std::string_view key,
                                std::string_view error_label, bool quiet, bool& ours) {
  ++tally_.opened;
  if (on_open) on_open(status_.text());
  const int rc = jvlink_.JVRTOpen(kind.dataspec, key);
  ours = rc != kAlreadyOpen;
  if (rc != 0) {
    ++tally_.failed;
    if (!quiet) dialogs_.beep();
    Status(std::string(error_label) + JVResultText("JVRTOpen", rc));
    // The change announcements come every few minutes; their misses are not worth a line.
    if (kind.reader != RealtimeReader::kChanges) LogStatus();
    return;
  }
  const int read = ReadRealtimeRecords(jvlink_, dialogs_, kind.reader);
  if (read != 0) {
    ++tally_.failed;
    Status(JVResultText("JVRead", read));
    LogStatus();
    if (is_odds(kind)) dialogs_.beep();
  }
}

void RealtimeFetch::Close(const FetchKind& kind, bool quiet, bool ours) {
  Status("");
  pump_messages(dialogs_);
  if (!ours) return;
  const int rc = jvlink_.JVClose();
  close_failed_ = rc != 0;
  if (rc != 0) {
    ++tally_.failed;
    Status(JVResultText("JVClose", rc));
    LogStatus();
    if (is_odds(kind)) dialogs_.beep();
  } else if (!is_odds(kind) && !quiet) {
    dialogs_.beep();
  }
}

// The readers bring what the day files hold on screen, also after a failed fetch.
void RealtimeFetch::FollowUp(const FetchKind& kind) {
  switch (kind.reader) {
    case RealtimeReader::kOdds:
      day_.OzRace = loaded_.DatList.item_index();
      day_loading_.OzReadBtnClick();
      break;
    case RealtimeReader::kResults:
      day_loading_.HrReadBtnClick();
      break;
    case RealtimeReader::kMining:
      day_loading_.DMReadBtnClick();
      break;
    case RealtimeReader::kChanges:
      day_loading_.KaisaiReadBtnClick();
      return;
  }
  show_race_();
}

std::string RealtimeFetch::RaceName() const {
  const RaRecord& ra = day_.RaData[static_cast<std::size_t>(on_screen_.slot())];
  return BashoName(ra.field(jv::head::JyoCD)) + FmtNum(ra.field(jv::head::RaceNum));
}

void RealtimeFetch::Status(std::string_view text) {
  status_.set_text(text);
  if (on_status) on_status(text);
}

void RealtimeFetch::LogStatus() {
  AppendErrorLog(status_.text());
}

}  // namespace rv
