#include "jvdata/keiba_format.h"

#include <gtest/gtest.h>

#include "common/expect_each.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::expect_each;

TEST(FmtNum, RightAlignsInTheFieldWidthAndBlanksZero) {
  expect_each(
      FmtNum,
      {{"00", "  "}, {"07", " 7"}, {"0480", " 480"}, {"18", "18"}, {"  ", "  "}, {"--", "  "}});
}

TEST(FmtTenth, OneDecimalOneWiderOrOneNarrowerThanTheField) {
  expect_each(FmtTenth, {{"0550", " 55.0"}, {"540", "54.0"}, {"0000", "    "}});
  expect_each(FmtTenthN, {{"0550", "55.0"},
                          {"0015", "1.5"},
                          {"00015", " 1.5"},
                          {"9999", "999.9"},  // wider when the number needs it
                          {"0000", "    "}});
}

TEST(FmtTime, MinuteSecondsAndTenthOrBlanksWithoutATime) {
  expect_each(FmtTime, {{"1345", "134.5"},
                        {"1053", "1 5.3"},
                        {"0583", "058.3"},
                        {"9999", "     "},
                        {"0000", "     "},
                        {"0999", "     "},
                        {"    ", "     "},
                        {"", "     "}});
}

TEST(FmtTime2, DotsBetweenMinuteSecondsAndTenth) {
  expect_each(FmtTime2,
              {{"1345", "1.34.5"}, {"0583", "  58.3"}, {"0000", "      "}, {" 583", "  58.3"}});
}

TEST(AddMinutes, HoursAndMinutesAsFourDigits) {
  EXPECT_EQ(AddMinutes("1530", -10), "1520");
  EXPECT_EQ(AddMinutes("1530", -8), "1522");
  EXPECT_EQ(AddMinutes("0955", 10), "1005");
  EXPECT_EQ(AddMinutes("1000", -1), "0959");
  EXPECT_EQ(AddMinutes("2350", 20), "2410");
  EXPECT_EQ(AddMinutes("    ", 10), "");
  EXPECT_EQ(AddMinutes("", 10), "");
}

TEST(AddMinutes, StopsAtMidnightInsteadOfPrintingANegativeMinute) {
  EXPECT_EQ(AddMinutes("0005", -10), "0000");
  EXPECT_LT(AddMinutes("0005", -10), AddMinutes("0005", -4));
}

TEST(PutStr, OverwritesFromAPositionAndAppendsPastTheEnd) {
  EXPECT_EQ(PutStr("RA7200304132003", "000000000", 3), "RA0000000002003");
  EXPECT_EQ(PutStr("abcdef", "XY", 1), "XYcdef");
  EXPECT_EQ(PutStr("abcdef", "XYZ", 5), "abcdXYZ");
  EXPECT_EQ(PutStr("abc", "XY", 9), "abcXY");
  EXPECT_EQ(PutStr("abc", "", 2), "abc");
}

TEST(DelZenSpace, RemovesWholeFullWidthBlanksOnly) {
  EXPECT_EQ(to_utf8(DelZenSpace(sj("ディープ　インパクト　　"))), "ディープインパクト");
  // 堰 ends in byte 0x81; with "@" after it the bytes 0x81 0x40 are not a full-width blank.
  EXPECT_EQ(DelZenSpace(sj("堰@　堰")), sj("堰@堰"));
  EXPECT_EQ(DelZenSpace(""), "");
}

TEST(ZenNum, SingleDigitHorsesBecomeFullWidth) {
  EXPECT_EQ(to_utf8(ZenNum("01")), "１");
  EXPECT_EQ(to_utf8(ZenNum("9")), "９");
  EXPECT_EQ(to_utf8(ZenNum(" 5")), "５");
  EXPECT_EQ(ZenNum("10"), "10");
  EXPECT_EQ(ZenNum("18"), "18");
  for (const char* other : {"19", "00", "0", "", "ab", "-1", "1a"}) {
    EXPECT_EQ(to_utf8(ZenNum(other)), "　") << other;
  }
}

TEST(MonthChar, TwelveMonthsInOneCharacter) {
  expect_each(
      MonthChar,
      {{"01", "1"}, {"09", "9"}, {"10", "a"}, {"12", "c"}, {"13", ""}, {"1", ""}, {"00", ""}});
}

}  // namespace
}  // namespace rv
