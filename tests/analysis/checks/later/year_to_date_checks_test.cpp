// Each person's base since the start of the year against the year's limit: exactly at the
// limit passes, a kopeck above fails at the first month above it, a base declared after the
// limit was reached fails; 2021-2022 hold the pension limit, from 2023 the unified one.

#include <gtest/gtest.h>

#include "hand_views.h"
#include "later_checks.h"

namespace orsvelt::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kSnils = "199-891-039 54";
constexpr const char* kDigits = "19989103954";

// The worked example of 2024: 266 464.00 a month to August, then 93 288.00 in September
// bring her to 2 225 000.00 exactly.
checks::YearPersons ReachingTheLimit(Amount september, Amount october = 0) {
  checks::YearPersons year;
  checks::YearPersons::Person& p = year.persons.emplace_back();
  p.snils = kDigits;
  p.name = "Золотова Ирина";
  std::array<Amount, 12>& base = year.monthBase.emplace_back();
  for (int m = 0; m < 8; ++m) base[m] = Rub(266464);
  base[8] = september;
  base[9] = october;
  return year;
}

HandView NineMonths2024() {
  HandView h("5.06", "2024", "33");
  h.AddPerson(kSnils, kDigits, {Row(9, "МС", Rub(74046), Rub(74046), Rub(11106, 90))});
  return h;
}

TEST(YearToDateChecks, ExactlyAtTheLimitPassesAKopeckMoreFailsInSeptember) {
  const HandView h = NineMonths2024();
  auto c = ContextOf(h.view);
  const checks::YearPersons exact = ReachingTheLimit(Rub(93288));
  c.yearPersons = &exact;
  EXPECT_EQ(Briefs(RunRow("L-C1", c)), Strings{});
  EXPECT_EQ(Briefs(RunRow("L-C2", c)), Strings{});

  const checks::YearPersons above = ReachingTheLimit(Rub(93288, 1));
  c.yearPersons = &above;
  const auto found = RunRow("L-C1", c);
  EXPECT_EQ(Briefs(found), Strings{"L-C1 m9 199-891-039 54 2225000.01/2225000.00"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("Сентябрь"), std::string::npos) << found[0].text;
  EXPECT_EQ(found[0].persons, Strings{kSnils});
  EXPECT_EQ(found[0].severity, checks::Severity::Warning);
  // A kopeck above is no base "after" the limit: September itself crossed it.
  EXPECT_EQ(Briefs(RunRow("L-C2", c)), Strings{});
}

TEST(YearToDateChecks, ABaseAfterTheLimitWasReachedFails) {
  HandView h("5.06", "2024", "34");
  h.AddPerson(kSnils, kDigits, {Row(10, "НР", Rub(19242), Rub(0, 1), Rub(0))});
  auto c = ContextOf(h.view);
  const checks::YearPersons year = ReachingTheLimit(Rub(93288), Rub(0, 1));
  c.yearPersons = &year;
  const auto found = RunRow("L-C2", c);
  EXPECT_EQ(Briefs(found), Strings{"L-C2 m10 199-891-039 54 0.01/0.00"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("Октябрь"), std::string::npos);
  // October's kopeck also takes her above the limit.
  EXPECT_EQ(Briefs(RunRow("L-C1", c)), Strings{"L-C1 m10 199-891-039 54 2225000.01/2225000.00"});

  // A reversal after the limit is no base declared.
  const checks::YearPersons reversed = ReachingTheLimit(Rub(93288), -Rub(100));
  c.yearPersons = &reversed;
  EXPECT_EQ(Briefs(RunRow("L-C2", c)), Strings{});
  EXPECT_EQ(Briefs(RunRow("L-C1", c)), Strings{});
}

// A person of the year who is not in this report is still named, without a path.
TEST(YearToDateChecks, APersonOfEarlierReportsOnlyIsNamedBySnils) {
  HandView h("5.06", "2024", "33");
  auto c = ContextOf(h.view);
  const checks::YearPersons above = ReachingTheLimit(Rub(93288, 1));
  c.yearPersons = &above;
  const auto found = RunRow("L-C1", c);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].snils, kDigits);
  EXPECT_EQ(found[0].path, "");
}

TEST(YearToDateChecks, TwentyTwentyTwoHoldsThePensionLimit) {
  for (const char* format : {"5.04", "5.06"}) {
    SCOPED_TRACE(format);
    HandView h(format, "2022", "21");
    h.AddPerson(kSnils, kDigits,
                {Row(1, "НР", Rub(800000), Rub(800000)), Row(2, "НР", Rub(765000), Rub(765000)),
                 Row(3, "НР", Rub(100), Rub(0))});
    // Without the year's persons the report's own months are summed.
    EXPECT_EQ(Briefs(RunRow("L-C1", ContextOf(h.view))), Strings{});
    h.view.section3.rows[1].base = Rub(765000, 1);
    EXPECT_EQ(Briefs(RunRow("L-C1", ContextOf(h.view))), Strings{"L-C1 m2 199-891-039 54 1565000.01/1565000.00"});
    h.view.section3.rows[2].base = Rub(1);
    EXPECT_EQ(Briefs(RunRow("L-C2", ContextOf(h.view))), Strings{"L-C2 m3 199-891-039 54 1.00/0.00"});
  }
  // The same base in 2024 is far within the unified limit.
  HandView h("5.06", "2024", "21");
  h.AddPerson(kSnils, kDigits, {Row(1, "НР", Rub(800000), Rub(800000)), Row(2, "НР", Rub(765000), Rub(765000, 1))});
  EXPECT_EQ(Briefs(RunRow("L-C1", ContextOf(h.view))), Strings{});
}

TEST(YearToDateChecks, AYearOfUnknownLimitIsNotChecked) {
  HandView h("5.08", "2027", "21");
  h.AddPerson(kSnils, kDigits, {Row(1, "НР", Rub(9000000), Rub(9000000))});
  const auto found = RunRow("L-C1", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), Strings{"L-C1 info"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("Не проверено"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt::test
