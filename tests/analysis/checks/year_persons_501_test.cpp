// Ratios of format 5.01 over the year's persons as the analysis merged them: the since-start
// lines of section 1 against every report of the year (N7-N16), each person's base against
// the year's limit (1.308), and the persons the "not submitted" grounds name.

#include <gtest/gtest.h>

#include "checks_test_support.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

std::vector<Finding> OfRows(const std::filesystem::path& main, const std::vector<std::string_view>& ids) {
  std::vector<Finding> found = ChecksOf(main).findings;
  std::erase_if(found, [&](const Finding& f) { return std::find(ids.begin(), ids.end(), f.check) == ids.end(); });
  return found;
}

const std::vector<std::string_view> kYearRows = {"N7", "N8", "N9", "N11", "N16"};

// The first quarter is the whole year so far: its agreeing section 1 holds every ratio; a
// worker paid at an additional tariff that section 1 does not show breaks N9 and N16 by it.
TEST(YearPersons501, FirstQuarterHoldsOrBreaksByItsOwnPersons) {
  TempDir dir;
  EXPECT_EQ(IdsOf(OfRows(WriteReport(dir.path(), TwoWorkers("NO_RASCHSV_q1", "21", 1)), kYearRows)),
            std::vector<std::string>{});

  TestReport r = TwoWorkers("NO_RASCHSV_q1", "21", 1);
  r.persons[1].adds = {{"02", "21", "1000.00", "90.00"}};
  r.persons[0].rows[0].payments = "1000.01";
  r.persons[0].totals = {"3000.01", "3000.00", "0.00", "660.00"};
  TempDir d;
  const auto found = OfRows(WriteReport(d.path(), r), kYearRows);
  ASSERT_EQ(IdsOf(found), (std::vector<std::string>{"N7", "N9", "N16"}));
  EXPECT_EQ(found[0].Difference(), -100);
  EXPECT_TRUE(found[0].path.ends_with("ВыплНачислФЛ[2] - @СумВсегоПер")) << found[0].path;
  EXPECT_EQ(found[1].right, 900000);
  EXPECT_EQ(found[2].right, 10000000);
}

// A later quarter's since-start column must carry the persons of every earlier report; it is
// not compared while a report of the year is missing, nor before 2018.
TEST(YearPersons501, LaterQuartersCountEveryReportOfTheYear) {
  TempDir dir;
  WriteReport(dir.path(), TwoWorkers("NO_RASCHSV_q1", "21", 1));
  const auto half = WriteReport(dir.path(), TwoWorkers("NO_RASCHSV_q2", "31", 4));
  const auto found = OfRows(half, kYearRows);
  ASSERT_EQ(IdsOf(found), (std::vector<std::string>{"N7", "N8", "N11"}));
  EXPECT_EQ(found[0].left, 60000000);
  EXPECT_EQ(found[0].right, 120000000);
  EXPECT_EQ(found[1].Difference(), -13200000);

  TempDir alone;
  EXPECT_TRUE(OfRows(WriteReport(alone.path(), TwoWorkers("NO_RASCHSV_q2", "31", 4)), kYearRows).empty());

  TempDir early;
  TestReport q1 = TwoWorkers("NO_RASCHSV_q1", "21", 1), q2 = TwoWorkers("NO_RASCHSV_q2", "31", 4);
  q1.year = q2.year = 2017;
  WriteReport(early.path(), q1);
  EXPECT_TRUE(OfRows(WriteReport(early.path(), q2), kYearRows).empty());
}

// A correction of the first quarter replaces its persons' months: the half-year then agrees
// with the corrected payments, not with the first submission.
TEST(YearPersons501, ACorrectionReplacesTheMonthsItCarries) {
  TempDir dir;
  TestReport first = TwoWorkers("NO_RASCHSV_q1_0", "21", 1);
  first.persons[0] = Worker(1, "112-233-445 95", 1, "900.00");
  WriteReport(dir.path(), first);
  TestReport corrected = TwoWorkers("NO_RASCHSV_q1_1", "21", 1);
  corrected.correction = 1;
  WriteReport(dir.path(), corrected);
  TestReport half = TwoWorkers("NO_RASCHSV_q2", "31", 4);
  half.tariffs[0].payments[0] = half.tariffs[0].base[0] = "12000.00";
  half.tariffs[0].contributions[0] = "2640.00";
  EXPECT_TRUE(OfRows(WriteReport(dir.path(), half), kYearRows).empty());
}

// The additional-tariff amounts go with the months: a correction without them takes the
// first submission's out of the year, and they count while that submission stands.
TEST(YearPersons501, ACorrectionReplacesTheAdditionalTariffAmountsToo) {
  TestReport first = TwoWorkers("NO_RASCHSV_q1_0", "21", 1);
  first.persons[1].adds = {{"02", "21", "1000.00", "90.00"}};
  TestReport corrected = TwoWorkers("NO_RASCHSV_q1_1", "21", 1);
  corrected.correction = 1;
  TestReport half = TwoWorkers("NO_RASCHSV_q2", "31", 4);
  half.tariffs[0].payments[0] = half.tariffs[0].base[0] = "12000.00";
  half.tariffs[0].contributions[0] = "2640.00";

  TempDir standing;
  WriteReport(standing.path(), first);
  EXPECT_EQ(IdsOf(OfRows(WriteReport(standing.path(), half), {"N9", "N16"})),
            (std::vector<std::string>{"N9", "N16"}));

  TempDir replaced;
  WriteReport(replaced.path(), first);
  WriteReport(replaced.path(), corrected);
  EXPECT_TRUE(OfRows(WriteReport(replaced.path(), half), kYearRows).empty());
}

// 1.308: 400 000.00 a month for three months is 1 200 000.00, above the limit of 2018
// (1 021 000.00); 300 000.00 a month stays within it.
TEST(YearPersons501, BaseSinceStartAboveTheYearsLimit) {
  TempDir dir;
  TestReport r = TwoWorkers("NO_RASCHSV_q1", "21", 1);
  r.persons[1] = Worker(2, "123-456-789 64", 1, "400000.00");
  const auto found = OfRows(WriteReport(dir.path(), r), {"1.308"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].persons, std::vector<std::string>{"123-456-789 64"});
  EXPECT_EQ(found[0].left, 12000000000);
  EXPECT_EQ(found[0].right, 10210000000);
  EXPECT_EQ(found[0].severity, checks::Severity::Error);

  TempDir within;
  r.persons[1] = Worker(2, "123-456-789 64", 1, "300000.00");
  EXPECT_TRUE(OfRows(WriteReport(within.path(), r), {"1.308"}).empty());
}

// The grounds name the persons whose rows explain a difference: a declared three-month total
// their rows do not add up to, a SNILS written twice; a long list ends in "и ещё N".
TEST(PersonsBehind501, DeclaredTotalsOffAndRepeatedSnils) {
  TempDir dir;
  TestReport r = TwoWorkers("NO_RASCHSV_q1", "21", 1);
  r.persons[1].rows[2].payments = "999.00";
  r.persons[1].totals = {"3000.00", "3000.00", "0.00", "660.00"};
  auto found = OfRows(WriteReport(dir.path(), r), {"A3"});
  ASSERT_FALSE(found.empty());
  for (const Finding& f : found) EXPECT_EQ(f.persons, std::vector<std::string>{"123-456-789 64"}) << f.month.value_or(0);

  TempDir twice;
  TestReport t = TwoWorkers("NO_RASCHSV_q1", "21", 1);
  t.persons.push_back(Worker(3, "112-233-445 95", 1));
  found = OfRows(WriteReport(twice.path(), t), {"A3"});
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].persons, (std::vector<std::string>{"112-233-445 95"}));

  TempDir many;
  TestReport m = TwoWorkers("NO_RASCHSV_q1", "21", 1);
  m.persons.clear();
  for (int n = 1; n <= 25; ++n) {
    TestPerson p = Worker(n, "", 1);
    p.surname = "Лицо" + std::to_string(n);
    p.totals = {"3000.01", "3000.00", "0.00", "660.00"};
    m.persons.push_back(p);
  }
  found = OfRows(WriteReport(many.path(), m), {"A3"});
  ASSERT_FALSE(found.empty());
  ASSERT_EQ(found[0].persons.size(), 21u);
  EXPECT_EQ(found[0].persons.front(), "Лицо1 Иван");
  EXPECT_EQ(found[0].persons.back(), "и ещё 5");
}

}  // namespace
}  // namespace orsvelt::test
