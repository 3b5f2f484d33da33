// Group E of format 5.02 over every period code: negative amounts, and contributions as base
// times rate within a kopeck per person, per block within a kopeck per person and month.

#include <gtest/gtest.h>

#include "checks_502.h"
#include "section1_text.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

class Other502 : public testing::TestWithParam<int> {};

std::vector<Finding> RowOf(const ReportSpec& r, const std::string& id) { return OfRow(Of502Rows(FindingsOf(r)), id); }

TEST_P(Other502, ANegativeKopeckInSection3OrSection1) {
  const int quarter = GetParam();
  ReportSpec r = AgreeingReport(quarter);
  r.persons[1].months[2].civil = "-0.01";
  auto found = RowOf(r, "E1-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].month, 3 * quarter);
  EXPECT_EQ(found[0].snils, "123-456-789 64");
  EXPECT_EQ(found[0].Difference(), -100);
  EXPECT_TRUE(found[0].path.ends_with("@ВыплОПСДог")) << found[0].path;

  found = RowOf(AgreeingReport(quarter, {{"РасчСВ_ОПС/НеОбложенСВ", "Сум2Посл3М", "-0.01"}}), "E1-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].month, 3 * quarter - 1);
  EXPECT_EQ(found[0].tariff, "01");
  EXPECT_TRUE(found[0].path.ends_with("НеОбложенСВ - @Сум2Посл3М")) << found[0].path;
}

TEST_P(Other502, APersonsContributionsWithinAKopeckOfTheCategoryRate) {
  const int quarter = GetParam();
  ReportSpec r = AgreeingReport(quarter);
  r.persons[0].months[1].charged = "220.01";  // 22 % of 1000.00, a kopeck of rounding allowed
  EXPECT_EQ(RowOf(r, "E8-502").size(), 0u);
  r.persons[0].months[1].charged = "220.02";
  const auto found = RowOf(r, "E8-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].month, 3 * quarter - 1);
  EXPECT_EQ(found[0].Difference(), 200);
  EXPECT_EQ(found[0].tariff, "01, 02, 03");
  EXPECT_EQ(found[0].persons, std::vector<std::string>{"112-233-445 95"});
  EXPECT_TRUE(found[0].path.ends_with("@НачислСВ")) << found[0].path;
}

TEST_P(Other502, SmallBusinessRowsAtTenPercentFromApril) {
  const int quarter = GetParam();
  ReportSpec r = AgreeingReport(quarter);
  r.persons[0].months.push_back({2, "МС", "100.00", "100.00", "0", "10.02"});
  const auto found = RowOf(r, "E8-502");
  if (quarter == 1) {
    EXPECT_EQ(found.size(), 0u) << "no small-business rate before April 2020";
    return;
  }
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(*found[0].right, 10 * kAmountScale);
  EXPECT_EQ(found[0].tariff, "20");
  r.persons[0].months.back().charged = "10.01";
  EXPECT_EQ(RowOf(r, "E8-502").size(), 0u);
}

TEST_P(Other502, AnUnknownRateIsNotChecked) {
  ReportSpec r = AgreeingReport(GetParam());
  r.persons[0].months.push_back({1, "ЖЖЖЖ", "100.00", "100.00", "0", "99.00"});
  r.year = "2031";
  EXPECT_EQ(RowOf(r, "E8-502").size(), 0u);
}

TEST_P(Other502, ABlocksContributionsWithinAKopeckPerPersonOfItsBase) {
  const int quarter = GetParam();
  // Two persons: two kopecks of rounding allowed in a month.
  EXPECT_EQ(RowOf(AgreeingReport(quarter, {{"РасчСВ_ОПС/НачислСВНеПрев", "Сум3Посл3М", "440.02"}}), "E8-502").size(), 0u);
  const auto found = RowOf(AgreeingReport(quarter, {{"РасчСВ_ОПС/НачислСВНеПрев", "Сум3Посл3М", "440.03"}}), "E8-502");
  ASSERT_EQ(found.size(), 2u);  // within the limit, and so above it: НачислСВ − НачислСВНеПрев
  EXPECT_EQ(found[0].month, 3 * quarter);
  EXPECT_EQ(found[0].Difference(), 300);
  EXPECT_EQ(found[0].tariff, "01");
  EXPECT_EQ(found[1].Difference(), -300);
}

INSTANTIATE_TEST_SUITE_P(Quarters, Other502, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "period" + PeriodOfQuarter(info.param); });

}  // namespace
}  // namespace orsvelt::test
