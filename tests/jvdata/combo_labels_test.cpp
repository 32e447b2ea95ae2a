#include "jvdata/combo_labels.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/expect_each.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::expect_each;

struct Ordering {
  const char* name;
  int max;
  int arity;
  std::function<bool(int, int, int)> member;
  int (*index)(std::string_view);
  const std::string& (*label)(int);
  int count;
};

// Walks each ordering as written in the table of orderings and checks that both directions
// agree with the walk at every position, and that the table ends where the walk does.
TEST(ComboLabels, EveryOrderingMapsLabelsToTheirPositionAndBack) {
  const Ordering orderings[] = {
      {"wakuren", 8, 2, [](int a, int b, int) { return a <= b; }, WakurenIndex, WakurenLabel,
       kWakurenCount},
      {"umaren", 18, 2, [](int a, int b, int) { return a < b; }, UmarenIndex, UmarenLabel,
       kUmarenCount},
      {"umatan", 18, 2, [](int a, int b, int) { return a != b; }, UmatanIndex, UmatanLabel,
       kUmatanCount},
      {"sanrenpuku", 18, 3, [](int a, int b, int c) { return a < b && b < c; }, SanrenpukuIndex,
       SanrenpukuLabel, kSanrenpukuCount},
      {"sanrentan", 18, 3, [](int a, int b, int c) { return a != b && b != c && a != c; },
       SanrentanIndex, SanrentanLabel, kSanrentanCount},
  };
  for (const Ordering& o : orderings) {
    int expected = 0;
    for (int a = 1; a <= 18; ++a) {
      for (int b = 1; b <= 18; ++b) {
        for (int c = o.arity == 3 ? 1 : 0; c <= (o.arity == 3 ? 18 : 0); ++c) {
          const std::string label =
              o.arity == 3 ? fmt("%2d-%2d-%2d", a, b, c) : fmt("%2d-%2d", a, b);
          const bool in = a <= o.max && b <= o.max && o.member(a, b, c);
          if (!in) {
            ASSERT_EQ(o.index(label), 0) << o.name << " '" << label << "'";
            continue;
          }
          ++expected;
          ASSERT_EQ(o.index(label), expected) << o.name << " '" << label << "'";
          ASSERT_EQ(o.label(expected), label) << o.name;
        }
      }
    }
    EXPECT_EQ(expected, o.count) << o.name;
    EXPECT_EQ(o.label(0), "") << o.name;
    EXPECT_EQ(o.label(o.count + 1), "") << o.name;
    EXPECT_EQ(o.label(-1), "") << o.name;
  }
}

TEST(ComboLabels, KnownPositions) {
  expect_each(WakurenIndex, {{" 1- 1", 1}, {" 8- 8", 36}});
  expect_each(UmarenIndex, {{" 1- 2", 1}, {"17-18", 153}});
  expect_each(UmatanIndex, {{"18-17", 306}});
  expect_each(SanrenpukuIndex, {{" 2- 3- 4", 137}, {"16-17-18", 816}});
  expect_each(SanrentanIndex, {{" 9-18-17", 2448}, {"10- 1- 2", 2449}, {"18-17-16", 4896}});
}

TEST(ComboLabels, AnythingButAnExactLabelGivesZero) {
  expect_each(UmarenIndex, {{" 8- 8", 0}, {" 2- 1", 0}});
  expect_each(UmatanIndex, {{" 3- 3", 0}});
  expect_each(WakurenIndex, {{" 2- 1", 0}, {" 1- 9", 0}});
  for (const char* junk :
       {"1-2", " 1-2", "01- 2", " 1- 2 ", " 1_ 2", "", "  -  ", " 1- 0", "19- 1", " 1- 2- 3"}) {
    EXPECT_EQ(UmarenIndex(junk), 0) << "'" << junk << "'";
    EXPECT_EQ(UmatanIndex(junk), 0) << "'" << junk << "'";
  }
  expect_each(SanrenpukuIndex, {{" 1- 2- 3 ", 0}, {" 1- 2", 0}});
}

TEST(ComboLabels, TrifectaReadsOnlyTheFirstEightCharacters) {
  expect_each(SanrentanIndex, {{"18-17-16", 4896},
                               {"18-17-16 extra", 4896},
                               {" 1- 2- 3-4", 1},
                               {" 1- 1- 2", 0},
                               {"10-10- 2", 0},
                               {" 1- 2- ", 0},
                               {"09- 1- 2", 0}});
}

}  // namespace
}  // namespace rv
