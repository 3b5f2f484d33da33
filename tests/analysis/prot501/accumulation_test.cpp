#include <algorithm>

#include <gtest/gtest.h>

#include "report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

constexpr Amount kRouble = 10000;

TestPerson Holder(const std::string& snils, const std::string& surname, std::vector<TestMonthRow> rows) {
  TestPerson p;
  p.snils = snils;
  p.surname = surname;
  p.rows = std::move(rows);
  return p;
}

TestReport Report(const std::string& id, const std::string& period, int correction) {
  TestReport r;
  r.id = id;
  r.period = period;
  r.correction = correction;
  return r;
}

const TRSV501BaseCheckPLRec* BaseOf(const TRSV501Prot& prot, const std::string& surname) {
  for (const auto& p : prot.BaseChecks)
    if (p.FullName.rfind(surname, 0) == 0) return &p;
  return nullptr;
}

std::vector<std::string> PeriodCodes(const TRSV501BaseCheckPLRec& p) {
  std::vector<std::string> codes;
  for (const auto& b : p.Periods) codes.push_back(b.PeriodCode);
  return codes;
}

// A month of one row gives the estimate that row; a month of several rows one row per
// category, the last of each. A later block replaces the earlier one's rows whatever the
// shape of either.
TEST(Prot501Accumulation, EstimateRowsOfABlockOfEitherShapeAreReplacedWhole) {
  TempDir dir;
  const std::vector<TestMonthRow> several = {{"01", "НР", "100.00", "100.00", "0.00", "0.00"},
                                             {"01", "ВЖНР", "50.00", "50.00", "0.00", "0.00"},
                                             {"01", "НР", "30.00", "30.00", "0.00", "0.00"},
                                             {"02", "НР", "10.00", "10.00", "0.00", "0.00"}};
  const std::vector<TestMonthRow> oneEach = {{"01", "НР", "7.00", "7.00", "0.00", "0.00"},
                                             {"02", "НР", "8.00", "8.00", "0.00", "0.00"}};
  TestReport original = Report("NO_RASCHSV_q1_0", "21", 0);
  original.persons = {Holder("S-X", "Иксов", several), Holder("S-Y", "Игреков", oneEach),
                      Holder("S-Z", "Зетов", several)};
  WriteReport(dir.path(), original);
  TestReport main = Report("NO_RASCHSV_q1_1", "21", 1);
  main.persons = {Holder("S-X", "Иксов", {{"01", "НР", "1.00", "1.00", "0.00", "0.00"}}),
                  Holder("S-Y", "Игреков",
                         {{"01", "НР", "2.00", "2.00", "0.00", "0.00"}, {"01", "ВЖНР", "3.00", "3.00", "0.00", "0.00"}})};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  ASSERT_EQ(prot.BaseChecks.size(), 3u);

  struct Expected {
    std::string surname;
    Amount january, february, januaryPension;
    std::size_t rowsApart;  // of the months of several rows
  };
  for (const Expected& e : {Expected{"Иксов", 1 * kRouble, 0, 1 * kRouble, 0}, Expected{"Игреков", 5 * kRouble, 0, 5 * kRouble, 2},
                            Expected{"Зетов", 80 * kRouble, 10 * kRouble, 180 * kRouble, 3}}) {
    const TRSV501BaseCheckPLRec* base = BaseOf(prot, e.surname);
    ASSERT_NE(base, nullptr) << e.surname;
    const TRSV501OMSOSSPLRec oms = EstimateOf(prot, *base);
    EXPECT_EQ(oms.Months[0].OMSBase, e.january) << e.surname;
    EXPECT_EQ(oms.Months[0].OSSBase, e.january) << e.surname;
    EXPECT_EQ(oms.Months[1].OMSBase, e.february) << e.surname;
    EXPECT_EQ(base->Periods[0].Months[0].Payments, e.januaryPension) << e.surname;
    EXPECT_EQ(base->EstimateRows.size(), e.rowsApart) << e.surname;
  }
}

TEST(Prot501Accumulation, HighestCorrectionWinsAndMissingQuartersAreEmpty) {
  TempDir dir;
  TestReport q1 = Report("NO_RASCHSV_q1_0", "21", 0);
  q1.persons = {Holder("S-X", "Иксов", QuarterRows(1, "100.00", "100.00"))};
  WriteReport(dir.path(), q1);
  TestReport q1c = Report("NO_RASCHSV_q1_1", "21", 1);
  q1c.persons = {Holder("S-X", "Иксов", QuarterRows(1, "200.00", "200.00"))};
  q1c.persons[0].correction = 1;
  q1c.persons[0].number = 7;
  WriteReport(dir.path(), q1c);
  TestReport q2 = Report("NO_RASCHSV_q2_0", "31", 0);
  q2.persons = {Holder("S-Y", "Игреков", QuarterRows(4, "10.00", "10.00"))};
  WriteReport(dir.path(), q2);
  TestReport main = Report("NO_RASCHSV_main", "33", 0);
  main.persons = {Holder("S-X", "Иксов", QuarterRows(7, "1000.00", "1000.00"))};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  ASSERT_EQ(prot.EarlierFiles.size(), 3u);

  ASSERT_EQ(prot.BaseChecks.size(), 2u);
  const TRSV501BaseCheckPLRec& x = prot.BaseChecks[0];
  EXPECT_EQ(x.SNILS, "S-X");
  EXPECT_EQ(PeriodCodes(x), (std::vector<std::string>{"21", "31", "33", "34"}));
  EXPECT_EQ(x.Periods[0].FileNumber, 2);  // 21/1
  EXPECT_EQ(x.Periods[0].Number, 7);
  EXPECT_EQ(x.Periods[0].CorrectionNumber, 1);
  EXPECT_EQ(x.Periods[1].FileNumber, -1);
  EXPECT_EQ(x.Periods[1].Number, 0);
  EXPECT_EQ(x.Periods[1].CorrectionNumber, 0);
  EXPECT_EQ(x.Periods[2].FileNumber, 0);
  for (const auto& block : x.Periods) ASSERT_EQ(block.Months.size(), 3u);
  EXPECT_EQ(RunningAt(x, 0, 2).Base, 600 * kRouble);
  EXPECT_EQ(x.Periods[1].Months[2].Base, 0);
  EXPECT_EQ(RunningAt(x, 1, 2).Base, 600 * kRouble);
  EXPECT_EQ(RunningAt(x, 2, 2).Base, 3600 * kRouble);
  EXPECT_EQ(x.Periods[3].Months[2].Month, 12);
  EXPECT_EQ(RunningAt(x, 3, 2).Payments, 3600 * kRouble);

  const TRSV501BaseCheckPLRec& y = prot.BaseChecks[1];  // only in an earlier file
  EXPECT_EQ(y.FullName, "Игреков Иван Иванович");
  EXPECT_EQ(PeriodCodes(y), (std::vector<std::string>{"21", "31", "33", "34"}));
  EXPECT_EQ(y.Periods[1].FileNumber, 3);
  EXPECT_EQ(RunningAt(y, 3, 2).Base, 30 * kRouble);

  EXPECT_EQ(prot.BaseCheckTotal[8].CumBase, 3630 * kRouble);
  EXPECT_EQ(prot.BaseCheckTotal[0].Base, 200 * kRouble);
}

// Correction reports write the person's "НомКорр" as 0 again: among equal numbers the file
// added later (period, correction, main file last) holds the current data, while a second
// element of the person in the same file does not replace the first.
TEST(Prot501Accumulation, EqualPersonCorrectionTakesTheLaterFile) {
  TempDir dir;
  TestReport original = Report("NO_RASCHSV_q1_0", "21", 0);
  original.persons = {Holder("S-X", "Иксов", QuarterRows(1, "1.00", "1.00")),
                      Holder("S-Y", "Игреков", QuarterRows(1, "1.00", "1.00")),
                      Holder("S-Z", "Зетов", QuarterRows(1, "1.00", "1.00"))};
  original.persons[2].correction = 1;  // a higher number still wins over a later file
  WriteReport(dir.path(), original);
  TestReport correction = Report("NO_RASCHSV_q1_1", "21", 1);
  correction.persons = {Holder("S-X", "Иксов", QuarterRows(1, "2.00", "2.00")),
                        Holder("S-X", "Иксов", QuarterRows(1, "3.00", "3.00")),
                        Holder("S-Y", "Игреков", QuarterRows(1, "4.00", "4.00")),
                        Holder("S-Z", "Зетов", QuarterRows(1, "5.00", "5.00"))};
  for (int i = 0; i < 4; ++i) correction.persons[i].number = i + 1;
  WriteReport(dir.path(), correction);
  TestReport main = Report("NO_RASCHSV_q1_2", "21", 2);
  main.persons = {Holder("S-Y", "Игреков", QuarterRows(1, "7.00", "7.00"))};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  ASSERT_EQ(prot.EarlierFiles.size(), 2u);
  ASSERT_EQ(prot.BaseChecks.size(), 3u);

  struct Expected {
    std::string surname;
    std::int32_t file, number, correction;
    Amount base;
  };
  for (const Expected& e : {Expected{"Иксов", 2, 1, 0, 2 * kRouble}, Expected{"Игреков", 0, 1, 0, 7 * kRouble},
                            Expected{"Зетов", 1, 1, 1, 1 * kRouble}}) {
    const TRSV501BaseCheckPLRec* base = BaseOf(prot, e.surname);
    ASSERT_NE(base, nullptr) << e.surname;
    const TRSV501BaseCheckPLQuarterRec& block = base->Periods[0];
    EXPECT_EQ(block.FileNumber, e.file) << e.surname;
    EXPECT_EQ(block.Number, e.number) << e.surname;
    EXPECT_EQ(block.CorrectionNumber, e.correction) << e.surname;
    ASSERT_EQ(block.Months.size(), 3u) << e.surname;
    EXPECT_EQ(block.Months[2].Base, e.base) << e.surname;
    EXPECT_EQ(RunningAt(*base, 0, 2).Base, 3 * e.base) << e.surname;

    const TRSV501OMSOSSPLRec oms = EstimateOf(prot, *base);
    EXPECT_EQ(oms.Months[0].OMSBase, e.base) << e.surname;
    EXPECT_EQ(WithRunningTotals(oms.Months)[2].CumOMSBase, 3 * e.base) << e.surname;
  }
}

TEST(Prot501Accumulation, CumulativeBaseAgainstTheYearlyLimit) {
  TempDir dir;
  auto nineMonths = [](const std::string& september) {
    std::vector<TestMonthRow> rows;
    for (int m = 1; m <= 9; ++m) {
      const std::string v = m == 9 ? september : "100000.00";
      rows.push_back({"0" + std::to_string(m), "НР", v, v, "0.00", "0.00"});
    }
    return rows;
  };
  // Quarters 1 and 2 come from their own reports; the main file carries the third.
  const auto quarter = [&](const std::vector<TestMonthRow>& all, int q) {
    return std::vector<TestMonthRow>(all.begin() + q * 3, all.begin() + q * 3 + 3);
  };
  const auto equal = nineMonths("221000.00");       // 1 021 000.00 after September
  const auto over = nineMonths("221000.01");        // one kopeck more
  for (int q = 0; q < 2; ++q) {
    TestReport r = Report("NO_RASCHSV_q" + std::to_string(q + 1), q == 0 ? "21" : "31", 0);
    r.persons = {Holder("S-EQ", "Равнов", quarter(equal, q)), Holder("S-OV", "Большов", quarter(over, q))};
    WriteReport(dir.path(), r);
  }
  TestReport main = Report("NO_RASCHSV_main", "33", 0);
  main.persons = {Holder("S-EQ", "Равнов", quarter(equal, 2)), Holder("S-OV", "Большов", quarter(over, 2))};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));

  EXPECT_EQ(prot.PensionLimit, 1021000 * kRouble);
  const auto* eq = BaseOf(prot, "Равнов");
  const auto* ov = BaseOf(prot, "Большов");
  ASSERT_TRUE(eq && ov);
  const Amount eqSeptember = RunningAt(*eq, 2, 2).Base;
  const Amount ovSeptember = RunningAt(*ov, 2, 2).Base;
  EXPECT_EQ(eqSeptember, prot.PensionLimit);
  EXPECT_FALSE(eqSeptember > prot.PensionLimit);
  EXPECT_EQ(ovSeptember, prot.PensionLimit + 100);
  EXPECT_TRUE(ovSeptember > prot.PensionLimit);
  EXPECT_FALSE(RunningAt(*ov, 2, 1).Base > prot.PensionLimit);
}

TEST(Prot501Accumulation, SnilsWithAndWithoutSeparatorsIsOnePerson) {
  TempDir dir;
  TestReport earlier = Report("NO_RASCHSV_q1", "21", 0);
  earlier.persons = {Holder("112-233-445-95", "Первов", QuarterRows(1, "1.00", "1.00"))};
  earlier.persons[0].period = "21";
  WriteReport(dir.path(), earlier);
  TestReport half = Report("NO_RASCHSV_q2", "31", 0);
  half.persons = {Holder("11223344595", "Первов", QuarterRows(4, "2.00", "2.00"))};
  half.persons[0].period = "31";
  WriteReport(dir.path(), half);
  TestReport main = Report("NO_RASCHSV_main", "33", 0);
  main.persons = {Holder("112-233-445 95", "Первов", QuarterRows(7, "3.00", "3.00")),
                  Holder("112-233-445 96", "Второв", QuarterRows(7, "3.00", "3.00"))};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  ASSERT_EQ(prot.BaseChecks.size(), 2u);
  ASSERT_EQ(PeriodCodes(prot.BaseChecks[0]), (std::vector<std::string>{"21", "31", "33", "34"}));
  EXPECT_EQ(prot.BaseChecks[0].Periods[0].FileNumber, 1);
  EXPECT_EQ(prot.BaseChecks[0].Periods[1].FileNumber, 2);
  EXPECT_EQ(prot.BaseChecks[0].Periods[2].FileNumber, 0);
  EXPECT_EQ(prot.BaseChecks[0].SNILS, "112-233-445-95");  // as first met
}

TEST(Prot501Accumulation, PersonsWithoutSnilsAreNotMergedByTheEmptyKey) {
  TempDir dir;
  auto blank = [](const std::string& inn, const std::string& surname, const std::string& pay) {
    TestPerson p = Holder("", surname, QuarterRows(7, pay, pay));
    p.inn = inn;
    return p;
  };
  TestReport earlier = Report("NO_RASCHSV_q1", "21", 0);
  earlier.persons = {blank("500100000001", "Первов", "1.00")};
  earlier.persons[0].period = "21";
  earlier.persons[0].rows = QuarterRows(1, "1.00", "1.00");
  WriteReport(dir.path(), earlier);
  TestReport main = Report("NO_RASCHSV_main", "33", 0);
  main.persons = {blank("500100000001", "Первов", "2.00"), blank("500100000002", "Второв", "3.00"),
                  blank("500100000001", "Третьев", "4.00"),  // same INN: the same person, same period
                  blank("", "Безымов", "5.00"), blank("", "Другов", "6.00")};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  std::vector<std::string> names;
  for (const auto& p : prot.BaseChecks) names.push_back(p.FullName.substr(0, p.FullName.find(' ')));
  EXPECT_EQ(names, (std::vector<std::string>{"Первов", "Второв", "Безымов", "Другов"}));
  EXPECT_EQ(prot.BaseChecks[0].Periods[0].FileNumber, 1);
  EXPECT_EQ(prot.BaseChecks[0].Periods[2].Months[0].Base, 2 * kRouble);  // the first of equal corrections
  EXPECT_EQ(prot.BaseChecks[3].Periods[2].Months[0].Base, 6 * kRouble);
}

// Fourteen characters without a digit are no SNILS: such persons were once all one person.
TEST(Prot501Accumulation, ASnilsWithoutDigitsDoesNotMergeDifferentInns) {
  TempDir dir;
  TestReport main = Report("NO_RASCHSV_main", "21", 0);
  main.persons = {Holder("--------------", "Первов", QuarterRows(1, "1.00", "1.00")),
                  Holder("--------------", "Второв", QuarterRows(1, "2.00", "2.00"))};
  main.persons[0].inn = "500100000001";
  main.persons[1].inn = "500100000002";
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));
  ASSERT_EQ(prot.BaseChecks.size(), 2u);
  ASSERT_NE(BaseOf(prot, "Второв"), nullptr);
  EXPECT_EQ(BaseOf(prot, "Второв")->Periods[0].Months[0].Base, 2 * kRouble);
}

TEST(Prot501Accumulation, IgnoredElementsRowsAndBlocksWithoutAPlaceInTheTotal) {
  TempDir dir;
  TestReport main = Report("NO_RASCHSV_main", "33", 0);
  TestPerson z = Holder("S-Z", "Зетов", QuarterRows(7, "10.00", "10.00"));
  z.rows.push_back({"13", "НР", "99.00", "99.00", "0.00", "0.00"});
  z.rows.push_back({"1", "НР", "99.00", "99.00", "0.00", "0.00"});
  z.rows.push_back({"07", "ВЖНР", "1.00", "1.00", "0.00", "0.00"});  // adds up with July
  TestPerson otherYear = Holder("S-Z", "Зетов", QuarterRows(1, "500.00", "500.00"));
  otherYear.period = "21";
  otherYear.year = 2017;
  TestPerson noName = Holder("S-N", "Безфио", QuarterRows(7, "1.00", "1.00"));
  noName.withName = false;
  TestPerson deregistered = Holder("S-Z", "Зетов", QuarterRows(7, "7.00", "7.00"));
  deregistered.period = "85";  // stands for no quarter of the cumulative control
  TestPerson reorganised = Holder("S-Z", "Зетов", QuarterRows(7, "3.00", "3.00"));
  reorganised.period = "53";  // the third quarter a second time
  main.persons = {z, otherYear, noName, deregistered, reorganised};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), main)));

  ASSERT_EQ(prot.BaseChecks.size(), 1u);
  const TRSV501BaseCheckPLRec& p = prot.BaseChecks[0];
  EXPECT_EQ(PeriodCodes(p), (std::vector<std::string>{"21", "31", "33", "34", "53", "85"}));
  const auto& q3 = p.Periods[2];
  ASSERT_EQ(q3.Months.size(), 3u);
  EXPECT_EQ(q3.Months[0].Base, 11 * kRouble);
  EXPECT_EQ(RunningAt(p, 2, 2).Base, 31 * kRouble);
  EXPECT_EQ(RunningAt(p, 4, 2).Base, 40 * kRouble);  // accumulated after "34"
  EXPECT_EQ(RunningAt(p, 5, 2).Base, 0);  // left out of the running totals
  EXPECT_EQ(p.Periods[5].Months.size(), 3u);

  // The total: twelve months, of the first block of each quarter only.
  ASSERT_EQ(prot.BaseCheckTotal.size(), 12u);
  for (int m = 0; m < 12; ++m) EXPECT_EQ(prot.BaseCheckTotal[m].Month, m + 1);
  EXPECT_EQ(prot.BaseCheckTotal[6].Base, 11 * kRouble);
  EXPECT_EQ(prot.BaseCheckTotal[8].CumBase, 31 * kRouble);

  // OMS rows of one month and category are replaced, not added; other categories stay.
  ASSERT_EQ(prot.BaseChecks.size(), 1u);
  // July: 10.00 and 1.00 of the third quarter's two categories, 3.00 of "53", 7.00 of "85".
  EXPECT_EQ(EstimateOf(prot, prot.BaseChecks[0]).Months[6].OMSBase, 21 * kRouble);
}

}  // namespace
}  // namespace orsvelt::test
