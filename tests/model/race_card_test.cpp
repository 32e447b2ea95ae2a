#include "model/race_card.h"

#include <gtest/gtest.h>

#include "jvdata/keiba_func.h"
#include "model/card_day.h"
#include "model/card_sort.h"

namespace rv {
namespace {

using jvfeed::Kind;
using testing::CardDay;
using testing::u8;

TEST(RaceCardHeader, LabelsOfAGradedTurfRace) {
  CardDay d;
  const auto key = d.race(0, 11, 16, {.distance = 2500, .grade = 'A', .name = "有馬記念"});
  jvfeed::Record ra = jvfeed::ra(key, {.distance = 2500, .grade = 'A', .name = "有馬記念"});
  ra.set("Nkai", 71).set("NyusenTosu", 15).set("TenkoCD", 1).set("SibaBabaCD", 2);
  ra.set("DirtBabaCD", 3).set("Fukasyokin", 1, 1500).set("CourseKubunCD", "A ");
  d.put_race(0, ra);
  d.day().O1Data[0].assign(jvfeed::odds(Kind::O1, key, 16, '1', "12061532").str());

  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);

  EXPECT_EQ(u8(card.Label1.text()),
            "2026年12月06日(日)中山05回02日11R   15.40発走  晴　芝:稍重　ダ:重");
  EXPECT_EQ(card.Label2.text(), sj("第71回 ") + jvfeed::wide_text("有馬記念", 60));
  EXPECT_EQ(
      u8(card.Label3.text()),
      "16頭[入線:15頭] 2500ﾒｰﾄﾙ 芝 右回り(A) G1    サラ系３歳以上　 (混合)[指定]　　　　　　");
  EXPECT_EQ(u8(card.Label4.text()), "定量 3歳上1勝ｸﾗｽ");
  EXPECT_EQ(u8(card.Label6.text()),
            "【本 賞 金】1着:   80000/2着:   32000/3着:   20000/4着:   12000/5着:    8000");
  EXPECT_EQ(u8(card.Label7.text()),
            "【付加賞金】1着:    1500/2着:        /3着:        　　　　　　　　(単位：百円)");
  EXPECT_EQ(u8(card.BashoLabel.text()), "中山");
  EXPECT_EQ(card.RaceLabel.text(), "11");
  EXPECT_EQ(card.Panel3.color(), colors::kGreen);
  EXPECT_EQ(card.TFWtimeLabel.text(), "15:32");
  EXPECT_EQ(d.on_screen.slot(), 0);
}

TEST(RaceCardHeader, UngradedDirtAndJumpRacesAndAMissingEdition) {
  CardDay d;
  d.race(0, 1, 10, {.track = 24});
  d.race(1, 2, 10, {.track = 54});
  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  EXPECT_EQ(card.Panel3.color(), colors::kMaroon);
  // No edition: only the (blank) race name; no odds record: the blank time fields.
  EXPECT_EQ(card.Label2.text(), jvfeed::wide_text("", 60));
  EXPECT_EQ(card.TFWtimeLabel.text(), "  :  ");
  EXPECT_EQ(card.RaceLabel.text(), "1");
  ShowRace(d.day(), 1, card, d.on_screen);
  EXPECT_EQ(card.Panel3.color(), colors::kMaroon);
  EXPECT_EQ(d.on_screen.slot(), 1);
}

TEST(RaceCard, EveryGridHasOneRowPerRegisteredRunnerAndNoLeftovers) {
  CardDay d;
  d.race(0, 1, 16);
  const auto key = d.race(1, 2, 8);
  // A stray record beyond the registered runners is not shown.
  d.put_runner(1, jvfeed::se(key, {.horse = 9, .runners = 8, .name = "ハミダシ"}));
  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  EXPECT_EQ(card.StringGrid6.row_count(), 17);
  card.StringGrid8.set(16, 8, sj("◎"));
  card.StringGrid4.set(3, 2, "x");

  ShowRace(d.day(), 1, card, d.on_screen);
  for (const Grid* g :
       {&card.StringGrid6, &card.StringGrid26, &card.StringGrid8, &card.StringGrid4}) {
    EXPECT_EQ(g->row_count(), 9);
    EXPECT_TRUE(g->visible());
  }
  EXPECT_EQ(card.StringGrid4.cell(3, 2), "");
  EXPECT_EQ(card.StringGrid26.cell(8, 1), " 8");
  EXPECT_EQ(u8(card.StringGrid6.cell(0, 2)), "馬名/騎手/斤量/性齢");

  // Back to 16 runners: the rows that come back hold this race, not the earlier marks.
  ShowRace(d.day(), 0, card, d.on_screen);
  EXPECT_EQ(card.StringGrid8.cell(16, 8), "");
  EXPECT_EQ(card.StringGrid8.cell(16, 1), "16");
}

TEST(RaceCard, RaceWithoutHorseDataIsRecognisedAndNamed) {
  CardDay d;
  d.race(0, 5, 12);
  jvfeed::Record ra = jvfeed::ra(jvfeed::key(20261206, 6, 7), {.runners = 12});
  d.put_race(1, ra);  // runner records left blank
  EXPECT_TRUE(RaceHasHorses(d.day(), 0));
  EXPECT_FALSE(RaceHasHorses(d.day(), 1));
  EXPECT_FALSE(RaceHasHorses(d.day(), 36));
  EXPECT_EQ(u8(NoHorseDataMessage(d.day(), 1)), "7レースはデータが不十分です。");
}

TEST(RaceCard, ResultsCardTextsFavouriteAndOddsByPopularity) {
  CardDay d;
  const auto key = d.race(0, 11, 12);
  jvfeed::Record se = jvfeed::se(key, {.horse = 3,
                                       .runners = 12,
                                       .name = "サンバン",
                                       .jockey = "武豊",
                                       .trainer = "藤沢",
                                       .finish = 3,
                                       .popularity = 1,
                                       .odds_tenths = 25});
  se.set("Time", 1345).set("HaronTimeL3", 345).set("Blinker", 1).set("MinaraiCD", 3);
  d.put_runner(0, se);
  for (int h = 1; h <= 12; ++h) d.odds(0, h, 1.5 + h, h);
  d.odds(0, 3, 2.4, 1);
  d.odds(0, 1, 2.5, 3);

  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  const Grid& g = card.StringGrid6;
  EXPECT_EQ(g.cell(3, 0), "3");
  EXPECT_EQ(g.cell(3, 1), " 3");
  EXPECT_EQ(g.cell(3, 2), jvfeed::wide_text("サンバン", 36));
  EXPECT_EQ(g.cell(3, 3), jvfeed::wide_text("藤沢", 8));
  EXPECT_EQ(u8(g.cell(3, 4)), "ﾌﾞﾘﾝ");
  EXPECT_EQ(u8(g.cell(3, 5)), "3kg減");
  EXPECT_EQ(g.cell(3, 6), " 3");
  EXPECT_EQ(g.cell(3, 7), " 1");
  EXPECT_EQ(g.cell(3, 8), "1.34.5");
  EXPECT_EQ(g.cell(3, 9), "34.5");
  EXPECT_EQ(g.cell(1, 6), "  ");  // no result yet
  EXPECT_EQ(g.cell(1, 10), "");   // columns 10-13 are drawn, not held
  EXPECT_EQ(card.Tan1Label.text(), "   2.4");
  EXPECT_DOUBLE_EQ(d.day().WinOddsByNinki[1], 2.4);
  EXPECT_DOUBLE_EQ(d.day().WinOddsByNinki[3], 2.5);
  EXPECT_DOUBLE_EQ(d.day().WinOddsByNinki[10], 11.5);

  // A race without odds must not show the other race's favourite.
  d.race(1, 12, 12);
  ShowRace(d.day(), 1, card, d.on_screen);
  EXPECT_EQ(card.Tan1Label.text(), "");
  EXPECT_DOUBLE_EQ(d.day().WinOddsByNinki[1], 0.0);
}

TEST(RaceCard, EntryCardAndRunnerGridFormats) {
  CardDay d;
  const auto key = d.race(0, 11, 16);
  jvfeed::Record se = jvfeed::se(key, {.horse = 5,
                                       .runners = 16,
                                       .name = "ゴバン",
                                       .jockey = "ルメール",
                                       .finish = 2,
                                       .popularity = 4,
                                       .odds_tenths = 123});
  se.set("SexCD", 2).set("Barei", 3).set("Futan", 550);
  d.put_runner(0, se);
  d.odds(0, 5, 12.3, 4, 2.1, 3.5, 5, 6);
  d.odds(0, 6, -1.0, 0, -1.0, -1.0);  // withdrawn
  RaceWork& w = d.work(0);
  w.DmTime[4] = 13456;
  w.DmGosaPlus[4] = 123;
  w.DmGosaMinus[4] = 45;
  w.DmRank[4] = 2;

  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  const Grid& g = card.StringGrid26;
  ASSERT_EQ(g.col_count(), 19);
  const char* const row5[] = {" 3",    " 5",    nullptr, "牝 3",  nullptr, "55.0",    " 12.3",
                              " 4",    "  2.1", " 5",    "  3.5", " 6",    "1.34.56", "+1.23",
                              "-0.45", " 2",    "02",    "04",    " 12.3"};
  for (int c = 0; c < 19; ++c) {
    if (row5[c] != nullptr) {
      EXPECT_EQ(u8(g.cell(5, c)), row5[c]) << "column " << c;
    }
  }
  EXPECT_EQ(g.cell(5, 2), jvfeed::wide_text("ゴバン", 36));
  EXPECT_EQ(g.cell(5, 4), jvfeed::wide_text("ルメール", 8));
  // Nothing known: blanks of the column's width, full-width blanks for ranks.
  const char* const row6[] = {"     ",  "　",     "     ", "　", "     ", "　",   "",
                              "      ", "      ", "　",    "　", "　",    "     "};
  const int cols6[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(u8(g.cell(6, cols6[i])), row6[i]) << cols6[i];

  const Grid& g8 = card.StringGrid8;
  const char* const row5_8[] = {" 3", " 5", " 12.3", " 4", "  2.1", " 5", "1.34.56",
                                " 2", "",   "",      "",   "",      "02", "04"};
  for (int c = 0; c < 14; ++c) EXPECT_EQ(u8(g8.cell(5, c)), row5_8[c]) << "column " << c;
}

}  // namespace
}  // namespace rv
