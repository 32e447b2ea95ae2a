#include "jvdata/code_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/text.h"

namespace rv {
namespace {

std::string u8(const std::string& sjis) {
  return to_utf8(sjis);
}

// Every code of the given width made of digits and the letters the tables use.
std::vector<std::string> codes_of(std::size_t width) {
  const std::string chars = "0123456789ABCDEFGHIJKLMN";
  std::vector<std::string> out{""};
  for (std::size_t i = 0; i < width; ++i) {
    std::vector<std::string> next;
    for (const auto& prefix : out) {
      for (const char c : chars) next.push_back(prefix + c);
    }
    out = std::move(next);
  }
  return out;
}

TEST(BashoName, NamesAllVenuesInFourBytesAndOnlyExactTwoCharacterCodes) {
  EXPECT_EQ(u8(BashoName("01")), "札幌");
  EXPECT_EQ(u8(BashoName("06")), "中山");
  EXPECT_EQ(u8(BashoName("10")), "小倉");
  EXPECT_EQ(u8(BashoName("44")), "大井");
  EXPECT_EQ(u8(BashoName("M4")), "墺国");
  EXPECT_EQ(u8(BashoName("M6")), "約  ");
  EXPECT_EQ(BashoName("5"), "    ");
  EXPECT_EQ(BashoName("005"), "    ");
  EXPECT_EQ(BashoName("m6"), "    ");
  EXPECT_EQ(BashoName("C4"), "    ");

  int named = 0;
  for (const std::string& code : codes_of(2)) {
    const std::string& name = BashoName(code);
    ASSERT_EQ(name.size(), 4u) << code;
    EXPECT_EQ(name.find('?'), std::string::npos) << code << " lost a character";
    if (name != "    ") ++named;
  }
  // 110 codes, six of which (C4, F4, F6, G4, G6, G8) have no name.
  EXPECT_EQ(named, 104);
}

TEST(BashoName, ShortFormDropsThePadding) {
  EXPECT_EQ(u8(BashoShortName("06")), "中山");
  EXPECT_EQ(u8(BashoShortName("M8")), "華");
  EXPECT_EQ(BashoShortName("C4"), "");
  EXPECT_EQ(BashoShortName("99"), "");
}

TEST(KigoName, PadsAll84SymbolsTo24Bytes) {
  EXPECT_EQ(u8(KigoName("A03")), "(混合)[指定]　　　　　　");
  EXPECT_EQ(u8(KigoName("K03")), "(市)(抽)関西配布馬[指定]");
  EXPECT_EQ(u8(KigoName("030")), "牡・ｾﾝ　　　　　　　　　");
  const std::string blanks = sj("　　　　　　　　　　　　");
  EXPECT_EQ(KigoName("000"), blanks);
  EXPECT_EQ(KigoName("A3"), blanks);
  int named = 0;
  for (const std::string& code : codes_of(3)) {
    const std::string& text = KigoName(code);
    ASSERT_EQ(text.size(), 24u) << code;
    EXPECT_EQ(text.find('?'), std::string::npos) << code;
    if (text != blanks) ++named;
  }
  EXPECT_EQ(named, 84);
}

TEST(CodeTables, FixedWidthTextsKeepTheirWidthForEveryCode) {
  for (const std::string& code : codes_of(2)) {
    EXPECT_EQ(ShubetuName(code, KindWidth::kShort).size(), 8u) << code;
    EXPECT_EQ(ShubetuName(code, KindWidth::kLong).size(), 16u) << code;
    const std::string& medium = TrackName(code, TrackForm::kMedium);
    EXPECT_TRUE(medium.empty() || medium.size() == 6u) << code;
  }
  for (const std::string& code : codes_of(1)) {
    EXPECT_EQ(GradeName(code).size(), 5u) << code;
    EXPECT_EQ(IjoName(code).size(), 8u) << code;
  }
  EXPECT_EQ(u8(ShubetuName("13", KindWidth::kLong)), "サラ系３歳以上　");
  EXPECT_EQ(u8(ShubetuName("18", KindWidth::kLong)), "サラ障害３歳以上");
  EXPECT_EQ(u8(ShubetuName("21", KindWidth::kShort)), "アラ２歳");
  EXPECT_EQ(u8(ShubetuName("99", KindWidth::kShort)), "　　　　");
  EXPECT_EQ(u8(GradeName("D")), "重賞 ");
  EXPECT_EQ(u8(GradeName(" ")), "　　 ");
  EXPECT_EQ(u8(IjoName("5")), "失格    ");
  EXPECT_EQ(u8(IjoName("7")), "降着　　");
  EXPECT_EQ(IjoName("0"), "        ");
}

TEST(CodeTables, TrackAndConditionCodesAreReadAsNumbers) {
  EXPECT_EQ(u8(TrackName("18", TrackForm::kLong)), "芝 右回り 外回り");
  EXPECT_EQ(u8(TrackName("18", TrackForm::kMedium)), "芝右外");
  EXPECT_EQ(u8(TrackName("51", TrackForm::kLong)), "障害 芝　襷");
  EXPECT_EQ(u8(TrackName("27", TrackForm::kMedium)), "ｻﾝﾄﾞ左");
  EXPECT_EQ(u8(TrackName("011", TrackForm::kMedium)), "芝左　");
  EXPECT_EQ(TrackName("30", TrackForm::kLong), "");
  EXPECT_EQ(TrackName("  ", TrackForm::kMedium), "");

  EXPECT_EQ(u8(JokenName("005")), "1勝ｸﾗｽ");
  EXPECT_EQ(u8(JokenName("999")), "オープン");
  EXPECT_EQ(JokenName("000"), "");
  EXPECT_EQ(u8(JokenLabel("13", "010")), "3歳上2勝ｸﾗｽ");
  EXPECT_EQ(u8(JokenLabel("11", "701")), "2歳新馬");
  EXPECT_EQ(u8(JokenLabel("14", "999")), "4歳上ｵｰﾌﾟﾝ");
  EXPECT_EQ(u8(JokenLabel("24", "703")), "未勝利");
  EXPECT_EQ(u8(JokenLabel("18", "000")), "障3歳上");
}

TEST(CodeTables, OneCharacterCodesAndTheirFallbacks) {
  EXPECT_EQ(u8(YoubiName("0")), "　");
  EXPECT_EQ(u8(YoubiName("2")), "日");
  EXPECT_EQ(u8(YoubiName("8")), "金");
  EXPECT_EQ(YoubiName("9"), "");
  EXPECT_EQ(u8(JuryoName("1")), "ﾊﾝﾃﾞ");
  EXPECT_EQ(JuryoName("01"), "");
  EXPECT_EQ(u8(TenkoName("4")), "小雨");
  EXPECT_EQ(u8(BabaName("2", Going::kTurf)), "芝:稍重");
  EXPECT_EQ(u8(BabaName("4", Going::kDirt)), "ダ:不良");
  EXPECT_EQ(BabaName("0", Going::kDirt), "");
  EXPECT_EQ(u8(SeibetuName("3")), "ｾﾝ");
  EXPECT_EQ(u8(KyakusituName("3")), "差");
  EXPECT_EQ(KyakusituName("0"), "  ");
  EXPECT_EQ(u8(MinaraiName("9")), "2kg減");
  EXPECT_EQ(u8(MinaraiName("0")), "　");
  EXPECT_EQ(u8(BlinkerMark("1")), "ﾌﾞﾘﾝ");
  EXPECT_EQ(BlinkerMark("0"), " ");
  EXPECT_EQ(u8(MaruMark("1")), "○");
  EXPECT_EQ(u8(MaruMark("")), "－");
}

}  // namespace
}  // namespace rv
