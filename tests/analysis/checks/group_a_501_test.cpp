// The "not submitted" grounds of format 5.01 over small reports of every period code: each
// holds on an agreeing report and breaks, at its tariff group, month and in total, when one
// side moves by a kopeck.

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/checks/finding.h"
#include "analysis/prot501/report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Finding;
using checks::Severity;

TestPerson Worker(int number, const std::string& snils, int firstMonth) {
  TestPerson p;
  p.number = number;
  p.snils = snils;
  p.rows = QuarterRows(firstMonth, "1000.00", "1000.00");
  for (TestMonthRow& row : p.rows) row.contributions = "220.00";
  return p;
}

// Two workers of tariff 01 with 1000.00 a month each at 22 %: every ratio holds.
TestReport Agreeing(const std::string& period, int firstMonth) {
  TestReport r;
  r.period = period;
  r.year = 2018;
  TestTariff t;
  t.tariff = "01";
  t.persons = {2, 2, 2, 2};
  t.payments = {"6000.00", "2000.00", "2000.00", "2000.00"};
  t.base = {"6000.00", "2000.00", "2000.00", "2000.00"};
  t.contributions = {"1320.00", "440.00", "440.00", "440.00"};
  r.tariffs = {t};
  r.persons = {Worker(1, "112-233-445 95", firstMonth), Worker(2, "123-456-789 64", firstMonth)};
  return r;
}

std::vector<Finding> FindingsOf(const TestReport& content) {
  TempDir dir;
  TRSV501Prot prot;
  EXPECT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), content)));
  if (!prot.Checks()) return {};
  return prot.Checks()->findings;
}

std::vector<Finding> OfGroupA(std::vector<Finding> all) {
  std::erase_if(all, [](const Finding& f) { return f.group != checks::Group::A; });
  return all;
}

struct PeriodCase {
  std::string period;
  int firstMonth;
  friend void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.period; }
};

class GroupA501 : public testing::TestWithParam<PeriodCase> {};

TEST_P(GroupA501, HoldsWhenBothSectionsAgree) {
  const auto [period, firstMonth] = GetParam();
  const auto found = OfGroupA(FindingsOf(Agreeing(period, firstMonth)));
  for (const Finding& f : found) ADD_FAILURE() << f.check << " " << f.text << " " << f.month.value_or(0);
}

TEST_P(GroupA501, EachRatioBreaksByAKopeckInItsMonth) {
  const auto [period, firstMonth] = GetParam();
  struct Case {
    std::string check;
    std::vector<std::string> TestTariff::*line;
  };
  const Case cases[] = {{"0.1", &TestTariff::contributions}, {"A3", &TestTariff::payments}, {"A4", &TestTariff::base}};
  for (const Case& c : cases) {
    for (int m = 1; m <= 3; ++m) {
      TestReport r = Agreeing(period, firstMonth);
      (r.tariffs[0].*c.line)[m] = (r.tariffs[0].*c.line)[m] == "440.00" ? "440.01" : "2000.01";
      const auto found = OfGroupA(FindingsOf(r));
      ASSERT_EQ(found.size(), 2u) << c.check << " month " << m;  // the tariff group and the total
      for (const Finding& f : found) {
        EXPECT_EQ(f.check, c.check);
        EXPECT_EQ(f.severity, Severity::Rejection);
        EXPECT_EQ(f.month, firstMonth + m - 1);
        EXPECT_EQ(f.Difference(), 100) << "one kopeck";
      }
      EXPECT_EQ(found[0].tariff, "");
      EXPECT_EQ(found[1].tariff, "01, 02, 03");
    }
  }
}

TEST_P(GroupA501, AThreeMonthTotalBreaksWithoutAMonth) {
  const auto [period, firstMonth] = GetParam();
  TestReport r = Agreeing(period, firstMonth);
  r.tariffs[0].contributions[0] = "1319.99";
  const auto found = OfGroupA(FindingsOf(r));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_FALSE(found[0].month);
  EXPECT_EQ(found[0].Difference(), -100);
}

TEST_P(GroupA501, AMissingPersonBreaksEveryMonthAndNamesNoOneWhenRatesHold) {
  const auto [period, firstMonth] = GetParam();
  TestReport r = Agreeing(period, firstMonth);
  r.persons.pop_back();
  const auto found = OfGroupA(FindingsOf(r));
  // Three ratios, four columns, group and total.
  EXPECT_EQ(found.size(), 3u * 4u * 2u);
  for (const Finding& f : found) EXPECT_TRUE(f.persons.empty()) << f.check;
}

TEST_P(GroupA501, APersonOffTheRateIsNamed) {
  const auto [period, firstMonth] = GetParam();
  TestReport r = Agreeing(period, firstMonth);
  r.persons[1].rows[1].contributions = "220.02";  // 22 % of 1000.00 is 220.00
  const auto found = OfGroupA(FindingsOf(r));
  ASSERT_EQ(found.size(), 4u);  // the month and the three months, each in the group and in total
  EXPECT_EQ(found[0].check, "0.1");
  EXPECT_EQ(found[3].persons, found[0].persons);
  EXPECT_EQ(found[0].month, firstMonth + 1);
  EXPECT_EQ(found[0].Difference(), -200);
  EXPECT_EQ(found[0].persons, (std::vector<std::string>{"123-456-789 64"}));
}

TEST_P(GroupA501, AdditionalTariffRowsWithoutSection1Break) {
  const auto [period, firstMonth] = GetParam();
  TestReport r = Agreeing(period, firstMonth);
  const std::string month = (firstMonth < 10 ? "0" : "") + std::to_string(firstMonth + 2);
  r.persons[0].adds.push_back({month, "21", "1000.00", "90.00"});
  const auto found = OfGroupA(FindingsOf(r));
  std::vector<std::string> checks;
  for (const Finding& f : found) checks.push_back(f.check + "/" + std::to_string(f.month.value_or(0)));
  EXPECT_EQ(checks, (std::vector<std::string>{"A2/" + std::to_string(firstMonth + 2), "A2/0",
                                              "A5/" + std::to_string(firstMonth + 2), "A5/0"}));
}

INSTANTIATE_TEST_SUITE_P(Periods, GroupA501,
                         testing::Values(PeriodCase{"21", 1}, PeriodCase{"31", 4}, PeriodCase{"33", 7},
                                         PeriodCase{"34", 10}, PeriodCase{"51", 1}, PeriodCase{"90", 10}));

}  // namespace
}  // namespace orsvelt::test
