// Replaying stored days: every race of every day once, in order, until cancelled.
#include "app/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "common/form_rig.h"
#include "jvfeed/records.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

class ReplayDays : public ::testing::Test, protected testing::FormRig {
 protected:
  // Two days at 中山: two races on the 5th, three on the 6th, of 8 runners each.
  ReplayDays() {
    fs::create_directories(dir.path() / "DATA");
    fs::create_directories(dir.path() / "CHG");
    DayStore store(DayStore::Mode::kWriteBack);
    for (const auto& [ymd, races] : {std::pair{20261205, 2}, std::pair{20261206, 3}}) {
      for (int r = 1; r <= races; ++r) {
        const auto key = jvfeed::key(ymd, 6, r);
        store.Store(jvfeed::ra(key, {.runners = 8}), RecordOrigin::kStoredData, true);
        for (int h = 1; h <= 8; ++h) {
          store.Store(jvfeed::se(key, {.horse = h, .runners = 8}), RecordOrigin::kStoredData, true);
        }
      }
    }
    store.Flush();
    start();
    hooks_.race = [this](MainForm& f, int slot) {
      shown_.push_back(to_utf8(f.race_day().Date) + " " + std::to_string(slot) + " " +
                       to_utf8(f.loaded_day.DatList.text()));
    };
  }

  const std::vector<std::string> days_{sj("2026年12月05日"), sj("2026年12月06日")};
  std::vector<std::string> shown_;  // "day slot race-list item" of each race visited
  ReplayHooks hooks_;
};

TEST_F(ReplayDays, ShowsEveryRaceOfEveryDayOnceInOrder) {
  std::vector<int> races_after_day;
  hooks_.day_done = [&](const ReplayProgress& p) { races_after_day.push_back(p.races); };
  const ReplayProgress p = Replay(*form, days_, hooks_);
  EXPECT_EQ(shown_,
            (std::vector<std::string>{"2026年12月05日 0 中山 1R", "2026年12月05日 1 中山 2R",
                                      "2026年12月06日 0 中山 1R", "2026年12月06日 1 中山 2R",
                                      "2026年12月06日 2 中山 3R"}));
  EXPECT_EQ(races_after_day, (std::vector<int>{2, 5}));
  EXPECT_EQ(p.days_done, 2);
  EXPECT_FALSE(p.cancelled);
}

TEST_F(ReplayDays, StopsBeforeTheNextRaceOnceCancelled) {
  hooks_.cancelled = [this] { return shown_.size() == 3; };
  const ReplayProgress p = Replay(*form, days_, hooks_);
  EXPECT_EQ(shown_.size(), 3U);
  EXPECT_EQ(p.races, 3);
  EXPECT_EQ(p.days_done, 1);
  EXPECT_TRUE(p.cancelled);
}

}  // namespace
}  // namespace rv
