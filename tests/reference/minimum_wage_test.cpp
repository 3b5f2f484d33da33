// Minimum wage and the small-business threshold of 2020..2026.

#include <optional>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/minimum_wage.h"

namespace orsvelt {
namespace {

constexpr Amount Roubles(std::int64_t whole) { return whole * kAmountScale; }
constexpr Evidence kSeen = Evidence::established;
constexpr Evidence kInferred = Evidence::inferred;

TEST(MinimumWage, EveryYearAndItsThreshold) {
  struct Case {
    std::string_view year;
    KnownAmount wage, factor, threshold;
  };
  const std::vector<Case> cases{
      // The 2020 reports split a month's pay as НР 12 130.00 and МС for the rest.
      {"2020", {Roubles(12130), kSeen}, {kAmountScale, kSeen}, {Roubles(12130), kSeen}},
      {"2021", {Roubles(12792), kInferred}, {kAmountScale, kInferred}, {Roubles(12792), kInferred}},
      // The June 2022 rise does not move the threshold: the value of 1 January holds for the year.
      {"2022", {Roubles(13890), kInferred}, {kAmountScale, kInferred}, {Roubles(13890), kInferred}},
      {"2023", {Roubles(16242), kInferred}, {kAmountScale, kInferred}, {Roubles(16242), kInferred}},
      // The 2024 reports split 266 464.00 as НР 19 242.00 and МС 247 222.00.
      {"2024", {Roubles(19242), kSeen}, {kAmountScale, kSeen}, {Roubles(19242), kSeen}},
      {"2025", {Roubles(22440), kSeen}, {15000, kSeen}, {Roubles(33660), kSeen}},
      // 1.5 x 27 093 = 40 639.50 to the kopeck; a published "40 644" does not follow from the МРОТ.
      {"2026", {Roubles(27093), kSeen}, {15000, kSeen}, {Roubles(40639) + kAmountScale / 2, kSeen}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(MinimumWage(c.year), c.wage);
    EXPECT_EQ(SmallBusinessThresholdFactor(c.year), c.factor);
    EXPECT_EQ(SmallBusinessThreshold(c.year), c.threshold);
  }
}

TEST(MinimumWage, UnknownYearsAreNotZero) {
  for (std::string_view year : {"2019", "2027", "", "24", "2024 ", "２024"}) {
    SCOPED_TRACE(year);
    EXPECT_EQ(MinimumWage(year), std::nullopt);
    EXPECT_EQ(SmallBusinessThresholdFactor(year), std::nullopt);
    EXPECT_EQ(SmallBusinessThreshold(year), std::nullopt);
  }
}

}  // namespace
}  // namespace orsvelt
