#include "model/results_tab.h"

#include <gtest/gtest.h>

#include "model/card_day.h"
#include "model/race_card.h"

namespace rv {
namespace {

using testing::CardDay;
using testing::u8;

void entry(Day& day, int slot, BetType t, int k, std::string kumi, int ninki, int pay) {
  day.Payouts.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(t)]
                   [static_cast<std::size_t>(k - 1)] = {std::move(kumi), ninki, pay};
}

std::vector<std::string> row(const std::array<Label, 7>& labels, int columns) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(columns));
  for (int k = 0; k < columns; ++k) out.push_back(labels[static_cast<std::size_t>(k)].text());
  return out;
}

TEST(ResultsTab, GroupsCaptionsAndColumnCounts) {
  ResultsTab tab;
  const char* const captions[] = {"単勝", "複勝", "枠連",   "馬連",
                                  "ﾜｲﾄﾞ", "馬単", "三連複", "三連単"};
  const int columns[] = {3, 5, 3, 3, 7, 6, 3, 6};
  for (int t = 0; t < kBetTypeCount; ++t) {
    const ResultGroup& g = tab.groups[static_cast<std::size_t>(t)];
    EXPECT_EQ(u8(g.Caption.text()), captions[t]);
    EXPECT_EQ(g.columns, columns[t]);
    EXPECT_EQ(u8(g.NinkiCaption.text()), "人気：");
  }
  EXPECT_EQ(&tab.UTHLabel(6), &tab.group(BetType::kUmatan).Haito[5]);
  EXPECT_EQ(&tab.STlabel(1), &tab.group(BetType::kSanrentan).Kekka[0]);
}

TEST(ResultsTab, DeadHeatAndSevenRunnerPlacesLeaveUnusedColumnsEmpty) {
  CardDay d;
  d.race(0, 11, 7);
  Day& day = d.day();
  // Dead heat for first: two win entries.
  entry(day, 0, BetType::kTansho, 1, " 3", 1, 250);
  entry(day, 0, BetType::kTansho, 2, " 5", 4, 1230);
  // Seven runners pay two places; the other entries carry horse 0.
  entry(day, 0, BetType::kFukusho, 1, " 3", 1, 110);
  entry(day, 0, BetType::kFukusho, 2, " 5", 4, 340);
  entry(day, 0, BetType::kFukusho, 3, " 0", 0, 0);
  entry(day, 0, BetType::kWakuren, 1, " 3- 5", 2, 870);
  entry(day, 0, BetType::kWakuren, 2, " 0- 0", 0, 0);
  entry(day, 0, BetType::kSanrentan, 1, " 3- 5- 1", 12, 123456789);
  entry(day, 0, BetType::kSanrentan, 2, "        ", 0, 0);

  RaceCardControls card;
  ShowRace(day, 0, card, d.on_screen);
  const ResultsTab& tab = card.results;
  const ResultGroup& win = tab.group(BetType::kTansho);
  EXPECT_EQ(row(win.Kekka, 3), (std::vector<std::string>{" 3", " 5", ""}));
  EXPECT_EQ(row(win.Ninki, 3), (std::vector<std::string>{" 1", " 4", ""}));
  EXPECT_EQ(row(win.Haito, 3), (std::vector<std::string>{"     250", "    1230", ""}));
  const ResultGroup& place = tab.group(BetType::kFukusho);
  EXPECT_EQ(row(place.Kekka, 5), (std::vector<std::string>{" 3", " 5", "", "", ""}));
  EXPECT_EQ(row(place.Haito, 5), (std::vector<std::string>{"     110", "     340", "", "", ""}));
  const ResultGroup& waku = tab.group(BetType::kWakuren);
  EXPECT_EQ(row(waku.Kekka, 3), (std::vector<std::string>{" 3- 5", "", ""}));
  EXPECT_EQ(row(waku.Ninki, 3), (std::vector<std::string>{" 2", "", ""}));
  const ResultGroup& tri = tab.group(BetType::kSanrentan);
  EXPECT_EQ(row(tri.Kekka, 2), (std::vector<std::string>{" 3- 5- 1", ""}));
  EXPECT_EQ(tri.Haito[0].text(), "123456789");  // wider than its format: printed whole
  EXPECT_EQ(tri.Ninki[0].text(), "12");
}

TEST(ResultsTab, AnotherRaceReplacesEveryColumn) {
  CardDay d;
  d.race(0, 11, 16);
  d.race(1, 12, 16);
  Day& day = d.day();
  for (int k = 1; k <= 7; ++k) entry(day, 0, BetType::kWide, k, " 1- 2", k, 100 * k);
  entry(day, 1, BetType::kWide, 1, " 4- 6", 3, 560);
  RaceCardControls card;
  ShowRace(day, 0, card, d.on_screen);
  EXPECT_EQ(card.results.group(BetType::kWide).Kekka[6].text(), " 1- 2");
  ShowRace(day, 1, card, d.on_screen);
  EXPECT_EQ(row(card.results.group(BetType::kWide).Kekka, 7),
            (std::vector<std::string>{" 4- 6", "", "", "", "", "", ""}));
  ClearResultsTab(card.results);
  EXPECT_EQ(card.results.group(BetType::kWide).Haito[0].text(), "");
}

}  // namespace
}  // namespace rv
