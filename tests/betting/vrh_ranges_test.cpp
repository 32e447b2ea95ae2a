// Which runners the [VRH] ranges make ＶＲＨ horses.
#include "betting/vrh_ranges.h"

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "support/settings.h"

namespace rv {
namespace {

TEST(VrhRanges, DefaultBoundsAreInclusiveAndSkipTheFavouriteAndUnpricedHorses) {
  const VrhRanges r;
  struct Case {
    int rank;
    double odds;
    bool vrh;
  };
  for (const Case& c :
       {Case{1, 2.0, false}, Case{2, 1.0, true}, Case{18, 50.0, true}, Case{18, 50.1, false},
        Case{2, 0.9, false}, Case{0, 5.0, false}, Case{5, -1.0, false}}) {
    EXPECT_EQ(IsVrhHorse(r, c.rank, c.odds), c.vrh) << c.rank << " " << c.odds;
  }
}

TEST(VrhRanges, SettingsReadWithNonNumbersAsDocumented) {
  testing::TempDir dir;
  TIniGT ini(dir.path() / "ravelin.ini");
  EXPECT_EQ(LoadVrhRanges(ini).toz2, 50.0);
  ini.WriteString("VRH", "Toz1", "abc");
  ini.WriteString("VRH", "Toz2", "12.5");
  ini.WriteString("VRH", "Tnin1", "x");
  ini.WriteInteger("VRH", "Tnin2", 9);
  const VrhRanges r = LoadVrhRanges(ini);
  EXPECT_EQ(r.toz1, 0.0);
  EXPECT_EQ(r.toz2, 12.5);
  EXPECT_EQ(r.tnin1, 2);
  EXPECT_EQ(r.tnin2, 9);
}

TEST(VrhRanges, RaceListsItsHorsesAscending) {
  RaceWork w;
  w.WinNinki[3] = 1;
  w.WinOdds[3] = 1.8;
  w.WinNinki[7] = 4;
  w.WinOdds[7] = 9.9;
  w.WinNinki[12] = 2;
  w.WinOdds[12] = 3.5;
  EXPECT_EQ(VrhHorses(w, VrhRanges{}), (std::vector<int>{7, 12}));
}

}  // namespace
}  // namespace rv
