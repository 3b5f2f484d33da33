// The 5.01 ratios within section 1 (group B), across periods (group C) and the non-negative
// amounts (group E) over a sound report of every quarter: nothing is found on it, and each
// change of one column by a kopeck or one person breaks exactly the ratios that read it,
// in its tariff block and month, by that kopeck.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "analysis/checks/check_table.h"
#include "section1_view_501.h"

namespace orsvelt::test {
namespace {

using checks::Finding;
using view::Column;

constexpr std::int64_t K = kAmountScale / 100;  // a kopeck
constexpr std::int64_t P = kAmountScale;        // one person, as the findings carry it

// Row id, month of the quarter (0: none), difference left - right.
using Expected = std::tuple<std::string, int, std::int64_t>;

struct BreakCase {
  std::string name;
  std::function<void(view::ReportView&)> change;
  std::vector<Expected> expected;
};

std::vector<Expected> Seen(const std::vector<Finding>& found, int quarter) {
  std::vector<Expected> seen;
  for (const Finding& f : found)
    seen.emplace_back(f.check, f.month ? *f.month - 3 * (quarter - 1) : 0, f.Difference().value_or(0));
  std::sort(seen.begin(), seen.end());
  return seen;
}

const BreakCase kCases[] = {
    {"persons with payments above the insured", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "КолЛицНачСВВс"), Column::Month2); },
     {{"1.33", 2, -P}}},
    {"three-month head count below its months",
     [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "КолСтрахЛицВс"), Column::LastThreeMonths, -1); },
     {{"1.31", 0, -P}, {"1.37", 1, -P}, {"1.38", 2, -P}, {"1.39", 3, -P}}},
    {"persons above the limit in a month above the three months",
     [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "ПревБазОПС"), Column::Month3); }, {{"1.55", 3, -P}}},
    {"base of the second tariff off its payments",
     [](auto& v) { Bump(LineOf(v, "03", "РасчСВ_ОПС", "ВыплНачислФЛ"), Column::Month1); }, {{"1.67", 1, -K}}},
    {"non-taxable month", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "НеОбложенСВ"), Column::Month2); },
     {{"1.64", 0, -K}, {"1.68", 2, K}}},
    {"persons above the limit without an amount above it",
     [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "ПревБазОПС"), Column::Month1); }, {{"1.72", 1, P}}},
    {"since-start base", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "БазНачислСВ"), Column::Year); },
     {{"1.65", 0, K}, {"1.80", 0, K}}},
    {"contributions above the limit in month 3",
     [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "НачислСВПрев"), Column::Month3); },
     {{"1.86", 3, -K}, {"1.92", 0, -K}}},
    {"three-month contributions", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "НачислСВ"), Column::LastThreeMonths); },
     {{"1.83", 0, K}, {"1.87", 0, -K}, {"1.88", 0, K}}},
    {"medical head counts", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОМС", "КолЛицНачСВВс"), Column::Year); },
     {{"1.93", 0, -P}}},
    {"medical payments of month 2", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОМС", "ВыплНачислФЛ"), Column::Month2); },
     {{"1.110", 0, -K}, {"1.121", 2, -K}, {"1.293", 2, K}}},
    {"medical contributions of month 1", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОМС", "НачислСВ"), Column::Month1); },
     {{"1.11", 1, -K}, {"1.124", 0, -K}}},
    {"pension payable since the start", [](auto& v) { Bump(PayableOf(v, "УплПерОПС"), Column::Year); },
     {{"1.1", 0, K}, {"1.6", 0, K}}},
    {"pension payable of month 3", [](auto& v) { Bump(PayableOf(v, "УплПерОПС"), Column::Month3); },
     {{"1.1", 0, -K}, {"1.9", 3, K}}},
    {"additional tariff payable of the second КБК", [](auto& v) { Bump(v.section1.payable[3], Column::Year); },
     {{"1.3", 0, K}}},
    {"supplementary payable of month 1", [](auto& v) { Bump(PayableOf(v, "УплПерДСО"), Column::Month1); },
     {{"1.4", 0, -K}}},
    {"social insurance payable of month 2", [](auto& v) { Bump(PayableOf(v, "УплПерОСС"), Column::Month2); },
     {{"1.24", 2, K}, {"1.5", 0, -K}}},
    {"excess of expenses without its line",
     [](auto& v) { LineOf(v, "", "РасчСВ_ОСС.ВНМ", "Упл1Посл3М").code = "2"; }, {{"1.27", 1, -1610 * K}}},
    {"appendix 2 head count of month 1",
     [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "КолСтрахЛицВс"), Column::Month1); }, {{"1.196", 1, -P}}},
    {"appendix 2 base above the limit",
     [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "БазПревышСВ"), Column::Month3); },
     {{"1.220", 0, -K}, {"1.226", 3, K}}},
    {"appendix 2 parts of the base above the base",
     [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "БазНачСВИнЛиц"), Column::Month2, 80001); },
     {{"1.230", 2, -K}, {"1.240", 0, -80001 * K}}},
    {"appendix 2 base above the payments",
     [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "БазНачислСВ"), Column::Month1, 10001); },
     {{"1.211-1.216", 1, -K}, {"1.224", 1, 10001 * K}, {"1.232", 0, -10001 * K}}},
    {"appendix 2 payments since the start",
     [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "ВыплНачислФЛ"), Column::Year); },
     {{"1.204", 0, K}, {"1.222", 0, -K}}},
    {"appendix 2 reimbursed expenses", [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "ВозмРасхСО"), Column::Month1); },
     {{"1.246", 0, -K}}},
    {"appendix 2 expenses", [](auto& v) { Bump(LineOf(v, "", "РасчСВ_ОСС.ВНМ", "ПроизвРасхСО"), Column::LastThreeMonths); },
     {{"1.243", 0, -K}, {"1.244", 0, K}}},
    {"negative contributions within the limit",
     [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "НачислСВНеПрев"), Column::Month1, -19801); },
     {{"1.84", 1, 19801 * K}, {"1.90", 0, 19801 * K}, {"E1.1", 1, -K}}},
    {"negative payments of a person", [](auto& v) { v.section3.rows[0].payments = -K; },
     {{"1.292", 1, 100001 * K}, {"E1.3", 1, -K}}},
};

class Section1Ratios501 : public testing::TestWithParam<int> {};

TEST_P(Section1Ratios501, HoldOnASoundReport) {
  const int quarter = GetParam();
  const view::ReportView report = SoundReport501(quarter);
  const view::ReportView previous = PreviousOf501(report);
  for (const Finding& f : Run501(report, quarter, quarter > 1 ? &previous : nullptr))
    ADD_FAILURE() << f.check << " " << f.text << " " << f.tariff;
}

TEST_P(Section1Ratios501, EachChangeBreaksExactlyItsRatios) {
  const int quarter = GetParam();
  const view::ReportView sound = SoundReport501(quarter);
  const view::ReportView previous = PreviousOf501(sound);
  for (const BreakCase& c : kCases) {
    view::ReportView report = sound;
    c.change(report);
    std::vector<Expected> expected = c.expected;
    std::sort(expected.begin(), expected.end());
    const auto found = Run501(report, quarter, quarter > 1 ? &previous : nullptr);
    EXPECT_EQ(Seen(found, quarter), expected) << c.name;
    for (const Finding& f : found) {
      EXPECT_FALSE(f.path.empty()) << c.name;
      EXPECT_TRUE(f.left && f.right) << c.name;
    }
  }
}

TEST_P(Section1Ratios501, FindingsNameTheTariffBlockAndTheColumnRead) {
  const int quarter = GetParam();
  view::ReportView report = SoundReport501(quarter);
  const view::ReportView previous = PreviousOf501(report);
  Bump(LineOf(report, "03", "РасчСВ_ОПС", "ВыплНачислФЛ"), Column::Month1);
  const auto found = Run501(report, quarter, quarter > 1 ? &previous : nullptr);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].tariff, "03");
  EXPECT_EQ(found[0].month, 3 * quarter - 2);
  EXPECT_EQ(found[0].path, "БазНачислСВ");  // the line of the left side; the test lines have no attribute names
  EXPECT_EQ(found[0].severity, checks::Severity::Error);
}

// The previous period is matched by tariff and КБК; what it lacks counts as zeros.
TEST_P(Section1Ratios501, AcrossPeriodsMatchesTariffsAndКБК) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "the first quarter compares with zeros";
  const view::ReportView report = SoundReport501(quarter);
  const view::ReportView sound = PreviousOf501(report);
  struct Case {
    std::string name;
    std::function<void(view::ReportView&)> change;
    std::vector<Expected> expected;
  };
  const std::int64_t q = quarter - 1;
  const Case cases[] = {
      {"earlier contributions within the limit",
       [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОПС", "НачислСВНеПрев"), Column::Year, -1); }, {{"1.89", 0, K}}},
      {"a tariff block the previous period lacks",
       [](auto& v) { v.section1.tariffs.pop_back(); },
       {{"1.56", 0, q * 300000 * K},
        {"1.63", 0, q * 30000 * K},
        {"1.80", 0, q * 270000 * K},
        {"1.87", 0, q * 59900 * K},
        {"1.89", 0, q * 59400 * K},
        {"1.91", 0, q * 500 * K}}},
      {"more insured earlier", [](auto& v) { Bump(LineOf(v, "01", "РасчСВ_ОМС", "КолСтрахЛицВс"), Column::Year); },
       {{"1.98", 0, -P}}},
      {"a КБК the report dropped",
       [](auto& v) {
         view::Line extra = v.section1.payable[2];
         extra.code = "18210202132061010999";
         v.section1.payable.push_back(extra);
       },
       {{"1.3", 0, -q * 300 * K}}},
  };
  for (const Case& c : cases) {
    view::ReportView before = sound;
    c.change(before);
    std::vector<Expected> expected = c.expected;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Seen(Run501(report, quarter, &before), quarter), expected) << c.name;
  }
  // Without the previous report nothing across periods is evaluated.
  view::ReportView broken = report;
  Bump(LineOf(broken, "01", "РасчСВ_ОПС", "НачислСВ"), Column::Year);
  EXPECT_EQ(Seen(Run501(broken, quarter, nullptr), quarter),
            (std::vector<Expected>{{"1.6", 0, -K}, {"1.82", 0, K}}));
}

TEST(Section1Ratios501Table, OneRowPerLetterNumber) {
  std::vector<std::string_view> ids;
  for (const auto rows : {checks::GroupBRows501(), checks::GroupCRows501(), checks::GroupERows501()})
    for (const checks::CheckRow& row : rows) {
      ids.push_back(row.id);
      EXPECT_EQ(row.formats, checks::kFormat501) << row.id;
      EXPECT_FALSE(row.wording.empty()) << row.id;
      EXPECT_TRUE(row.run) << row.id;
      if (row.severity == checks::Severity::Warning) {
        EXPECT_TRUE(row.wording.ends_with("(следует из формы расчёта, а не из письма ФНС)")) << row.id;
      }
    }
  std::vector<std::string_view> all;
  for (const checks::CheckRow& row : checks::CheckTable()) all.push_back(row.id);
  std::sort(all.begin(), all.end());
  EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "ids are unique";
  for (const std::string_view id : {"1.1", "1.5", "1.6", "1.13", "1.22", "1.29", "1.30", "1.56", "1.97", "1.124",
                                    "1.194", "1.246", "1.294", "1.302", "1.307", "E1.1"})
    EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
}

INSTANTIATE_TEST_SUITE_P(Quarters, Section1Ratios501, testing::Values(1, 2, 3, 4));

}  // namespace
}  // namespace orsvelt::test
