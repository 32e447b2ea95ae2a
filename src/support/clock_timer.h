// Window timers that count in the app clock's time rather than the machine's. The window
// polls them often (running them in its message loop, where a timer may fire while another
// one's handler lets messages run); a test or a replay moves a manual clock from one tick to
// the next, so a whole race day runs in a moment and always in the same order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/clock.h"
#include "support/message_pump.h"

namespace rv {

class ClockTimers;

class ClockTimer {
 public:
  // Off until switched on. An interval of 0 or less never fires, as a window timer's does not.
  ClockTimer(ClockTimers& timers, std::string_view name, int interval_ms);
  ~ClockTimer();
  ClockTimer(const ClockTimer&) = delete;
  ClockTimer& operator=(const ClockTimer&) = delete;

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] bool enabled() const { return enabled_; }
  [[nodiscard]] int interval_ms() const { return interval_ms_; }
  // Switching on, and a new interval while on, start the count again from now.
  void set_enabled(bool on);
  void set_interval_ms(int ms);

  std::function<void()> on_timer;

 private:
  friend class ClockTimers;
  void restart();

  ClockTimers& timers_;
  std::string name_;
  int interval_ms_;
  bool enabled_ = false;
  long long due_ms_ = 0;  // app-clock milliseconds of the next tick
  // A handler that lets messages run is not entered again by its own next tick; that tick
  // is dropped, as a busy window drops the timer messages it could not take.
  Reentry running_;
};

class ClockTimers {
 public:
  ClockTimers() = default;
  ClockTimers(const ClockTimers&) = delete;
  ClockTimers& operator=(const ClockTimers&) = delete;

  // Runs each timer whose tick has come, once, in the order the timers were made. A handler
  // that throws ends this round; the others run at the next.
  void run_due();
  // The app-clock time of the earliest tick to come; none while every timer is off.
  [[nodiscard]] std::optional<long long> next_due_ms() const;
  // Moves `clock` from one tick to the next and runs the timers there, up to and including
  // `end`; the clock is left at `end`.
  void run_until(ManualClock& clock, const DateTime& end);
  // The timer whose handler runs now (the innermost), or empty.
  [[nodiscard]] std::string_view running() const;

 private:
  friend class ClockTimer;
  std::vector<ClockTimer*> timers_;
  std::vector<const ClockTimer*> stack_;
};

}  // namespace rv
