#include "model/payouts.h"

#include <gtest/gtest.h>

#include "day_fixture.h"
#include "model/mining.h"

namespace rv {
namespace {

using jvfeed::Bet;
using testing::kNakayama;
using testing::kYmd;

class PayoutsTest : public testing::DayFixture {
 protected:
  static jvfeed::RaceKey key(int race) { return jvfeed::key(kYmd, kNakayama, race); }
  bool read_payouts(bool race_selected = true) {
    flush();
    return ReadPayouts(*day, on_screen.slot(), sj(testing::kDate), race_selected);
  }
  const RaceWork& work(int slot) { return day->Work[static_cast<std::size_t>(slot)]; }
};

TEST_F(PayoutsTest, DeadHeatAndSevenRunnerRaceFillEntriesResultsAndTables) {
  race(kNakayama, 1, {.runners = 7});
  put(jvfeed::se(key(1), {.data_kind = '7',
                          .horse = 3,
                          .runners = 7,
                          .finish = 1,
                          .popularity = 2,
                          .odds_tenths = 45}));
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  auto hr = jvfeed::hr(key(1), 7);
  hr.pay(Bet::Win, 1, {3}, 250, 2).pay(Bet::Win, 2, {5}, 310, 3);  // a dead heat for 1st
  hr.pay(Bet::Place, 1, {3}, 120, 1).pay(Bet::Place, 2, {5}, 140, 3);
  hr.pay(Bet::Bracket, 1, {3, 5}, 900, 4);
  hr.pay(Bet::Quinella, 1, {3, 5}, 1050, 5);
  hr.pay(Bet::Exacta, 1, {3, 5}, 2000, 7).pay(Bet::Exacta, 2, {5, 3}, 2100, 8);
  hr.pay(Bet::Trio, 1, {1, 3, 5}, 5000, 10);
  hr.pay(Bet::Trifecta, 1, {3, 5, 1}, 30000, 55);
  put(hr);
  read_payouts();

  const RaceWork& w = work(0);
  EXPECT_EQ(w.ResultJyuni[2], 1);  // from the runner record
  EXPECT_EQ(w.ResultNinki[2], 2);
  EXPECT_DOUBLE_EQ(w.ResultOdds[2], 4.5);
  EXPECT_EQ((std::array<int, 9>{0, 3, 5, 0, 3, 5, 0, 0, 0}), w.PayUmaban);
  EXPECT_EQ(w.PayAmount[2], 310);
  EXPECT_EQ(w.PayNinki[5], 3);
  EXPECT_EQ(w.PayAmount[6], 0);  // a third place entry does not exist in a field of 7
  EXPECT_EQ(w.PayKumi[9], " 3- 5");
  EXPECT_EQ(w.PayKumi[12], " 3- 5");
  EXPECT_EQ(w.PayKumi[13], "");
  EXPECT_EQ(w.PayKumi[23], " 5- 3");
  EXPECT_EQ(w.PayKumi[28], " 1- 3- 5");
  EXPECT_EQ(w.PayKumi[31], " 3- 5- 1");
  EXPECT_EQ(w.PayNinki[31], 55);
  EXPECT_EQ(w.HrLoaded, 1);
  // The place payouts put the placed horses' positions into the runner records in memory.
  EXPECT_EQ(day->SeData[0][2].field(335, 2), "01");
  EXPECT_EQ(day->SeData[0][4].field(335, 2), "02");
  EXPECT_EQ(day->SeData[0][0].field(335, 2), "00");

  // The results tab: unused entries leave their columns empty.
  const auto& t = day->Payouts.table[0];
  EXPECT_EQ(t[0][0].kumi, " 3");
  EXPECT_EQ(t[0][1].kumi, " 5");
  EXPECT_EQ(t[0][1].pay, 310);
  EXPECT_EQ(t[0][2].kumi, "");
  EXPECT_EQ(t[1][2].kumi, "");
  EXPECT_EQ(t[2][0].kumi, " 3- 5");
  EXPECT_EQ(t[5][1].kumi, " 5- 3");
  EXPECT_EQ(t[5][2].kumi, "");
  EXPECT_EQ(t[7][0].kumi, " 3- 5- 1");
  EXPECT_EQ(t[7][0].ninki, 55);
}

TEST_F(PayoutsTest, RedisplayOnlyForTheRaceOnScreenAndOnlyOnce) {
  race(kNakayama, 1, {.runners = 8});
  race(kNakayama, 2, {.runners = 8});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  on_screen.set(1);

  put(jvfeed::hr(key(1), 8).pay(Bet::Win, 1, {1}, 200, 1));
  EXPECT_FALSE(read_payouts());  // another race's payouts
  EXPECT_EQ(work(0).HrLoaded, 1);
  EXPECT_EQ(work(1).HrLoaded, 0);

  put(jvfeed::hr(key(2), 8).pay(Bet::Win, 1, {4}, 900, 5));
  EXPECT_TRUE(read_payouts());
  EXPECT_TRUE(work(1).NewPayouts);
  EXPECT_FALSE(read_payouts());  // already shown
  EXPECT_FALSE(work(1).NewPayouts);
  EXPECT_EQ(work(1).PayUmaban[1], 4);
}

TEST_F(PayoutsTest, NewPayoutsWithoutASelectedRaceAskForNoRedisplay) {
  race(kNakayama, 1, {.runners = 8});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  put(jvfeed::hr(key(1), 8).pay(Bet::Win, 1, {1}, 200, 1));
  EXPECT_FALSE(read_payouts(false));
  EXPECT_TRUE(work(0).NewPayouts);
}

TEST_F(PayoutsTest, RereadsRunnersSoResultsThatArrivedAfterTheLoadCount) {
  race(kNakayama, 1, {.runners = 4, .se_kind = '2'});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  put(jvfeed::se(key(1), {.data_kind = '7', .horse = 2, .runners = 4, .finish = 1}));
  read_payouts();
  EXPECT_EQ(work(0).ResultJyuni[1], 1);
  EXPECT_EQ(day->SeData[0][1].field(3, 1), "7");
  // Without a payout file the payout entries are left as they were.
  EXPECT_EQ(work(0).HrLoaded, 0);
}

TEST_F(PayoutsTest, MiningPredictionsRankWithTheRunnerRecordWinning) {
  race(kNakayama, 1, {.runners = 5});
  auto se1 = jvfeed::se(key(1), {.data_kind = '7', .horse = 1, .runners = 5});
  se1.set("DMTime", 13300).set("DMGosaP", 20).set("DMGosaM", 10);
  put(se1);
  auto se2 = jvfeed::se(key(1), {.data_kind = '7', .horse = 2, .runners = 5});
  se2.set("DMTime", 99999);  // not a prediction
  put(se2);
  auto dm = jvfeed::dm(key(1), 5);
  dm.predict(1, 13456, 50, 30).predict(2, 13400, 40, 40).predict(3, 13400, 10, 10);
  dm.predict(5, 13500, 0, 0);
  put(dm);
  put(jvfeed::dm(jvfeed::key(20261213, kNakayama, 1), 5).predict(4, 10000, 0, 0));  // other day
  ASSERT_EQ(load(), DayLoadResult::kLoaded);

  const RaceWork& w = work(0);
  EXPECT_EQ(w.DmTime[0], 13300);
  EXPECT_EQ(w.DmGosaPlus[0], 20);
  EXPECT_EQ(w.DmGosaMinus[0], 10);
  EXPECT_EQ(w.DmTime[1], 13400);
  EXPECT_EQ(w.DmGosaPlus[1], 40);
  EXPECT_EQ(w.DmTime[3], 0);
  // Fastest first; the tie of horses 2 and 3 goes to the lower position.
  EXPECT_EQ((std::array<int, 5>{w.DmRank[0], w.DmRank[1], w.DmRank[2], w.DmRank[3], w.DmRank[4]}),
            (std::array<int, 5>{1, 2, 3, 0, 4}));
  EXPECT_EQ(day->DmData[0].field(1, 2), "DM");
  EXPECT_EQ(day->DmData[1].view(), std::string(DmRecord::kSize, ' '));
}

}  // namespace
}  // namespace rv
