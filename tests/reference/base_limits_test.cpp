// Yearly base limits as amounts, per format.

#include <optional>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/base_limits.h"

namespace orsvelt {
namespace {

constexpr Amount Roubles(std::int64_t whole) { return whole * kAmountScale; }

TEST(BaseLimits, EachYearOfEachFormat) {
  struct Case {
    std::string_view year;
    std::optional<Amount> pension502, social502, pension501, social501;
  };
  const std::vector<Case> cases{
      {"2016", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"2017", Roubles(876000), Roubles(755000), Roubles(876000), Roubles(755000)},
      {"2018", Roubles(1021000), Roubles(815000), Roubles(1021000), Roubles(815000)},
      {"2019", Roubles(1150000), Roubles(865000), Roubles(1150000), Roubles(865000)},
      // 2020 has limits of its own, not a repetition of 2019's.
      {"2020", Roubles(1292000), Roubles(912000), std::nullopt, std::nullopt},
      {"2021", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {" 2019", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(LimitOfYear(PensionLimitRows502(), c.year), c.pension502);
    EXPECT_EQ(LimitOfYear(SocialLimitRows502(), c.year), c.social502);
    EXPECT_EQ(LimitOfYear(PensionLimitRows501(), c.year), c.pension501);
    EXPECT_EQ(LimitOfYear(SocialLimitRows501(), c.year), c.social501);
  }
}

TEST(BaseLimits, AscendingYearsAndGrowingLimits) {
  for (std::span<const CodeRow> rows : {PensionLimitRows502(), SocialLimitRows502()}) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
      SCOPED_TRACE(rows[i].code);
      EXPECT_LT(rows[i - 1].code, rows[i].code);
      EXPECT_LT(LimitOfYear(rows, rows[i - 1].code).value(), LimitOfYear(rows, rows[i].code).value());
    }
  }
}

}  // namespace
}  // namespace orsvelt
