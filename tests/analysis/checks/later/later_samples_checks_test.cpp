// The rows of formats 5.03 to 5.08 on the 2024 reference samples: two consistent quarters of
// one payer, a nine-month report whose section 1 no longer matches its persons, a tariff
// block whose base within the limit is left at zero, and a person paid only non-taxable sums.

#include <gtest/gtest.h>

#include <map>

#include "later_checks.h"

namespace orsvelt::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kQ1 = "520b626b";
constexpr const char* kHalfYear = "f0d7d252";
constexpr const char* kNineMonths = "cf326545";
constexpr const char* kItQ1 = "0eb8d50d";
constexpr const char* kNonTaxable = "99E7107D";

checks::EarlierReport EarlierOf(const LaterSample& sample) {
  checks::EarlierReport e;
  e.fileName = sample.file.FileId + ".xml";
  e.period = std::string(sample.view.title.period);
  e.section1 = checks::CopySection1(sample.view.section1);
  return e;
}

// T11: tariffs 01 and 20 of section 1 hold 65 599.36 and nothing a month, the persons
// 84 841.36 and the SME part of one person (cut to the limit in September).
TEST(LaterSampleChecks, NineMonthsBaseDiffersFromThePersonsInEveryMonth) {
  REQUIRE_LATER_SAMPLE(s, kNineMonths);
  const auto c = ContextOf(s->view);
  EXPECT_EQ(Briefs(RunRow("L-R1", c)),
            (Strings{"L-R1 m7 01 65599.36/84841.36", "L-R1 m8 01 65599.36/84841.36", "L-R1 m9 01 65599.36/84841.36",
                     "L-R1 m7 20 0.00/247222.00", "L-R1 m8 20 0.00/247222.00", "L-R1 m9 20 0.00/74046.00"}));
  EXPECT_EQ(Briefs(RunRow("L-R4", c)), Strings{});
  const auto r1 = RunRow("L-R1", c);
  ASSERT_FALSE(r1.empty());
  EXPECT_NE(r1[0].path.find("РасчСВ_ОПСОМС - БазНеПревышОПС - @Сум1Посл3М"), std::string::npos) << r1[0].path;
  EXPECT_EQ(r1[0].severity, checks::Severity::Warning);
}

TEST(LaterSampleChecks, ConsistentQuartersTieSection1ToTheirPersons) {
  for (const char* key : {kQ1, kHalfYear}) {
    SCOPED_TRACE(key);
    REQUIRE_LATER_SAMPLE(s, key);
    const auto c = ContextOf(s->view);
    for (const char* id : {"L-R1", "L-R2", "L-R3", "L-R4", "L-R5", "L-C3", "L-C4"})
      EXPECT_EQ(Briefs(RunRow(id, c)), Strings{}) << id;
  }
}

// T13: "БазНачислСВ" 25 000.00 a month against nothing within and nothing above the limit.
TEST(LaterSampleChecks, BaseNotSplitWithinAndAboveTheLimit) {
  REQUIRE_LATER_SAMPLE(s, kItQ1);
  const auto c = ContextOf(s->view);
  const auto found = RunRow("L-R5", c);
  EXPECT_EQ(Briefs(found), (Strings{"L-R5 06 75000.00/0.00", "L-R5 m1 06 25000.00/0.00", "L-R5 m2 06 25000.00/0.00",
                                    "L-R5 m3 06 25000.00/0.00"}));
  ASSERT_FALSE(found.empty());
  EXPECT_NE(found[0].text.find("БазНачислСВ = БазНеПревышОПС + БазПревышОПС"), std::string::npos);
  // The persons' base is there, section 1 within the limit is not; contributions agree.
  EXPECT_EQ(RunRow("L-R1", c).size(), 3u);
  EXPECT_EQ(Briefs(RunRow("L-R2", c)), Strings{});
  EXPECT_EQ(Briefs(RunRow("L-R4", c)), Strings{});
}

// T15: 760.00 on 10 000.00 and 1 140.00 on 15 000.00 at the 2024 IT rate of 7.6 %.
TEST(LaterSampleChecks, ItContributionsAtTheirRate) {
  REQUIRE_LATER_SAMPLE(s, kItQ1);
  EXPECT_EQ(Briefs(RunRow("L-C4", ContextOf(s->view))), Strings{});
}

// T14: payments only, no base and no contributions.
TEST(LaterSampleChecks, NonTaxablePaymentsOnlyGiveNothingToCheck) {
  REQUIRE_LATER_SAMPLE(s, kNonTaxable);
  const auto c = ContextOf(s->view);
  for (const char* id : {"L-C1", "L-C2", "L-C3", "L-C4", "L-R1", "L-R2", "L-R3", "L-R4", "L-R5", "L-R6"})
    EXPECT_EQ(Briefs(RunRow(id, c)), Strings{}) << id;
}

// The nine-month file leaves "НачислСВ" of section 3 out while the persons have a base.
TEST(LaterSampleChecks, RowsWithoutContributionsBreakTheRate) {
  REQUIRE_LATER_SAMPLE(s, kNineMonths);
  const auto found = RunRow("L-C4", ContextOf(s->view));
  ASSERT_EQ(found.size(), 12u);
  EXPECT_EQ(Brief(found[0]), "L-C4 m7 01 199-891-039 54 0.00/5772.60");
  EXPECT_EQ(Brief(found[1]), "L-C4 m7 20 199-891-039 54 0.00/37083.30");
  EXPECT_NE(found[0].path.find("@НачислСВ"), std::string::npos) << found[0].path;
}

// R6: the half-year carries the first quarter on; the nine months do not carry the half-year.
TEST(LaterSampleChecks, SinceStartCarriesThePreviousReportOn) {
  REQUIRE_LATER_SAMPLE(q1, kQ1);
  REQUIRE_LATER_SAMPLE(h1, kHalfYear);
  REQUIRE_LATER_SAMPLE(m9, kNineMonths);
  EXPECT_EQ(Briefs(RunRow("L-R6", ContextOf(q1->view))), Strings{});

  const checks::EarlierReport first = EarlierOf(*q1);
  auto c = ContextOf(h1->view);
  c.previous = &first;
  EXPECT_EQ(Briefs(RunRow("L-R6", c)), Strings{});

  const checks::EarlierReport half = EarlierOf(*h1);
  auto later = ContextOf(m9->view);
  later.previous = &half;
  const auto found = RunRow("L-R6", later);
  ASSERT_EQ(found.size(), 11u);  // five lines of each tariff and the payable line
  EXPECT_EQ(Brief(found[0]), "L-R6 01 590394.24/705846.24");
  EXPECT_NE(found[0].path.find("ВыплНачислФЛ - @СумВсегоПер"), std::string::npos) << found[0].path;
  EXPECT_EQ(Brief(found[10]), "L-R6 118078.85/375214.25");
  EXPECT_NE(found[10].text.find("УплПерОПС"), std::string::npos);

  // Without the preceding quarter nothing is compared (E-period says why).
  EXPECT_EQ(Briefs(RunRow("L-R6", ContextOf(m9->view))), Strings{});
}

// T10: the three December files of the payer cover January to September without overlap, so
// their persons add up month by month as the analysis would merge them.
checks::YearPersons PersonsOf(const std::vector<const LaterSample*>& samples) {
  checks::YearPersons year;
  std::map<std::string, std::size_t> index;
  for (const LaterSample* s : samples) {
    const view::Section3& s3 = s->view.section3;
    for (const view::Person& p : s3.persons) {
      const auto [at, added] = index.emplace(p.snilsDigits, year.persons.size());
      if (added) {
        year.persons.push_back({.snils = p.snilsDigits, .name = std::string(p.surname)});
        year.monthBase.emplace_back();
      }
      for (const view::MonthRow& r : s3.RowsOf(p)) year.monthBase[at->second][r.month - 1] += r.base;
    }
  }
  return year;
}

TEST(LaterSampleChecks, OnePersonReachesThe2024LimitExactlyInSeptember) {
  REQUIRE_LATER_SAMPLE(q1, kQ1);
  REQUIRE_LATER_SAMPLE(h1, kHalfYear);
  REQUIRE_LATER_SAMPLE(m9, kNineMonths);
  checks::YearPersons year = PersonsOf({q1.get(), h1.get(), m9.get()});
  auto c = ContextOf(m9->view);
  c.yearPersons = &year;
  EXPECT_EQ(Briefs(RunRow("L-C1", c)), Strings{});
  EXPECT_EQ(Briefs(RunRow("L-C2", c)), Strings{});

  for (std::size_t i = 0; i < year.persons.size(); ++i)
    if (year.persons[i].snils == "19989103954") year.monthBase[i][8] += Rub(0, 1);
  const auto found = RunRow("L-C1", c);
  EXPECT_EQ(Briefs(found), Strings{"L-C1 m9 199-891-039 54 2225000.01/2225000.00"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].path.find("@ВыплОПС"), std::string::npos) << found[0].path;
}

}  // namespace
}  // namespace orsvelt::test
