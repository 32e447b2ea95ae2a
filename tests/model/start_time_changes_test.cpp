#include "model/start_time_changes.h"

#include <gtest/gtest.h>

#include "day_fixture.h"
#include "support/files.h"

namespace rv {
namespace {

using testing::kNakayama;
using testing::kYmd;

class StartTimeChangesTest : public testing::DayFixture {
 protected:
  StartTimeChangesTest() {
    race(kNakayama, 1, {.runners = 8, .start = "1000"});
    race(kNakayama, 2, {.runners = 8, .start = "1030"});
    race(kNakayama, 3, {.runners = 8, .start = "1100"});
  }
  static jvfeed::RaceKey key(int race) { return jvfeed::key(kYmd, kNakayama, race); }
  void change(int race, const char* announced, const char* start, const char* before) {
    put(jvfeed::tc(key(race), announced, start, before));
  }
  bool apply() {
    flush();
    return ApplyStartTimeChanges(*day, settings.AutoOzGet);
  }
  std::filesystem::path new_file() { return app_path(sj("\\CHG\\2026年12月06日.NEW")); }
  std::string ra_start(int line) { return read_lines(data_file(".jvRA")).at(line).substr(873, 4); }
};

TEST_F(StartTimeChangesTest, NewChangesMoveFileAndMemoryAndAreRemembered) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  write_lines(new_file(), {"12060900", "", "12060910", "12061000", ""});
  change(1, "12060950", "1010", "1000");  // announced before the last applied one
  change(2, "12061005", "1045", "1030");
  change(3, "12061015", "1120", "1100");
  EXPECT_TRUE(apply());

  EXPECT_EQ(ra_start(0), "1000");
  EXPECT_EQ(ra_start(1), "1045");
  EXPECT_EQ(ra_start(2), "1120");
  EXPECT_EQ(day->RaData[1].field(874, 4), "1045");
  EXPECT_EQ(day->Work[1].OzTime, "1035");
  EXPECT_EQ(day->Work[1].OzTime2, "1036");
  EXPECT_EQ(day->Work[1].DeliverTime, "1037");
  EXPECT_EQ(day->Work[0].OzTime, "0950");
  EXPECT_EQ(read_lines(new_file()),
            (std::vector<std::string>{"12060900", "", "12060910", "12061015", ""}));

  // Nothing newer: nothing is written.
  const std::string before = testing::slurp(data_file(".jvRA"));
  std::filesystem::remove(new_file());
  write_lines(new_file(), {"", "", "", "12061015", ""});
  EXPECT_FALSE(apply());
  EXPECT_EQ(testing::slurp(data_file(".jvRA")), before);
  EXPECT_EQ(read_lines(new_file()), (std::vector<std::string>{"", "", "", "12061015", ""}));
}

TEST_F(StartTimeChangesTest, ZeroStartTimeReachesTheFileButNotTheRaceInMemory) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  change(2, "12061005", "0000", "1030");
  day->Work[1].OzTime = "stale";
  EXPECT_TRUE(apply());
  EXPECT_EQ(ra_start(1), "0000");
  EXPECT_EQ(day->RaData[1].field(874, 4), "1030");
  EXPECT_EQ(day->Work[1].OzTime, "1020");  // recomputed from the time in memory
}

TEST_F(StartTimeChangesTest, FourLineMemoryCountsAsNoneAndIsRewrittenWithFive) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  write_lines(new_file(), {"12060900", "", "12060910", "12061100"});
  change(1, "12060950", "1005", "1000");
  EXPECT_TRUE(apply());
  EXPECT_EQ(ra_start(0), "1005");
  EXPECT_EQ(read_lines(new_file()), (std::vector<std::string>{"", "", "", "12060950", ""}));
}

TEST_F(StartTimeChangesTest, NoChangeFileOrNoDayChangesNothing) {
  EXPECT_FALSE(apply());  // no day loaded
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_FALSE(apply());
  EXPECT_FALSE(file_exists(new_file()));
}

}  // namespace
}  // namespace rv
