#include "support/clock_timer.h"

#include <algorithm>

namespace rv {

namespace {

long long now_ms() {
  return app_clock().now().to_msecs();
}

}  // namespace

ClockTimer::ClockTimer(ClockTimers& timers, std::string_view name, int interval_ms)
    : timers_(timers), name_(name), interval_ms_(interval_ms) {
  timers_.timers_.push_back(this);
}

ClockTimer::~ClockTimer() {
  std::erase(timers_.timers_, this);
}

void ClockTimer::set_enabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) restart();
}

void ClockTimer::set_interval_ms(int ms) {
  interval_ms_ = ms;
  if (enabled_) restart();
}

void ClockTimer::restart() {
  due_ms_ = now_ms() + interval_ms_;
}

void ClockTimers::run_due() {
  // Indexes, not iterators: a handler may make or drop timers.
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    ClockTimer& t = *timers_[i];
    if (!t.enabled_ || t.interval_ms_ <= 0) continue;
    const long long now = now_ms();
    if (t.due_ms_ > now) continue;
    // Ticks missed while the window was busy are not made up.
    t.due_ms_ += t.interval_ms_;
    if (t.due_ms_ <= now) t.due_ms_ = now + t.interval_ms_;
    const Reentry::Hold hold = t.running_.enter();
    if (!hold || !t.on_timer) continue;
    stack_.push_back(&t);
    struct Pop {
      std::vector<const ClockTimer*>& s;
      ~Pop() { s.pop_back(); }
    } pop{stack_};
    t.on_timer();
  }
}

std::optional<long long> ClockTimers::next_due_ms() const {
  std::optional<long long> next;
  for (const ClockTimer* t : timers_) {
    if (!t->enabled_ || t->interval_ms_ <= 0) continue;
    if (!next || t->due_ms_ < *next) next = t->due_ms_;
  }
  return next;
}

void ClockTimers::run_until(ManualClock& clock, const DateTime& end) {
  const long long end_ms = end.to_msecs();
  for (;;) {
    const std::optional<long long> next = next_due_ms();
    if (!next || *next > end_ms) break;
    if (*next > clock.now().to_msecs()) clock.set(DateTime::from_msecs(*next));
    run_due();
  }
  clock.set(end);
}

std::string_view ClockTimers::running() const {
  return stack_.empty() ? std::string_view() : std::string_view(stack_.back()->name());
}

}  // namespace rv
