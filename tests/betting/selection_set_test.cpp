#include "betting/selection_set.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

std::string flags(int from, int to) {
  std::string f(18, '0');
  for (int r = from; r <= to; ++r) f[static_cast<std::size_t>(r - 1)] = '1';
  return f;
}

std::string none() {
  return std::string(18, '0');
}

TEST(SelectionSetLine, TheFirstBuiltInSetIsTheDocumentedLineByteForByte) {
  const std::string expected = flags(1, 3) + flags(1, 5) + none() + flags(1, 7) + none() +
                               "  10"
                               "1000"
                               "   1"
                               "1000"
                               "   1"
                               "1000"
                               "   0"
                               "1000"
                               "   0"
                               "1000"
                               "100101"
                               "      0"
                               "   1000"
                               "      0"
                               " 100000"
                               "      0"
                               "  10000"
                               "      0"
                               " 100000"
                               "      0"
                               " 100000"
                               "      0"
                               "1000000" +
                               sj("推奨設定") + std::string(12, ' ');
  ASSERT_EQ(expected.size(), 240u);
  EXPECT_EQ(SetLine(BuiltInSets().at(0)), expected);
}

TEST(SelectionSetLine, TheOtherBuiltInSetsFollowTheirTable) {
  const auto& sets = BuiltInSets();
  ASSERT_EQ(sets.size(), 6u);
  const char* names[] = {"推奨設定",     "１点買い設定(本命)", "１点買い設定(穴)",
                         "回収重視設定", "バランス設定",       "全頭買い設定"};
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const std::string line = SetLine(sets[i]);
    EXPECT_EQ(line.size(), kSetLineLen);
    EXPECT_EQ(trim(LineSetName(line)), sj(names[i]));
  }
  // "１点買い設定(本命)": axis 1, ヒモ1 2, ヒモ2 3-5, choice 2, the low bet filters.
  const std::string honmei = SetLine(sets[1]);
  EXPECT_EQ(honmei.substr(0, 90), flags(1, 1) + flags(2, 2) + none() + flags(3, 5) + none());
  EXPECT_EQ(honmei.substr(90, 46),
            "   11000   11000   11000   01000   01000"
            "200000");
  EXPECT_EQ(honmei.substr(136, 84),
            "      0   1000     10 100000      5  10000     20 100000     20 100000     50"
            "1000000");
  // "１点買い設定(穴)": ヒモ by mining rank from 0, choices 1/2/0, every exclusion box.
  EXPECT_EQ(SetLine(sets[2]).substr(90, 46),
            "   11000   01000   01000   01000   01000"
            "120111");
  EXPECT_EQ(SetLine(sets[3]).substr(90, 4), "  20");
  EXPECT_EQ(SetLine(sets[5]).substr(0, 90),
            flags(1, 18) + flags(1, 18) + none() + flags(1, 18) + none());
  EXPECT_EQ(sets[0].filter(BetType::kWide), (OddsRange{0, 10000}));
  EXPECT_EQ(sets[1].filter(BetType::kSanrentan), (OddsRange{50, 1000000}));
  EXPECT_EQ(sets[1].filter(BetType::kTansho), std::nullopt);
  EXPECT_TRUE(sets[0].ticked(RankList::kHimoM2, 7));
  EXPECT_FALSE(sets[0].ticked(RankList::kHimoM2, 8));
  EXPECT_TRUE(sets[0].odds(WinOddsRule::kJiku).contains(10.0));
  EXPECT_FALSE(sets[0].odds(WinOddsRule::kJiku).contains(9.9));
}

TEST(SelectionSetName, IsPaddedOrCutTo20BytesWithoutSplittingACharacter) {
  // Twelve full-width characters are 24 bytes: ten survive.
  EXPECT_EQ(SetNameField(sj("あいうえおかきくけこさし")), sj("あいうえおかきくけこ"));
  EXPECT_EQ(SetNameField("abc"), "abc" + std::string(17, ' '));
  // One byte then ten full-width characters: the tenth would straddle the end.
  EXPECT_EQ(SetNameField("a" + sj("あいうえおかきくけこ")), "a" + sj("あいうえおかきくけ") + " ");
  EXPECT_EQ(SetNameField("").size(), 20u);
  // A stored line whose trailing blanks were removed still names its set.
  std::string line = SetLine(BuiltInSets()[4]);
  const std::string name = LineSetName(line);
  line.erase(line.find_last_not_of(' ') + 1);
  EXPECT_EQ(LineSetName(line), name);
  EXPECT_TRUE(IsSetLine(line));
  EXPECT_FALSE(IsSetLine(line.substr(0, 220)));
  EXPECT_FALSE(IsSetLine(line.substr(0, 220) + "    "));
  EXPECT_FALSE(IsSetLine(""));
}

}  // namespace
}  // namespace rv
