#include "jvfeed/feed.h"

#include <algorithm>
#include <map>

#include "jvfeed/race_records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::jvfeed {
namespace {

namespace fs = std::filesystem;

DateTime midnight(const DateTime& d) {
  return DateTime{d.year, d.month, d.day};
}

DateTime at(const DateTime& day, int hour, int minute, int second = 0) {
  return DateTime{day.year, day.month, day.day, hour, minute, second};
}

bool after(const DateTime& a, const DateTime& b) {
  return a.to_seconds() > b.to_seconds();
}

class Writer {
 public:
  explicit Writer(FeedSummary& summary) : summary_(summary) {}
  void write(const fs::path& path, const std::vector<Record>& records) {
    std::string data;
    for (const auto& r : records) data += r.str();
    put(path, data);
  }
  void write_lines(const fs::path& path, const std::vector<Record>& records) {
    std::string data;
    for (const auto& r : records) data += r.line() + "\r\n";
    put(path, data);
  }

 private:
  void put(const fs::path& path, const std::string& data) {
    fs::create_directories(path.parent_path());
    write_file_atomic(path, data);
    summary_.files.push_back(path);
    summary_.bytes += data.size();
  }
  FeedSummary& summary_;
};

std::vector<const Race*> races_of(const Day& day) {
  std::vector<const Race*> out;
  for (const auto& v : day.venues) {
    for (const auto& r : v.races) out.push_back(&r);
  }
  return out;
}

// Deliveries out of key order: a fixed shuffle of the day's races.
std::vector<const Race*> delivery_order(const Day& day, bool shuffled, std::uint64_t seed) {
  auto races = races_of(day);
  if (!shuffled) return races;
  Rng rng = Rng::stream(seed, {static_cast<std::uint64_t>(day.date.ymd()), 0x0D0});
  for (std::size_t i = races.size(); i > 1; --i) {
    std::swap(races[i - 1], races[static_cast<std::size_t>(rng.below(static_cast<int>(i)))]);
  }
  return races;
}

// Races of other organisations that the stored data carries too.
std::vector<Record> local_and_overseas(const Day& day, std::string_view made) {
  std::vector<Record> out;
  const RaceKey local{day.date.year, day.date.month, day.date.day, 44, 1, 1, 11};
  out.push_back(ra(
      local, {.data_kind = 'A', .runners = 12, .start = "2010", .track = 24, .make_date = made}));
  out.push_back(
      se(local,
         {.data_kind = 'A', .horse = 1, .runners = 12, .name = "チホウホース", .make_date = made}));
  Record b =
      ra(local, {.data_kind = 'B', .runners = 10, .start = "2340", .track = 17, .make_date = made});
  b.set("JyoCD", "A6").set("RaceNum", 8);
  out.push_back(b);
  return out;
}

void write_stored(const FeedOptions& o, const Day& day, int index, Writer& w) {
  const DateTime d = day.date;
  const int dow = d.day_of_week();
  const DateTime card1 = midnight(d).add_days(dow == 0 ? -3 : -2);
  const DateTime card2 = midnight(d).add_days(dow == 0 ? -2 : -1);
  const DateTime monday = midnight(d).add_days(dow == 6 ? 2 : 1);
  const int sunday_offset = dow == 0 ? 30 : 0;
  const std::string date = yyyymmdd(d);

  // A delivery exists once its time has come; early cards of days ahead are always there.
  const auto deliver = [&](DateTime stamp, std::string_view name,
                           const std::vector<Record>& records, bool always = false) {
    if (after(stamp, o.now)) {
      if (!always) return;
      stamp = o.now.add_seconds(-(120 - index));
    }
    if (records.empty()) return;
    w.write(
        o.out / "RACE" /
            (format_dt(stamp, "yyyymmddhhnnss") + "_" + std::string(name) + "_" + date + ".jvd"),
        records);
  };

  std::vector<Record> recs;
  const std::string made1 = yyyymmdd(card1);
  for (const Race* r : races_of(day)) {
    Record a = race_ra(*r, Stage::EarlyCard, '1', made1);
    if (day.odd_runners && r->key.race <= 2) a.set("TorokuTosu", r->key.race == 1 ? 0 : 19);
    recs.push_back(a);
    for (const auto& h : r->runners) recs.push_back(race_se(*r, h, Stage::EarlyCard, '1', made1));
  }
  deliver(at(card1, 16, 0, sunday_offset), "CARD1", recs, true);

  recs.clear();
  const std::string made2 = yyyymmdd(card2);
  for (const Race* r : delivery_order(day, day.out_of_order, o.plan.seed)) {
    recs.push_back(race_ra(*r, Stage::Card, '2', made2));
    for (const auto& h : r->runners) recs.push_back(race_se(*r, h, Stage::Card, '2', made2));
  }
  if (day.local_races) {
    for (auto& rec : local_and_overseas(day, made2)) recs.push_back(std::move(rec));
  }
  deliver(at(card2, 11, 0, sunday_offset), "CARD2", recs);

  recs.clear();
  for (const Race* r : races_of(day)) {
    for (auto& rec : odds_records(*r, final_book(*r), '4', {}, r->pool))
      recs.push_back(std::move(rec));
    if (day.odds_kind09 && r->key.race == 1) {
      recs.push_back(odds(Kind::O1, r->key, r->n(), '9'));
      recs.push_back(odds(Kind::O2, r->key, r->n(), '0'));
    }
  }
  deliver(at(d, 17, 30, sunday_offset), "ODDS", recs);

  if (day.second_odds) {
    recs.clear();
    for (const Race* r : races_of(day)) {
      if (r->key.race > 3) continue;
      for (auto& rec : odds_records(*r, final_book(*r), '5', {}, r->pool))
        recs.push_back(std::move(rec));
    }
    deliver(at(midnight(d).add_days(1), 9, 0, sunday_offset), "ODDS2", recs);
  }

  recs.clear();
  const std::string made3 = yyyymmdd(monday);
  for (const Race* r : delivery_order(day, day.out_of_order, o.plan.seed)) {
    recs.push_back(race_ra(*r, Stage::Results, '7', made3));
    for (const auto& h : r->runners) recs.push_back(race_se(*r, h, Stage::Results, '7', made3));
  }
  deliver(at(monday, 14, 0, sunday_offset), "RESULT", recs);

  recs.clear();
  auto payout_order = races_of(day);
  if (day.hr_order) std::reverse(payout_order.begin(), payout_order.end());
  for (const Race* r : payout_order) recs.push_back(race_hr(*r, final_book(*r), '2', made3));
  deliver(at(monday, 14, 5, sunday_offset), "PAYOUT", recs);

  recs.clear();
  for (const Race* r : races_of(day)) recs.push_back(race_dm(*r, '7', made3, "0000"));
  deliver(at(monday, 14, 10, sunday_offset), "MINING", recs);
}

void write_realtime(const FeedOptions& o, const Day& day, Writer& w) {
  const std::string date = yyyymmdd(day.date);
  std::vector<Record> results;
  std::vector<Record> mining;
  std::vector<Record> changes;
  for (const auto& v : day.venues) {
    for (auto& rec : change_records(v, day.date)) changes.push_back(std::move(rec));
  }
  for (const Race* r : races_of(day)) {
    const auto all = announcements(*r, o.plan, day.date);
    std::vector<Record> odds_file;
    std::map<Kind, std::vector<Record>> series;
    for (std::size_t k = 0; k < all.size(); ++k) {
      const auto& a = all[k];
      auto recs =
          odds_records(*r, a.book, '1', a.mmddhhmm(), a.pool, k == 0 ? r->blank_place_horse : 0);
      for (auto& rec : recs) {
        series[rec.kind()].push_back(rec);
        odds_file.push_back(std::move(rec));
      }
    }
    if (day.odds_kind09 && r->key.race == 1)
      odds_file.push_back(odds(Kind::O1, r->key, r->n(), '0'));
    w.write(o.out / "0B30" / (r->key.text() + ".jvd"), odds_file);
    if (!o.viewer.empty()) {
      const std::string race_id = r->key.text().substr(8);
      for (const auto& [kind, recs] : series) {
        w.write_lines(o.viewer / date / (race_id + ".jv" + std::string(kind_id(kind))), recs);
      }
    }
    results.push_back(race_ra(*r, Stage::Results, '6', date));
    for (const auto& h : r->runners) results.push_back(race_se(*r, h, Stage::Results, '6', date));
    results.push_back(race_hr(*r, final_book(*r), '1', date));
    mining.push_back(race_dm(*r, '2', date, "0830"));
  }
  w.write(o.out / "0B12" / (date + ".jvd"), results);
  w.write(o.out / "0B13" / (date + ".jvd"), mining);
  w.write(o.out / "0B14" / (date + ".jvd"), changes);
}

}  // namespace

std::vector<DateTime> weekend_days_from(const DateTime& start, int count) {
  std::vector<DateTime> out;
  for (DateTime d = midnight(start); static_cast<int>(out.size()) < count; d = d.add_days(1)) {
    const int w = d.day_of_week();
    if (w == 0 || w == 6) out.push_back(d);
  }
  return out;
}

std::vector<DateTime> weekend_days_before(const DateTime& day, int count) {
  std::vector<DateTime> out;
  for (DateTime d = midnight(day).add_days(-1); static_cast<int>(out.size()) < count;
       d = d.add_days(-1)) {
    const int w = d.day_of_week();
    if (w == 0 || w == 6) out.insert(out.begin(), d);
  }
  return out;
}

FeedSummary write_feed(const FeedOptions& o) {
  FeedSummary summary;
  Writer w(summary);
  auto days = o.days;
  std::sort(days.begin(), days.end(),
            [](const DateTime& a, const DateTime& b) { return a.ymd() < b.ymd(); });
  days.erase(std::unique(days.begin(), days.end(),
                         [](const DateTime& a, const DateTime& b) { return a.ymd() == b.ymd(); }),
             days.end());
  int newest_past = 0;
  for (const auto& d : days) {
    if (d.ymd() <= o.now.ymd()) newest_past = d.ymd();
  }
  fs::create_directories(o.out / "RACE");
  int index = 0;
  for (const auto& date : days) {
    const Day day = make_day(o.plan, midnight(date), date.ymd() == o.now.ymd());
    write_stored(o, day, index++, w);
    if (date.ymd() <= o.now.ymd() && (o.realtime_all || date.ymd() == newest_past))
      write_realtime(o, day, w);
    summary.days.push_back(midnight(date));
  }
  return summary;
}

FeedOptions demo_options(const fs::path& dir, const DateTime& now, std::uint64_t seed) {
  FeedOptions o;
  o.plan.seed = seed;
  o.plan.edge_rate = 0.03;
  o.days = weekend_days_before(now, 4);
  o.days.push_back(midnight(now));
  o.now = now;
  o.out = dir / "jvfeed";
  return o;
}

}  // namespace rv::jvfeed
