#include "support/num_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace rv {
namespace {

std::string printf_text(const char* format, double v, int width, int precision) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, width, precision, v);
  return buf;
}

TEST(NumText, FixedIsPrintfIncludingItsTiesAndNegatives) {
  // Exact ties round to even as printf does; values just off a tie go their own way.
  for (const double v : {0.25,
                         0.35,
                         12.75,
                         12.85,
                         2.5,
                         3.5,
                         -0.05,
                         -0.0,
                         0.0,
                         1e-9,
                         999999.95,
                         160.0,
                         66.66666666666667,
                         1e15,
                         0.15,
                         1.005,
                         -0.04,
                         -2.5,
                         4.4e9,
                         std::numeric_limits<double>::infinity()}) {
    for (const int p : {0, 1, 2}) {
      EXPECT_EQ(NumText::Fixed(v, 7, p).view(), printf_text("%*.*f", v, 7, p)) << v << " " << p;
    }
  }
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> dist(-5000, 5000);
  for (int i = 0; i < 30000; ++i) {
    const double v = dist(rng) / static_cast<double>(1 + rng() % 1000);
    const int p = i % 4;
    ASSERT_EQ(NumText::Fixed(v, 8, p).view(), printf_text("%*.*f", v, 8, p)) << v << " " << p;
  }
  // Quotients like the return rates: whole yen over whole hundreds, times 100.
  for (int back = 0; back < 3000; back += 7) {
    for (const int total : {300, 800, 1200, 8000, 72000}) {
      const double v = static_cast<double>(back) / total * 100;
      ASSERT_EQ(NumText::Fixed(v, 7, 1).view(), printf_text("%*.*f", v, 7, 1)) << v;
    }
  }
  EXPECT_EQ(NumText::Fixed(1e300, 5, 1).view(), printf_text("%*.*f", 1e300, 5, 1));
  EXPECT_EQ(NumText::Fixed(-2.5, 60, 1).view(), printf_text("%*.*f", -2.5, 60, 1));
  EXPECT_EQ(NumText::Int(42, 70).view(), std::string(68, ' ') + "42");
}

TEST(NumText, IntegersAndTenthsPadLeftAndNeverCut) {
  EXPECT_EQ(NumText::Int(7, 3).view(), "  7");
  EXPECT_EQ(NumText::Int(-42, 6).view(), "   -42");
  EXPECT_EQ(NumText::Int(1234567, 3).view(), "1234567");
  EXPECT_EQ(NumText::Int(0, 0).view(), "0");
  EXPECT_EQ(NumText::Int(42, 30).view(), std::string(28, ' ') + "42");
  EXPECT_EQ(NumText::Int(std::numeric_limits<std::int64_t>::min(), 0).view(),
            "-9223372036854775808");
  EXPECT_EQ(NumText::Tenths(123, 7).view(), "   12.3");
  EXPECT_EQ(NumText::Tenths(5, 0).view(), "0.5");
  EXPECT_EQ(NumText::Tenths(-5, 5).view(), " -0.5");
}

TEST(ParseTenths, ReadsOneDecimalAtMost) {
  EXPECT_EQ(ParseTenths("   12.3"), 123);
  EXPECT_EQ(ParseTenths("8"), 80);
  EXPECT_EQ(ParseTenths(" -0.5 "), -5);
  EXPECT_EQ(ParseTenths("    0.0"), 0);
  for (const char* bad : {"", "   ", "1.25", "12.", ".5", "1,5", "--1", "abc", "1.x"}) {
    EXPECT_EQ(ParseTenths(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace rv
