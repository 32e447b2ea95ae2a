// The evaluation commands on stored days: what they write, and an all-days run cancelled.
#include "app/evaluation.h"

#include <gtest/gtest.h>

#include "acquire/day_store.h"
#include "common/form_rig.h"
#include "jvfeed/records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

// Two days at 中山 of two races of 10 runners each, with their win and 枠連 odds, no payouts.
class Evaluations : public ::testing::Test, protected testing::FormRig {
 protected:
  Evaluations() {
    fs::create_directories(dir.path() / "DATA");
    DayStore store(DayStore::Mode::kWriteBack);
    for (const int ymd : {20261205, 20261206}) {
      for (int r = 1; r <= 2; ++r) {
        const auto key = jvfeed::key(ymd, 6, r);
        store.Store(jvfeed::ra(key, {.runners = 10}), RecordOrigin::kStoredData, true);
        auto o1 = jvfeed::o1(key, 10);
        for (int h = 1; h <= 10; ++h) {
          store.Store(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = 10}),
                      RecordOrigin::kStoredData, true);
          o1.win(h, jvfeed::Odds::of_tenths(10 + 10 * h), h);
        }
        o1.bracket(1, 2, 4.0, 1).bracket(1, 3, 8.0, 2).bracket(2, 3, 8.0, 3);
        store.Store(o1, RecordOrigin::kStoredData, true);
      }
    }
    store.Flush();
    start();
  }

  [[nodiscard]] fs::path hp(const char* name) const { return dir.path() / "HPupload" / name; }
  [[nodiscard]] std::vector<std::string> lines_of(const char* name) const {
    return read_lines(hp(name));
  }
};

TEST_F(Evaluations, AllDaysVerificationWritesEachDayAndTheCombinedReportAndCsv) {
  const WrittenFiles written = form->N35Click();
  EXPECT_EQ(written, (WrittenFiles{hp("Kaishu20261205.txt"), hp("Kaishu20261206.txt"),
                                   hp("Kaishu.txt"), hp("Kaishu.csv")}));
  const std::vector<std::string> csv = lines_of("Kaishu.csv");
  ASSERT_EQ(csv.size(), 7U + 4U);  // settings, column names, a line per race
  EXPECT_TRUE(csv[7].starts_with(sj(R"("対象:","2026年12月05日","中山"," 1R","10頭")")));
  EXPECT_TRUE(csv[10].starts_with(sj(R"("対象:","2026年12月06日","中山"," 2R")")));
  // Each day's figures after its caption, then the totals of all days.
  const std::string report = *read_file(hp("Kaishu.txt"));
  EXPECT_TRUE(report.ends_with(
      SJ("回収率：   0.0\r\n-------\r\n全集計： 4R中　 0R的中　　投資額：  12400円") +
      SJ("　回収額：      0円　的中率：   0.0　回収率：   0.0\r\n")));
  EXPECT_NE(report.find(SJ("\r\n2026年12月06日 2R中　")), std::string::npos);
  EXPECT_EQ(desktop.opened, (std::vector<fs::path>{hp("Kaishu.txt"), hp("Kaishu.csv")}));
  EXPECT_EQ(desktop.clipboard, *read_file(hp("Kaishu20261206.txt")));
  EXPECT_FALSE(form->batch.BatchPanel.visible());
}

// Cancelled on the second day: the first day's report stays, the second day is dropped and
// neither combined file is written.
TEST_F(Evaluations, ACancelledRunKeepsTheDaysDoneAndWritesNoCombinedFile) {
  std::vector<std::string> progress;
  form->evaluation_runs().on_day = [&](const std::string& text) {
    progress.push_back(to_utf8(text));
    EXPECT_TRUE(form->batch.BatchPanel.visible());
    if (progress.size() == 2) form->BatchCancelBtnClick();
  };
  EXPECT_EQ(form->N37Click(), WrittenFiles{hp("Kaishu20261205.txt")});
  EXPECT_EQ(progress,
            (std::vector<std::string>{"1/2日目 2026年12月05日", "2/2日目 2026年12月06日"}));
  EXPECT_FALSE(fs::exists(hp("Kaishu.txt")));
  EXPECT_FALSE(fs::exists(hp("Kaishu20261206.txt")));
  EXPECT_EQ(form->N41Click(), WrittenFiles{hp("ninkicount.csv")});  // the next run starts afresh
}

TEST_F(Evaluations, TheDayReportsAndCounts) {
  choose_day("2026年12月06日");
  // No payouts, no hits: neither the list nor the running list is written.
  EXPECT_TRUE(form->TekiAnaBtnClick(false).empty());
  EXPECT_FALSE(fs::exists(hp("Manbaken.txt")));
  EXPECT_EQ(form->ShukeiBtnClick(), WrittenFiles{hp("Kaishu20261206.txt")});
  EXPECT_EQ(lines_of("Kaishu20261206.txt")[0].substr(0, 23), SJ(" DI-DAVI 2026年12月06日"));
  EXPECT_EQ(form->Kensho13BtnClick(), WrittenFiles{hp("Kaishu20261206.txt")});
  EXPECT_EQ(lines_of("Kaishu20261206.txt").size(),
            8U + 1U + 2U + 2U);  // header, "------", races, end
  EXPECT_EQ(form->N41Click(), WrittenFiles{hp("ninkicount.csv")});
  const std::vector<std::string> counts = lines_of("ninkicount.csv");
  ASSERT_EQ(counts.size(), 3U);
  EXPECT_TRUE(counts[2].starts_with(sj(R"("2026年12月06日","2","0",)")));
}

}  // namespace
}  // namespace rv
