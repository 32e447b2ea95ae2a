#include "support/text.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(ShiftJis, RoundTripsKanjiKanaAndHalfWidthKatakana) {
  const std::string u8 = "東京ﾊﾞｰｼﾞｮﾝ情報　３連単ソ表";
  const std::string s = sj(u8);
  EXPECT_EQ(s.substr(0, 4), "\x93\x8C\x8B\x9E");
  // Half-width katakana are single bytes in code page 932.
  EXPECT_EQ(s.substr(4, 6), "\xCA\xDE\xB0\xBC\xDE\xAE");
  EXPECT_EQ(to_utf8(s), u8);
  EXPECT_EQ(s.size(), 27u);
  EXPECT_EQ(SJ("消"), "\x8F\xC1");
}

TEST(ShiftJis, DamagedBytesBecomeReplacementCharactersAndTheRestSurvives) {
  // A lone lead byte at the end, and one followed by a byte that cannot trail.
  EXPECT_EQ(to_utf8("AB\x93"), "AB\xEF\xBF\xBD");
  EXPECT_EQ(to_utf8(std::string("\x93\x0A", 2) + sj("東")), "\xEF\xBF\xBD\n東");
  EXPECT_FALSE(sjis_representable("한국어"));
  EXPECT_EQ(sj("a한b"), "a?b");
  EXPECT_EQ(to_utf8(""), "");
}

TEST(Fields, AreOneBasedAndClipped) {
  const std::string rec = "RA7200304131";
  EXPECT_EQ(fld(rec, 1, 2), "RA");
  EXPECT_EQ(fld(rec, 3, 1), "7");
  EXPECT_EQ(fld(rec, 12, 5), "1");
  EXPECT_EQ(fld(rec, 13, 2), "");
  EXPECT_EQ(fld(rec, 0, 2), "");
  std::string r = "ABCDEFG";
  put_fld(r, 3, 3, "xy");
  EXPECT_EQ(r, "ABxy FG");
  put_fld(r, 7, 3, "123");
  EXPECT_EQ(r, "ABxy F123");
}

TEST(Numbers, BlanksAndJunkReadZero) {
  EXPECT_EQ(num("0012"), 12);
  EXPECT_EQ(num(" 7 "), 7);
  EXPECT_EQ(num("-15"), -15);
  EXPECT_EQ(num("+3"), 3);
  for (const char* junk : {"", "  ", "--", "**", "1 2", "12a", "-", "+", "0x1", "1.5"}) {
    EXPECT_EQ(num(junk), 0) << junk;
  }
  EXPECT_EQ(num("9999999999999999999"), 0);
  EXPECT_DOUBLE_EQ(dnum("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(dnum(" -0.5 "), -0.5);
  EXPECT_DOUBLE_EQ(dnum("x", -1), -1);
  EXPECT_DOUBLE_EQ(dnum("1.2.3", 9), 9);
  EXPECT_DOUBLE_EQ(dnum(".", 4), 4);
}

TEST(CaseFolding, FoldsAsciiLettersOnlyOutsideDoubleByteCharacters) {
  EXPECT_TRUE(iequals_ascii("Data", "DATA"));
  EXPECT_LT(icompare_ascii("abc", "ABD"), 0);
  EXPECT_EQ(icompare_ascii("", ""), 0);
  EXPECT_LT(icompare_ascii("", "a"), 0);
  // 0x83 0x61 and 0x83 0x41 are different katakana; folding the trail byte would merge them.
  EXPECT_NE(icompare_ascii("\x83\x61", "\x83\x41"), 0);
  EXPECT_EQ(upper_ascii("ab\x83\x61z"), "AB\x83\x61Z");
}

TEST(Format, YieldsShiftJisFromUtf8Formats) {
  EXPECT_EQ(fmt("%2d", 5), " 5");
  EXPECT_EQ(fmt("第%d回 ", 12), sj("第12回 "));
  EXPECT_EQ(fmt("%s-%s", sj("表").c_str(), "x"), sj("表-x"));
  const std::string long_text(1000, 'a');
  EXPECT_EQ(fmt("%s!", long_text.c_str()), long_text + "!");
}

TEST(Trim, RemovesControlAndSpace) {
  EXPECT_EQ(trim("  a b \r\n"), "a b");
  EXPECT_TRUE(is_blank(" \t "));
  EXPECT_FALSE(is_blank(" x "));
  EXPECT_TRUE(all_digits("0123"));
  EXPECT_FALSE(all_digits(""));
  EXPECT_FALSE(all_digits("12 3"));
}

}  // namespace
}  // namespace rv
