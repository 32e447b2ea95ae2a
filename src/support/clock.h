// The Clock service: everything that asks for "now" goes through it, so tests can fix the
// time and the automatic operation can be driven through a race day in a test.
#pragma once

#include <string>
#include <string_view>

namespace rv {

struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int msec = 0;

  // Calendar arithmetic that keeps the time of day.
  [[nodiscard]] DateTime add_days(int days) const;
  [[nodiscard]] DateTime add_seconds(long long seconds) const;
  // 0 = Sunday .. 6 = Saturday.
  [[nodiscard]] int day_of_week() const;
  [[nodiscard]] long long to_seconds() const;  // seconds since 1970-01-01 00:00:00
  static DateTime from_seconds(long long s);
  // Milliseconds since 1970-01-01 00:00:00.000, and back.
  [[nodiscard]] long long to_msecs() const { return to_seconds() * 1000 + msec; }
  static DateTime from_msecs(long long ms);
  // yyyymmdd as a number.
  [[nodiscard]] int ymd() const { return year * 10000 + month * 100 + day; }
  [[nodiscard]] bool valid() const;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Formats with the tokens yyyy, mm, dd, hh, nn, ss and zzz; everything else (Shift-JIS
// text included) is copied. "yyyy/mm/dd hh:nn:ss" -> "2026/12/08 17:30:05".
std::string format_dt(const DateTime& t, std::string_view pattern);

// Parses "yyyymmddhhnnss" (14 digits) or "yyyy/mm/dd hh:nn:ss"; returns an invalid (all
// zero) value for anything else.
DateTime parse_dt(std::string_view text);

class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual DateTime now() const = 0;
};

// Local time of the machine.
class SystemClock final : public Clock {
 public:
  [[nodiscard]] DateTime now() const override;
};

// A clock that shows what it was set to; tests and replays move it by hand.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(DateTime t = {}) : t_(t) {}
  [[nodiscard]] DateTime now() const override { return t_; }
  void set(DateTime t) { t_ = t; }
  void advance_seconds(long long s) { t_ = t_.add_seconds(s); }

 private:
  DateTime t_;
};

// A clock that starts at a chosen moment and runs `speed` times as fast as the machine's, so
// a person can watch a race day unfold in the window.
class RunningClock final : public Clock {
 public:
  RunningClock(DateTime start, double speed);
  [[nodiscard]] DateTime now() const override;

 private:
  long long start_ms_;
  double speed_;
  long long origin_ns_;  // steady time at the start
};

// The process-wide clock every "now" of the system asks; the system clock unless a test or
// a replay installs another one (which must outlive its use).
const Clock& app_clock();
void set_app_clock(const Clock* clock);

// Installs a clock for a scope (none: leaves the clock as it is) and puts back the one that
// was there before.
class AppClockScope {
 public:
  explicit AppClockScope(const Clock* clock) : before_(&app_clock()) {
    if (clock != nullptr) set_app_clock(clock);
  }
  ~AppClockScope() { set_app_clock(before_); }
  AppClockScope(const AppClockScope&) = delete;
  AppClockScope& operator=(const AppClockScope&) = delete;

 private:
  const Clock* before_;
};

}  // namespace rv
