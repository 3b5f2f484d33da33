// What the checks learn from the folder: a correction checked with the earlier submissions of
// its period, the earlier files named, preceding periods missing and files that do not read.

#include <gtest/gtest.h>

#include "analysis/checks/checks_test_support.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Group;

TestPerson Worker(int number, const std::string& snils, const std::string& pay, const std::string& contrib) {
  TestPerson p;
  p.number = number;
  p.snils = snils;
  p.rows = QuarterRows(1, pay, pay);
  for (TestMonthRow& row : p.rows) row.contributions = contrib;
  return p;
}

// First quarter: two persons, 1000.00 and 2000.00 a month at 22 %.
TestReport Quarter1(int correction, const std::string& id) {
  TestReport r;
  r.id = id;
  r.period = "21";
  r.correction = correction;
  TestTariff t;
  t.persons = {2, 2, 2, 2};
  t.payments = t.base = {"9000.00", "3000.00", "3000.00", "3000.00"};
  t.contributions = {"1980.00", "660.00", "660.00", "660.00"};
  r.tariffs = {t};
  r.persons = {Worker(1, "112-233-445 95", "1000.00", "220.00"), Worker(2, "123-456-789 64", "2000.00", "440.00")};
  return r;
}

constexpr const char* kFirst = "NO_RASCHSV_7700_7700_7701234567770101001_20180420_A";
constexpr const char* kCorrection = "NO_RASCHSV_7700_7700_7701234567770101001_20180510_B";

TEST(YearContext, ACorrectionOfOnePersonPassesWhenMergedWithTheFirstSubmission) {
  TempDir dir;
  WriteReport(dir.path(), Quarter1(0, kFirst));
  TestReport corr = Quarter1(1, kCorrection);
  corr.persons.erase(corr.persons.begin());  // only the corrected person
  const auto result = ChecksOf(WriteReport(dir.path(), corr));
  EXPECT_TRUE(OfGroup(result.findings, Group::A).empty());
  EXPECT_EQ(result.checkedWith, std::vector<std::string>{std::string(kFirst) + ".xml"});
}

TEST(YearContext, ACorrectionIsComparedWithItsOwnFiguresForTheCorrectedPerson) {
  TempDir dir;
  WriteReport(dir.path(), Quarter1(0, kFirst));
  TestReport corr = Quarter1(1, kCorrection);
  corr.persons.erase(corr.persons.begin());
  corr.persons[0].rows[2].payments = "2000.01";  // the corrected person, March
  const auto found = OfGroup(ChecksOf(WriteReport(dir.path(), corr)).findings, Group::A);
  ASSERT_EQ(found.size(), 4u);  // A3: March and the three months, group and total
  EXPECT_EQ(found[0].check, "A3");
  EXPECT_EQ(found[0].Difference(), -100);
}

TEST(YearContext, ACorrectionAloneSaysSoWithEveryGround) {
  TempDir dir;
  TestReport corr = Quarter1(1, kCorrection);
  corr.persons.erase(corr.persons.begin());
  const auto found = OfGroup(ChecksOf(WriteReport(dir.path(), corr)).findings, Group::A);
  ASSERT_FALSE(found.empty());
  for (const auto& f : found) EXPECT_NE(f.text.find("сверен сам по себе"), std::string::npos) << f.text;
}

TEST(YearContext, ACorrectionNamingEveryPersonAgainCarriesNoOne) {
  TempDir dir;
  WriteReport(dir.path(), Quarter1(0, kFirst));
  TestReport corr = Quarter1(1, kCorrection);  // both persons again: nothing carried
  const auto result = ChecksOf(WriteReport(dir.path(), corr));
  EXPECT_TRUE(OfGroup(result.findings, Group::A).empty());
}

TEST(YearContext, MissingPrecedingPeriodsAndUnreadableFiles) {
  TempDir dir;
  WriteReport(dir.path(), Quarter1(0, kFirst));
  WriteBytes(dir / "NO_RASCHSV_broken.xml", "<Файл><Документ");
  TestReport nine;
  nine.period = "33";
  nine.id = "NO_RASCHSV_7700_7700_7701234567770101001_20181020_C";
  const auto found = OfGroup(ChecksOf(WriteReport(dir.path(), nine)).findings, Group::E);
  ASSERT_EQ(IdsOf(found), (std::vector<std::string>{"E-period", "E-file"}));
  EXPECT_NE(found[0].text.find("31"), std::string::npos) << found[0].text;
  EXPECT_NE(found[1].text.find("NO_RASCHSV_broken.xml"), std::string::npos) << found[1].text;
}

TEST(YearContext, TheFirstQuarterNeedsNoEarlierReport) {
  TempDir dir;
  const auto found = OfGroup(ChecksOf(WriteReport(dir.path(), Quarter1(0, kFirst))).findings, Group::E);
  EXPECT_TRUE(found.empty());
}

}  // namespace
}  // namespace orsvelt::test
