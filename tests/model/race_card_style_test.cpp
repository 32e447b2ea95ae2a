#include "model/race_card_style.h"

#include <gtest/gtest.h>

#include "common/grid_cells.h"
#include "model/card_day.h"

namespace rv {
namespace {

using testing::CardDay;
using testing::u8;

// The run drawn on a line of a cell; fails the test when there is none.
const CellRun& on_line(const CellStyle& s, int line, std::size_t nth = 0) {
  for (const CellRun& r : s.runs) {
    if (r.line == line && nth-- == 0) return r;
  }
  static const CellRun kNone{"<none>"};
  ADD_FAILURE() << "no run on line " << line;
  return kNone;
}

class ResultsCardDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    key_ = d_.race(0, 11, 16);
    ShowRace(d_.day(), 0, card_, d_.on_screen);
  }
  CellStyle cell(int row, int col) {
    return StringGrid6DrawCell(d_.day(), d_.on_screen.slot(), true, row, col);
  }
  void runner(const jvfeed::Record& se) {
    d_.put_runner(0, se);
    ShowRace(d_.day(), 0, card_, d_.on_screen);
  }

  CardDay d_;
  jvfeed::RaceKey key_;
  RaceCardControls card_;
};

TEST_F(ResultsCardDrawing, FavouriteThatFinishedThirdShowsRedPopularityAndBlueFinish) {
  jvfeed::Record se = jvfeed::se(
      key_, {.horse = 2, .runners = 16, .finish = 3, .popularity = 1, .odds_tenths = 31});
  se.set("Jyuni1c", 1).set("Jyuni2c", 2).set("Jyuni3c", 5).set("Jyuni4c", 0);
  runner(se);
  const CellStyle pos = cell(2, 6);
  EXPECT_TRUE(pos.two_lines);
  EXPECT_EQ(u8(on_line(pos, 0).text), "入: 3");
  EXPECT_EQ(u8(on_line(pos, 1).text), "確: 3");
  EXPECT_EQ(on_line(pos, 1).color, colors::kBlue);
  const CellStyle pop = cell(2, 7);
  EXPECT_EQ(u8(on_line(pop, 0).text), "人気:   1");
  EXPECT_EQ(on_line(pop, 0).color, colors::kRed);
  EXPECT_EQ(u8(on_line(pop, 1).text), "ｵｯｽﾞ:  3.1");
  EXPECT_EQ(on_line(pop, 1).color, colors::kBlack);
  // Corner positions: each number in its own colour, a missing corner as two blanks.
  const CellStyle corners = cell(2, 10);
  std::vector<std::string> texts;
  for (const CellRun& r : corners.runs) texts.push_back(r.text);
  EXPECT_EQ(texts, (std::vector<std::string>{" 1", "-", " 2", "-", " 5", "-", "  "}));
  EXPECT_EQ(corners.runs[0].color, colors::kRed);
  EXPECT_EQ(corners.runs[2].color, colors::kBlue);
  EXPECT_EQ(corners.runs[4].color, colors::kBlack);
  EXPECT_EQ(corners.runs[2].x - corners.runs[0].x, 18);
}

TEST_F(ResultsCardDrawing, HorseWithoutResultsDrawsSingleBlanks) {
  const CellStyle pos = cell(1, 6);
  EXPECT_EQ(on_line(pos, 0).text, " ");
  EXPECT_EQ(on_line(pos, 1).text, " ");
  EXPECT_EQ(on_line(cell(1, 7), 0).text, " ");
  EXPECT_EQ(on_line(cell(1, 7), 1).text, " ");
  EXPECT_EQ(on_line(cell(1, 9), 1).text, " ");
  // No time, so no time difference line.
  EXPECT_EQ(cell(1, 8).runs.size(), 1U);
  EXPECT_EQ(on_line(cell(1, 12), 0).text, std::string(8, ' '));
}

TEST_F(ResultsCardDrawing, BracketsChaseMarkAndBackgrounds) {
  // Sixteen runners: horses 15 and 16 are in bracket 8, horse 1 in bracket 1, 9 in 5.
  EXPECT_EQ(cell(16, 0).background, 0xFF00FFu);
  EXPECT_EQ(cell(16, 0).runs[0].color, colors::kWhite);
  EXPECT_EQ(cell(16, 0).runs[0].text, "8");
  EXPECT_EQ(cell(1, 0).runs[0].color, colors::kBlack);
  EXPECT_EQ(cell(9, 0).background, colors::kYellow);
  EXPECT_EQ(cell(9, 0).runs[0].color, colors::kBlack);
  EXPECT_TRUE(cell(9, 0).bold);
  EXPECT_EQ(cell(9, 0).size, 10);
  EXPECT_EQ(BracketColorsOf(7).background, 0xFF8000u);
  EXPECT_EQ(BracketColorsOf(2).background, 0x808080u);
  EXPECT_EQ(BracketColorsOf(6).background, 0x00FF00u);

  EXPECT_EQ(cell(4, 1).background, colors::kInfoBk);
  d_.work(0).ChaseMark[3] = 1;
  EXPECT_EQ(cell(4, 1).background, colors::kRed);
  EXPECT_EQ(cell(4, 1).runs[0].text, " 4");
  EXPECT_EQ(cell(4, 2).background, colors::kInfoBk);
  for (int c = 3; c <= 13; ++c) EXPECT_EQ(cell(4, c).background, colors::kWhite) << c;
  EXPECT_EQ(cell(0, 3).background, colors::kBtnFace);
  // With no race listed the card draws its texts plainly.
  EXPECT_TRUE(StringGrid6DrawCell(d_.day(), d_.on_screen.slot(), false, 4, 1).runs.empty());
}

TEST_F(ResultsCardDrawing, NameJockeyAndMarksAsTheRecordHoldsThem) {
  jvfeed::Record se = jvfeed::se(
      key_, {.horse = 1, .runners = 16, .name = "イチバン", .jockey = "武豊", .trainer = "藤沢"});
  se.set("KyakusituKubun", 2).set("Futan", 565).set("SexCD", 3).set("Barei", 5);
  se.set("Blinker", 1).set("IJyoCD", 4).set("Time", 1345).set("TimeDiff", "+005");
  se.set("HaronTimeL3", 352).set("Honsyokin", 5000).set("BaTaijyu", 486);
  se.set("ZogenFugo", "-").set("ZogenSa", 4);
  runner(se);
  const CellStyle name = cell(1, 2);
  EXPECT_EQ(u8(on_line(name, 0).text), "イチバン");
  EXPECT_TRUE(on_line(name, 0).bold);
  EXPECT_EQ(u8(on_line(name, 0, 1).text), "先");
  EXPECT_EQ(on_line(name, 0, 1).anchor, CellRun::Anchor::kFromRight);
  EXPECT_EQ(on_line(name, 0, 1).x, 20);
  EXPECT_EQ(on_line(name, 0, 1).size, 8);
  EXPECT_EQ(u8(on_line(name, 1).text), "武豊　　 56.5kg");
  EXPECT_EQ(u8(on_line(name, 1, 1).text), "ｾﾝ 5");
  EXPECT_EQ(on_line(name, 1, 1).x, 50);
  EXPECT_EQ(u8(cell(1, 3).runs[0].text), "藤沢");
  // The blinker column draws the round mark although the cell holds the word.
  EXPECT_EQ(u8(cell(1, 4).runs[0].text), "○");
  EXPECT_EQ(u8(cell(2, 4).runs[0].text), "－");
  EXPECT_EQ(u8(cell(1, 13).runs[0].text), "競争中止");
  EXPECT_EQ(on_line(cell(1, 8), 0).text, "1.34.5");
  EXPECT_EQ(on_line(cell(1, 8), 1).text, "+ 0.5");
  EXPECT_EQ(u8(on_line(cell(1, 9), 1).text), "後= 35.2");
  EXPECT_EQ(u8(on_line(cell(1, 12), 0).text), "  500.0千円");
  EXPECT_EQ(on_line(cell(1, 12), 1).text, std::string(8, ' '));
  EXPECT_EQ(on_line(cell(1, 11), 0).text, "486kg");
  EXPECT_EQ(on_line(cell(1, 11), 1).text, "(-4)");
}

TEST_F(ResultsCardDrawing, JumpRaceLastFurlongAndWeightStates) {
  d_.race(1, 4, 8, {.track = 54});
  jvfeed::Record se = jvfeed::se(jvfeed::key(20261206, 6, 4), {.horse = 1, .runners = 8});
  se.set("HaronTimeL3", 131).set("BaTaijyu", 0);
  d_.put_runner(1, se);
  jvfeed::Record first = jvfeed::se(jvfeed::key(20261206, 6, 4), {.horse = 2, .runners = 8});
  first.set("ZogenSa", "   ");  // a first start has no change
  d_.put_runner(1, first);
  ShowRace(d_.day(), 1, card_, d_.on_screen);
  EXPECT_EQ(u8(on_line(cell(1, 9), 1).text), "1F= 13.1");
  EXPECT_TRUE(cell(1, 11).runs.empty());
  ASSERT_EQ(cell(2, 11).runs.size(), 1U);
  EXPECT_EQ(cell(2, 11).runs[0].text, "480kg");
  // Rows beyond the race's runners draw nothing of their own.
  EXPECT_TRUE(cell(12, 2).runs.empty());
}

TEST(EntryCardDrawing, ColumnGroupsRanksAndWatchedJockeys) {
  CardDay d;
  const auto key = d.race(0, 11, 12);
  d.put_runner(0, jvfeed::se(key, {.horse = 1, .runners = 12, .jockey = "武豊"}));
  d.put_runner(0, jvfeed::se(key, {.horse = 2, .runners = 12, .jockey = "横山武史"}));
  for (int h = 1; h <= 12; ++h) d.odds(0, h, 2.0 * h, h);
  RaceCardControls card;
  ShowRace(d.day(), 0, card, d.on_screen);
  // One name written without its padding, one with: both are watched.
  const std::vector<std::string> watched = {sj("武豊"), jvfeed::wide_text("横山武史", 8)};
  const Grid& g = card.StringGrid26;
  const auto at = [&](int row, int col) { return StringGrid26DrawCell(g, row, col, watched); };
  EXPECT_EQ(at(0, 5).background, colors::kSilver);
  EXPECT_EQ(at(1, 4).background, colors::kAqua);
  EXPECT_EQ(at(2, 4).background, colors::kAqua);
  EXPECT_EQ(at(3, 4).background, colors::kInfoBk);
  EXPECT_EQ(at(3, 1).background, colors::kInfoBk);
  EXPECT_EQ(at(3, 2).background, colors::kWhite);
  EXPECT_EQ(at(3, 2).align, Align::kLeft);
  EXPECT_EQ(at(3, 3).align, Align::kCenter);
  EXPECT_EQ(at(1, 7).text, colors::kRed);
  EXPECT_TRUE(at(1, 7).bold);
  EXPECT_EQ(at(3, 7).text, colors::kBlue);
  EXPECT_EQ(at(4, 7).text, colors::kBlack);
  EXPECT_EQ(at(1, 6).text, colors::kBlack);
  EXPECT_FALSE(at(1, 6).bold);
  EXPECT_EQ(at(1, 6).background, 0xFFFF80u);
  EXPECT_EQ(at(1, 12).background, 0xFFB5FFu);
  EXPECT_EQ(at(1, 18).background, 0xA2FFFFu);
  EXPECT_EQ(at(12, 0).background, 0xFF00FFu);  // bracket 8 of a 12-runner field
}

TEST(RunnerGridDrawing, RankColoursIncludeGreenForThird) {
  Grid g(14, 4);
  testing::set_cells(g, {{1, 0, " 4"}, {1, 3, " 1"}, {2, 3, " 2"}, {3, 3, " 3"}, {3, 13, "03"}});
  EXPECT_EQ(StringGrid8DrawCell(g, 0, 4).background, colors::kAqua);
  EXPECT_EQ(StringGrid8DrawCell(g, 1, 0).background, colors::kBlue);
  EXPECT_EQ(StringGrid8DrawCell(g, 1, 1).background, colors::kCream);
  EXPECT_EQ(StringGrid8DrawCell(g, 1, 3).text, colors::kRed);
  EXPECT_EQ(StringGrid8DrawCell(g, 2, 3).text, colors::kBlue);
  EXPECT_EQ(StringGrid8DrawCell(g, 3, 3).text, colors::kGreen);
  EXPECT_EQ(StringGrid8DrawCell(g, 3, 13).text, colors::kGreen);
  EXPECT_FALSE(StringGrid8DrawCell(g, 1, 2).bold);
  EXPECT_TRUE(StringGrid8DrawCell(g, 1, 8).bold);
  EXPECT_EQ(StringGrid8DrawCell(g, 1, 9).align, Align::kCenter);
}

TEST(RaceCardStyles, BoundGridsDrawThroughTheDayAndTheLists) {
  CardDay d;
  d.race(0, 1, 8);
  RaceCardControls card;
  ListControl DatList;
  std::vector<std::string> watched;
  BindRaceCardStyles(card, d.day(), d.on_screen, DatList, watched);
  ShowRace(d.day(), 0, card, d.on_screen);
  EXPECT_TRUE(card.StringGrid6.style(1, 0).runs.empty());  // nothing listed yet
  DatList.add("x");
  EXPECT_EQ(card.StringGrid6.style(1, 0).runs[0].text, "1");
  EXPECT_EQ(card.StringGrid26.style(0, 0).background, colors::kSilver);
  EXPECT_EQ(card.StringGrid8.style(0, 0).background, colors::kAqua);
}

}  // namespace
}  // namespace rv
