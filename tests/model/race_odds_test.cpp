#include "model/race_odds.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "day_fixture.h"
#include "jvdata/combo_labels.h"
#include "model/day_paths.h"
#include "support/files.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::kNakayama;
using testing::kYmd;

class RaceOddsTest : public testing::DayFixture {
 protected:
  jvfeed::RaceKey key(int race = 1, int kaiji = 5) {
    return jvfeed::key(kYmd, kNakayama, race, kaiji);
  }
  const RaceWork& work(int slot = 0) { return day->Work[static_cast<std::size_t>(slot)]; }

  // Win odds and the place odds range of one horse.
  struct WinPlace {
    Odds win, low, high;
  };
  // The O1 record of race `race` with horses 1, 2, … at the listed odds.
  jvfeed::Record win_place_o1(int race, int runners, std::initializer_list<WinPlace> horses) {
    jvfeed::Record o1 = jvfeed::o1(key(race), runners);
    int h = 0;
    for (const WinPlace& o : horses) {
      ++h;
      o1.win(h, o.win).place(h, o.low, o.high);
    }
    return o1;
  }
};

// The rank each listed horse has in a table by horse number: {horse, rank} pairs.
void expect_ranks(const std::array<int, kMaxHorses + 1>& ranks,
                  std::initializer_list<std::pair<int, int>> horse_ranks) {
  for (const auto& [horse, rank] : horse_ranks) {
    EXPECT_EQ(ranks[static_cast<std::size_t>(horse)], rank) << "horse " << horse;
  }
}

TEST_F(RaceOddsTest, WinFieldsReadAsValueWithdrawnOrBlank) {
  race(kNakayama, 1, {.runners = 6});
  put(jvfeed::o1(key(), 6)
          .win(1, Odds::dashes())
          .win(2, Odds::stars())
          .win(3, Odds::blank())
          .win(4, 3.4)
          .place(4, 1.2, 1.5)
          .win(5, Odds::zero())
          .place(5, 1.1, 1.3)
          .win(6, 999.9)
          .place(6, 20.0, 45.5));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork& w = work();
  EXPECT_EQ(w.WinOdds[1], kOddsWithdrawn);
  EXPECT_EQ(w.WinOdds[2], kOddsWithdrawn);
  EXPECT_EQ(w.WinOdds[3], kOddsBlank);
  EXPECT_DOUBLE_EQ(w.WinOdds[4], 3.4);
  EXPECT_EQ(w.WinOdds[5], 0.0);  // no votes
  EXPECT_DOUBLE_EQ(w.WinOdds[6], 999.9);
  EXPECT_EQ(w.WinOdds[7], 0.0);  // beyond the registered runners nothing is read

  // Only numeric win odds above 0 are ranked and have a win rate.
  expect_ranks(w.WinNinki, {{1, 0}, {2, 0}, {5, 0}, {4, 1}, {6, 2}});
  EXPECT_DOUBLE_EQ(w.WinRate[4], 80 / 3.4);
  EXPECT_EQ(w.WinRate[5], 0.0);
  // Place ranks do not need win odds.
  expect_ranks(w.PlaceNinki, {{5, 1}, {4, 2}, {6, 3}});
  EXPECT_DOUBLE_EQ(w.PlaceOddsHigh[6], 45.5);
}

TEST_F(RaceOddsTest, PlaceMarkersAndABlankPlaceFieldCostTheWinRank) {
  race(kNakayama, 1, {.runners = 4});
  put(win_place_o1(1, 4,
                   {{2.0, Odds::blank(), Odds::blank()},
                    {4.0, Odds::stars(), Odds::stars()},
                    {6.0, 1.5, 2.0},
                    {8.0, Odds::dashes(), Odds::dashes()}}));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork& w = work();
  EXPECT_EQ(w.PlaceOddsLow[1], kOddsBlank);
  EXPECT_EQ(w.PlaceOddsHigh[1], kOddsBlank);
  EXPECT_EQ(w.PlaceOddsLow[2], kOddsWithdrawn);
  EXPECT_EQ(w.PlaceOddsHigh[4], kOddsWithdrawn);
  // Horse 1 has the shortest win odds but no numeric place odds: no win rank at all.
  expect_ranks(w.WinNinki, {{1, 0}, {2, 0}, {3, 1}});
  EXPECT_DOUBLE_EQ(w.WinRate[1], 40.0);  // the rate does not depend on the rank
  // One ranked horse: no spread to score against.
  EXPECT_EQ(w.WinRateStdDev, 0.0);
  EXPECT_EQ(w.WinRateScore[3], 0.0);
}

TEST_F(RaceOddsTest, TiesBreakBySecondValueThenHorseNumber) {
  race(kNakayama, 1, {.runners = 5});
  put(win_place_o1(
      1, 5,
      {{5.0, 2.0, 3.0}, {5.0, 1.8, 3.0}, {8.0, 2.5, 4.0}, {8.0, 2.5, 4.0}, {12.0, 1.8, 2.9}}));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork& w = work();
  // Equal win odds: the lower place odds first (2, 1); equal both: the lower horse number
  // first (3, 4).
  expect_ranks(w.WinNinki, {{2, 1}, {1, 2}, {3, 3}, {4, 4}, {5, 5}});
  // By lowest place odds, ties by the highest: 5 (1.8/2.9), 2 (1.8/3.0), 1, 3, 4.
  expect_ranks(w.PlaceNinki, {{5, 1}, {2, 2}, {1, 3}, {3, 4}, {4, 5}});
  // By highest place odds, ties by the lowest: 5 (2.9), 2 (3.0/1.8), 1 (3.0/2.0), 3, 4.
  expect_ranks(w.PlaceNinkiHigh, {{5, 1}, {2, 2}, {1, 3}, {3, 4}});
  // Numeric order, not digit order: 12.0 ranks after 8.0.
  EXPECT_EQ(w.WinNinki[5], 5);
}

TEST_F(RaceOddsTest, WinRateDeviationAndScores) {
  race(kNakayama, 1, {.runners = 4});
  race(kNakayama, 2, {.runners = 3});
  put(win_place_o1(1, 4, {{2.0, 1.1, 1.2}, {4.0, 1.5, 1.9}, {8.0, 2.0, 3.0}})
          .win(4, Odds::stars()));
  // All ranked horses at one rate: the deviation is 0 and no score is given.
  put(win_place_o1(2, 3, {{5.0, 2.0, 2.0}, {5.0, 2.0, 2.0}}));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork& w = work(0);
  const double mean = (40.0 + 20.0 + 10.0) / 3;
  const double sd =
      std::sqrt((std::pow(40 - mean, 2) + std::pow(20 - mean, 2) + std::pow(10 - mean, 2)) / 2);
  EXPECT_NEAR(w.WinRateStdDev, sd, 1e-9);
  EXPECT_NEAR(w.WinRateScore[1], 50 + 10 * (40 - mean) / sd, 1e-9);
  EXPECT_NEAR(w.WinRateScore[3], 50 + 10 * (10 - mean) / sd, 1e-9);
  EXPECT_EQ(w.WinRateScore[4], 0.0);
  EXPECT_EQ(work(1).WinRateStdDev, 0.0);
  EXPECT_EQ(work(1).WinRateScore[1], 0.0);
  EXPECT_TRUE(std::isfinite(work(1).WinRateScore[2]));
}

TEST_F(RaceOddsTest, CombinationOddsAndRanksComeFromTheRecords) {
  race(kNakayama, 1, {.runners = 16});
  put(jvfeed::o1(key(), 16)
          .bracket(1, 2, 12.3, 4)
          .bracket(3, 3, Odds::dashes())
          .bracket(8, 8, Odds::blank())
          .announced("12061452"));
  put(jvfeed::o2(key(), 16).pair(1, 2, 7.5, 3).pair(15, 16, Odds::stars()));
  put(jvfeed::o3(key(), 16).wide(2, 3, 2.1, 3.4, 1));
  put(jvfeed::o4(key(), 16).pair(2, 1, 15.0, 9));
  put(jvfeed::o5(key(), 16).triple(1, 2, 3, 45.6, 12));
  put(jvfeed::o6(key(), 16).triple(3, 2, 1, 123456.7, 4321).triple(16, 15, 14, Odds::dashes()));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork& w = work();

  EXPECT_DOUBLE_EQ(w.WakurenOdds[WakurenIndex(" 1- 2")], 12.3);
  EXPECT_EQ(w.WakurenNinki[WakurenIndex(" 1- 2")], 4);
  EXPECT_EQ(w.WakurenOdds[WakurenIndex(" 3- 3")], kOddsWithdrawn);
  EXPECT_EQ(w.WakurenNinki[WakurenIndex(" 3- 3")], 0);
  EXPECT_EQ(w.WakurenOdds[WakurenIndex(" 8- 8")], kOddsBlank);
  EXPECT_EQ(w.OddsTime, "1452");

  EXPECT_DOUBLE_EQ(w.UmarenOdds[UmarenIndex(" 1- 2")], 7.5);
  EXPECT_EQ(w.UmarenNinki[UmarenIndex(" 1- 2")], 3);
  EXPECT_EQ(w.UmarenOdds[UmarenIndex("15-16")], kOddsWithdrawn);
  EXPECT_EQ(w.UmarenOdds[UmarenIndex("17-18")], kOddsBlank);  // no such horses
  EXPECT_DOUBLE_EQ(w.WideOdds[UmarenIndex(" 2- 3")], 2.1);    // the lowest of the range
  EXPECT_EQ(w.WideNinki[UmarenIndex(" 2- 3")], 1);
  EXPECT_DOUBLE_EQ(w.UmatanOdds[UmatanIndex(" 2- 1")], 15.0);
  EXPECT_EQ(w.UmatanNinki[UmatanIndex(" 2- 1")], 9);
  EXPECT_DOUBLE_EQ(w.SanrenpukuOdds[SanrenpukuIndex(" 1- 2- 3")], 45.6);
  EXPECT_EQ(w.SanrenpukuNinki[SanrenpukuIndex(" 1- 2- 3")], 12);
  EXPECT_DOUBLE_EQ(w.SanrentanOdds[SanrentanIndex(" 3- 2- 1")], 123456.7);
  EXPECT_EQ(w.SanrentanNinki[SanrentanIndex(" 3- 2- 1")], 4321);
  EXPECT_EQ(w.SanrentanOdds[SanrentanIndex("16-15-14")], kOddsWithdrawn);
  EXPECT_EQ(w.SanrentanOdds[SanrentanIndex(" 1- 2- 3")], 0.0);  // no votes
  EXPECT_EQ(w.SanrentanOdds[SanrentanIndex("18-17-16")], kOddsBlank);
  EXPECT_EQ(day->O6Data[0].field(1, 2), "O6");
}

TEST_F(RaceOddsTest, FirstRecordOfTheRaceWinsAndMissingOnesLeaveZeros) {
  race(kNakayama, 1, {.runners = 8});
  race(kNakayama, 2, {.runners = 8});
  // The file holds race 1 twice (meeting 4 sorts before meeting 5); race 2 not at all.
  put(jvfeed::o2(key(1, 4), 8).pair(1, 2, 3.3, 1));
  put(jvfeed::o2(key(1, 5), 8).pair(1, 2, 9.9, 5));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_DOUBLE_EQ(work(0).UmarenOdds[1], 3.3);
  EXPECT_EQ(work(0).UmarenNinki[1], 1);
  EXPECT_EQ(work(1).UmarenOdds[1], 0.0);
  EXPECT_EQ(work(1).UmarenOdds[153], 0.0);
  // No O1 record at all: the win tables stay cleared rather than reading as blanks.
  EXPECT_EQ(work(0).WinOdds[1], 0.0);
  EXPECT_EQ(work(0).OddsTime, "");
  EXPECT_EQ(day->O1Data[0].view(), std::string(O1Record::kSize, ' '));
}

TEST_F(RaceOddsTest, OneRaceReloadsAloneAndAgreesWithTheDayLoad) {
  for (int r = 1; r <= 4; ++r) {
    race(kNakayama, r, {.runners = 10});
    put(win_place_o1(r, 10, {{2.0 + r, 1.1, 1.4}, {9.0, 2.0, 3.0}}));
    put(jvfeed::o6(key(r), 10).triple(1, 2, 3, 100.0 + r, r));
  }
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const RaceWork loaded = work(2);

  // Re-reading slot by slot gives what the one-pass day load gave.
  auto copy = make_day();
  *copy = *day;
  for (int s = 0; s < kMaxRaces; ++s) LoadRaceOdds(*copy, s);
  for (int s = 0; s < kMaxRaces; ++s) {
    const RaceWork& a = day->Work[static_cast<std::size_t>(s)];
    const RaceWork& b = copy->Work[static_cast<std::size_t>(s)];
    EXPECT_EQ(a.WinOdds, b.WinOdds) << s;
    EXPECT_EQ(a.WinNinki, b.WinNinki) << s;
    EXPECT_EQ(a.SanrentanOdds, b.SanrentanOdds) << s;
    EXPECT_EQ(day->O6Data[static_cast<std::size_t>(s)].view(),
              copy->O6Data[static_cast<std::size_t>(s)].view());
  }

  // New odds for race 3 only: its reload changes it alone.
  put(win_place_o1(3, 10, {{30.0, 5.0, 6.0}, {1.5, 1.1, 1.2}}));
  flush();
  day->Work[2].AxisMark[0] = 1;
  LoadRaceOdds(*day, 2);
  EXPECT_DOUBLE_EQ(work(2).WinOdds[1], 30.0);
  EXPECT_EQ(work(2).WinNinki[2], 1);
  EXPECT_EQ(work(2).AxisMark[0], 0);  // marks belong to the odds they were made from
  EXPECT_EQ(work(2).SanrentanOdds, loaded.SanrentanOdds);
  EXPECT_DOUBLE_EQ(work(1).WinOdds[1], 4.0);
}

TEST_F(RaceOddsTest, TornOddsFileLosesOnlyTheTornRace) {
  race(kNakayama, 1, {.runners = 4});
  race(kNakayama, 2, {.runners = 4});
  put(jvfeed::o2(key(1), 4).pair(1, 2, 3.3, 1));
  put(jvfeed::o2(key(2), 4).pair(1, 2, 4.4, 1));
  flush();
  std::filesystem::resize_file(data_file(".jvO2"), 2 * O2Record::kSize - 1);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_DOUBLE_EQ(work(0).UmarenOdds[1], 3.3);
  EXPECT_EQ(work(1).UmarenOdds[1], 0.0);
  EXPECT_EQ(day->O2Data[1].view(), std::string(O2Record::kSize, ' '));
}

}  // namespace
}  // namespace rv
