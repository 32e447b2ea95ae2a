#include <gtest/gtest.h>

#include <map>

#include "jvfeed/market.h"
#include "jvfeed/meeting.h"
#include "jvfeed/rng.h"

namespace rv::jvfeed {
namespace {

TEST(Market, EqualChancesGiveHarvilleOddsAfterTakeout) {
  const Book b = make_book(std::vector<double>(9, 1.0), {});
  EXPECT_EQ(b.starters, 8);
  EXPECT_EQ(b.place_paid, 3);
  EXPECT_FALSE(b.bracket_sale);  // eight runners: no bracket quinella
  for (int h = 1; h <= 8; ++h) {
    EXPECT_EQ(b.pool(Bet::Win).low[static_cast<std::size_t>(h)].tenths, 64);  // 0.8 / (1/8)
    EXPECT_EQ(b.pool(Bet::Win).rank[static_cast<std::size_t>(h)], h);  // ties: lower number first
    EXPECT_EQ(b.pool(Bet::Place).low[static_cast<std::size_t>(h)].tenths, 15);
    EXPECT_EQ(b.pool(Bet::Place).high[static_cast<std::size_t>(h)].tenths, 26);
  }
  EXPECT_EQ(
      b.pool(Bet::Quinella).low[static_cast<std::size_t>(entry_index(Kind::O2, {1, 2}))].tenths,
      217);
  EXPECT_EQ(b.pool(Bet::Exacta).low[static_cast<std::size_t>(entry_index(Kind::O4, {2, 1}))].tenths,
            420);
  EXPECT_EQ(
      b.pool(Bet::Trio).low[static_cast<std::size_t>(entry_index(Kind::O5, {1, 2, 3}))].tenths,
      420);
  EXPECT_EQ(
      b.pool(Bet::Trifecta).low[static_cast<std::size_t>(entry_index(Kind::O6, {3, 1, 2}))].tenths,
      2436);
  EXPECT_EQ(b.pool(Bet::Bracket).low[1].mark, Odds::Mark::Blank);
  EXPECT_EQ(b.pool(Bet::Quinella).low[static_cast<std::size_t>(entry_index(Kind::O2, {1, 9}))].mark,
            Odds::Mark::Blank);
}

TEST(Market, ScratchedHorsesMarkEveryEntryTheyAreIn) {
  std::vector<double> chances = {0, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  std::vector<Scratch> s(11, Scratch::None);
  s[2] = Scratch::BeforeSale;
  s[3] = Scratch::AfterSale;
  const Book b = make_book(chances, s);
  EXPECT_EQ(b.starters, 8);
  EXPECT_EQ(b.place_paid, 3);
  EXPECT_TRUE(b.bracket_sale);  // nine went on sale
  EXPECT_FALSE(
      make_book(std::vector<double>(10, 1.0), {Scratch::None, Scratch::BeforeSale}).bracket_sale);
  EXPECT_EQ(make_book(std::vector<double>(8, 1.0), {}).place_paid, 2);
  EXPECT_EQ(b.pool(Bet::Win).low[2].mark, Odds::Mark::Dashes);
  EXPECT_EQ(b.pool(Bet::Win).low[3].mark, Odds::Mark::Stars);
  EXPECT_EQ(b.pool(Bet::Win).rank[1], 1);
  EXPECT_EQ(b.pool(Bet::Exacta).low[static_cast<std::size_t>(entry_index(Kind::O4, {2, 3}))].mark,
            Odds::Mark::Dashes);
  EXPECT_EQ(b.pool(Bet::Exacta).low[static_cast<std::size_t>(entry_index(Kind::O4, {1, 3}))].mark,
            Odds::Mark::Stars);
  EXPECT_EQ(
      b.pool(Bet::Trifecta).low[static_cast<std::size_t>(entry_index(Kind::O6, {1, 4, 5}))].mark,
      Odds::Mark::Value);
  // Ten runners: bracket 8 holds horses 9 and 10; bracket 2 only horse 2, scratched before sale.
  EXPECT_EQ(b.pool(Bet::Bracket).low[static_cast<std::size_t>(entry_index(Kind::O1, {2, 5}))].mark,
            Odds::Mark::Dashes);
  EXPECT_EQ(b.pool(Bet::Bracket).low[static_cast<std::size_t>(entry_index(Kind::O1, {8, 8}))].mark,
            Odds::Mark::Value);
  EXPECT_EQ(b.pool(Bet::Bracket).low[static_cast<std::size_t>(entry_index(Kind::O1, {1, 1}))].mark,
            Odds::Mark::Blank);
  Book blanked = b;
  blank_place(blanked, 1);
  EXPECT_EQ(blanked.pool(Bet::Place).low[1].mark, Odds::Mark::Blank);
  int top = 0;
  for (int h = 1; h <= 10; ++h)
    top += blanked.pool(Bet::Place).rank[static_cast<std::size_t>(h)] == 1 ? 1 : 0;
  EXPECT_EQ(top, 1);
}

TEST(Randomness, IsTheSameStreamForTheSamePathAndStaysInRange) {
  Rng a = Rng::stream(42, {20261206, 6, 11});
  Rng b = Rng::stream(42, {20261206, 6, 11});
  Rng c = Rng::stream(42, {20261206, 6, 12});
  EXPECT_EQ(a.next(), b.next());
  EXPECT_NE(a.next(), c.next());
  Rng r(1);
  // The first output of xoshiro256** seeded through splitmix64 from 1.
  EXPECT_EQ(Rng(1).next(), 0xB3F2AF6D0FC710C5ULL);
  std::map<int, int> seen;
  for (int i = 0; i < 6000; ++i) ++seen[r.range(1, 6)];
  EXPECT_EQ(seen.size(), 6u);
  for (const auto& [v, n] : seen) EXPECT_GT(n, 800) << v;
  EXPECT_NEAR(det_exp(1.0), 2.718281828, 1e-4);
  EXPECT_NEAR(det_exp(-3.0), 0.049787068, 1e-5);
}

TEST(Calendar, AWeekendSharesItsMeetingAndCountsItsDays) {
  const auto sat = venues_on(DateTime{2026, 12, 5}, 3);
  const auto sun = venues_on(DateTime{2026, 12, 6}, 3);
  const auto next_sat = venues_on(DateTime{2026, 12, 12}, 3);
  ASSERT_EQ(sat.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(sat[i].venue, sun[i].venue);
    EXPECT_EQ(sat[i].kaiji, sun[i].kaiji);
    EXPECT_EQ(sun[i].nichiji, sat[i].nichiji + 1);
    EXPECT_EQ(sat[i].nichiji % 2, 1);
    EXPECT_GE(sat[i].venue, 1);
    EXPECT_LE(sat[i].venue, 10);
    if (i > 0) {
      EXPECT_LT(sat[i - 1].venue, sat[i].venue);
    }
  }
  // Within a four-week meeting the next weekend goes on with days 3 and 4, or a new
  // meeting starts at day 1.
  EXPECT_TRUE(next_sat[0].nichiji == sat[0].nichiji + 2 || next_sat[0].nichiji == 1);
  EXPECT_EQ(venues_on(DateTime{2026, 12, 5}, 1).size(), 1u);
}

// Many simulated days: the finish follows the chances the odds come from.
TEST(Simulation, TheFinishAndThePredictionsFollowTheModel) {
  DayPlan plan;
  plan.seed = 3;
  int races = 0;
  int favourites = 0;
  int dead_heats = 0;
  double dm_top = 0;
  double dm_bottom = 0;
  for (const auto& date :
       {DateTime{2026, 11, 7}, DateTime{2026, 11, 8}, DateTime{2026, 11, 14},
        DateTime{2026, 11, 15}, DateTime{2026, 11, 21}, DateTime{2026, 11, 22}}) {
    const Day day = make_day(plan, date);
    for (const auto& v : day.venues) {
      for (const auto& race : v.races) {
        ++races;
        const auto order = race.arrival_order();
        ASSERT_EQ(static_cast<int>(order.size()), race.n());
        int last_finish = 0;
        for (const int h : order) {
          const auto& r = race.horse(h);
          EXPECT_GE(r.finish, last_finish);
          EXPECT_LE(r.finish, r.arrival);
          EXPECT_GE(r.time, race.winner_time);
          last_finish = r.finish;
          if (r.final_rank == 1 && r.finish == 1) ++favourites;
          if (r.dm_rank == 1) dm_top += r.finish;
          if (r.dm_rank == race.n()) dm_bottom += r.finish;
          dead_heats += r.dead_heat && r.finish == r.arrival ? 1 : 0;
        }
        EXPECT_EQ(race.horse(order[0]).finish, 1);
      }
    }
  }
  EXPECT_EQ(races, 216);
  const double favourite_rate = static_cast<double>(favourites) / races;
  EXPECT_GT(favourite_rate, 0.2);
  EXPECT_LT(favourite_rate, 0.6);
  EXPECT_LT(dm_top / races, dm_bottom / races - 3);
  EXPECT_GT(dead_heats, 0);
}

TEST(Simulation, EdgeCasesAppearOnlyWhenAsked) {
  DayPlan plan;
  plan.edge_rate = 1;
  const Day all = make_day(plan, DateTime{2026, 12, 6});
  EXPECT_EQ(all.venues.size(), 2u);
  EXPECT_TRUE(all.out_of_order && all.hr_order && all.local_races && all.odd_runners &&
              all.second_odds && all.odds_kind09);
  for (const auto& v : all.venues) {
    for (const auto& r : v.races) {
      EXPECT_EQ(r.n(), 8);
      EXPECT_GT(r.blank_place_horse, 0);
      EXPECT_EQ(std::count_if(r.runners.begin(), r.runners.end(),
                              [](const Runner& h) { return h.scratch != Scratch::None; }),
                1);
    }
  }
  plan.edges = kEdgeTwoVenues;
  const Day some = make_day(plan, DateTime{2026, 12, 6});
  EXPECT_EQ(some.venues.size(), 2u);
  EXPECT_FALSE(some.out_of_order || some.local_races);
  EXPECT_EQ(edge_by_name("hr-order"), static_cast<unsigned>(kEdgeHrOrder));
  EXPECT_EQ(edge_by_name("nonsense"), 0u);
  plan.edge_rate = 0;
  plan.edges = kEdgeAll;
  const Day none = make_day(plan, DateTime{2026, 12, 6});
  EXPECT_EQ(none.venues.size(), 3u);
  for (const auto& v : none.venues) {
    for (const auto& r : v.races) {
      EXPECT_EQ(r.blank_place_horse, 0);
      for (const auto& h : r.runners) EXPECT_EQ(h.scratch, Scratch::None);
    }
  }
}

}  // namespace
}  // namespace rv::jvfeed
