#include "acquire/day_files.h"

#include <gtest/gtest.h>

#include "jvfeed/records.h"
#include "support/text.h"

namespace rv {
namespace {

namespace jv = jvfeed;

TEST(DayName, ComesFromTheMeetingDateOfTheRecord) {
  const auto ra = jv::ra(jv::key(20030413, 6, 11), {.make_date = "20030410"});
  EXPECT_EQ(to_utf8(DayName(ra).value()), "2003年04月13日");
  EXPECT_EQ(to_utf8(DayFileName(*FindDayFileKind(ra), ra).value()), "2003年04月13日.jvRA");
  const auto we = jv::we(jv::key(20030413, 6, 1), "04130930", 1, {});
  EXPECT_EQ(to_utf8(DayFileName(*FindDayFileKind(we), we).value()), "2003年04月13日.WE");
}

TEST(DayName, DatesThatAreNotEightDigitsNameNoFile) {
  std::string rec = jv::ra(jv::key(20030413, 6, 11)).str();
  for (const char* bad : {"2003O413", "2003041 ", "..\\..\\x"}) {
    std::string r = rec;
    r.replace(11, 8, std::string(bad).substr(0, 8));
    EXPECT_FALSE(DayName(r).has_value()) << bad;
    EXPECT_FALSE(DayFileName(*FindDayFileKind(r), r).has_value()) << bad;
  }
  EXPECT_TRUE(DayName("RA72003041320030413").has_value());
  EXPECT_FALSE(DayName("RA720030413200304").has_value());
  EXPECT_FALSE(DayName("").has_value());
}

TEST(SeFileName, CarriesTheVenueShortNameOfATwoDigitCode) {
  const auto se = jv::se(jv::key(20030413, 6, 11), {.horse = 3});
  EXPECT_EQ(to_utf8(DayFileName(*FindDayFileKind(se), se).value()), "2003年04月13日中山.jvSEr");
  const std::string day = sj("2003年04月13日");
  EXPECT_EQ(to_utf8(SeFileName(day, "44").value()), "2003年04月13日大井.jvSEr");
  for (const char* venue : {"5", "5 ", " 5", "99", "C4", "A0", "", "061"}) {
    EXPECT_FALSE(SeFileName(day, venue).has_value()) << venue;
  }
}

TEST(DayFileKinds, AgreeWithTheRecordLayouts) {
  ASSERT_EQ(DayFileKinds().size(), 12u);
  for (const DayFileKind& k : DayFileKinds()) {
    const auto kind = jv::kind_of(k.id);
    ASSERT_TRUE(kind.has_value()) << k.id;
    EXPECT_EQ(k.line_length + 2, jv::record_length(*kind)) << k.id;
    const auto rec = *kind == jv::Kind::SE ? jv::se(jv::key(20030413, 6, 1))
                     : *kind == jv::Kind::TC
                         ? jv::tc(jv::key(20030413, 6, 1), "04130900", "1010", "1000")
                     : *kind == jv::Kind::WE ? jv::we(jv::key(20030413, 6, 1), "04130900", 1, {})
                     : *kind == jv::Kind::RA ? jv::ra(jv::key(20030413, 6, 1))
                     : *kind == jv::Kind::HR ? jv::hr(jv::key(20030413, 6, 1))
                     : *kind == jv::Kind::DM ? jv::dm(jv::key(20030413, 6, 1))
                                             : jv::odds(*kind, jv::key(20030413, 6, 1));
    EXPECT_EQ(FindDayFileKind(rec), &k) << k.id;
  }
  EXPECT_EQ(FindDayFileKind(jv::um("2019100001")), nullptr);
  EXPECT_EQ(FindDayFileKind("R"), nullptr);
}

}  // namespace
}  // namespace rv
