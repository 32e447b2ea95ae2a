// ravelin-cli bets on a stored race with odds, predictions and payouts.
#include <gtest/gtest.h>

#include "cli/cli_days.h"
#include "cli/cli_runner.h"
#include "common/temp_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::run_cli;

class BetsCli : public ::testing::Test {
 protected:
  // Race 1 of 2026-12-06 at 中山: five runners at odds 2.0 .. 10.0, ranked by number, the
  // predictions ranking them the same, a quinella record and the payouts of horse 1 and 1-2.
  BetsCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    std::filesystem::create_directories(app_.path() / "jvfeed");
    const jvfeed::RaceKey k = jvfeed::key(20261206, 6, 1);
    std::vector<jvfeed::Record> records = testing::race_records(k, 5);
    auto o1 = jvfeed::o1(k, 5);
    auto o2 = jvfeed::o2(k, 5);
    auto dm = jvfeed::dm(k, 5);
    for (int h = 1; h <= 5; ++h) {
      o1.win(h, Odds::of_tenths(20 * h), h).place(h, Odds::of_tenths(10 + h), 15 + h, h);
      dm.predict(h, 13000 + h, 10, 10);
    }
    for (int k2 = 1; k2 <= jvfeed::entry_count(jvfeed::Kind::O2); ++k2) {
      const std::vector<int> c = jvfeed::combination(jvfeed::Kind::O2, k2);
      if (c[1] <= 5) o2.entry(k2, Odds::of_tenths(40 + 10 * k2), k2);
    }
    auto hr = jvfeed::hr(k, 5);
    hr.pay(jvfeed::Bet::Win, 1, {1}, 200, 1).pay(jvfeed::Bet::Quinella, 1, {1, 2}, 500, 1);
    records.insert(records.end(), {o1, o2, dm, hr});
    testing::store_records(app_.path(), records);
  }

  testing::CliResult bets(std::vector<std::string> options) {
    std::vector<std::string> args = {"--appdir", app_.path().string(), "bets", "20261206", "0"};
    args.insert(args.end(), options.begin(), options.end());
    return run_cli(args);
  }

  // The lines of a bet type's block: heading, the grid's rows, "totals".
  static std::vector<std::string> block(const std::string& out, const std::string& heading) {
    const std::vector<std::string> lines = split_lines(out);
    std::vector<std::string> b;
    bool in = false;
    for (const std::string& l : lines) {
      if (l.starts_with("## ")) in = l == heading;
      if (in) b.push_back(l);
    }
    return b;
  }

  testing::TempDir app_;
};

TEST_F(BetsCli, PrintsTheGeneratedTablesWithTheirAmountsAndHits) {
  // "全頭買い設定": every horse is an axis and a partner.
  const testing::CliResult r = bets({"--set", "5", "--amount", "1000"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      block(r.out, "## 単勝 StringGrid3"),
      (std::vector<std::string>{
          "## 単勝 StringGrid3",
          "消\tNo."
          "\t買い目\tオッズ\t人気\t購入額\t回収額\t回収率\t出現率\t結果配当\t結果回収\t結果人気",
          "\t 1\t 1\t   2.0\t 1\t   200\t    400\t   40.0\t  0.0\t    200\t    400\t  1",
          "\t 2\t 2\t   4.0\t 2\t   200\t    800\t   80.0\t  0.0\t\t\t",
          "\t 3\t 3\t   6.0\t 3\t   200\t   1200\t  120.0\t  0.0\t\t\t",
          "\t 4\t 4\t   8.0\t 4\t   200\t   1600\t  160.0\t  0.0\t\t\t",
          "\t 5\t 5\t  10.0\t 5\t   200\t   2000\t  200.0\t  0.0\t\t\t",
          "totals\t  5\t  1000\t  120.0\t     400"}));
  const std::vector<std::string> umaren = block(r.out, "## 馬連 StringGrid30");
  ASSERT_EQ(umaren.size(), 13u);  // heading, headings row, ten pairs, totals
  EXPECT_EQ(umaren[2],
            "\t  1\t 1- 2\t    5.0\t  1\t 1- 2\t   100\t    500\t   50.0\t  0.0\t  0.0\t    500\t  "
            "  500\t  1");
  EXPECT_EQ(umaren[12], "totals\t 10\t  1000\t  225.0\t     500");
  // Without the other odds records the pairs and triples stand with blank odds, unallocated.
  const std::vector<std::string> trio = block(r.out, "## ３連複 StringGrid33");
  ASSERT_EQ(trio.size(), 13u);
  EXPECT_EQ(trio[2], "\t  1\t 1- 2- 3\t       \t   \t 1- 2- 3\t\t\t\t  0.0\t  0.0\t  0.0\t\t\t");
  EXPECT_EQ(trio[12], "totals\t\t\t\t");
}

TEST_F(BetsCli, TheModeIsChosenAndStoredAndTheAmountIsTheRacesOwn) {
  const testing::CliResult r = bets({"--set", "5", "--mode", "1", "--amount", "1000"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> win = block(r.out, "## 単勝 StringGrid3");
  // 比例: weights 1, 1/2, 1/3, 1/4, 1/5 of 1000 yen.
  ASSERT_EQ(win.size(), 8u);
  EXPECT_TRUE(win[2].starts_with("\t 1\t 1\t   2.0\t 1\t   500\t   1000\t")) << win[2];
  EXPECT_TRUE(win[6].starts_with("\t 5\t 5\t  10.0\t 5\t   100\t   1000\t")) << win[6];
  EXPECT_NE(testing::slurp(app_.path() / "ravelin.ini").find("HaibunSet=1"), std::string::npos);
  // The next run starts from the stored mode and the day's amount (3000 yen).
  const testing::CliResult again = bets({"--set", "5"});
  const std::vector<std::string> win2 = block(again.out, "## 単勝 StringGrid3");
  ASSERT_EQ(win2.size(), 8u);
  EXPECT_TRUE(win2[2].starts_with("\t 1\t 1\t   2.0\t 1\t  1400\t")) << win2[2];
}

}  // namespace
}  // namespace rv
