// Group E of format 5.02 over every period code: negative amounts, and contributions as base
// times rate within a kopeck per person, per block within a kopeck per person and month.

#include <gtest/gtest.h>

#include "checks_502.h"
#include "section1_text.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

class Other502 : public testing::TestWithParam<int> {};

std::vector<Finding> RowOf(const TestReport& r, const std::string& id) { return OfRow(Of502Rows(FindingsOf(r)), id); }

TEST_P(Other502, ANegativeKopeckInSection3OrSection1) {
  const int quarter = GetParam();
  TestReport r = AgreeingReport(quarter);
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
  TestReport r = AgreeingReport(quarter);
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
  TestReport r = AgreeingReport(quarter);
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
  TestReport r = AgreeingReport(GetParam());
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

// Two foreign workers and one student with 100.00 and 50.00 a month; the totals agree, then
// one month of each total is a kopeck off.
TEST_P(Other502, PaymentAppendixTotalsAgainstTheirPersons) {
  const int quarter = GetParam();
  const auto sum = [&](const std::string& name, int monthly, const std::string& month3) {
    return "<" + name + " СумВсегоПер=\"" + std::to_string(monthly * 3 * quarter) + ".00\" Сум1Посл3М=\"" +
           std::to_string(monthly) + ".00\" Сум2Посл3М=\"" + std::to_string(monthly) + ".00\" Сум3Посл3М=\"" + month3 +
           "\"/>";
  };
  const auto report = [&](const std::string& foreignTotal, const std::string& studentTotal) {
    TestReport r = AgreeingReport(quarter);
    std::string appendices = "<СвПримТариф2.2.425>" + sum("ВыплатИт", 200, foreignTotal);
    for (const char* inn : {"500100732259", "772345678901"})
      appendices += std::string("<СвИноГражд ИННФЛ=\"") + inn + "\" Гражд=\"112\"><ФИО Фамилия=\"Ли\" Имя=\"Ван\"/>" +
                    sum("СумВыплат", 100, "100.00") + "</СвИноГражд>";
    appendices += "</СвПримТариф2.2.425><СвПримТариф1.3.422>" + sum("ВыплатИт", 50, studentTotal) +
                  "<СведОбуч УникНомер=\"001\"><ФИО Фамилия=\"Орлов\" Имя=\"Олег\"/>" + sum("СумВыплат", 50, "50.00") +
                  "</СведОбуч></СвПримТариф1.3.422>\n";
    r.calculationHead.insert(r.calculationHead.find("</ОбязПлатСВ>"), appendices);
    return r;
  };
  EXPECT_EQ(RowOf(report("200.00", "50.00"), "E6-502").size(), 0u);
  const auto found = RowOf(report("200.01", "49.99"), "E6-502");
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].month, 3 * quarter);
  EXPECT_EQ(found[0].Difference(), 100);
  EXPECT_TRUE(found[0].path.ends_with("СвПримТариф2.2.425 - ВыплатИт - @Сум3Посл3М")) << found[0].path;
  EXPECT_TRUE(found[0].text.ends_with(": СвПримТариф2.2.425"));
  EXPECT_EQ(found[1].Difference(), -100);
  EXPECT_TRUE(found[1].text.ends_with(": СвПримТариф1.3.422"));
}

INSTANTIATE_TEST_SUITE_P(Quarters, Other502, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "period" + PeriodOfQuarter(info.param); });

}  // namespace
}  // namespace orsvelt::test
