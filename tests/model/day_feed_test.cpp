// Days from generated feeds: stored data as the download leaves it, loaded and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "day_fixture.h"
#include "model/payouts.h"
#include "model/race_odds.h"
#include "support/files.h"

namespace rv {
namespace {

using GeneratedDayTest = testing::GeneratedDayFixture;

TEST_P(GeneratedDayTest, LoadsEveryRaceWithItsOwnRecords) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  const std::size_t ra_lines = read_lines(data_file(".jvRA")).size();
  const int races = day->slots_in_use();
  EXPECT_EQ(static_cast<std::size_t>(races), std::min<std::size_t>(ra_lines, kMaxRaces));
  ASSERT_EQ(controls.DatList.count(), races);
  for (int s = 0; s < races; ++s) {
    const auto i = static_cast<std::size_t>(s);
    EXPECT_EQ(controls.DatList.item(s), DatListItem(day->RaData[i]));
    // Every record copy that was found belongs to the slot's venue and race.
    const std::string venue_race =
        std::string(day->RaData[i].field(20, 2)) + std::string(day->RaData[i].field(26, 2));
    for (const std::string_view rec : {day->O1Data[i].view(), day->O6Data[i].view(),
                                       day->HrData[i].view(), day->DmData[i].view()}) {
      if (is_blank(rec)) continue;
      EXPECT_EQ(std::string(fld(rec, 20, 2)) + std::string(fld(rec, 26, 2)), venue_race) << s;
    }
    for (int j = 0; j < RunnerSlotsOf(s); ++j) {
      const SeRecord& se = day->SeData[i][static_cast<std::size_t>(j)];
      if (!is_blank(se.view())) {
        EXPECT_EQ(inum(se.field(29, 2)), j + 1) << s;
      }
    }
  }
}

TEST_P(GeneratedDayTest, WinRanksFollowTheOddsAndCountEveryRankableHorse) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  for (int s = 0; s < day->slots_in_use(); ++s) {
    const RaceWork& w = day->Work[static_cast<std::size_t>(s)];
    std::vector<std::pair<int, int>> ranked;  // rank, horse
    int rankable = 0;
    for (int h = 1; h <= RunnerSlotsOf(s); ++h) {
      const auto i = static_cast<std::size_t>(h);
      if (w.WinOdds[i] > 0 && w.PlaceOddsLow[i] >= 0) ++rankable;
      if (w.WinNinki[i] > 0) ranked.emplace_back(w.WinNinki[i], h);
    }
    ASSERT_EQ(static_cast<int>(ranked.size()), rankable) << s;
    std::sort(ranked.begin(), ranked.end());
    for (std::size_t k = 0; k < ranked.size(); ++k) {
      EXPECT_EQ(ranked[k].first, static_cast<int>(k) + 1) << s;
      if (k > 0) {
        EXPECT_LE(w.WinOdds[static_cast<std::size_t>(ranked[k - 1].second)],
                  w.WinOdds[static_cast<std::size_t>(ranked[k].second)])
            << s;
      }
    }
  }
}

TEST_P(GeneratedDayTest, OnePassDayLoadEqualsRaceByRaceLoads) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  auto copy = make_day();
  *copy = *day;
  for (int s = 0; s < kMaxRaces; ++s) LoadRaceOdds(*copy, s);
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    const RaceWork& a = day->Work[s];
    const RaceWork& b = copy->Work[s];
    EXPECT_EQ(a.WinOdds, b.WinOdds) << s;
    EXPECT_EQ(a.PlaceNinkiHigh, b.PlaceNinkiHigh) << s;
    EXPECT_EQ(a.WakurenNinki, b.WakurenNinki) << s;
    EXPECT_EQ(a.WideOdds, b.WideOdds) << s;
    EXPECT_EQ(a.UmatanNinki, b.UmatanNinki) << s;
    EXPECT_EQ(a.SanrenpukuOdds, b.SanrenpukuOdds) << s;
    EXPECT_EQ(a.SanrentanNinki, b.SanrentanNinki) << s;
    EXPECT_EQ(a.OddsTime, b.OddsTime) << s;
    EXPECT_EQ(day->O3Data[s].view(), copy->O3Data[s].view()) << s;
  }
}

TEST_P(GeneratedDayTest, PayoutsAgreeWithTheRunnersResults) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  ReadPayouts(*day, on_screen.slot(), sj(testing::kDate), false);
  int paid = 0;
  for (int s = 0; s < day->slots_in_use(); ++s) {
    const auto i = static_cast<std::size_t>(s);
    const RaceWork& w = day->Work[i];
    if (w.HrLoaded == 0) continue;
    EXPECT_EQ(day->HrData[i].field(12, 16), day->RaData[i].field(12, 16));
    for (int e = 1; e <= 3; ++e) {  // every winner (dead heats included) finished first
      const int h = w.PayUmaban[static_cast<std::size_t>(e)];
      if (h < 1) continue;
      ++paid;
      EXPECT_EQ(w.ResultJyuni[static_cast<std::size_t>(h - 1)], 1) << s << " horse " << h;
      EXPECT_EQ(day->Payouts.table[i][0][static_cast<std::size_t>(e - 1)].kumi, fmt("%2d", h));
    }
  }
  EXPECT_GT(paid, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedDayTest, ::testing::Values(3U, 17U));

}  // namespace
}  // namespace rv
