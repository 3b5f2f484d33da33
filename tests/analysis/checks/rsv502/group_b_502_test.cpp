// Group B of format 5.02 over every period code: an agreeing report gives nothing, and each
// ratio breaks at its month (or the since-start column) when one side moves by a kopeck or
// one person, with the findings that move necessarily brings along.

#include <gtest/gtest.h>

#include <algorithm>

#include "checks_502.h"
#include "section1_text.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

class Rows502 : public testing::TestWithParam<int> {};

TEST_P(Rows502, NothingOnAnAgreeingReport) {
  for (const Finding& f : QuarterFindings(GetParam(), {})) ADD_FAILURE() << Brief(f) << " " << f.text;
}

// A month attribute broken: "{m}" in the element or attribute is the month of the quarter; the expected
// rows take "M" for that calendar month and "0" for the since-start column.
struct MonthCase {
  std::string name;
  std::string element, attribute, value;
  std::vector<std::string> expected;
  Amount difference;  // of the case's own row, listed first
};

TEST_P(Rows502, EachRatioBreaksInItsMonth) {
  const int quarter = GetParam();
  const MonthCase cases[] = {
      {"B1", "УплПерОПС", "СумСВУпл{m}М", "440.01", {"B1-502/M", "C2-502/0"}, 100},
      {"B2", "УплПерОМС", "СумСВУпл{m}М", "101.99", {"B2-502/M", "C2-502/0"}, -100},
      {"B4 part", "Упл{m}Посл3М", "Сумма", "58.01", {"B4-502/M"}, 100},
      {"B4 payable", "УплПерОСС", "СумСВУпл{m}М", "58.01", {"B4-502/M", "C2-502/0"}, 100},
      {"B5", "РасчСВ_ОПС/КолЛицНачСВВс", "Кол{m}Посл3М", "3", {"B5-502/M", "B5-502/M"}, -10000},
      {"B6", "РасчСВ_ОМС/ВыплНачислФЛ", "Сум{m}Посл3М", "0", {"B6-502/M", "B12-502/M", "B8-502/M", "C1-502/0"}, 0},
      {"B7", "РасчСВ_ОСС.ВНМКод/НеОбложенСВ", "Сум{m}Посл3М", "2000.01", {"B7-502/M", "B11-502/M", "C1-502/0"}, -100},
      {"B8", "РасчСВ_ОПС/БазНачислСВ", "Сум{m}Посл3М", "2000.01", {"B8-502/M", "C1-502/0"}, 100},
      {"B9", "РасчСВ_ОПС/ПревБазОПС", "Кол{m}Посл3М", "1", {"B9-502/M", "B5-502/M"}, 0},
      {"B10", "РасчСВ_ОПС/НачислСВНеПрев", "Сум{m}Посл3М", "440.01", {"B10-502/M", "C1-502/0"}, -100},
      {"B11", "РасчСВ_ОСС.ВНМКод/БазНачислСВ", "Сум{m}Посл3М", "1999.99", {"B11-502/M", "C1-502/0"}, -100},
      {"B12", "РасчСВ_ОМС/ВыплНачислФЛ", "Сум{m}Посл3М", "2000.01", {"B12-502/M", "B8-502/M", "C1-502/0"}, 100},
  };
  for (const MonthCase& c : cases) {
    for (int m = 1; m <= 3; ++m) {
      const auto month_of = [&](std::string text) {
        if (const auto at = text.find("{m}"); at != std::string::npos) text.replace(at, 3, std::to_string(m));
        return text;
      };
      const auto found = QuarterFindings(quarter, {{month_of(c.element), month_of(c.attribute), c.value}});
      const int month = 3 * (quarter - 1) + m;
      std::vector<std::string> expected;
      for (std::string e : c.expected) {
        if (e.ends_with("/M")) e.replace(e.size() - 1, 1, std::to_string(month));
        expected.push_back(e);
      }
      std::sort(expected.begin(), expected.end());
      std::vector<std::string> briefs;
      for (const Finding& f : found) briefs.push_back(Brief(f));
      ASSERT_EQ(RowsAndMonths(found), expected) << c.name << " month " << m << ": " << testing::PrintToString(briefs);
      const auto own = OfRow(found, c.expected.front().substr(0, c.expected.front().find('/')));
      ASSERT_FALSE(own.empty());
      EXPECT_EQ(own.front().Difference(), c.difference) << c.name;
      EXPECT_EQ(own.front().severity, checks::Severity::Warning);
      EXPECT_FALSE(own.front().path.empty());
      EXPECT_NE(own.front().text.find("(следует из формы расчёта, а не из письма ФНС)"), std::string::npos);
    }
  }
}

TEST_P(Rows502, SinceStartColumnsBreakWithoutAMonth) {
  const int quarter = GetParam();
  const std::string first = std::to_string(3 * quarter - 2), second = std::to_string(3 * quarter - 1),
                    third = std::to_string(3 * quarter);
  struct Case {
    std::string element, attribute, value;
    std::vector<std::string> expected;
  };
  std::vector<Case> cases = {
      {"УплПерОПС", "СумСВУплПер", "0.01", {"B1-502/0", "C2-502/0"}},
      {"УплВсегоПер", "Сумма", "0.01", {"B4-502/0"}},
      // One person fewer since the start than in each month and than charged.
      {"РасчСВ_ОМС/КолСтрахЛицВс", "КолВсегоПер", "1", {"B5-502/0", "B5-502/" + first, "B5-502/" + second,
                                                        "B5-502/" + third}},
  };
  if (quarter > 1) cases.back().expected.push_back("C3-502/0");  // and fewer than the quarter before
  for (Case& c : cases) {
    std::sort(c.expected.begin(), c.expected.end());
    EXPECT_EQ(RowsAndMonths(QuarterFindings(quarter, {{c.element, c.attribute, c.value}})), c.expected) << c.element;
  }
}

TEST_P(Rows502, PayableByKbkAndAdditionalTariffs) {
  const int quarter = GetParam();
  TestReport r = AgreeingReport(quarter);
  // A 1.4 block and its payable line; their columns agree, then one month drifts.
  const std::string dso =
      "<РасчСВ_ДСО ПрРасчСум=\"1\"><КолЛицНачСВ КолВсегоПер=\"1\" Кол1Посл3М=\"1\" Кол2Посл3М=\"1\" Кол3Посл3М=\"1\"/>"
      "<ВыплНачислФЛ СумВсегоПер=\"0\" Сум1Посл3М=\"0\" Сум2Посл3М=\"0\" Сум3Посл3М=\"0\"/>"
      "<НачислСВДСО СумВсегоПер=\"" + std::to_string(30 * quarter) + ".00\" Сум1Посл3М=\"10.00\" Сум2Посл3М=\"10.00\" "
      "Сум3Посл3М=\"10.00\"/></РасчСВ_ДСО>\n";
  const std::string payable = "<УплПерДСО КБК=\"18210202080061010160\" СумСВУплПер=\"" + std::to_string(30 * quarter) +
                              ".00\" СумСВУпл1М=\"10.00\" СумСВУпл2М=\"10.00\" СумСВУпл3М=\"10.01\"/>\n";
  r.calculationHead.insert(r.calculationHead.find("</РасчСВ_ОПС_ОМС>"), dso);
  r.calculationHead.insert(r.calculationHead.find("<УплПревОСС"), payable);
  const auto found = OfRow(Of502Rows(FindingsOf(r)), "B3-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].month, 3 * quarter);
  EXPECT_EQ(found[0].Difference(), 100);
  EXPECT_TRUE(found[0].text.ends_with(": УплПерДСО"));
}

INSTANTIATE_TEST_SUITE_P(Quarters, Rows502, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "period" + PeriodOfQuarter(info.param); });

}  // namespace
}  // namespace orsvelt::test
