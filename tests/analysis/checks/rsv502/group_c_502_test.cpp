// Group C of format 5.02: since-start figures against the previous quarter's report, matched
// by tariff, codes and КБК, over every period code; and the pension limit per person.

#include <gtest/gtest.h>

#include "checks_502.h"
#include "section1_text.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

std::vector<Finding> WithPrevious(int quarter, const std::vector<Override>& previous,
                                  const std::vector<Override>& main = {}) {
  std::vector<TestReport> earlier;
  if (quarter > 1) earlier.push_back(AgreeingReport(quarter - 1, previous));
  return Of502Rows(FindingsOf(AgreeingReport(quarter, main), earlier));
}

std::string Money(long long kopecks) {
  return std::to_string(kopecks / 100) + "." + std::to_string(kopecks % 100 + 100).substr(1);
}

class Across502 : public testing::TestWithParam<int> {};

TEST_P(Across502, SinceStartAgainstThePreviousQuarterByAKopeck) {
  const int quarter = GetParam();
  // The first quarter compares with zero: its own since-start column moves instead.
  std::vector<Override> previous, main;
  if (quarter == 1)
    for (const std::string block : {"РасчСВ_ОПС", "РасчСВ_ОМС"})
      for (const std::string line : {"/ВыплНачислФЛ", "/БазНачислСВ"}) main.push_back({block + line, "СумВсегоПер", "6000.01"});
  else
    previous.push_back({"РасчСВ_ОПС/ВыплНачислФЛ", "СумВсегоПер", Money(600000LL * (quarter - 1) + 1)});
  const auto found = WithPrevious(quarter, previous, main);
  const auto c1 = OfRow(found, "C1-502");
  ASSERT_EQ(c1.size(), quarter == 1 ? 4u : 1u) << testing::PrintToString(RowsAndMonths(found));
  EXPECT_EQ(c1[0].Difference(), quarter == 1 ? 100 : -100);
  EXPECT_EQ(c1[0].tariff, "01");
  EXPECT_FALSE(c1[0].month);
  EXPECT_TRUE(c1[0].path.ends_with("ВыплНачислФЛ - @СумВсегоПер")) << c1[0].path;
  EXPECT_NE(c1[0].text.find("РасчСВ_ОПС/ВыплНачислФЛ"), std::string::npos);
}

TEST_P(Across502, PayableAndSocialNetAgainstThePreviousQuarter) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "no previous report";
  const auto found = WithPrevious(quarter, {{"УплПерОМС", "СумСВУплПер", Money(30600LL * (quarter - 1) - 1)},
                                            {"УплПерОСС", "СумСВУплПер", Money(17400LL * (quarter - 1) + 1)}});
  ASSERT_EQ(RowsAndMonths(found), (std::vector<std::string>{"C2-502/0", "C2-502/0"}));
  EXPECT_EQ(found[0].Difference(), 100);
  EXPECT_NE(found[0].text.find("УплПерОМС, КБК 18210202101081013160"), std::string::npos);
  EXPECT_EQ(found[1].Difference(), -100);
}

TEST_P(Across502, CountsSinceStartDoNotFallByAPerson) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "nothing to fall from";
  const auto found = WithPrevious(quarter, {{"РасчСВ_ОСС.ВНМКод/КолЛицНачСВВс", "КолВсегоПер", "3"},
                                            {"РасчСВ_ОСС.ВНМКод/КолСтрахЛицВс", "КолВсегоПер", "3"}});
  const auto c3 = OfRow(found, "C3-502");
  ASSERT_EQ(c3.size(), 2u);
  EXPECT_EQ(c3[0].Difference(), -kAmountScale);  // one person
  EXPECT_EQ(c3[0].tariff, "01");
}

// A block of another tariff or another "ПризВыпл" in the previous report is another block: this
// report's block counts from zero.
TEST_P(Across502, BlocksAreMatchedByTariffAndCodesNotByPosition) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "no previous report";
  auto previous = AgreeingReport(quarter - 1);
  std::string& head = previous.calculationHead;
  const std::string code = "ПризВыпл=\"2\"";
  head.replace(head.find(code), code.size(), "ПризВыпл=\"1\"");
  const auto found = Of502Rows(FindingsOf(AgreeingReport(quarter), {previous}));
  // Payments, base and contributions of appendix 2: since the start equals the quarter no more.
  EXPECT_EQ(RowsAndMonths(found), (std::vector<std::string>{"C1-502/0", "C1-502/0", "C1-502/0"}));

  // An unrelated tariff block written first changes nothing.
  auto reordered = AgreeingReport(quarter - 1);
  std::string& h = reordered.calculationHead;
  const std::string other =
      "<РасчСВ_ОПС_ОМС ТарифПлат=\"06\"><РасчСВ_ОПС><ВыплНачислФЛ СумВсегоПер=\"7.00\" Сум1Посл3М=\"7.00\" "
      "Сум2Посл3М=\"0\" Сум3Посл3М=\"0\"/></РасчСВ_ОПС></РасчСВ_ОПС_ОМС>\n";
  h.insert(h.find("<РасчСВ_ОПС_ОМС"), other);
  EXPECT_EQ(OfRow(Of502Rows(FindingsOf(AgreeingReport(quarter), {reordered})), "C1-502").size(), 0u);
}

TEST_P(Across502, TheLatestCorrectionOfThePreviousQuarterCounts) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "no previous report";
  TestReport wrong = AgreeingReport(quarter - 1, {{"УплПерОПС", "СумСВУплПер", "0.01"}});
  wrong.fileId += "_first";
  TestReport right = AgreeingReport(quarter - 1);
  right.fileId += "_corrected";
  right.correction = "1";
  EXPECT_EQ(Of502Rows(FindingsOf(AgreeingReport(quarter), {wrong, right})).size(), 0u);
  wrong.correction = "2";
  EXPECT_EQ(RowsAndMonths(Of502Rows(FindingsOf(AgreeingReport(quarter), {wrong, right}))),
            std::vector<std::string>{"C2-502/0"});
}

// The reports of quarters 1..quarter, each agreeing; the earlier ones as given.
std::vector<Finding> Chain(int quarter, const std::vector<TestReport>& earlier) {
  return Of502Rows(FindingsOf(AgreeingReport(quarter), earlier));
}

std::vector<TestReport> EarlierQuarters(int quarter) {
  std::vector<TestReport> out;
  for (int q = 1; q < quarter; ++q) out.push_back(AgreeingReport(q));
  return out;
}

TEST_P(Across502, SinceStartAgainstThePersonsOfEveryReportOfTheYear) {
  const int quarter = GetParam();
  EXPECT_EQ(Chain(quarter, EarlierQuarters(quarter)).size(), 0u);
  if (quarter == 1) return;
  // A kopeck more paid to a person in the first quarter than its section 1 (and ours) says.
  auto earlier = EarlierQuarters(quarter);
  earlier[0].persons[1].months[0].paid = "1000.01";
  auto found = OfRow(Chain(quarter, earlier), "C4-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Difference(), -100);
  EXPECT_NE(found[0].text.find("ВыплНачислФЛ и СумВыпл"), std::string::npos);
  EXPECT_TRUE(found[0].path.ends_with("ВыплНачислФЛ - @СумВсегоПер")) << found[0].path;

  // A later correction of that quarter puts it right; annulling the person there drops a
  // quarter of its base, payments and contributions.
  TestReport corrected = AgreeingReport(1);
  corrected.fileId += "_corrected";
  corrected.correction = "1";
  corrected.persons.erase(corrected.persons.begin());  // names again only the person it corrects
  earlier.push_back(corrected);
  EXPECT_EQ(OfRow(Chain(quarter, earlier), "C4-502").size(), 0u) << "persons not named again stay";
  earlier.back().persons[0].annulled = true;
  found = OfRow(Chain(quarter, earlier), "C4-502");
  ASSERT_EQ(found.size(), 3u);
  for (const Finding& f : found) EXPECT_GT(*f.Difference(), 0);
}

TEST_P(Across502, NothingAgainstThePersonsWhenAReportOfTheYearIsMissing) {
  const int quarter = GetParam();
  if (quarter < 3) GTEST_SKIP() << "needs a quarter to leave out";
  auto earlier = EarlierQuarters(quarter);
  earlier[1].persons[0].months[0].paid = "1.00";
  earlier.erase(earlier.begin());
  EXPECT_EQ(OfRow(Chain(quarter, earlier), "C4-502").size(), 0u);
}

TEST_P(Across502, APersonsPensionBaseSinceTheStartOfTheYearAboveTheLimit) {
  const int quarter = GetParam();
  if (quarter == 1) GTEST_SKIP() << "the single quarter is tested below";
  auto earlier = EarlierQuarters(quarter);
  // 1 292 000.00 in all: the first quarter's row takes what the other months leave.
  const long long others = 1000LL * (3 * quarter - 1);
  earlier[0].persons[1].months[0].base = std::to_string(1292000 - others) + ".00";
  EXPECT_EQ(OfRow(Chain(quarter, earlier), "C5-502").size(), 0u);
  earlier[0].persons[1].months[0].base = std::to_string(1292000 - others) + ".01";
  const auto found = OfRow(Chain(quarter, earlier), "C5-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Difference(), 100);
  EXPECT_EQ(found[0].snils, "123-456-789 64");
  EXPECT_FALSE(found[0].path.empty()) << "the person is in the checked report";
}

INSTANTIATE_TEST_SUITE_P(Quarters, Across502, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "period" + PeriodOfQuarter(info.param); });

TEST(Across502, WithoutTheImmediatelyPrecedingQuarterNothingIsCompared) {
  // The nine months with only the first quarter: the gap is reported by the E rows instead.
  const auto found = Of502Rows(FindingsOf(AgreeingReport(3), {AgreeingReport(1)}));
  EXPECT_EQ(found.size(), 0u) << testing::PrintToString(RowsAndMonths(found));
}

TEST(Across502, APersonsPensionBaseAboveTheYearsLimit) {
  TestReport r = AgreeingReport(2);
  r.persons[0].months[0].base = "1290000.00";
  EXPECT_EQ(OfRow(Of502Rows(FindingsOf(r)), "C5-502").size(), 0u) << "exactly the limit with the two other months";
  r.persons[0].months[0].base = "1290000.01";
  const auto found = OfRow(Of502Rows(FindingsOf(r)), "C5-502");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Difference(), 100);
  EXPECT_EQ(found[0].snils, "112-233-445 95");
  EXPECT_EQ(found[0].persons, std::vector<std::string>{"112-233-445 95"});
  EXPECT_EQ(*found[0].right, 1292000 * kAmountScale);
}

}  // namespace
}  // namespace orsvelt::test
