// The race card over days loaded from day files: built record by record, and generated.
#include <gtest/gtest.h>

#include <algorithm>

#include "day_fixture.h"
#include "model/card_sort.h"
#include "model/race_card.h"
#include "model/race_card_style.h"

namespace rv {
namespace {

using jvfeed::Bet;
using testing::kNakayama;
using testing::kYmd;

std::vector<std::string> texts(const std::array<Label, 7>& labels, int n) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) out.push_back(labels[static_cast<std::size_t>(k)].text());
  return out;
}

class RaceCardDayTest : public testing::DayFixture {
 protected:
  RaceCardControls card;
};

TEST_F(RaceCardDayTest, SevenRunnerRaceWithADeadHeatShowsItsOddsAndPayouts) {
  race(kNakayama, 1, {.runners = 7});
  race(kNakayama, 2, {.runners = 8});
  const auto k = jvfeed::key(kYmd, kNakayama, 1);
  jvfeed::Record o1 = jvfeed::o1(k, 7);
  for (int h = 1; h <= 7; ++h) o1.win(h, 2.0 + h, h).place(h, 1.1 + h / 10.0, 1.5 + h / 10.0, h);
  o1.win(6, jvfeed::Odds::stars()).place(6, jvfeed::Odds::stars(), jvfeed::Odds::stars());
  put(o1);
  jvfeed::Record hr = jvfeed::hr(k, 7);
  hr.pay(Bet::Win, 1, {3}, 250, 3).pay(Bet::Win, 2, {5}, 480, 5);
  hr.pay(Bet::Place, 1, {3}, 120, 3).pay(Bet::Place, 2, {5}, 190, 5);
  hr.pay(Bet::Quinella, 1, {3, 5}, 1560, 7);
  put(hr);
  ASSERT_EQ(load(), DayLoadResult::kLoaded);

  ShowRace(*day, 0, card, on_screen);
  EXPECT_EQ(card.StringGrid26.row_count(), 8);
  EXPECT_EQ(card.StringGrid26.cell(3, 6), "  5.0");
  EXPECT_EQ(card.StringGrid26.cell(3, 7), " 3");
  EXPECT_EQ(card.StringGrid26.cell(6, 6), "     ");  // withdrawn after sale
  EXPECT_EQ(card.StringGrid26.cell(6, 7), sj("　"));
  EXPECT_EQ(card.Tan1Label.text(), "   3.0");
  const ResultsTab& r = card.results;
  EXPECT_EQ(texts(r.group(BetType::kTansho).Kekka, 3), (std::vector<std::string>{" 3", " 5", ""}));
  EXPECT_EQ(texts(r.group(BetType::kFukusho).Kekka, 5),
            (std::vector<std::string>{" 3", " 5", "", "", ""}));
  EXPECT_EQ(texts(r.group(BetType::kFukusho).Haito, 2),
            (std::vector<std::string>{"     120", "     190"}));
  EXPECT_EQ(texts(r.group(BetType::kUmaren).Kekka, 3), (std::vector<std::string>{" 3- 5", "", ""}));
  EXPECT_EQ(texts(r.group(BetType::kSanrentan).Kekka, 6), std::vector<std::string>(6));

  // The next race has no payouts: every column empties.
  ShowRace(*day, 1, card, on_screen);
  EXPECT_EQ(card.StringGrid6.row_count(), 9);
  EXPECT_EQ(r.group(BetType::kTansho).Kekka[0].text(), "");
  EXPECT_EQ(r.group(BetType::kUmaren).Haito[0].text(), "");
}

TEST_F(RaceCardDayTest, RaceWithoutRunnerRecordsIsNotShown) {
  race(kNakayama, 1, {.runners = 10});
  race(kNakayama, 2, {.runners = 10, .se_kind = 0});
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  EXPECT_TRUE(RaceHasHorses(*day, 0));
  EXPECT_FALSE(RaceHasHorses(*day, 1));
  EXPECT_EQ(to_utf8(NoHorseDataMessage(*day, 1)), "2レースはデータが不十分です。");
}

class GeneratedCardTest : public testing::GeneratedDayFixture {
 protected:
  RaceCardControls card;
};

// Every race of a generated day: the entry card holds its runners sorted by number, the
// favourite's odds head the popularity table, the paid winners finished first, and the
// popularity sort leaves the final odds in text order.
TEST_P(GeneratedCardTest, EveryRaceShowsConsistentCards) {
  ASSERT_EQ(load(), DayLoadResult::kLoaded);
  int shown = 0;
  for (int s = 0; s < day->slots_in_use(); ++s) {
    if (!RaceHasHorses(*day, s)) continue;
    ++shown;
    card.SortButtons.set_item_index(static_cast<int>(CardSort::kUmaban));
    ShowRace(*day, s, card, on_screen);
    const int n = CardRunners(*day, s);
    ASSERT_EQ(card.StringGrid26.row_count(), n + 1) << s;
    const RaceWork& w = day->Work[static_cast<std::size_t>(s)];
    std::vector<std::string> numbers;  // of the runner records, "%2d" as the card sorts them
    for (int r = 1; r <= n; ++r) {
      const SeRecord& se =
          day->SeData[static_cast<std::size_t>(s)][static_cast<std::size_t>(r - 1)];
      numbers.push_back(fmt("%2d", inum(se.field(29, 2))));
      EXPECT_EQ(card.StringGrid6.cell(r, 2), se.field(41, 36)) << s;
      if (w.WinNinki[static_cast<std::size_t>(r)] == 1) {
        EXPECT_EQ(card.Tan1Label.text(), fmt("%6.1f", w.WinOdds[static_cast<std::size_t>(r)]));
        EXPECT_DOUBLE_EQ(day->WinOddsByNinki[1], w.WinOdds[static_cast<std::size_t>(r)]);
      }
    }
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> shown_numbers;
    for (int r = 1; r <= n; ++r) shown_numbers.emplace_back(card.StringGrid26.cell(r, 1));
    EXPECT_EQ(shown_numbers, numbers) << s;
    const ResultGroup& win = card.results.group(BetType::kTansho);
    for (int k = 0; k < 3; ++k) {
      const int h = inum(win.Kekka[static_cast<std::size_t>(k)].text());
      if (h > 0) {
        EXPECT_EQ(card.StringGrid6.cell(h, 6), " 1") << s << " horse " << h;
        EXPECT_EQ(StringGrid6DrawCell(*day, on_screen.slot(), true, h, 6).runs[1].color,
                  colors::kRed);
      }
    }
    card.SortButtons.set_item_index(static_cast<int>(CardSort::kNinki));
    SortEntryCard(card);
    for (int r = 2; r <= n; ++r) {
      EXPECT_LE(card.StringGrid26.cell(r - 1, 18), card.StringGrid26.cell(r, 18)) << s;
    }
  }
  EXPECT_GT(shown, 5);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedCardTest, ::testing::Values(3U, 17U));

}  // namespace
}  // namespace rv
