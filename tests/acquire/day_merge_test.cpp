#include "acquire/day_merge.h"

#include <gtest/gtest.h>

#include <random>

namespace rv {
namespace {

using Lines = std::vector<std::string>;

TEST(RecordLine, DropsOnlyTheClosingLineBreak) {
  EXPECT_EQ(RecordLine("RA1\r\n"), "RA1");
  EXPECT_EQ(RecordLine("RA1\n"), "RA1");
  EXPECT_EQ(RecordLine("RA1"), "RA1");  // a record without its CR LF keeps every byte
  EXPECT_EQ(RecordLine("RA1\r\n\r\n"), "RA1\r\n");
  EXPECT_EQ(RecordLine(""), "");
}

TEST(MergeKeyedLine, ReplacesTheFirstLineOfTheKeyAndSortsWithoutRegardToCase) {
  const KeySpec key{3, 2, false};
  Lines lines{"b-22x", "a-11x", "c-11y"};
  MergeKeyedLine(lines, "z-11z", key);  // the first line holding key 11 is "a-11x"
  EXPECT_EQ(lines, (Lines{"b-22x", "c-11y", "z-11z"}));
  MergeKeyedLine(lines, "B-33", key);
  EXPECT_EQ(lines, (Lines{"b-22x", "B-33", "c-11y", "z-11z"}));
}

// The in-order merge must give exactly what replace-or-append plus a stable sort gives, also
// for lines that differ only in letter case, duplicate keys, blank and short lines.
TEST(MergeKeyedLineSorted, MatchesAFullStableSortOnRandomLines) {
  std::mt19937 rng(20030413);
  const std::string alphabet = " aAbB12";
  auto random_line = [&] {
    std::string s(std::uniform_int_distribution<std::size_t>(0, 5)(rng), ' ');
    for (char& c : s) c = alphabet[std::uniform_int_distribution<std::size_t>(0, 6)(rng)];
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    Lines start(std::uniform_int_distribution<std::size_t>(0, 8)(rng));
    for (auto& l : start) l = random_line();
    const KeySpec key{std::uniform_int_distribution<std::size_t>(1, 3)(rng),
                      std::uniform_int_distribution<std::size_t>(1, 2)(rng), round % 2 == 0};
    // As in the store, the first record after loading sorts the file as it found it.
    Lines reference = start;
    MergeKeyedLine(reference, random_line(), key);
    Lines fast = reference;
    for (int step = 0; step < 10; ++step) {
      const std::string line = random_line();
      MergeKeyedLine(reference, line, key);
      MergeKeyedLineSorted(fast, line, key);
      ASSERT_EQ(fast, reference) << "round " << round << " step " << step;
    }
  }
}

}  // namespace
}  // namespace rv
