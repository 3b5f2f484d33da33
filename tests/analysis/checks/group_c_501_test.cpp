// Ratios of format 5.01 read from report files: each person's declared totals (1.302-1.307)
// over every period code, and the since-start lines against the previous period's file of the
// folder (1.1 ff.), which the analysis finds by itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "analysis/checks/check_table.h"
#include "checks_test_support.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

std::vector<Finding> Ours(const std::filesystem::path& report) {
  std::set<std::string_view> ours;
  for (const auto rows : {checks::GroupBRows501(), checks::GroupCRows501(), checks::GroupERows501()})
    for (const checks::CheckRow& row : rows) ours.insert(row.id);
  std::vector<Finding> found = ChecksOf(report).findings;
  // The ratios over the year's persons (N7-N16) have their own tests: year_persons_501_test.cpp.
  std::erase_if(found, [&](const Finding& f) { return !ours.count(f.check) || f.check.starts_with("N"); });
  return found;
}

// Two workers of tariff 01 at 1000.00 a month, the second also with additional-tariff rows.
TestReport Report(const std::string& id, const std::string& period, int firstMonth) {
  TestReport r = TwoWorkers(id, period, firstMonth);
  const std::string month = (firstMonth + 1 < 10 ? "0" : "") + std::to_string(firstMonth + 1);
  r.persons[1].adds = {{month, "21", "1000.00", "90.00"}};
  return r;
}

struct PeriodCase {
  std::string period;
  int firstMonth;
  friend void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.period; }
};

class PersonTotals501 : public testing::TestWithParam<PeriodCase> {};

TEST_P(PersonTotals501, DeclaredTotalsAgreeWithTheRowsOrBreakByAKopeck) {
  const auto [period, firstMonth] = GetParam();
  TempDir dir;
  EXPECT_TRUE(Ours(WriteReport(dir.path(), Report("NO_RASCHSV_T", period, firstMonth))).empty());

  struct Case {
    std::string check;
    bool extra;
    int index;
    std::string attribute;
  };
  const Case cases[] = {{"1.302", false, 0, "СумВыплВс3"}, {"1.303", false, 1, "ВыплОПСВс3"},
                        {"1.304", false, 2, "ВыплОПСДогВс3"}, {"1.305", false, 3, "НачислСВВс3"},
                        {"1.306", true, 0, "ВыплСВВс3"},     {"1.307", true, 1, "НачислСВВс3"}};
  for (const Case& c : cases) {
    TestReport r = Report("NO_RASCHSV_T", period, firstMonth);
    TestPerson& p = r.persons[1];
    if (c.extra) {
      p.addTotals = {"1000.00", "90.00"};
      p.addTotals[c.index] = c.index == 0 ? "1000.01" : "90.01";
    } else {
      p.totals = {"3000.00", "3000.00", "0.00", "660.00"};
      p.totals[c.index] = c.index == 2 ? "0.01" : c.index == 3 ? "660.01" : "3000.01";
    }
    TempDir d;
    const auto found = Ours(WriteReport(d.path(), r));
    ASSERT_EQ(found.size(), 1u) << c.check;
    EXPECT_EQ(found[0].check, c.check);
    EXPECT_EQ(found[0].snils, "123-456-789 64");
    EXPECT_EQ(found[0].Difference(), 100);
    EXPECT_FALSE(found[0].month);
    EXPECT_TRUE(found[0].path.ends_with((c.extra ? "ВыплСВДоп[1] - @" : "СвВыпл[0] - @") + c.attribute))
        << found[0].path;
  }
}

// A row of a month outside the period is no part of the period's totals.
TEST_P(PersonTotals501, RowsOfOtherMonthsAreLeftOut) {
  const auto [period, firstMonth] = GetParam();
  TestReport r = Report("NO_RASCHSV_T", period, firstMonth);
  r.persons[0].rows.push_back({firstMonth == 1 ? "12" : "01", "НР", "5.00", "0.00", "0.00", "0.00"});
  r.persons[0].totals = {"3000.00", "3000.00", "0.00", "660.00"};
  TempDir dir;
  for (const Finding& f : Ours(WriteReport(dir.path(), r))) EXPECT_NE(f.check, "1.302") << f.text;
}

INSTANTIATE_TEST_SUITE_P(Periods, PersonTotals501,
                         testing::Values(PeriodCase{"21", 1}, PeriodCase{"31", 4}, PeriodCase{"33", 7},
                                         PeriodCase{"34", 10}));

// The builder writes every since-start column equal to the three months, which is right only
// for the first quarter: a later report beside its previous period's file breaks the sums by
// the previous period's figures, and the head counts hold.
TEST(AcrossPeriods501, TheSinceStartColumnMustCarryThePreviousPeriod) {
  const PeriodCase periods[] = {{"21", 1}, {"31", 4}, {"33", 7}, {"34", 10}};
  for (std::size_t i = 1; i < std::size(periods); ++i) {
    TempDir dir;
    WriteReport(dir.path(), Report("NO_RASCHSV_previous", periods[i - 1].period, periods[i - 1].firstMonth));
    const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_main", periods[i].period, periods[i].firstMonth));
    const auto found = Ours(main);
    std::vector<std::string> checks;
    for (const Finding& f : found) {
      checks.push_back(f.check);
      EXPECT_EQ(f.Difference(), f.check == "1.87" || f.check == "1.89" ? -13200000 : -60000000) << f.check;
      EXPECT_EQ(f.tariff, "01");
      EXPECT_NE(f.text.find("NO_RASCHSV_previous.xml"), std::string::npos) << f.text;
    }
    EXPECT_EQ(checks, (std::vector<std::string>{"1.56", "1.80", "1.87", "1.89"})) << periods[i].period;
  }
  // The first quarter compares with zeros and holds alone.
  TempDir dir;
  EXPECT_TRUE(Ours(WriteReport(dir.path(), Report("NO_RASCHSV_q1", "21", 1))).empty());
}

// An older quarter's file is no base for the since-start figures: without the preceding
// quarter's report the rows stay silent and E-period names the missing period.
TEST(AcrossPeriods501, NothingAgainstAnOlderQuarterWhenThePrecedingOneIsMissing) {
  TempDir dir;
  WriteReport(dir.path(), Report("NO_RASCHSV_q1", "21", 1));
  const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_q3", "33", 7));
  EXPECT_EQ(IdsOf(Ours(main)), std::vector<std::string>{});
  EXPECT_EQ(IdsOf(OfGroup(ChecksOf(main).findings, checks::Group::E)), std::vector<std::string>{"E-period"});
}

}  // namespace
}  // namespace orsvelt::test
