#include "jvfeed/race_records.h"

#include <algorithm>
#include <set>

#include "jvfeed/names.h"
#include "support/text.h"

namespace rv::jvfeed {
namespace {

std::string hhmm(int minute) {
  return fmt("%02d%02d", minute / 60, minute % 60);
}

std::string mmdd(const DateTime& d) {
  return fmt("%02d%02d", d.month, d.day);
}

// The orders over the line that the result admits: one, or two when a dead heat lets
// either horse count first.
std::vector<std::vector<int>> finish_orders(const Race& race) {
  std::vector<std::vector<int>> orders = {race.arrival_order()};
  const auto& base = orders[0];
  for (std::size_t i = 1; i < base.size(); ++i) {
    if (race.horse(base[i]).dead_heat && race.horse(base[i - 1]).dead_heat) {
      auto other = base;
      std::swap(other[i], other[i - 1]);
      orders.push_back(other);
      break;
    }
  }
  return orders;
}

template <typename T>
void add_unique(std::vector<T>& v, const T& x) {
  if (std::find(v.begin(), v.end(), x) == v.end()) v.push_back(x);
}

// Payout of 100 yen from published odds; ranges (place, wide) pay a point within them.
std::int64_t payout(const Pool& pool, std::size_t i, Rng& rng) {
  const std::int64_t low = pool.low[i].tenths;
  const std::int64_t high = pool.high[i].tenths;
  return (low + (high > low ? rng.below(static_cast<int>(high - low) + 1) : 0)) * 10;
}

}  // namespace

std::string yyyymmdd(const DateTime& d) {
  return fmt("%04d%02d%02d", d.year, d.month, d.day);
}

std::string Announcement::mmddhhmm() const {
  return mmdd(date) + hhmm(minute);
}

Record race_ra(const Race& race, Stage stage, char data_kind, std::string_view make_date) {
  const bool results = stage == Stage::Results;
  Record r = ra(race.key, {.data_kind = data_kind,
                           .runners = race.n(),
                           .start = "0000",
                           .distance = race.distance,
                           .track = race.track,
                           .grade = race.grade,
                           .syubetu = race.syubetu,
                           .joken = race.joken,
                           .make_date = make_date});
  if (!race.name.empty()) {
    r.set("Hondai", race.name).set("TokuNum", 100 + race.key.venue * 20 + race.key.race);
    r.set("Ryakusyo10", first_chars(race.name, 10)).set("Ryakusyo6", first_chars(race.name, 6));
    r.set("Ryakusyo3", first_chars(race.name, 3)).set("Nkai", race.nkai);
  }
  r.set_raw("KigoCD", 1, race.kigo).set("JyuryoCD", race.jyuryo);
  if (race.turf() && !race.jump()) r.set("CourseKubunCD", race.key.nichiji <= 4 ? "A " : "B ");
  for (int i = 0; i < 5; ++i) {
    r.set("Honsyokin", i + 1, race.prize[static_cast<std::size_t>(i)]);
    r.set("Fukasyokin", i + 1, race.added[static_cast<std::size_t>(i)]);
  }
  r.set("HassoTime", hhmm(results ? race.actual_start() : race.start));
  r.set("SyussoTosu", 0);
  if (!results) return r;

  const auto order = race.arrival_order();
  if (race.new_start != 0) r.set("HassoTimeBefore", hhmm(race.start));
  r.set("SyussoTosu", static_cast<int>(order.size()))
      .set("NyusenTosu", static_cast<int>(order.size()));
  r.set("TenkoCD", race.weather).set("SibaBabaCD", race.turf() ? race.turf_going : 0);
  r.set("DirtBabaCD", race.turf() ? 0 : race.dirt_going);
  for (std::size_t i = 0; i < race.laps.size() && i < 25; ++i) {
    r.set("LapTime", static_cast<int>(i) + 1, race.laps[i]);
  }
  if (race.laps.size() >= 4) {
    const auto sum = [&](std::size_t from, std::size_t count) {
      int s = 0;
      for (std::size_t i = from; i < from + count; ++i) s += race.laps[i];
      return s;
    };
    const std::size_t n = race.laps.size();
    r.set("HaronTimeS3", sum(0, 3)).set("HaronTimeS4", sum(0, 4));
    r.set("HaronTimeL3", sum(n - 3, 3)).set("HaronTimeL4", sum(n - 4, 4));
  } else if (race.jump()) {
    r.set("SyogaiMileTime", race.winner_time * 1600 / race.distance);
  }
  int entry = 1;
  for (int c = 0; c < 4; ++c) {
    std::vector<std::pair<int, int>> at;
    for (const int h : order) {
      const int p = race.horse(h).corner[static_cast<std::size_t>(c)];
      if (p > 0) at.emplace_back(p, h);
    }
    if (at.empty()) continue;
    std::sort(at.begin(), at.end());
    std::string text;
    for (const auto& [p, h] : at) {
      const std::string next = (text.empty() ? "" : ",") + std::to_string(h);
      if (text.size() + next.size() > 70) break;
      text += next;
    }
    r.set("Corner", entry, c + 1).set("Syukaisu", entry, 1).set("Jyuni", entry, text);
    ++entry;
  }
  return r;
}

Record race_se(const Race& race, const Runner& h, Stage stage, char data_kind,
               std::string_view make_date) {
  const bool early = stage == Stage::EarlyCard;
  Record r = se(race.key, {.data_kind = data_kind,
                           .horse = h.horse,
                           .runners = race.n(),
                           .name = h.name,
                           .pedigree = h.pedigree,
                           .jockey = h.jockey,
                           .trainer = h.trainer,
                           .make_date = make_date});
  if (early) r.set("Umaban", 0).set("Wakuban", 0);
  r.set("SexCD", h.sex).set("Barei", h.age).set("TozaiCD", h.tozai);
  r.set("ChokyosiCode", h.trainer_code).set("BanusiCode", h.owner_code);
  r.set("BanusiName", h.owner).set("Fukusyoku", h.colours).set("Futan", h.futan);
  r.set("Blinker", h.blinker ? 1 : 0).set("KisyuCode", h.jockey_code).set("MinaraiCD", h.minarai);
  r.set("BaTaijyu", 0);
  if (stage != Stage::Results) return r;

  r.set("BaTaijyu", h.body_weight)
      .set("ZogenSa", h.body_change < 0 ? -h.body_change : h.body_change);
  r.set("ZogenFugo", h.body_change > 0 ? "+" : h.body_change < 0 ? "-" : " ");
  if (h.scratch != Scratch::None) {
    r.set("IJyoCD", h.scratch == Scratch::BeforeSale ? 1 : 2).set("BaTaijyu", 0).set("ZogenSa", 0);
    r.set("HaronTimeL3", 999).set("TimeDiff", "9999");
    return r;
  }
  const auto order = race.arrival_order();
  const Runner& winner = race.horse(order[0]);
  r.set("NyusenJyuni", h.arrival).set("KakuteiJyuni", h.finish);
  if (h.dead_heat) r.set("DochakuKubun", 1).set("DochakuTosu", 2);
  r.set("Time", (h.time / 600) * 1000 + h.time % 600).set("ChakusaCD", h.margin);
  for (int c = 0; c < 4; ++c) {
    r.set(std::array<const char*, 4>{"Jyuni1c", "Jyuni2c", "Jyuni3c",
                                     "Jyuni4c"}[static_cast<std::size_t>(c)],
          h.corner[static_cast<std::size_t>(c)]);
  }
  if (h.finish >= 1 && h.finish <= 5) {
    r.set("Honsyokin", race.prize[static_cast<std::size_t>(h.finish - 1)]);
    r.set("Fukasyokin", race.added[static_cast<std::size_t>(h.finish - 1)]);
  }
  r.set("HaronTimeL3", h.last3f).set("Odds", h.final_odds.tenths).set("Ninki", h.final_rank);
  const Runner& other = h.horse == winner.horse && order.size() > 1 ? race.horse(order[1]) : winner;
  r.set("ChakuUmaKettoNum", 1, other.pedigree).set("ChakuUmaBamei", 1, other.name);
  const int diff = h.horse == winner.horse && order.size() > 1 ? race.horse(order[1]).time - h.time
                                                               : h.time - winner.time;
  r.set("TimeDiff", fmt("%c%03d", h.horse == winner.horse ? '-' : '+', std::min(diff, 999)));
  r.set("DMKubun", 3).set("DMTime", h.dm_time).set("DMGosaP", h.dm_plus);
  r.set("DMGosaM", h.dm_minus).set("DMJyuni", h.dm_rank).set("KyakusituKubun", h.style);
  return r;
}

Record race_hr(const Race& race, const Book& book, char data_kind, std::string_view make_date) {
  Record r = hr(race.key, race.n(), data_kind);
  r.set("MakeDate", make_date).set("SyussoTosu", book.starters);
  Rng rng = Rng::stream(0x4852, {static_cast<std::uint64_t>(race.key.ymd()),
                                 static_cast<std::uint64_t>(race.key.venue),
                                 static_cast<std::uint64_t>(race.key.race)});
  // Refunds for horses scratched after sale.
  for (const auto& h : race.runners) {
    if (h.scratch != Scratch::AfterSale) continue;
    r.set("HenkanUma", h.horse, 1);
    for (int i = 1; i <= 9; ++i) r.set("HenkanFlag", i, i == 6 ? 0 : 1);
    const int b = bracket_of(h.horse, race.n());
    int left = 0;
    int size = 0;
    for (const auto& o : race.runners) {
      if (bracket_of(o.horse, race.n()) != b) continue;
      ++size;
      left += o.scratch == Scratch::None ? 1 : 0;
    }
    if (left == 0) r.set("HenkanWaku", b, 1);
    if (size >= 2 && left < 2) r.set("HenkanDoWaku", b, 1);
  }

  std::vector<int> win;
  std::vector<int> place;
  std::vector<std::vector<int>> bracket;
  std::vector<std::vector<int>> quinella;
  std::vector<std::vector<int>> wide;
  std::vector<std::vector<int>> exacta;
  std::vector<std::vector<int>> trio;
  std::vector<std::vector<int>> trifecta;
  const auto sorted = [](std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  for (const auto& o : finish_orders(race)) {
    add_unique(win, o[0]);
    for (int i = 0; i < book.place_paid && i < static_cast<int>(o.size()); ++i) {
      add_unique(place, o[static_cast<std::size_t>(i)]);
    }
    if (o.size() < 2) continue;
    add_unique(bracket, sorted({bracket_of(o[0], race.n()), bracket_of(o[1], race.n())}));
    add_unique(quinella, sorted({o[0], o[1]}));
    add_unique(exacta, {o[0], o[1]});
    if (o.size() < 3) continue;
    if (book.place_paid == 3) {
      add_unique(wide, sorted({o[0], o[1]}));
      add_unique(wide, sorted({o[0], o[2]}));
      add_unique(wide, sorted({o[1], o[2]}));
    }
    add_unique(trio, sorted({o[0], o[1], o[2]}));
    add_unique(trifecta, {o[0], o[1], o[2]});
  }
  // Place entries run in finishing order; the others by combination.
  std::sort(win.begin(), win.end());
  const auto pay_horses = [&](Bet bet, const std::vector<int>& horses, std::size_t max) {
    const Pool& pool = book.pool(bet);
    int k = 1;
    for (std::size_t i = 0; i < horses.size() && i < max; ++i) {
      const auto h = static_cast<std::size_t>(horses[i]);
      if (pool.low[h].mark != Odds::Mark::Value || pool.low[h].tenths == 0) continue;
      r.pay(bet, k++, {horses[i]}, payout(pool, h, rng), pool.rank[h]);
    }
  };
  pay_horses(Bet::Win, win, 3);
  pay_horses(Bet::Place, place, 5);
  const auto pay_combos = [&](Bet bet, const std::vector<std::vector<int>>& combos,
                              std::size_t max) {
    const Pool& pool = book.pool(bet);
    const Kind kind = odds_kind(bet);
    std::vector<std::pair<int, std::vector<int>>> indexed;
    indexed.reserve(combos.size());
    for (const auto& c : combos) indexed.emplace_back(entry_index(kind, c), c);
    std::sort(indexed.begin(), indexed.end());
    int k = 1;
    for (const auto& [index, c] : indexed) {
      const auto i = static_cast<std::size_t>(index);
      if (index == 0 || k > static_cast<int>(max) || pool.low[i].mark != Odds::Mark::Value ||
          pool.low[i].tenths == 0) {
        continue;
      }
      const std::int64_t yen = payout(pool, i, rng);
      if (c.size() == 2) {
        r.pay(bet, k++, {c[0], c[1]}, yen, pool.rank[i]);
      } else {
        r.pay(bet, k++, {c[0], c[1], c[2]}, yen, pool.rank[i]);
      }
    }
  };
  if (book.bracket_sale) pay_combos(Bet::Bracket, bracket, 3);
  pay_combos(Bet::Quinella, quinella, 3);
  pay_combos(Bet::Wide, wide, 7);
  pay_combos(Bet::Exacta, exacta, 6);
  pay_combos(Bet::Trio, trio, 3);
  pay_combos(Bet::Trifecta, trifecta, 6);
  return r;
}

Record race_dm(const Race& race, char data_kind, std::string_view make_date,
               std::string_view make_hm) {
  Record r = dm(race.key, race.n(), data_kind, make_hm);
  r.set("MakeDate", make_date);
  for (const auto& h : race.runners) {
    if (h.dm_time > 0) r.predict(h.horse, h.dm_time, h.dm_plus, h.dm_minus);
  }
  return r;
}

Book final_book(const Race& race) {
  return make_book(race.chances(), race.scratches(1 << 20));
}

std::vector<Announcement> announcements(const Race& race, const DayPlan& plan,
                                        const DateTime& date) {
  const int start = race.actual_start();
  const int count = std::max(plan.announcements, 1);
  // Candidate times from the opening of sales to just before the start.
  std::set<int> candidates = {540};
  for (const int before : {120, 60, 30, 15, 10, 5, 2}) {
    if (start - before > 540) candidates.insert(start - before);
  }
  std::vector<int> all(candidates.begin(), candidates.end());
  std::vector<int> times;
  for (int i = 0; i < count && i < static_cast<int>(all.size()); ++i) {
    // The first and the last candidate, and evenly spread ones between.
    const std::size_t at = count == 1 ? all.size() - 1
                                      : static_cast<std::size_t>(i) * (all.size() - 1) /
                                            static_cast<std::size_t>(count - 1);
    if (times.empty() || times.back() != all[at]) times.push_back(all[at]);
  }
  Rng rng = Rng::stream(plan.seed, {static_cast<std::uint64_t>(date.ymd()),
                                    static_cast<std::uint64_t>(race.key.venue),
                                    static_cast<std::uint64_t>(race.key.race), 2});
  std::vector<double> drift(race.runners.size() + 1, 0.0);
  for (auto& d : drift) d = rng.normal();

  std::vector<Announcement> out;
  const bool evening_before =
      race.key.race == 11 && (race.grade == 'A' || race.grade == 'B' || race.grade == 'C');
  if (evening_before) times.insert(times.begin(), -1);
  for (std::size_t k = 0; k < times.size(); ++k) {
    Announcement a;
    const bool before = times[k] < 0;
    a.date = before ? date.add_days(-1) : date;
    a.minute = before ? 17 * 60 : times[k];
    const int to_start = before ? 600 : start - a.minute;
    const double sigma = 0.04 + 0.3 * std::min(1.0, to_start / 300.0);
    auto chances = race.chances();
    for (std::size_t h = 1; h < chances.size(); ++h) {
      chances[h] *= det_exp(sigma * (0.7 * drift[h] + 0.3 * rng.normal()));
    }
    const int index = static_cast<int>(k) - (evening_before ? 1 : 0);
    a.book = make_book(chances, race.scratches(std::max(index, 0)));
    const double progress = before ? 0.02 : 0.05 + 0.95 * (1.0 - std::min(1.0, to_start / 420.0));
    a.pool = static_cast<std::int64_t>(static_cast<double>(race.pool) * progress);
    out.push_back(std::move(a));
  }
  return out;
}

std::vector<Record> odds_records(const Race& race, const Book& book, char data_kind,
                                 std::string_view announced, std::int64_t pool,
                                 int blank_place_horse) {
  std::vector<Record> out;
  Book shown = book;
  if (blank_place_horse > 0) blank_place(shown, blank_place_horse);
  for (const Kind k : {Kind::O1, Kind::O2, Kind::O3, Kind::O4, Kind::O5, Kind::O6}) {
    out.push_back(odds_record(k, race.key, shown, data_kind, announced, pool));
  }
  return out;
}

std::vector<Record> change_records(const VenueDay& v, const DateTime& date) {
  std::vector<std::pair<int, Record>> timed;
  RaceKey key{date.year, date.month, date.day, v.venue, v.kaiji, v.nichiji, 0};
  timed.emplace_back(480, we(key, mmdd(date) + "0800", 1, {v.weather, v.turf_going, v.dirt_going}));
  if (v.change_minute != 0) {
    timed.emplace_back(v.change_minute, we(key, mmdd(date) + hhmm(v.change_minute), 2,
                                           {v.weather_after, v.turf_after, v.dirt_after},
                                           {v.weather, v.turf_going, v.dirt_going}));
  }
  for (const auto& race : v.races) {
    if (race.new_start == 0) continue;
    timed.emplace_back(race.tc_minute, tc(race.key, mmdd(date) + hhmm(race.tc_minute),
                                          hhmm(race.new_start), hhmm(race.start)));
  }
  std::stable_sort(timed.begin(), timed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Record> out;
  out.reserve(timed.size());
  for (auto& [t, rec] : timed) out.push_back(std::move(rec));
  return out;
}

}  // namespace rv::jvfeed
