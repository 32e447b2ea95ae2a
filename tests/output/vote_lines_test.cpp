// The lines of the voting files, byte for byte, and what a table must hold to give them.
#include "output/vote_lines.h"

#include <gtest/gtest.h>

#include "output/vote_fixture.h"

namespace rv {
namespace {

using testing::fill;
using testing::tokyo_ra;

VoteRace tokyo(int race = 11) {
  return *VoteRace::FromRa(tokyo_ra(race));
}

std::vector<std::string> lines_of(VoteFileKind kind, const BetTable& table) {
  const VoteLines v = BuildVoteLines(kind, tokyo(), table);
  EXPECT_EQ(v.problem, "");
  return v.lines;
}

TEST(VoteLines, TheWorkedExampleOfBothFiles) {
  const VoteRace race = tokyo();
  EXPECT_EQ(race.file_stem(), "090510");
  EXPECT_EQ(BetFileHeader(race), sj("東京 09年  5月 10日  2回  6日 "));

  BetTable umaren(BetType::kUmaren);
  fill(umaren, {{" 1- 5"}});
  EXPECT_EQ(lines_of(VoteFileKind::kBetFile, umaren),
            std::vector<std::string>{sj("11R 馬連 01-05    300")});
  EXPECT_EQ(lines_of(VoteFileKind::kPlugin, umaren),
            std::vector<std::string>{"20090510,05,11,UMAFUKU,NORMAL,300,01-05,"});
}

TEST(VoteLines, NarrowFormsOfTheHeaderAndTheRaceNumber) {
  const VoteRace race = *VoteRace::FromRa(
      testing::tokyo_ra().replace(11, 16, "2010120107120103"));  // 中京 12/01, 12回 1日 3R
  EXPECT_EQ(BetFileHeader(race), sj("中京 10年 12月  1日 12回  1日 "));
  const Kumi kumi{{7, 0, 0}, 1};
  EXPECT_EQ(BetFileLine(race, BetType::kTansho, kumi, " 7", "  1000"), sj(" 3R 単勝  7   1000"));
  EXPECT_EQ(PluginLine(race, BetType::kTansho, kumi, "  1000"),
            "20101201,07,03,TAN,NORMAL,1000,07,");
}

// Single horses keep the cell's own form in the .BET file and take a zero in the order file;
// brackets take zeros in the .BET file and none in the order file.
TEST(VoteLines, NumberFormsOfEachBetType) {
  struct Case {
    BetType type;
    const char* cell;
    const char* bet_file;
    const char* plugin;
  };
  const Case cases[] = {
      {BetType::kTansho, " 5", "11R 単勝  5    300", "20090510,05,11,TAN,NORMAL,300,05,"},
      {BetType::kFukusho, "12", "11R 複勝 12    300", "20090510,05,11,FUKU,NORMAL,300,12,"},
      {BetType::kWakuren, " 1- 5", "11R 枠連 01-05    300", "20090510,05,11,WAKU,NORMAL,300,1-5,"},
      {BetType::kWide, " 3-14", "11R ワイド 03-14    300", "20090510,05,11,WIDE,NORMAL,300,03-14,"},
      {BetType::kUmatan, "14- 3", "11R 馬単 14-03    300",
       "20090510,05,11,UMATAN,NORMAL,300,14-03,"},
      {BetType::kSanrenpuku, " 1- 5- 7", "11R ３連複 01-05-07    300",
       "20090510,05,11,SANFUKU,NORMAL,300,01-05-07,"},
      {BetType::kSanrentan, "18- 1-16", "11R ３連単 18-01-16    300",
       "20090510,05,11,SANTAN,NORMAL,300,18-01-16,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    BetTable table(c.type);
    fill(table, {{c.cell}});
    EXPECT_EQ(lines_of(VoteFileKind::kBetFile, table), std::vector<std::string>{sj(c.bet_file)});
    EXPECT_EQ(lines_of(VoteFileKind::kPlugin, table), std::vector<std::string>{c.plugin});
  }
}

// The .BET file keeps the amount cell as it stands; the order file trims it.
TEST(VoteLines, AmountKeepsItsBlanksOnlyInTheBetFile) {
  BetTable table(BetType::kUmaren);
  fill(table, {{" 1- 5", "   300"}, {" 2- 5", "  1200"}, {" 3- 5", "500"}});
  EXPECT_EQ(lines_of(VoteFileKind::kBetFile, table),
            (std::vector<std::string>{sj("11R 馬連 01-05    300"), sj("11R 馬連 02-05   1200"),
                                      sj("11R 馬連 03-05 500")}));
  EXPECT_EQ(lines_of(VoteFileKind::kPlugin, table),
            (std::vector<std::string>{"20090510,05,11,UMAFUKU,NORMAL,300,01-05,",
                                      "20090510,05,11,UMAFUKU,NORMAL,1200,02-05,",
                                      "20090510,05,11,UMAFUKU,NORMAL,500,03-05,"}));
}

TEST(VoteLines, OnlyFilledRowsNotErasedAreWrittenInRowOrder) {
  BetTable table(BetType::kWide);
  fill(table, {{" 1- 2"},
               {" 1- 3", "   300", "  12.3", true},
               {" 1- 4", ""},
               {" 1- 5", "   300", ""},
               {"", "   300"},
               {" 1- 6"}});
  table.set_cell(2, BetColumns::kErase, sj(" 消 "));  // a mark with blanks still erases
  EXPECT_EQ(CountBetRows(table), 3);                  // the erased row counts
  EXPECT_EQ(lines_of(VoteFileKind::kPlugin, table),
            (std::vector<std::string>{"20090510,05,11,WIDE,NORMAL,300,01-02,",
                                      "20090510,05,11,WIDE,NORMAL,300,01-06,"}));
}

TEST(VoteLines, ErasedRowsAloneGiveNoLinesButStillCount) {
  BetTable table(BetType::kTansho);
  fill(table, {{" 1", "   300", "   2.1", true}, {" 2", "   300", "   3.4", true}});
  EXPECT_EQ(CountBetRows(table), 2);
  EXPECT_TRUE(lines_of(VoteFileKind::kBetFile, table).empty());
}

TEST(VoteLines, CombinationCellsMustBeLabelsOfTheirType) {
  struct Case {
    BetType type;
    const char* cell;
  };
  const Case good[] = {
      {BetType::kTansho, " 1"},          {BetType::kFukusho, "18"},
      {BetType::kWakuren, " 8- 8"},      {BetType::kUmaren, "17-18"},
      {BetType::kUmatan, "18-17"},       {BetType::kSanrenpuku, "16-17-18"},
      {BetType::kSanrentan, "10- 1- 2"},
  };
  for (const Case& c : good) EXPECT_TRUE(ParseKumi(c.type, c.cell)) << c.cell;
  const Case bad[] = {
      {BetType::kTansho, "5"},
      {BetType::kTansho, "05"},
      {BetType::kTansho, " 0"},
      {BetType::kTansho, "19"},
      {BetType::kTansho, "  "},
      {BetType::kFukusho, " a"},
      {BetType::kWakuren, " 9- 9"},
      {BetType::kWakuren, "1-5"},
      {BetType::kUmaren, " 8- 8"},
      {BetType::kUmaren, " 5- 1"},
      {BetType::kUmaren, " 1-5 "},
      {BetType::kUmaren, " 1- 5,"},
      {BetType::kWide, " 1- 2- 3"},
      {BetType::kUmatan, " 3- 3"},
      {BetType::kSanrenpuku, " 3- 2- 1"},
      {BetType::kSanrentan, " 1- 2- 3x"},
      {BetType::kSanrentan, " 1- 1- 2"},
      {BetType::kSanrentan, " 1- 2"},
  };
  for (const Case& c : bad) EXPECT_FALSE(ParseKumi(c.type, c.cell)) << c.cell;

  const std::optional<Kumi> trio = ParseKumi(BetType::kSanrentan, "10- 1- 2");
  EXPECT_EQ(trio->count, 3);
  EXPECT_EQ(trio->n, (std::array<int, 3>{10, 1, 2}));
}

TEST(VoteLines, AmountsAreWholePositiveYen) {
  for (const char* ok : {"   100", "300", " 12000 "}) EXPECT_TRUE(IsVoteAmount(ok)) << ok;
  for (const char* bad : {"", "     0", "  -100", "1,000", "300.5", "abc", "9999999999"}) {
    EXPECT_FALSE(IsVoteAmount(bad)) << bad;
  }
}

// A damaged row stops the whole table: a voting file never carries part of the bets or a
// garbled line.
TEST(VoteLines, ADamagedRowNamesItselfAndStopsTheTable) {
  BetTable table(BetType::kUmaren);
  fill(table, {{" 1- 5"}, {" 1-x5"}, {" 2- 5"}});
  VoteLines v = BuildVoteLines(VoteFileKind::kBetFile, tokyo(), table);
  EXPECT_EQ(v.problem, sj("馬連 2行目の買い目「 1-x5」が正しくありません。"));

  fill(table, {{" 1- 5", "  30,0"}});
  v = BuildVoteLines(VoteFileKind::kPlugin, tokyo(), table);
  EXPECT_EQ(v.problem, sj("馬連 1行目の購入額「  30,0」が正しくありません。"));

  // An erased row is not written, so its cells are not looked at.
  fill(table, {{" 1- 5"}, {"garbage", "x", "y", true}});
  EXPECT_EQ(BuildVoteLines(VoteFileKind::kPlugin, tokyo(), table).problem, "");
}

TEST(VoteLines, TheRaceKeyMustBeDigits) {
  std::string ra = tokyo_ra();
  EXPECT_TRUE(VoteRace::FromRa(ra));
  EXPECT_FALSE(VoteRace::FromRa(ra.replace(15, 4, "05/1")));
  EXPECT_FALSE(VoteRace::FromRa(std::string(1272, ' ')));
  EXPECT_FALSE(VoteRace::FromRa("RA"));
}

}  // namespace
}  // namespace rv
