// One race day as the generator imagines it: the venues that race, each race's programme,
// its runners with their chances, the simulated finish with times, margins and corner
// positions, and the data-mining predictions. Everything else (records, files) is derived
// from this picture, so cards, odds, results and payouts tell one story.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "jvfeed/market.h"
#include "jvfeed/records.h"
#include "jvfeed/rng.h"
#include "support/clock.h"

namespace rv::jvfeed {

// Edge cases the generator can put into a feed, each at the requested rate.
enum Edge : unsigned {
  kEdgeWithdrawn = 1U << 0,     // a horse scratched before sale (dashes) or after (stars)
  kEdgeBlankOdds = 1U << 1,     // a blank place-odds field in an early announcement
  kEdgeOddsKind09 = 1U << 2,    // odds records of data kind "0" / "9" besides the real ones
  kEdgeOutOfOrder = 1U << 3,    // races delivered out of key order
  kEdgeSecondOdds = 1U << 4,    // a second delivery of a race's final odds
  kEdgeLocalRaces = 1U << 5,    // RA of data kind "A" (local) and "B" (overseas)
  kEdgeOddRunners = 1U << 6,    // RA with 0 or 19 registered runners in an early card
  kEdgeTwoVenues = 1U << 7,     // a day with two venues
  kEdgeEightRunners = 1U << 8,  // 8-runner races (no bracket quinella sale)
  kEdgeHrOrder = 1U << 9,       // HR records in another order than RA
  kEdgeAll = (1U << 10) - 1,
};
// "withdrawn", "blank-odds", ... as the command line names them; 0 for an unknown name.
unsigned edge_by_name(std::string_view name);
std::vector<std::string> edge_names();

struct DayPlan {
  std::uint64_t seed = 1;
  int venues = 3;       // 1..3
  int races = 12;       // 1..12 per venue
  int min_runners = 8;  // 5..18
  int max_runners = 18;
  double edge_rate = 0;
  unsigned edges = kEdgeAll;
  int announcements = 5;  // odds announcements per race on the day

  [[nodiscard]] bool edge(Rng& rng, Edge e) const {
    return (edges & e) != 0 && rng.chance(edge_rate);
  }
};

struct Runner {
  int horse = 0;
  std::string name;  // UTF-8
  std::string pedigree;
  int sex = 1;
  int age = 3;
  int tozai = 1;
  int jockey_code = 0;
  std::string jockey;
  int minarai = 0;
  int trainer_code = 0;
  std::string trainer;
  int owner_code = 0;
  std::string owner;
  std::string colours;
  int futan = 570;  // 0.1 kg
  int body_weight = 480;
  int body_change = 0;
  bool blinker = false;
  double ability = 0;
  double chance = 0;  // the model's chance of winning
  Scratch scratch = Scratch::None;
  int stars_from = 0;  // first announcement that shows a horse scratched after sale
  Odds final_odds;     // win odds when betting closed
  int final_rank = 0;  // and the popularity they gave

  // Results.
  int finish = 0;   // 0 when it did not run; dead heats share a position
  int arrival = 0;  // order over the line
  bool dead_heat = false;
  int time = 0;  // tenths of a second
  int margin_tenths = 0;
  std::string margin;  // ChakusaCD
  std::array<int, 4> corner{};
  int style = 0;  // running style 1..4
  int last3f = 999;
  // Data-mining prediction: m ss hh and errors ss hh.
  int dm_time = 0;
  int dm_plus = 0;
  int dm_minus = 0;
  int dm_rank = 0;
};

struct Race {
  RaceKey key;
  int start = 0;      // minutes of the day, as first published
  int new_start = 0;  // a changed start, 0 when unchanged
  int tc_minute = 0;  // when the change was announced
  int distance = 2000;
  int track = 17;
  int syubetu = 13;
  int joken = 5;
  int jyuryo = 4;
  std::string kigo = "A03";
  char grade = ' ';
  int nkai = 0;
  std::string name;  // UTF-8; empty for an unnamed race
  std::array<int, 5> prize{};
  std::array<int, 5> added{};
  std::int64_t pool = 0;        // final win pool in hundreds of yen
  std::vector<Runner> runners;  // horse h at h - 1
  int weather = 1;
  int turf_going = 1;
  int dirt_going = 1;
  int winner_time = 0;        // tenths
  std::vector<int> laps;      // tenths per furlong
  int blank_place_horse = 0;  // edge: blank place odds in the first announcement

  [[nodiscard]] int n() const { return static_cast<int>(runners.size()); }
  [[nodiscard]] int actual_start() const { return new_start != 0 ? new_start : start; }
  [[nodiscard]] bool jump() const { return track >= 51; }
  [[nodiscard]] bool turf() const { return track <= 22; }
  [[nodiscard]] std::vector<double> chances() const;
  // Scratches as the odds show them at an announcement (any large number: at the close).
  [[nodiscard]] std::vector<Scratch> scratches(int announcement) const;
  // Horses over the line, in arrival order.
  [[nodiscard]] std::vector<int> arrival_order() const;
  [[nodiscard]] const Runner& horse(int h) const {
    return runners[static_cast<std::size_t>(h - 1)];
  }
};

struct VenueDay {
  int venue = 6;
  int kaiji = 1;
  int nichiji = 1;
  int weather = 1;
  int turf_going = 1;
  int dirt_going = 1;
  int change_minute = 0;  // 0: no weather change announced during the day
  int weather_after = 1;
  int turf_after = 1;
  int dirt_after = 1;
  std::vector<Race> races;
};

struct Day {
  DateTime date;
  std::vector<VenueDay> venues;
  // Edge cases drawn for the day's deliveries.
  bool out_of_order = false;
  bool hr_order = false;
  bool local_races = false;
  bool odd_runners = false;
  bool second_odds = false;
  bool odds_kind09 = false;
};

// Venue codes that race on a date (JRA rotation by four-week meetings), with the meeting
// number (kaiji) and day number (nichiji) of each; Saturday and Sunday of a weekend share a
// meeting and follow each other in day numbers.
struct VenueSlot {
  int venue;
  int kaiji;
  int nichiji;
};
std::vector<VenueSlot> venues_on(const DateTime& date, int count);

// The day as planned. Today's meeting (today) has at least one weather and going change and
// one late start, each announced before the races it touches; any other day's changes are
// left to chance.
Day make_day(const DayPlan& plan, const DateTime& date, bool today = false);

}  // namespace rv::jvfeed
