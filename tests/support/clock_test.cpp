#include "support/clock.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

TEST(DateTimeText, FormatsAndParsesTheSettingsForms) {
  const DateTime t{2026, 3, 1, 9, 5, 7, 42};
  EXPECT_EQ(format_dt(t, "yyyy/mm/dd hh:nn:ss"), "2026/03/01 09:05:07");
  EXPECT_EQ(format_dt(t, "yyyymmddhhnnss"), "20260301090507");
  EXPECT_EQ(format_dt(t, sj("yyyy年mm月dd日")), sj("2026年03月01日"));
  EXPECT_EQ(format_dt(t, "hh:nn:ss.zzz"), "09:05:07.042");
  DateTime p = parse_dt("2026/03/01 09:05:07");
  EXPECT_EQ(p, (DateTime{2026, 3, 1, 9, 5, 7, 0}));
  EXPECT_EQ(parse_dt("20260301090507"), p);
  EXPECT_FALSE(parse_dt("20261301090507").valid());
  EXPECT_FALSE(parse_dt("00000000000000").valid());
  EXPECT_FALSE(parse_dt("").valid());
  EXPECT_FALSE(parse_dt("2026/3/1 9:05:07").valid());
}

TEST(DateTimeArithmetic, CrossesMonthsYearsAndLeapDays) {
  EXPECT_EQ((DateTime{2026, 3, 5, 12, 0, 0, 0}.add_days(-10)),
            (DateTime{2026, 2, 23, 12, 0, 0, 0}));
  EXPECT_EQ((DateTime{2024, 3, 1, 0, 0, 0, 0}.add_days(-1)).day, 29);
  EXPECT_EQ((DateTime{2026, 12, 31, 23, 59, 59, 0}.add_seconds(1)),
            (DateTime{2027, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ((DateTime{2026, 12, 8, 0, 0, 0, 0}.day_of_week()), 2);  // a Tuesday
  EXPECT_EQ((DateTime{2026, 12, 8, 0, 0, 0, 0}.ymd()), 20261208);
}

}  // namespace
}  // namespace rv
