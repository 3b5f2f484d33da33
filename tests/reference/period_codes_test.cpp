// Quarters and months of the reporting-period codes.

#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/period_codes.h"

namespace orsvelt {
namespace {

std::vector<std::string_view> List(std::span<const std::string_view> codes) {
  return {codes.begin(), codes.end()};
}

using Months = std::vector<std::string_view>;
const Months kQ1{"01", "02", "03"}, kQ2{"04", "05", "06"}, kQ3{"07", "08", "09"}, kQ4{"10", "11", "12"};

TEST(PeriodCodes, QuarterAndMonthsOfEveryCode) {
  struct Case {
    std::string_view code;
    int quarter;
    Months months;  // format 5.01 leaves the deregistration codes without months
  };
  const std::vector<Case> cases{
      {"21", 1, kQ1}, {"51", 1, kQ1}, {"83", 1, {}},
      {"31", 2, kQ2}, {"52", 2, kQ2}, {"84", 2, {}},
      {"33", 3, kQ3}, {"53", 3, kQ3}, {"85", 3, {}},
      {"34", 4, kQ4}, {"90", 4, kQ4}, {"86", 4, {}},
      {"", 0, {}},    {"22", 0, {}},  {"35", 0, {}}, {"54", 0, {}}, {"87", 0, {}}, {"89", 0, {}},
      {"021", 0, {}}, {" 21", 0, {}}, {"21 ", 0, {}}, {"2", 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(QuarterOfPeriod(c.code), c.quarter);
    EXPECT_EQ(List(MonthsOfPeriod(c.code)), c.months);
  }
}

TEST(PeriodCodes, EveryNamedPeriodHasAQuarter) {
  for (const CodeRow& row : PeriodRows()) {
    SCOPED_TRACE(row.code);
    EXPECT_NE(QuarterOfPeriod(row.code), 0);
  }
}

// The ordinary code of each quarter maps back to it; other numbers have none.
TEST(PeriodCodes, OrdinaryPeriodOfEachQuarter) {
  const std::string_view expected[] = {"21", "31", "33", "34"};
  for (int q = 1; q <= 4; ++q) {
    EXPECT_EQ(OrdinaryPeriodOfQuarter(q), expected[q - 1]);
    EXPECT_EQ(QuarterOfPeriod(OrdinaryPeriodOfQuarter(q)), q);
  }
  for (int q : {-1, 0, 5}) EXPECT_EQ(OrdinaryPeriodOfQuarter(q), "") << q;
}

}  // namespace
}  // namespace orsvelt
