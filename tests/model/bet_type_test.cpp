#include "model/bet_type.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

TEST(BetTypeNames, NamesTabSpellingsAndLookUpByNameOrPosition) {
  EXPECT_EQ(to_utf8(BetTypeName(BetType::kSanrenpuku)), "３連複");
  EXPECT_EQ(to_utf8(BetTypeTabName(BetType::kSanrenpuku)), "三連複");
  EXPECT_EQ(to_utf8(BetTypeTabName(BetType::kWide)), "ワイド");
  EXPECT_EQ(BetTypeFromText(sj("３連単")), BetType::kSanrentan);
  EXPECT_EQ(BetTypeFromText(sj(" 三連複 ")), BetType::kSanrenpuku);
  EXPECT_EQ(BetTypeFromText("4"), BetType::kWide);
  EXPECT_EQ(BetTypeFromText("8"), std::nullopt);
  EXPECT_EQ(BetTypeFromText("-1"), std::nullopt);
  EXPECT_EQ(BetTypeFromText(sj("三連")), std::nullopt);
  EXPECT_EQ(bet_type_at(7), BetType::kSanrentan);
  EXPECT_EQ(horses_per_bet(BetType::kWakuren), 2);
  EXPECT_EQ(horses_per_bet(BetType::kFukusho), 1);
  EXPECT_EQ(horses_per_bet(BetType::kSanrentan), 3);
}

}  // namespace
}  // namespace rv
