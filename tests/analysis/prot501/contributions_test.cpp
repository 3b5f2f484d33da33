#include "analysis/prot501/contributions.h"

#include <gtest/gtest.h>

#include "report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

constexpr Amount kRouble = 10000;

TEST(Prot501Contributions, RateOfABaseInWholeKopecksHalvesToEven) {
  const struct {
    Amount base, rate, expected;
  } cases[] = {
      {100000 * kRouble, 51000, 5100 * kRouble},  // 5.1 %
      {5000, 10000, 0},                           // 0.50 at 1 %: half a kopeck, to even
      {15000, 10000, 200},                        // 1.50 at 1 %: 1.5 kopecks, up to 2
      {25000, 10000, 200},                        // 2.5 kopecks, down to 2
      {-15000, 10000, -200},
      {12345, 29000, 400},                        // 1.2345 at 2.9 % = 0.0358
      {1'000'000'000'000 * kRouble, 51000, 51'000'000'000 * kRouble},  // no overflow
      {70000 * kRouble, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ContributionOf(c.base, c.rate), c.expected) << c.base << " " << c.rate;
}

// One file whose elements carry all four quarters of the year.
TestReport YearReport(int year, std::vector<TestMonthRow> rows) {
  TestReport r;
  r.period = "34";
  r.year = year;
  const char* periods[] = {"21", "31", "33", "34"};
  for (int q = 0; q < 4; ++q) {
    TestPerson p;
    p.period = periods[q];
    for (const TestMonthRow& row : rows) {
      const int month = std::stoi(row.month);
      if ((month - 1) / 3 == q) p.rows.push_back(row);
    }
    r.persons.push_back(p);
  }
  return r;
}

TEST(Prot501Contributions, SocialBaseStopsAtTheLimitWithinAMonth) {
  std::vector<TestMonthRow> rows;
  for (int m = 1; m <= 12; ++m) {
    char code[3];
    std::snprintf(code, sizeof code, "%02d", m);
    rows.push_back({code, "НР", "70000.00", "70000.00", "0.00", "0.00"});
  }
  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), YearReport(2017, rows))));
  ASSERT_TRUE(prot.SocialLimitKnown);
  EXPECT_EQ(prot.SocialLimit, 755000 * kRouble);
  ASSERT_EQ(prot.BaseChecks.size(), 1u);
  const auto m = WithRunningTotals(EstimateOf(prot, prot.BaseChecks[0]).Months);
  EXPECT_EQ(m[9].CumOSSBase, 700000 * kRouble);
  EXPECT_EQ(m[9].OSSContrib, 2030 * kRouble);
  EXPECT_EQ(m[10].OSSBase, 55000 * kRouble);
  EXPECT_EQ(m[10].OSSContrib, 1595 * kRouble);
  EXPECT_EQ(m[10].CumOSSBase, 755000 * kRouble);
  EXPECT_EQ(m[11].OSSBase, 0);
  EXPECT_EQ(m[11].OSSContrib, 0);
  EXPECT_EQ(m[11].CumOSSBase, 755000 * kRouble);
  EXPECT_EQ(m[11].CumOSSContrib, 21895 * kRouble);
  EXPECT_EQ(m[11].OMSContrib, 3570 * kRouble);
  EXPECT_EQ(m[11].CumOMSBase, 840000 * kRouble);
  EXPECT_EQ(m[11].CumOMSContrib, 12 * 3570 * kRouble);
  EXPECT_EQ(WithRunningTotals(prot.OMSOSSTotal.Months)[11].CumOSSContrib, 21895 * kRouble);
}

TEST(Prot501Contributions, LimitCrossedBetweenTwoRowsOfOneMonth) {
  const std::vector<TestMonthRow> rows = {
      {"01", "НР", "710000.00", "710000.00", "10000.00", "0.00"},  // OSS base excludes contracts
      {"02", "НР", "50000.00", "50000.00", "0.00", "0.00"},
      {"02", "ВПНР", "10000.00", "10000.00", "0.00", "0.00"},     // 1.8 %
      {"03", "НР", "-100.00", "-100.00", "0.00", "0.00"},         // nothing once at the limit
  };
  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), YearReport(2017, rows))));
  const auto m = WithRunningTotals(EstimateOf(prot, prot.BaseChecks.at(0)).Months);
  EXPECT_EQ(m[0].OSSBase, 700000 * kRouble);
  EXPECT_EQ(m[1].OSSBase, 55000 * kRouble);
  EXPECT_EQ(m[1].OSSContrib, (1450 + 90) * kRouble);
  EXPECT_EQ(m[2].OSSBase, 0);
  EXPECT_EQ(m[2].CumOSSBase, 755000 * kRouble);
  EXPECT_EQ(m[1].OMSContrib, (2550 + 510) * kRouble);  // each tariff by itself
}

// Rows of one month in two periods reach the limit in the order the periods were added, which
// the cumulative control's order of period codes need not keep.
TEST(Prot501Contributions, PeriodsReachTheLimitInTheOrderTheyWereAdded) {
  TRSV501ProtData d;
  d.Year = 2017;
  d.SocialLimitKnown = true;
  d.SocialLimit = 100 * kRouble;
  d.CategoryCodes = {"НР", "ВПНР"};  // 2.9 % and 1.8 % to social insurance
  TRSV501BaseCheckPLRec person;
  person.Periods = {
      {.PeriodCode = "21", .Months = {{.Month = 1, .Category = 0, .Payments = 80 * kRouble, .Base = 80 * kRouble}}, .Added = 1},
      {.PeriodCode = "31", .Months = {{.Month = 1, .Category = 1, .Payments = 80 * kRouble, .Base = 80 * kRouble}}, .Added = 0}};
  const TRSV501OMSOSSMonthRec january = EstimateOf(d, person).Months[0];
  EXPECT_EQ(january.OSSBase, 100 * kRouble);
  EXPECT_EQ(january.OSSContrib, 202 * kRouble / 100);  // 80 at 1.8 %, then 20 at 2.9 %
  EXPECT_EQ(january.OMSBase, 160 * kRouble);
}

// Records put together by hand may name a month or a category the accumulation never makes.
TEST(Prot501Contributions, RowsOfNoMonthOrNoKnownCategoryCountForNothing) {
  TRSV501ProtData d;
  d.Year = 2017;
  d.CategoryCodes = {"НР"};
  TRSV501BaseCheckPLRec person;
  person.Periods = {{.PeriodCode = "21",
                     .Months = {{.Month = 13, .Category = 0, .Payments = kRouble},
                                {.Month = 1, .Category = 7, .Payments = kRouble},
                                {.Month = 2, .Category = 0, .Payments = kRouble}}}};
  const TRSV501OMSOSSPLRec estimate = EstimateOf(d, person);
  EXPECT_EQ(estimate.Months[0].OMSBase, 0);
  EXPECT_EQ(estimate.Months[1].OMSBase, kRouble);
}

TEST(Prot501Contributions, YearWithoutASocialLimitHasNoSocialFigures) {
  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), YearReport(2020, QuarterRows(1, "100.00", "100.00")))));
  EXPECT_FALSE(prot.SocialLimitKnown);
  EXPECT_EQ(prot.PensionLimit, 0);
  const auto m = WithRunningTotals(EstimateOf(prot, prot.BaseChecks.at(0)).Months);
  EXPECT_EQ(m[0].OMSBase, 100 * kRouble);
  EXPECT_EQ(m[2].OSSBase, 0);
  EXPECT_EQ(m[11].CumOSSBase, 0);
  EXPECT_EQ(m[11].CumOSSContrib, 0);
}

}  // namespace
}  // namespace orsvelt::test
