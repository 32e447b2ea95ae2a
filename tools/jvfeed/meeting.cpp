#include "jvfeed/meeting.h"

#include <algorithm>
#include <numeric>

#include "jvfeed/names.h"

namespace rv::jvfeed {
namespace {

constexpr std::array<std::string_view, 10> kEdgeNames = {
    "withdrawn",   "blank-odds",   "odds-kind-09", "out-of-order",  "second-odds",
    "local-races", "runners-0-19", "two-venues",   "eight-runners", "hr-order"};

// Venues racing in each month, roughly as the JRA year runs (main venues first).
constexpr std::array<std::array<int, 3>, 12> kSeason = {{{6, 8, 7},
                                                         {5, 8, 10},
                                                         {6, 9, 7},
                                                         {6, 9, 3},
                                                         {5, 8, 4},
                                                         {5, 9, 2},
                                                         {3, 7, 2},
                                                         {4, 10, 1},
                                                         {6, 9, 1},
                                                         {5, 8, 4},
                                                         {5, 8, 3},
                                                         {6, 9, 7}}};

// First start times (minutes of the day) of races 1..12 at the day's first venue; the other
// venues start 10 and 20 minutes later.
constexpr std::array<int, 12> kStart = {590, 620, 650, 680, 730, 760, 790, 820, 855, 890, 925, 965};

bool left_handed(int venue) {
  return venue == 4 || venue == 5 || venue == 7;
}

int first_prize(int joken, char grade, int syubetu) {
  switch (grade) {
    case 'A':
      return 1500000;
    case 'B':
      return 650000;
    case 'C':
      return 430000;
    case 'L':
      return 250000;
    default:
      break;
  }
  switch (joken) {
    case 701:
      return syubetu == 11 ? 70000 : 60000;
    case 703:
      return 55000;
    case 5:
      return 78000;
    case 10:
      return 106000;
    case 16:
      return 152000;
    default:
      return 230000;
  }
}

std::int64_t pool_of(const Race& r, Rng& rng) {
  std::int64_t base = 450000;
  if (r.joken == 10 || r.joken == 16) base = 750000;
  if (r.joken == 999) base = 1400000;
  if (r.grade == 'C') base = 3000000;
  if (r.grade == 'B') base = 5000000;
  if (r.grade == 'A') base = 20000000;
  return base * (80 + rng.below(41)) / 100;
}

std::string margin_code(int gap, Rng& rng) {
  if (gap <= 0) {
    static const std::vector<std::string> close = {"H  ", "A  ", "K  "};
    return rng.pick(close);
  }
  if (gap == 1) return " 12";
  if (gap == 2) return " 34";
  if (gap == 3) return "1  ";
  if (gap == 4) return "114";
  if (gap == 5) return "112";
  if (gap <= 7) return "2  ";
  if (gap <= 10) return "212";
  if (gap <= 13) return "3  ";
  if (gap <= 20) return "5  ";
  return "Z  ";
}

// The people every race draws from: one pool per seed, so names recur across races.
struct Person {
  int code;
  std::string name;
  int minarai;
  int tozai;
};
const std::vector<Person>& people(std::uint64_t seed, int which) {
  static thread_local std::uint64_t cached_seed = ~0ULL;
  static thread_local std::array<std::vector<Person>, 3> pools;
  if (cached_seed != seed) {
    cached_seed = seed;
    for (int w = 0; w < 3; ++w) {
      Rng rng = Rng::stream(seed, {0xB00C, static_cast<std::uint64_t>(w)});
      auto& pool = pools[static_cast<std::size_t>(w)];
      pool.clear();
      const int size = w == 0 ? 60 : w == 1 ? 80 : 40;
      while (static_cast<int>(pool.size()) < size) {
        std::string name = w == 2 ? owner_name(rng) : person_short_name(rng);
        const bool taken =
            std::any_of(pool.begin(), pool.end(), [&](const Person& p) { return p.name == name; });
        if (taken) continue;
        const int i = static_cast<int>(pool.size());
        const int minarai = w == 0 && i >= 50 ? 1 + rng.below(3) : 0;
        pool.push_back({w == 2 ? 100000 + i * 37 : 1000 + i * 7, name, minarai, 1 + i % 2});
      }
    }
  }
  return pools[static_cast<std::size_t>(which)];
}

void make_runners(const DayPlan& plan, Race& race, int runners, bool filly, const DateTime& date,
                  Rng& rng) {
  const auto& jockeys = people(plan.seed, 0);
  const auto& trainers = people(plan.seed, 1);
  const auto& owners = people(plan.seed, 2);
  std::vector<int> used_jockeys;
  for (int h = 1; h <= runners; ++h) {
    Runner r;
    r.horse = h;
    do {
      r.name = horse_name(rng);
    } while (std::any_of(race.runners.begin(), race.runners.end(),
                         [&](const Runner& o) { return o.name == r.name; }));
    const int s = race.syubetu % 10;
    r.age = s == 1             ? 2
            : s == 2           ? 3
            : s == 3 || s == 8 ? 3 + rng.weighted({35, 30, 20, 15})
                               : 4 + rng.weighted({40, 30, 20, 10});
    r.sex = filly ? 2 : 1 + rng.weighted({55, 35, r.age >= 3 ? 10.0 : 0.0});
    r.pedigree = std::to_string(date.year - r.age) + "10" + std::to_string(1000 + rng.below(9000));
    int j = rng.below(static_cast<int>(jockeys.size()));
    while (std::find(used_jockeys.begin(), used_jockeys.end(), j) != used_jockeys.end()) {
      j = (j + 1) % static_cast<int>(jockeys.size());
    }
    used_jockeys.push_back(j);
    const Person& jockey = jockeys[static_cast<std::size_t>(j)];
    r.jockey_code = jockey.code;
    r.jockey = jockey.name;
    r.minarai = jockey.minarai;
    const Person& trainer = rng.pick(trainers);
    r.trainer_code = trainer.code;
    r.trainer = trainer.name;
    r.tozai = trainer.tozai;
    const int o = rng.below(static_cast<int>(owners.size()));
    r.owner_code = owners[static_cast<std::size_t>(o)].code;
    r.owner = owners[static_cast<std::size_t>(o)].name;
    Rng colours = Rng::stream(plan.seed, {0xC010, static_cast<std::uint64_t>(o)});
    r.colours = racing_colours(colours);
    int futan = r.age == 2 ? 550 : r.age == 3 ? 560 : 580;
    if (race.jump()) futan = 600 + 10 * rng.below(4);
    if (race.jyuryo == 1) futan += 5 * rng.range(-8, 4);
    if (race.jyuryo == 2) futan += 10 * rng.below(3);
    if (r.sex == 2) futan -= 20;
    r.futan = futan - 10 * (r.minarai == 9 ? 2 : r.minarai);
    r.body_weight = std::clamp(476 + static_cast<int>(rng.normal() * 24), 400, 560);
    r.body_change = rng.chance(0.3) ? 0 : rng.range(-12, 12);
    r.blinker = rng.chance(0.15);
    r.ability = rng.normal();
    r.chance = det_exp(1.15 * r.ability);
    race.runners.push_back(std::move(r));
  }
}

// Harville draw of the arrival order among the horses that run, then the dead heats.
void run_race(Race& race, Rng& rng) {
  std::vector<int> left;
  for (const auto& r : race.runners) {
    if (r.scratch == Scratch::None) left.push_back(r.horse);
  }
  std::vector<int> order;
  while (!left.empty()) {
    std::vector<double> w;
    w.reserve(left.size());
    for (const int h : left) w.push_back(race.horse(h).chance);
    const auto i = static_cast<std::size_t>(rng.weighted(w));
    order.push_back(left[i]);
    left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
  }
  const int m = static_cast<int>(order.size());
  int heat = -1;  // index in order whose horse shares the position of the one before
  if (m >= 4 && rng.chance(0.03)) heat = 1 + rng.weighted({40, 30, 30});

  // Times: a pace for the distance, surface and going, then the gaps back through the field.
  const double per100 =
      race.jump() ? 6.6
                  : 5.65 + 0.03 * (race.distance / 100.0 - 12.0) + (race.turf() ? 0.0 : 0.35) +
                        0.05 * ((race.turf() ? race.turf_going : -race.dirt_going) - 1);
  race.winner_time = static_cast<int>(race.distance / 100.0 * per100 * 10.0 + rng.normal() * 6.0);
  int time = race.winner_time;
  for (int i = 0; i < m; ++i) {
    Runner& r = race.runners[static_cast<std::size_t>(order[static_cast<std::size_t>(i)] - 1)];
    r.arrival = i + 1;
    r.finish = i == heat ? i : i + 1;
    r.dead_heat = i == heat || i + 1 == heat;
    int gap = 0;
    if (i > 0 && i != heat) gap = rng.chance(0.35) ? 0 : 1 + rng.below(i > m * 6 / 10 ? 9 : 4);
    time += gap;
    r.time = time;
    r.margin_tenths = gap;
    r.margin = i == 0 ? "   " : i == heat ? "D  " : margin_code(gap, rng);
  }

  // Corner positions: early speed weighs most at the first corner, the finish at the last.
  std::vector<double> early(static_cast<std::size_t>(race.n()) + 1, 0.0);
  for (const int h : order) {
    const int style = rng.weighted({12, 35, 33, 20});
    early[static_cast<std::size_t>(h)] = static_cast<double>(1 + style * 3) + rng.normal() * 1.5;
  }
  const bool four = race.jump() || race.distance > 1400;
  constexpr std::array<double, 4> weight = {0.9, 0.8, 0.6, 0.4};
  for (int c = four ? 0 : 2; c < 4; ++c) {
    std::vector<std::pair<double, int>> score;
    for (int i = 0; i < m; ++i) {
      const int h = order[static_cast<std::size_t>(i)];
      const double e = early[static_cast<std::size_t>(h)] / 12.0;
      const double f = static_cast<double>(i) / m;
      score.emplace_back(
          weight[static_cast<std::size_t>(c)] * e + (1 - weight[static_cast<std::size_t>(c)]) * f,
          h);
    }
    std::sort(score.begin(), score.end());
    for (int p = 0; p < m; ++p) {
      race.runners[static_cast<std::size_t>(score[static_cast<std::size_t>(p)].second - 1)]
          .corner[static_cast<std::size_t>(c)] = p + 1;
    }
  }
  const int base3f = race.jump() ? 385 : race.turf() ? 345 : 375;
  for (const int h : order) {
    Runner& r = race.runners[static_cast<std::size_t>(h - 1)];
    const int first = r.corner[four ? 0 : 2];
    r.style = first == 1 ? 1 : first <= m * 35 / 100 ? 2 : first <= m * 70 / 100 ? 3 : 4;
    const int gained = r.corner[3] - r.arrival;
    r.last3f =
        std::clamp(base3f + r.arrival - 2 * gained + static_cast<int>(rng.normal() * 4), 320, 450);
  }

  // Laps of 200 m (the first one shorter when the distance is not a multiple).
  race.laps.clear();
  if (!race.jump()) {
    const int furlongs = (race.distance + 199) / 200;
    const int first_len = race.distance % 200 == 0 ? 200 : race.distance % 200;
    const double avg = race.winner_time * 200.0 / race.distance;
    int sum = 0;
    for (int i = 0; i < furlongs; ++i) {
      const double shape = i == 0 ? 0.05 : i == 1 ? -0.06 : i >= furlongs - 3 ? -0.02 : 0.02;
      const int lap = static_cast<int>(avg * (1 + shape) * (i == 0 ? first_len : 200) / 200.0);
      race.laps.push_back(lap);
      sum += lap;
    }
    race.laps.back() += race.winner_time - sum;
  }
}

void predict(Race& race, Rng& rng) {
  const double per100 =
      race.jump() ? 6.6 : 5.65 + 0.03 * (race.distance / 100.0 - 12.0) + (race.turf() ? 0.0 : 0.35);
  const int base = static_cast<int>(race.distance / 100.0 * per100 * 100.0) + 60;
  std::vector<std::pair<int, int>> ranked;
  for (auto& r : race.runners) {
    if (r.scratch == Scratch::BeforeSale) continue;
    const int t = base + static_cast<int>(-r.ability * 40.0 + rng.normal() * 25.0);
    r.dm_time = (t / 6000) * 10000 + (t % 6000);
    r.dm_plus = 30 + rng.below(90);
    r.dm_minus = 30 + rng.below(90);
    ranked.emplace_back(r.dm_time, r.horse);
  }
  std::sort(ranked.begin(), ranked.end());
  for (std::size_t i = 0; i < ranked.size(); ++i) {
    race.runners[static_cast<std::size_t>(ranked[i].second - 1)].dm_rank = static_cast<int>(i) + 1;
  }
}

Race make_race(const DayPlan& plan, const DateTime& date, const VenueDay& vd, int slot, int r,
               Day& day) {
  Rng rng = Rng::stream(
      plan.seed, {static_cast<std::uint64_t>(date.ymd()), static_cast<std::uint64_t>(vd.venue),
                  static_cast<std::uint64_t>(r), 1});
  Race race;
  race.key = RaceKey{date.year, date.month, date.day, vd.venue, vd.kaiji, vd.nichiji, r};
  race.start = kStart[static_cast<std::size_t>(r - 1)] + 10 * slot;
  race.weather = vd.weather;
  race.turf_going = vd.turf_going;
  race.dirt_going = vd.dirt_going;
  if (vd.change_minute != 0 && race.start >= vd.change_minute) {
    race.weather = vd.weather_after;
    race.turf_going = vd.turf_after;
    race.dirt_going = vd.dirt_after;
  }

  // The programme: maidens in the morning, classes in the afternoon, the main race 11th.
  const int young = date.month <= 5 ? 12 : 11;
  const int older = date.month >= 6 ? 13 : 14;
  char surface = r % 2 == 1 || r == 8 || r == 12 ? 'D' : 'T';
  int syubetu = older;
  int joken = 5;
  char grade = ' ';
  bool named = false;
  if (r <= 3) {
    syubetu = young;
    joken = 703;
  } else if (r == 4 && slot == 0 && rng.chance(0.5)) {
    surface = 'J';
    syubetu = older == 13 ? 18 : 19;
    joken = rng.chance(0.7) ? 703 : 999;
  } else if (r <= 5) {
    syubetu = young;
    joken = date.month >= 6 ? 701 : 703;
  } else if (r == 6) {
    syubetu = young;
    joken = 5;
  } else if (r == 8 || r == 12) {
    joken = rng.chance(0.5) ? 5 : 10;
  } else if (r == 9 || r == 10) {
    joken = r == 9 ? 10 : (rng.chance(0.5) ? 10 : 16);
    grade = 'E';
    named = true;
  } else if (r == 11) {
    joken = 999;
    named = true;
    const bool sunday = date.day_of_week() == 0;
    const std::vector<double> w = slot == 0 && sunday ? std::vector<double>{25, 25, 30, 10, 10}
                                  : slot == 0         ? std::vector<double>{0, 15, 35, 25, 25}
                                                      : std::vector<double>{0, 0, 20, 30, 50};
    grade = std::array<char, 5>{'A', 'B', 'C', 'L', ' '}[static_cast<std::size_t>(rng.weighted(w))];
  }
  race.syubetu = syubetu;
  race.joken = joken;
  race.grade = grade;
  if (surface == 'J') {
    race.track = rng.chance(0.5) ? 54 : 51;
    race.distance = rng.pick(std::vector<int>{2750, 2880, 3000, 3110, 3390});
  } else if (surface == 'T') {
    race.track = left_handed(vd.venue) ? (rng.chance(0.3) ? 12 : 11) : (rng.chance(0.3) ? 18 : 17);
    race.distance =
        syubetu == young
            ? rng.pick(std::vector<int>{1200, 1400, 1600, 1800, 2000})
            : rng.pick(std::vector<int>{1200, 1400, 1600, 1800, 2000, 2200, 2400, 2500});
  } else {
    race.track = left_handed(vd.venue) ? 23 : 24;
    race.distance = rng.pick(std::vector<int>{1200, 1400, 1700, 1800});
  }
  race.jyuryo = joken == 701 || joken == 703 ? 3
                : grade == 'A'               ? 4
                : joken == 999               ? rng.pick(std::vector<int>{1, 2, 4})
                                             : (named && rng.chance(0.3) ? 1 : 4);
  const bool filly = !race.jump() && rng.chance(0.1);
  race.kigo = race.jump()                                    ? "001"
              : filly                                        ? "A21"
              : grade == 'A' || grade == 'B' || grade == 'C' ? "N01"
              : syubetu == young                             ? "A01"
                                                             : "A03";
  if (named) {
    const std::string stem = race_name_stem(rng);
    race.name = race_name(rng, stem, grade);
    if (grade == 'A' || grade == 'B' || grade == 'C') race.nkai = 1 + rng.below(70);
  }
  const int first = first_prize(joken, grade, syubetu);
  constexpr std::array<int, 5> share = {100, 40, 25, 15, 10};
  for (std::size_t i = 0; i < 5; ++i) race.prize[i] = first * share[i] / 100 / 10 * 10;
  if (named) {
    const int added = grade == ' ' || grade == 'E' ? 1500 : 4000;
    for (std::size_t i = 0; i < 3; ++i) race.added[i] = added * share[i] / 100;
  }
  race.pool = pool_of(race, rng);

  int runners = rng.range(plan.min_runners, plan.max_runners);
  if (race.jump()) runners = std::min(runners, 14);
  if (plan.edge(rng, kEdgeEightRunners)) runners = 8;
  make_runners(plan, race, runners, filly, date, rng);
  if (runners >= 6 && plan.edge(rng, kEdgeWithdrawn)) {
    Runner& w = race.runners[static_cast<std::size_t>(rng.below(runners))];
    w.scratch = rng.chance(0.5) ? Scratch::BeforeSale : Scratch::AfterSale;
    w.stars_from = plan.announcements > 1 ? rng.range(1, plan.announcements - 1) : 0;
  }
  if (plan.edge(rng, kEdgeBlankOdds)) race.blank_place_horse = 1 + rng.below(runners);
  run_race(race, rng);
  predict(race, rng);
  const Book book = make_book(race.chances(), race.scratches(1 << 20));
  for (auto& h : race.runners) {
    const auto uh = static_cast<std::size_t>(h.horse);
    h.final_odds = book.pool(Bet::Win).low[uh];
    h.final_rank = book.pool(Bet::Win).rank[uh];
  }
  (void)day;
  return race;
}

}  // namespace

unsigned edge_by_name(std::string_view name) {
  for (std::size_t i = 0; i < kEdgeNames.size(); ++i) {
    if (kEdgeNames[i] == name) return 1U << i;
  }
  return name == "all" ? static_cast<unsigned>(kEdgeAll) : 0U;
}

std::vector<std::string> edge_names() {
  return {kEdgeNames.begin(), kEdgeNames.end()};
}

std::vector<double> Race::chances() const {
  std::vector<double> c(runners.size() + 1, 0.0);
  for (const auto& r : runners) c[static_cast<std::size_t>(r.horse)] = r.chance;
  return c;
}

std::vector<Scratch> Race::scratches(int announcement) const {
  std::vector<Scratch> s(runners.size() + 1, Scratch::None);
  for (const auto& r : runners) {
    const bool shows = r.scratch == Scratch::BeforeSale ||
                       (r.scratch == Scratch::AfterSale && announcement >= r.stars_from);
    if (shows) s[static_cast<std::size_t>(r.horse)] = r.scratch;
  }
  return s;
}

std::vector<int> Race::arrival_order() const {
  std::vector<int> order;
  for (const auto& r : runners) {
    if (r.arrival > 0) order.push_back(r.horse);
  }
  std::sort(order.begin(), order.end(),
            [&](int a, int b) { return horse(a).arrival < horse(b).arrival; });
  return order;
}

std::vector<VenueSlot> venues_on(const DateTime& date, int count) {
  // A meeting is the month of the week's Saturday, so a weekend never splits; its days
  // count the weekends of that month.
  const DateTime midday{date.year, date.month, date.day, 12};
  const int to_saturday = (6 - date.day_of_week() + 7) % 7;
  const DateTime saturday = midday.add_days(date.day_of_week() == 0 ? -1 : to_saturday);
  const auto& trio = kSeason[static_cast<std::size_t>(saturday.month - 1)];
  const int weekend = (saturday.day - 1) / 7;
  const int day_in_week = date.day_of_week() == 0 ? 2 : 1;
  std::vector<VenueSlot> out;
  for (int i = 0; i < count && i < 3; ++i) {
    const int v = trio[static_cast<std::size_t>(i)];
    int kaiji = 1;
    for (int m = 0; m + 1 < saturday.month; ++m) {
      const auto& t = kSeason[static_cast<std::size_t>(m)];
      kaiji += std::find(t.begin(), t.end(), v) != t.end() ? 1 : 0;
    }
    out.push_back({v, kaiji, weekend * 2 + day_in_week});
  }
  std::sort(out.begin(), out.end(),
            [](const VenueSlot& a, const VenueSlot& b) { return a.venue < b.venue; });
  return out;
}

namespace {

// Rain sets in (worse) or clears at a minute of the day: the going follows by one step.
void change_weather(VenueDay& vd, int minute, bool worse) {
  vd.change_minute = minute;
  vd.weather_after = worse ? 3 : 2;
  vd.turf_after = std::clamp(vd.turf_going + (worse ? 1 : -1), 1, 4);
  vd.dirt_after = std::clamp(vd.dirt_going + (worse ? 1 : -1), 1, 4);
}

// A late start from a race on, announced 20 to 39 minutes before that race was due.
void delay_starts(VenueDay& vd, Rng& rng) {
  const int from = 1 + rng.below(static_cast<int>(vd.races.size()));
  const int delay = 5 + 5 * rng.below(3);
  for (auto& race : vd.races) {
    if (race.key.race < from) continue;
    race.new_start = race.start + delay;
    race.tc_minute = vd.races[static_cast<std::size_t>(from - 1)].start - 20 - rng.below(20);
  }
}

}  // namespace

Day make_day(const DayPlan& plan, const DateTime& date, bool today) {
  Rng rng = Rng::stream(plan.seed, {static_cast<std::uint64_t>(date.ymd()), 0xDA7});
  Day day;
  day.date = date;
  int count = std::clamp(plan.venues, 1, 3);
  if (count == 3 && plan.edge(rng, kEdgeTwoVenues)) count = 2;
  day.out_of_order = plan.edge(rng, kEdgeOutOfOrder);
  day.hr_order = plan.edge(rng, kEdgeHrOrder);
  day.local_races = plan.edge(rng, kEdgeLocalRaces);
  day.odd_runners = plan.edge(rng, kEdgeOddRunners);
  day.second_odds = plan.edge(rng, kEdgeSecondOdds);
  day.odds_kind09 = plan.edge(rng, kEdgeOddsKind09);
  int slot = 0;
  for (const auto& v : venues_on(date, count)) {
    VenueDay vd;
    vd.venue = v.venue;
    vd.kaiji = v.kaiji;
    vd.nichiji = v.nichiji;
    vd.weather = 1 + rng.weighted({55, 30, 10, 5});
    const bool wet = vd.weather >= 3;
    vd.turf_going = wet ? 2 + rng.below(2) : 1 + (rng.chance(0.2) ? 1 : 0);
    vd.dirt_going = wet ? 3 + rng.below(2) : 1 + rng.below(2);
    vd.weather_after = vd.weather;
    vd.turf_after = vd.turf_going;
    vd.dirt_after = vd.dirt_going;
    // Today the first venue has a change of each kind for sure, drawn apart from the rest
    // so that the day's other draws stay those of any day.
    const bool sure = today && slot == 0;
    const int races = std::clamp(plan.races, 1, 12);
    Rng sure_rng = Rng::stream(plan.seed, {static_cast<std::uint64_t>(date.ymd()), 0xC4A});
    // Today's change comes before the last race at the latest, so that it touches a race.
    const int last_start = kStart[static_cast<std::size_t>(races - 1)] + 10 * slot;
    const auto touching = [&](int minute) {
      return sure ? std::min(minute, last_start - 5) : minute;
    };
    if (rng.chance(0.2)) {
      change_weather(vd, touching(750 + rng.below(60)), vd.weather < 3);
    } else if (sure) {
      change_weather(vd, touching(750 + sure_rng.below(60)), vd.turf_going < 4);
    }
    for (int r = 1; r <= races; ++r) {
      vd.races.push_back(make_race(plan, date, vd, slot, r, day));
    }
    // Now and then a late start that pushes the rest of the card back.
    if (rng.chance(0.15)) {
      delay_starts(vd, rng);
    } else if (sure) {
      delay_starts(vd, sure_rng);
    }
    day.venues.push_back(std::move(vd));
    ++slot;
  }
  return day;
}

}  // namespace rv::jvfeed
