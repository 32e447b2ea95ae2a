// Finish rates learned from hand-made stored days: the counts written, the table in use at
// once and after a restart, and a damaged file.
#include "betting/finish_rate.h"

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "stats/stats_days.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::write_bytes;

class FinishRates : public testing::DayFormFixture {
 protected:
  FinishRates() : DayFormFixture(DateTime{2026, 12, 20, 9, 0, 0}) {}
};

TEST_F(FinishRates, CountsHorsesByRunnersAndFinalPopularity) {
  // A dead heat for first between popularity 1 and 2; popularity 4 scratched.
  testing::store_race(20261205, 1, {{2.0, 1, 1}, {3.0, 1, 2}, {4.0, 3, 3}, {0, 0, 4, 1}});
  testing::store_race(20261206, 1, {{2.0, 2, 1}, {3.0, 1, 2}, {4.0, 4, 3}, {9.0, 3, 4}});
  start();
  form->development().FinishRateClick();

  const std::vector<std::string> lines = read_lines(app_path("\\STAT\\finishrate.csv"));
  ASSERT_EQ(lines.size(), 15U * 18U);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
            (std::vector<std::string>{"4,1,2,1,2,2", "4,2,2,2,2,2", "4,3,2,0,0,1", "4,4,1,0,0,1",
                                      "4,5,0,0,0,0"}));
  EXPECT_EQ(rv::FinishRates().Lookup(4, 1, 1), 50.0);

  // Read again at the next start; the bet tables show it.
  start().UserKaimeForm.SelectSet(5);  // every horse an axis
  EXPECT_EQ(rv::FinishRates().Lookup(4, 3, 3), 50.0);
  choose_day("2026年12月06日");
  const BetTable& win = form->bets[BetType::kTansho];
  std::vector<std::string> shown;
  for (int r = 1; r <= win.data_rows(); ++r) shown.emplace_back(win.cell(r, win.columns().finish));
  EXPECT_EQ(shown, (std::vector<std::string>{" 50.0", "100.0", "  0.0", "  0.0"}));
}

TEST_F(FinishRates, DamagedFileIsReportedOnceAndLeavesTheTableEmpty) {
  for (const char* bad : {"4,1,2,1,2\r\n", "4,1,2,3,2,2\r\n", "4,1,1,0,0,0\r\n4,1,1,0,0,0\r\n",
                          "19,1,1,0,0,0\r\n", "4,1,x,0,0,0\r\n"}) {
    write_bytes(dir.path() / "STAT" / "finishrate.csv", bad);
    dialogs.calls.clear();
    SetFinishRates([] {
      FinishRateTable t;
      t.set(4, 1, 1, 0.5);
      return t;
    }());
    start();
    EXPECT_EQ(rv::FinishRates().Lookup(4, 1, 1), 0.0) << bad;
    ASSERT_EQ(dialogs.calls.size(), 1U) << bad;
    EXPECT_NE(to_utf8(dialogs.calls[0]).find("finishrate.csv"), std::string::npos);
  }
}

}  // namespace
}  // namespace rv
