// Personal data of format 5.01: each check holds on valid data and names the one person or
// the payer it breaks for.

#include <gtest/gtest.h>

#include "analysis/checks/checks_test_support.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Group;

TestReport TwoPersons() {
  TestReport r;
  r.period = "21";
  r.inn = "7715670503";  // valid check digit
  TestPerson a;
  a.number = 1;
  a.snils = "112-233-445 95";
  a.inn = "500100732259";
  TestPerson b;
  b.number = 2;
  b.snils = "123-456-789 64";
  b.inn = "772345678901";
  r.persons = {a, b};
  return r;
}

std::vector<checks::Finding> PersonalFindings(const TestReport& r) {
  TempDir dir;
  return OfGroup(ChecksOf(WriteReport(dir.path(), r)).findings, Group::D);
}

TEST(GroupD501, ValidDataGivesNoFinding) { EXPECT_TRUE(PersonalFindings(TwoPersons()).empty()); }

TEST(GroupD501, EachBreachNamesItsPerson) {
  struct Case {
    const char* name;
    void (*spoil)(TestReport&);
    std::string id;
    std::string person;
  };
  const Case cases[] = {
      {"SNILS check number", [](TestReport& r) { r.persons[1].snils = "123-456-789 65"; }, "D2", "123-456-789 65"},
      {"SNILS twice", [](TestReport& r) { r.persons[1].snils = "112-233-445 95"; }, "D3", "112-233-445 95"},
      {"person INN", [](TestReport& r) { r.persons[0].inn = "500100732258"; }, "D4", "112-233-445 95"},
      {"no surname", [](TestReport& r) { r.persons[1].surname = ""; }, "D7", "123-456-789 64"},
      {"no name", [](TestReport& r) { r.persons[0].name = ""; }, "D7", "112-233-445 95"},
  };
  for (const Case& c : cases) {
    TestReport r = TwoPersons();
    c.spoil(r);
    const auto found = PersonalFindings(r);
    ASSERT_EQ(found.size(), 1u) << c.name;
    EXPECT_EQ(found[0].check, c.id) << c.name;
    EXPECT_EQ(found[0].persons, std::vector<std::string>{c.person}) << c.name;
    EXPECT_NE(found[0].path.find("ДанФЛПолуч"), std::string::npos) << c.name << ": " << found[0].path;
  }
}

TEST(GroupD501, OldSnilsWithoutCheckNumberIsNotChecked) {
  TestReport r = TwoPersons();
  r.persons[0].snils = "001-001-998 00";
  EXPECT_TRUE(PersonalFindings(r).empty());
}

TEST(GroupD501, PayerInnByOneDigit) {
  TestReport r = TwoPersons();
  r.inn = "7715670504";
  const auto found = PersonalFindings(r);
  ASSERT_EQ(IdsOf(found), std::vector<std::string>{"D5"});
  EXPECT_NE(found[0].text.find("7715670504"), std::string::npos);
}

// A person born after the period's last day: 2018's first quarter ends in March.
TEST(GroupD501, BirthAfterThePeriodIsAWarning) {
  for (const auto& [birth, expected] : {std::pair{"31.03.2018", 0u}, std::pair{"01.04.2018", 1u}}) {
    TestReport r = TwoPersons();
    std::string xml = ReportXml(r);
    xml.replace(xml.find("01.01.1980"), 10, birth);
    TempDir dir;
    const auto path = dir / (r.id + ".xml");
    WriteCp1251(path, xml);
    const auto found = OfGroup(ChecksOf(path).findings, Group::D);
    ASSERT_EQ(found.size(), expected) << birth;
    if (expected) {
      EXPECT_EQ(found[0].check, "D9");
      EXPECT_EQ(found[0].severity, checks::Severity::Warning);
    }
  }
}

}  // namespace
}  // namespace orsvelt::test
