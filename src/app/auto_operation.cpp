#include "app/auto_operation.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "jvdata/code_tables.h"
#include "jvdata/keiba_format.h"
#include "jvdata/layouts.h"
#include "support/clock.h"

namespace rv {

namespace {

constexpr int kMinute = 60000;
// The odds pass runs from 09:00 to 18:00 inclusive; mining and results until 18:00.
constexpr std::string_view kPassStart = "0900";
constexpr std::string_view kDayEnd = "1800";
// Odds announced this many minutes before OzTime, or later, need no second fetch.
constexpr int kOddsFresh = 5;

std::string hhnn() {
  return format_dt(app_clock().now(), "hhnn");
}

std::string date_text(const DateTime& t) {
  return format_dt(t, SJ("yyyy年mm月dd日"));
}

// Minutes from the settings as a timer interval; an odd value (huge, negative) stays in a
// day, and 0 or less leaves the timer silent.
int minutes_ms(int minutes) {
  return std::clamp(minutes, 0, 24 * 60) * kMinute;
}

// The start of a race as its record gives it (date bytes 12-19, time 874-877), if it reads.
std::optional<DateTime> start_of(const RaRecord& ra) {
  const std::string_view date = ra.field(jv::head::Date);
  const std::string_view time = ra.field(jv::ra::HassoTime);
  if (!all_digits(date) || !all_digits(time)) return std::nullopt;
  const DateTime t{inum(date.substr(0, 4)), inum(date.substr(4, 2)), inum(date.substr(6, 2)),
                   inum(time.substr(0, 2)), inum(time.substr(2, 2))};
  if (!t.valid()) return std::nullopt;
  return t;
}

}  // namespace

AutoOperation::AutoOperation(Day& day, const RaceOnScreen& on_screen, DayControls& days,
                             DayLoadControls& loaded, ToolBarControls& tool_bar,
                             RealtimeFetch& fetch, DayLoading& day_loading, TIniGT& ini,
                             Dialogs& dialogs, ClockTimers& timers, std::function<void()> show_race)
    : Timer1(timers, "Timer1", 40000),
      Timer2(timers, "Timer2", 500),
      Timer3(timers, "Timer3", 1000),
      Timer4(timers, "Timer4", 10 * kMinute),
      HenkoJohoTimer(timers, "HenkoJohoTimer", 5 * kMinute),
      day_(day),
      on_screen_(on_screen),
      days_(days),
      loaded_(loaded),
      tool_bar_(tool_bar),
      fetch_(fetch),
      day_loading_(day_loading),
      ini_(ini),
      dialogs_(dialogs),
      show_race_(std::move(show_race)) {
  Timer1.on_timer = [this] { Timer1Timer(); };
  Timer2.on_timer = [this] { Timer2Timer(); };
  Timer3.on_timer = [this] { Timer3Timer(); };
  Timer4.on_timer = [this] { Timer4Timer(); };
  HenkoJohoTimer.on_timer = [this] { HenkoJohoTimerTimer(); };
  Timer2.set_enabled(true);
  Timer3.set_enabled(true);
}

bool AutoOperation::RunsByItself(std::string_view date) const {
  const DateTime now = app_clock().now();
  return date == date_text(now) || (date == date_text(now.add_days(1)) && hhnn() >= kDayEnd);
}

void AutoOperation::DayLoadBegins() {
  Timer4.set_enabled(false);
}

void AutoOperation::StartDayOperation(std::string_view date) {
  const int rdata = ini_.ReadInteger("Time", "AutoRdataGet", 10);
  LeadMinutes = rdata;
  Timer4.set_interval_ms(minutes_ms(rdata));
  if (!RunsByItself(date)) return;
  Timer4.set_enabled(true);
  if (!AutoOzCheck.checked()) {
    AutoOzCheck.set_checked(true);
    AutoOzCheckClick();
    if (on_odds_pass_armed) on_odds_pass_armed();
  }
  const int interval = ini_.ReadInteger("Henko", "GetInterval", 5);
  LeadMinutes = interval;
  HenkoJohoTimer.set_interval_ms(minutes_ms(interval));
  if (interval > 0) {
    HenkoJohoTimer.set_enabled(true);
    fetch_.QuietChangeFetch = true;
    day_loading_.KaisaiReadBtnClick();
  }
}

void AutoOperation::AutoOzCheckClick() {
  const auto refuse = [this](const char* message) {
    dialogs_.beep();
    dialogs_.info(sj(message));
    AutoOzCheck.set_checked(false);
    Timer1.set_enabled(false);
  };
  const std::string date = days_.DateCombo.text();
  const DateTime now = app_clock().now();
  if (is_blank(date)) return refuse("ﾃﾞｰﾀを読み込んでください。");
  if (date == date_text(now.add_days(1)) && hhnn() < kDayEnd) {
    return refuse("翌日のﾃﾞｰﾀは１８時過ぎに読み込んでください。");
  }
  if (date != date_text(now) && date != date_text(now.add_days(1))) {
    return refuse("本日のﾃﾞｰﾀを読み込んでください。");
  }
  // Data kind "1" is the list of registered horses, not yet the final card.
  const auto registered_only = [](std::string_view rec) {
    return jv::field(rec, jv::rec::DataKubun) == "1";
  };
  bool early = std::any_of(day_.RaData.begin(), day_.RaData.end(),
                           [&](const RaRecord& r) { return registered_only(r.view()); });
  for (const auto& race : day_.SeData) {
    early = early || std::any_of(race.begin(), race.end(),
                                 [&](const SeRecord& r) { return registered_only(r.view()); });
  }
  if (early) {
    return refuse(
        "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッズを取得"
        "してください。");
  }
  Timer1.set_enabled(AutoOzCheck.checked());
}

bool AutoOperation::OddsCurrent(int slot) const {
  const O1Record& o1 = day_.O1Data[static_cast<std::size_t>(slot)];
  if (inum(o1.field(jv::head::RaceNum)) <= 0) return false;
  const std::string_view announced = o1.field(jv::odds::HappyoTime).substr(4, 4);  // hhmm
  return AddMinutes(announced, kOddsFresh) >= day_.Work[static_cast<std::size_t>(slot)].OzTime;
}

void AutoOperation::Timer1Timer() {
  if (is_blank(days_.DateCombo.text()) || OzLoopBusy) return;
  const std::string now = hhnn();
  if (now < kPassStart || now > kDayEnd) return;
  OzQueue.clear();
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const RaceWork& w = day_.Work[static_cast<std::size_t>(slot)];
    if (OddsCurrent(slot) || (now != trim(w.OzTime) && now != trim(w.OzTime2))) continue;
    std::string entry(day_.RaData[static_cast<std::size_t>(slot)].field(jv::head::RaceKey));
    entry += fmt("%2d", slot);
    OzQueue.push_back(std::move(entry));
  }
  if (OzQueue.empty()) return;
  const FlagScope busy(OzLoopBusy);
  OzGetLoopBtnClick();
}

void AutoOperation::OzGetLoopBtnClick() {
  const RaRecord& shown = day_.RaData[static_cast<std::size_t>(on_screen_.slot())];
  bool shown_fetched = false;
  for (const std::string& entry : OzQueue) {
    const std::string_view key = std::string_view(entry).substr(0, jv::head::RaceKey.size());
    fetch_.FetchQueuedOdds(key);
    day_.OzRace = inum(std::string_view(entry).substr(key.size()));
    day_loading_.OzReadBtnClick();
    shown_fetched = shown_fetched ||
                    (jv::head::in_key(key, jv::head::JyoCD) == shown.field(jv::head::JyoCD) &&
                     jv::head::in_key(key, jv::head::RaceNum) == shown.field(jv::head::RaceNum));
  }
  if (shown_fetched) show_race_();
}

void AutoOperation::Timer2Timer() {
  tool_bar_.NowTimLabel.set_text(format_dt(app_clock().now(), SJ("hh時nn分ss秒")));
}

void AutoOperation::Timer3Timer() {
  if (loaded_.DatList.item_index() < 0) {
    days_.RestTimeLabel.set_text("");
    return;
  }
  const std::optional<DateTime> start =
      start_of(day_.RaData[static_cast<std::size_t>(on_screen_.slot())]);
  if (!start) {
    days_.RestTimeLabel.set_text("");
    return;
  }
  const long long left = start->to_seconds() - app_clock().now().to_seconds();
  if (left <= 0) {
    days_.RestTimeLabel.set_text(SJ("発走済み"));
    return;
  }
  days_.RestTimeLabel.set_text(SJ("発走までの残り時間：") +
                               fmt("%02lld:%02lld:%02lld", left / 3600, left / 60 % 60, left % 60));
}

std::string AutoOperation::FirstStartMinus(int minutes) const {
  return AddMinutes(day_.RaData[0].field(jv::ra::HassoTime), -minutes);
}

void AutoOperation::Timer4Timer() {
  if (hhnn() > kDayEnd) return;
  {
    const FlagScope quiet(fetch_.QuietDmFetch);
    fetch_.GetDMBtnClick();
  }
  if (hhnn() > FirstStartMinus(LeadMinutes + 30)) {
    const FlagScope quiet(fetch_.QuietResultsFetch);
    fetch_.KekkaGetBtnClick();
  }
}

void AutoOperation::HenkoJohoTimerTimer() {
  if (hhnn() <= FirstStartMinus(LeadMinutes + 60)) return;
  const FlagScope quiet(fetch_.QuietChangeFetch);
  fetch_.GetKaisaiBtnClick();
}

void AutoOperation::NextRaceBtnClick() {
  const int count = loaded_.DatList.count();
  if (is_blank(days_.DateCombo.text()) || count == 0) return;
  const DateTime now = app_clock().now();
  if (day_.RaData[0].field(jv::head::Date) != format_dt(now, "yyyymmdd")) return;
  int next = -1;
  long long best = 0;
  for (int slot = 0; slot < count; ++slot) {
    const std::optional<DateTime> start = start_of(day_.RaData[static_cast<std::size_t>(slot)]);
    if (!start) continue;
    const long long wait = start->to_seconds() - now.to_seconds();
    if (wait > 0 && (next < 0 || wait < best)) {
      next = slot;
      best = wait;
    }
  }
  if (next < 0) return;
  loaded_.DatList.set_item_index(next);
  show_race_();
}

}  // namespace rv
