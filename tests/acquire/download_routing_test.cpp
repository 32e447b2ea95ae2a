// Which records a stored-data download keeps, and the list line of each stored record.
#include "acquire/download_routing.h"

#include <gtest/gtest.h>

#include "jvfeed/records.h"
#include "support/text.h"

namespace rv {
namespace {

namespace jv = jvfeed;

constexpr int kDay = 20261206;
const DownloadFilter kFilter{.first_date = 20261126, .odds = false};
const DownloadFilter kWithOdds{.first_date = 20261126, .odds = true};

jv::RaceKey Key(int race = 11, int ymd = kDay) {
  return jv::key(ymd, 6, race);
}

TEST(DownloadRouting, RaceDetailsNeedAJraKindADateInRangeARaceAndOneToEighteenRunners) {
  EXPECT_TRUE(DownloadWants(jv::ra(Key()), kFilter));
  for (const char kind : {'1', '2', '7', '9', '0', 'C'}) {
    EXPECT_TRUE(DownloadWants(jv::ra(Key(), {.data_kind = kind}), kFilter)) << kind;
  }
  // Local and overseas races.
  EXPECT_FALSE(DownloadWants(jv::ra(Key(), {.data_kind = 'A'}), kFilter));
  EXPECT_FALSE(DownloadWants(jv::ra(Key(), {.data_kind = 'B'}), kFilter));
  EXPECT_FALSE(DownloadWants(jv::ra(Key(0)), kFilter));
  EXPECT_TRUE(DownloadWants(jv::ra(Key(11, 20261126)), kFilter));
  EXPECT_FALSE(DownloadWants(jv::ra(Key(11, 20261125)), kFilter));
  // Registered runners (bytes 882-883), not the starters.
  for (const int n : {1, 18}) {
    EXPECT_TRUE(DownloadWants(jv::ra(Key()).set("TorokuTosu", n), kFilter)) << n;
  }
  for (const int n : {0, 19, 99}) {
    EXPECT_FALSE(DownloadWants(jv::ra(Key()).set("TorokuTosu", n), kFilter)) << n;
  }
  EXPECT_TRUE(DownloadWants(jv::ra(Key()).set("SyussoTosu", 0), kFilter));
}

TEST(DownloadRouting, RunnersNeedARaceAHorseNumberAJraKindAndADateInRange) {
  EXPECT_TRUE(DownloadWants(jv::se(Key(), {.horse = 1}), kFilter));
  EXPECT_TRUE(DownloadWants(jv::se(Key(), {.horse = 18}), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(), {.horse = 1}).set("Umaban", 0), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(), {.horse = 1}).set("Umaban", 19), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(0)), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(), {.data_kind = 'A'}), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(), {.data_kind = 'B'}), kFilter));
  EXPECT_FALSE(DownloadWants(jv::se(Key(11, 20261125)), kFilter));
}

TEST(DownloadRouting, PayoutsAreKeptWhateverTheirKind) {
  for (const char kind : {'1', '2', '9', '0', 'A', 'B'}) {
    EXPECT_TRUE(DownloadWants(jv::hr(Key(), 16, kind), kFilter)) << kind;
  }
  EXPECT_FALSE(DownloadWants(jv::hr(Key(0)), kFilter));
  EXPECT_FALSE(DownloadWants(jv::hr(Key(11, 20261125)), kFilter));
}

TEST(DownloadRouting, OddsOnlyWithTheCheckBoxAndNeverOfKindZeroOrNine) {
  for (const jv::Kind k :
       {jv::Kind::O1, jv::Kind::O2, jv::Kind::O3, jv::Kind::O4, jv::Kind::O5, jv::Kind::O6}) {
    EXPECT_FALSE(DownloadWants(jv::odds(k, Key()), kFilter));
    EXPECT_TRUE(DownloadWants(jv::odds(k, Key()), kWithOdds));
    EXPECT_FALSE(DownloadWants(jv::odds(k, Key(), 16, '0'), kWithOdds));
    EXPECT_FALSE(DownloadWants(jv::odds(k, Key(), 16, '9'), kWithOdds));
    EXPECT_FALSE(DownloadWants(jv::odds(k, Key(0)), kWithOdds));
    // Odds have no date bound.
    EXPECT_TRUE(DownloadWants(jv::odds(k, Key(11, 20200105)), kWithOdds));
  }
}

TEST(DownloadRouting, OtherKindsAreReadAndDropped) {
  EXPECT_FALSE(DownloadWants(jv::dm(Key()), kWithOdds));
  EXPECT_FALSE(DownloadWants(jv::tc(Key(), "12061000", "1550", "1540"), kWithOdds));
  EXPECT_FALSE(DownloadWants(jv::we(Key(), "12060900", 1, {}), kWithOdds));
  EXPECT_FALSE(DownloadWants(jv::um("2022100001"), kWithOdds));
  EXPECT_FALSE(DownloadWants("", kWithOdds));
  EXPECT_FALSE(DownloadWants("O7", kWithOdds));
}

TEST(DownloadRouting, TheDateBoundIsTenCalendarDaysBeforeTheStart) {
  EXPECT_EQ(FirstDownloadDate(DateTime{2026, 12, 15, 23, 59, 59}), 20261205);
  EXPECT_EQ(FirstDownloadDate(DateTime{2026, 12, 11}), 20261201);
  // Early in a month the bound reaches into the month before, and across a year.
  EXPECT_EQ(FirstDownloadDate(DateTime{2026, 12, 3}), 20261123);
  EXPECT_EQ(FirstDownloadDate(DateTime{2026, 3, 5}), 20260223);
  EXPECT_EQ(FirstDownloadDate(DateTime{2024, 3, 5}), 20240224);
  EXPECT_EQ(FirstDownloadDate(DateTime{2027, 1, 4}), 20261225);
}

TEST(DownloadRouting, CreatedLinesNameTheRaceAndTheDayFile) {
  EXPECT_EQ(to_utf8(*CreatedLine(jv::ra(Key(11)))), "作成済み:11R/2026年12月06日.jvRA");
  EXPECT_EQ(to_utf8(*CreatedLine(jv::hr(Key(3)))), "作成済み:3R/2026年12月06日.jvHR");
  EXPECT_EQ(to_utf8(*CreatedLine(jv::o6(Key(12)))), "作成済み:12R/2026年12月06日.jvO6");
  EXPECT_EQ(to_utf8(*CreatedLine(jv::se(Key(2), {.horse = 7}))),
            "作成済み:20261206中山2R/7番/2026年12月06日中山.jvSEr");
  EXPECT_FALSE(CreatedLine(jv::um("2022100001")));
  EXPECT_FALSE(CreatedLine(jv::ra(Key()).set_raw("Year", 1, "20X6")));
}

}  // namespace
}  // namespace rv
