#include "model/day.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(DayModel, StartsZeroedAndSlotsInUseFollowTheRaceYear) {
  auto day = make_day();
  EXPECT_EQ(day->RaData[0].bytes[0], '\0');
  EXPECT_EQ(day->slots_in_use(), 0);
  day->blank_records();
  EXPECT_EQ(day->O6Data[35].view(), std::string(O6Record::kSize, ' '));
  EXPECT_EQ(day->slots_in_use(), 0);

  std::string ra(RaRecord::kSize, ' ');
  ra.replace(11, 4, "2026");
  ra.replace(881, 2, "16");
  day->RaData[0].assign(ra);
  day->RaData[1].assign(ra);
  ra.replace(11, 4, "0000");
  day->RaData[2].assign(ra);
  day->RaData[3].assign(std::string(RaRecord::kSize, ' ').replace(11, 4, "2026"));
  // Slots in use are contiguous from 0: a "0000" year ends the day.
  EXPECT_EQ(day->slots_in_use(), 2);
  EXPECT_EQ(day->runners(0), 16);
  EXPECT_EQ(day->runners(40), 0);
  // A short record is padded with blanks rather than keeping the previous bytes.
  day->HrData[0].assign("HR");
  EXPECT_EQ(day->HrData[0].field(1, 4), "HR  ");
  EXPECT_EQ(day->HrData[0].field(HrRecord::kSize, 2), "");
}

TEST(DayModel, ResetClearsEverythingTheLoadersFill) {
  RaceWork w;
  w.OzTime = "1520";
  w.SanrentanOdds[4896] = 12.5;
  w.AxisMark[3] = 1;
  w.PayKumi[36] = " 1- 2- 3";
  w.DmRank[0] = 2;
  w.reset_odds();
  EXPECT_EQ(w.SanrentanOdds[4896], 0.0);
  EXPECT_EQ(w.AxisMark[3], 0);
  EXPECT_EQ(w.OzTime, "1520");  // an odds reload keeps the times and predictions
  EXPECT_EQ(w.DmRank[0], 2);
  w.reset();
  EXPECT_EQ(w.OzTime, "");
  EXPECT_EQ(w.PayKumi[36], "");
  EXPECT_EQ(w.DmRank[0], 0);
}

}  // namespace
}  // namespace rv
