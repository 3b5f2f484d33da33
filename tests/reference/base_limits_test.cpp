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

TEST(BaseLimits, EveryYearWithItsEvidence) {
  constexpr Evidence kSeen = Evidence::established;
  constexpr Evidence kInferred = Evidence::inferred;
  using Known = std::optional<KnownAmount>;
  struct Case {
    std::string_view year;
    Known pension, social, unified;
  };
  const std::vector<Case> cases{
      {"2016", std::nullopt, std::nullopt, std::nullopt},
      {"2017", KnownAmount{Roubles(876000), kSeen}, KnownAmount{Roubles(755000), kSeen}, std::nullopt},
      {"2020", KnownAmount{Roubles(1292000), kSeen}, KnownAmount{Roubles(912000), kSeen}, std::nullopt},
      {"2021", KnownAmount{Roubles(1465000), kInferred}, KnownAmount{Roubles(966000), kInferred}, std::nullopt},
      {"2022", KnownAmount{Roubles(1565000), kInferred}, KnownAmount{Roubles(1032000), kInferred}, std::nullopt},
      // From 2023 only the unified limit; the separate ones are not known, not 0.
      {"2023", std::nullopt, std::nullopt, KnownAmount{Roubles(1917000), kSeen}},
      // Reached to the kopeck by one person's within-limit base in the 2024 reports.
      {"2024", std::nullopt, std::nullopt, KnownAmount{Roubles(2225000), kSeen}},
      {"2025", std::nullopt, std::nullopt, KnownAmount{Roubles(2759000), kInferred}},
      {"2026", std::nullopt, std::nullopt, KnownAmount{Roubles(2979000), kSeen}},
      {"2027", std::nullopt, std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt, std::nullopt},
      {"2024 ", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(PensionLimit(c.year), c.pension);
    EXPECT_EQ(SocialLimit(c.year), c.social);
    EXPECT_EQ(UnifiedLimit(c.year), c.unified);
  }
}

TEST(BaseLimits, FormatListsAgreeWithTheYearLookUp) {
  // The 5.01 and 5.02 lists are the first rows of the same table, so they cannot drift apart.
  for (std::span<const CodeRow> rows : {PensionLimitRows501(), PensionLimitRows502()}) {
    for (const CodeRow& row : rows) {
      SCOPED_TRACE(row.code);
      EXPECT_EQ(LimitOfYear(rows, row.code), PensionLimit(row.code)->value);
    }
  }
  for (const CodeRow& row : SocialLimitRows502())
    EXPECT_EQ(LimitOfYear(SocialLimitRows502(), row.code), SocialLimit(row.code)->value);
}

}  // namespace
}  // namespace orsvelt
