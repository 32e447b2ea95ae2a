#include "support/clock.h"

#include <array>
#include <chrono>
#include <ctime>

#include "support/text.h"

namespace rv {
namespace {

using namespace std::chrono;

sys_days to_days(const DateTime& t) {
  return sys_days(year_month_day(year(t.year), month(static_cast<unsigned>(t.month)),
                                 day(static_cast<unsigned>(t.day))));
}

void put2(std::string& out, int v) {
  out += static_cast<char>('0' + (v / 10) % 10);
  out += static_cast<char>('0' + v % 10);
}

// The format letters of the fields printed as two digits.
struct TwoDigitField {
  std::string_view letters;
  int DateTime::*value;
};
constexpr std::array<TwoDigitField, 5> kTwoDigitFields = {{{"mm", &DateTime::month},
                                                           {"dd", &DateTime::day},
                                                           {"hh", &DateTime::hour},
                                                           {"nn", &DateTime::minute},
                                                           {"ss", &DateTime::second}}};

const TwoDigitField* two_digit_field(std::string_view pattern) {
  for (const TwoDigitField& f : kTwoDigitFields) {
    if (pattern.starts_with(f.letters)) return &f;
  }
  return nullptr;
}

}  // namespace

long long DateTime::to_seconds() const {
  const long long days = to_days(*this).time_since_epoch().count();
  return days * 86400 + hour * 3600 + minute * 60 + second;
}

DateTime DateTime::from_seconds(long long s) {
  long long days = s / 86400;
  long long rest = s % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  const year_month_day ymd{sys_days(std::chrono::days(days))};
  DateTime t;
  t.year = static_cast<int>(ymd.year());
  t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest / 60 % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

DateTime DateTime::from_msecs(long long ms) {
  DateTime t = from_seconds(ms / 1000);
  t.msec = static_cast<int>(ms % 1000);
  return t;
}

DateTime DateTime::add_days(int days) const {
  return add_seconds(86400LL * days);
}

DateTime DateTime::add_seconds(long long seconds) const {
  DateTime t = from_seconds(to_seconds() + seconds);
  t.msec = msec;
  return t;
}

int DateTime::day_of_week() const {
  return static_cast<int>(weekday(to_days(*this)).c_encoding());
}

bool DateTime::valid() const {
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return false;
  }
  return year_month_day(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                        std::chrono::day(static_cast<unsigned>(day)))
      .ok();
}

std::string format_dt(const DateTime& t, std::string_view p) {
  std::string out;
  for (std::size_t i = 0; i < p.size();) {
    const auto rest = p.substr(i);
    if (rest.starts_with("yyyy")) {
      put2(out, t.year / 100);
      put2(out, t.year % 100);
      i += 4;
    } else if (rest.starts_with("zzz")) {
      out += static_cast<char>('0' + t.msec / 100 % 10);
      put2(out, t.msec % 100);
      i += 3;
    } else if (const TwoDigitField* f = two_digit_field(rest)) {
      put2(out, t.*f->value);
      i += 2;
    } else {
      const std::size_t n = sjis_char_len(p, i);
      out.append(p.substr(i, n));
      i += n;
    }
  }
  return out;
}

DateTime parse_dt(std::string_view s) {
  std::string digits;
  if (s.size() == 14 && all_digits(s)) {
    digits = s;
  } else if (s.size() == 19 && s[4] == '/' && s[7] == '/' && s[10] == ' ' && s[13] == ':' &&
             s[16] == ':') {
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18}) digits += s[i];
    if (!all_digits(digits)) return {};
  } else {
    return {};
  }
  DateTime t;
  t.year = inum(digits.substr(0, 4));
  t.month = inum(digits.substr(4, 2));
  t.day = inum(digits.substr(6, 2));
  t.hour = inum(digits.substr(8, 2));
  t.minute = inum(digits.substr(10, 2));
  t.second = inum(digits.substr(12, 2));
  return t.valid() ? t : DateTime{};
}

DateTime SystemClock::now() const {
  const auto tp = system_clock::now();
  const std::time_t tt = system_clock::to_time_t(tp);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &tt);
#else
  localtime_r(&tt, &tm);
#endif
  DateTime t;
  t.year = tm.tm_year + 1900;
  t.month = tm.tm_mon + 1;
  t.day = tm.tm_mday;
  t.hour = tm.tm_hour;
  t.minute = tm.tm_min;
  t.second = tm.tm_sec;
  t.msec = static_cast<int>(duration_cast<milliseconds>(tp.time_since_epoch()).count() % 1000);
  return t;
}

namespace {

long long steady_ns() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

RunningClock::RunningClock(DateTime start, double speed)
    : start_ms_(start.to_msecs()), speed_(speed), origin_ns_(steady_ns()) {}

DateTime RunningClock::now() const {
  const double elapsed_ms = static_cast<double>(steady_ns() - origin_ns_) / 1e6 * speed_;
  return DateTime::from_msecs(start_ms_ + static_cast<long long>(elapsed_ms));
}

namespace {
const Clock*& installed_clock() {
  static const Clock* c = nullptr;
  return c;
}
}  // namespace

const Clock& app_clock() {
  static const SystemClock system;
  const Clock* c = installed_clock();
  return c != nullptr ? *c : system;
}

void set_app_clock(const Clock* clock) {
  installed_clock() = clock;
}

}  // namespace rv
