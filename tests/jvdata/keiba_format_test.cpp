#include "jvdata/keiba_format.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

TEST(FmtNum, RightAlignsInTheFieldWidthAndBlanksZero) {
  EXPECT_EQ(FmtNum("00"), "  ");
  EXPECT_EQ(FmtNum("07"), " 7");
  EXPECT_EQ(FmtNum("0480"), " 480");
  EXPECT_EQ(FmtNum("18"), "18");
  EXPECT_EQ(FmtNum("  "), "  ");
  EXPECT_EQ(FmtNum("--"), "  ");
}

TEST(FmtTenth, OneDecimalOneWiderOrOneNarrowerThanTheField) {
  EXPECT_EQ(FmtTenth("0550"), " 55.0");
  EXPECT_EQ(FmtTenth("540"), "54.0");
  EXPECT_EQ(FmtTenth("0000"), "    ");
  EXPECT_EQ(FmtTenthN("0550"), "55.0");
  EXPECT_EQ(FmtTenthN("0015"), "1.5");
  EXPECT_EQ(FmtTenthN("00015"), " 1.5");
  EXPECT_EQ(FmtTenthN("9999"), "999.9");  // wider when the number needs it
  EXPECT_EQ(FmtTenthN("0000"), "    ");
}

TEST(FmtTime, MinuteSecondsAndTenthOrBlanksWithoutATime) {
  EXPECT_EQ(FmtTime("1345"), "134.5");
  EXPECT_EQ(FmtTime("1053"), "1 5.3");
  EXPECT_EQ(FmtTime("0583"), "058.3");
  EXPECT_EQ(FmtTime("9999"), "     ");
  EXPECT_EQ(FmtTime("0000"), "     ");
  EXPECT_EQ(FmtTime("0999"), "     ");
  EXPECT_EQ(FmtTime("    "), "     ");
  EXPECT_EQ(FmtTime(""), "     ");
}

TEST(FmtTime2, DotsBetweenMinuteSecondsAndTenth) {
  EXPECT_EQ(FmtTime2("1345"), "1.34.5");
  EXPECT_EQ(FmtTime2("0583"), "  58.3");
  EXPECT_EQ(FmtTime2("0000"), "      ");
  EXPECT_EQ(FmtTime2(" 583"), "  58.3");
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
  EXPECT_EQ(MonthChar("01"), "1");
  EXPECT_EQ(MonthChar("09"), "9");
  EXPECT_EQ(MonthChar("10"), "a");
  EXPECT_EQ(MonthChar("12"), "c");
  EXPECT_EQ(MonthChar("13"), "");
  EXPECT_EQ(MonthChar("1"), "");
  EXPECT_EQ(MonthChar("00"), "");
}

}  // namespace
}  // namespace rv
