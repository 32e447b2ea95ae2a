#include "acquire/jvlink_realtime.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <map>
#include <optional>

#include "jvdata/layouts.h"
#include "support/text.h"

namespace rv {
namespace {

using jv::Kind;
using Seconds = long long;

// Results are out once the race has been run this long.
constexpr Seconds kResultsAfter = 10 * 60;
// The moment of records that were there before any announcement.
constexpr Seconds kFromTheStart = std::numeric_limits<Seconds>::min();

class Release {
 public:
  explicit Release(const DateTime& now) : now_(now.to_seconds()) {}

  // The record when it is a whole record of one of the kinds; nullopt (and the record
  // reported) otherwise.
  std::optional<Kind> whole(std::string_view record, std::initializer_list<Kind> kinds) {
    const std::optional<Kind> kind = jv::kind_of(jv::field(record, jv::rec::RecordSpec));
    if (!kind || std::find(kinds.begin(), kinds.end(), *kind) == kinds.end()) {
      damaged(record, SJ("この種別のデータにないレコード"));
      return std::nullopt;
    }
    const jv::Layout& layout = jv::layout(*kind);
    if (record.size() != layout.line_length()) {
      damaged(record, fmt("長さ %zu バイト、%s は %zu バイト", record.size(),
                          std::string(layout.id).c_str(), layout.line_length()));
      return std::nullopt;
    }
    return kind;
  }

  void damaged(std::string_view record, std::string why) {
    out_.damaged.push_back({record, std::move(why)});
  }

  [[nodiscard]] bool out(Seconds at) const { return at <= now_; }
  void serve(std::string_view record) { out_.records.push_back(record); }
  RealtimeRelease take() { return std::move(out_); }

 private:
  Seconds now_;
  RealtimeRelease out_;
};

// yyyymmdd + hhmm as a moment; nullopt when it is none.
std::optional<Seconds> moment(std::string_view yyyymmdd, std::string_view hhmm) {
  if (yyyymmdd.size() != 8 || hhmm.size() != 4 || !all_digits(yyyymmdd) || !all_digits(hhmm)) {
    return std::nullopt;
  }
  const DateTime t = parse_dt(std::string(yyyymmdd).append(hhmm).append("00"));
  if (!t.valid()) return std::nullopt;
  return t.to_seconds();
}

// An announcement time MMDDhhmm of a record about the day yyyymmdd. An announcement dated
// after that day in the calendar was made in the year before (the evening before a race on
// the first days of January).
std::optional<Seconds> announced(std::string_view mmddhhmm, std::string_view yyyymmdd) {
  if (mmddhhmm.size() != 8 || yyyymmdd.size() != 8 || !all_digits(yyyymmdd)) return std::nullopt;
  int year = inum(yyyymmdd.substr(0, 4));
  if (mmddhhmm.substr(0, 4) > yyyymmdd.substr(4, 4)) --year;
  return moment(fmt("%04d", year) + std::string(mmddhhmm.substr(0, 4)), mmddhhmm.substr(4, 4));
}

void release_odds(std::span<const std::string_view> records, Release& r) {
  std::vector<std::pair<std::string_view, Seconds>> timed;
  Seconds last = kFromTheStart;
  for (const std::string_view rec : records) {
    if (!r.whole(rec, {Kind::O1, Kind::O2, Kind::O3, Kind::O4, Kind::O5, Kind::O6})) continue;
    const std::string_view time = jv::field(rec, jv::odds::HappyoTime);
    if (time.find_first_not_of('0') != std::string_view::npos) {
      const auto at = announced(time, jv::field(rec, jv::head::Date));
      if (!at) {
        r.damaged(rec, SJ("発表時刻が不正"));
        continue;
      }
      last = *at;
    }
    timed.emplace_back(rec, last);
  }
  std::optional<Seconds> latest;
  for (const auto& [rec, at] : timed) {
    if (r.out(at) && (!latest || at > *latest)) latest = at;
  }
  for (const auto& [rec, at] : timed) {
    if (latest && at == *latest) r.serve(rec);
  }
}

void release_results(std::string_view day, std::span<const std::string_view> records, Release& r) {
  std::vector<std::string_view> whole;
  std::map<std::string_view, Seconds> start;  // by race key
  for (const std::string_view rec : records) {
    const auto kind = r.whole(rec, {Kind::RA, Kind::SE, Kind::HR});
    if (!kind) continue;
    if (*kind == Kind::RA) {
      const auto at = moment(day, jv::field(rec, jv::ra::HassoTime));
      if (!at) {
        r.damaged(rec, SJ("発走時刻が不正"));
        continue;
      }
      start.try_emplace(jv::field(rec, jv::head::RaceKey), *at);
    }
    whole.push_back(rec);
  }
  for (const std::string_view rec : whole) {
    const auto it = start.find(jv::field(rec, jv::head::RaceKey));
    if (it != start.end() && r.out(it->second + kResultsAfter)) r.serve(rec);
  }
}

void release_predictions(std::span<const std::string_view> records, Release& r) {
  for (const std::string_view rec : records) {
    if (r.whole(rec, {Kind::DM})) r.serve(rec);
  }
}

void release_changes(std::span<const std::string_view> records, Release& r) {
  for (const std::string_view rec : records) {
    const std::string_view id = jv::field(rec, jv::rec::RecordSpec);
    std::string_view time;
    if (!jv::kind_of(id)) {
      time = jv::field(rec, jv::announcement::HappyoTime);  // a kind without a layout here
    } else if (const auto kind = r.whole(rec, {Kind::WE, Kind::TC})) {
      time = jv::field(rec, *kind == Kind::WE ? jv::we::HappyoTime : jv::tc::HappyoTime);
    } else {
      continue;
    }
    // WE has no race number, but its date lies where every race record's does.
    const auto at = announced(time, jv::field(rec, jv::head::Date));
    if (!at) {
      r.damaged(rec, SJ("発表時刻が不正"));
    } else if (r.out(*at)) {
      r.serve(rec);
    }
  }
}

}  // namespace

RealtimeRelease release_realtime(std::string_view dataspec, std::string_view key,
                                 std::span<const std::string_view> records, const DateTime& now) {
  Release r(now);
  if (dataspec == "0B30") {
    release_odds(records, r);
  } else if (dataspec == "0B12") {
    release_results(key, records, r);
  } else if (dataspec == "0B13") {
    release_predictions(records, r);
  } else if (dataspec == "0B14") {
    release_changes(records, r);
  }
  return r.take();
}

}  // namespace rv
