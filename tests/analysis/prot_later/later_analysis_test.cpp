// The later formats' analysis on generated reports: the limit of each year, earlier reports
// across a change of form within a year, the settling of reports filed twice, and long
// tables over several sheets.

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "analysis/checks/check_context.h"
#include "analysis/prot_later/earlier_files.h"
#include "later_test_support.h"
#include "model/rsv505/later_report_text.h"
#include "support/test_support.h"
#include "xml/stringfuncs.h"

namespace orsvelt::test {
namespace {

namespace fs = std::filesystem;

struct Filed {
  std::string name;  // file name after "NO_RASCHSV_"
  std::string date = "01.04.2026";
  int correction = 0;
};

// The report written into the folder under its own "ИдФайл", date and correction.
fs::path WriteReport(const TempDir& dir, const LaterReportSpec& spec, const Filed& filed) {
  std::string xml = LaterReportXml(spec);
  const auto replace = [&xml](const std::string& from, const std::string& to) {
    const std::size_t at = xml.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) xml.replace(at, from.size(), to);
  };
  replace("ИдФайл=\"NO_RASCHSV_later\"", "ИдФайл=\"NO_RASCHSV_" + filed.name + "\"");
  replace("ДатаДок=\"01.04." + spec.year + "\"", "ДатаДок=\"" + filed.date + "\"");
  replace("НомКорр=\"0\"", "НомКорр=\"" + std::to_string(filed.correction) + "\"");
  const fs::path path = dir / ("NO_RASCHSV_" + filed.name + ".xml");
  WriteBytes(path, xml);
  return path;
}

// One person paid base a month in each month of the period's quarter, at category НР.
LaterReportSpec OnePerson(std::string version, std::string year, std::string period, std::string base) {
  LaterReportSpec spec;
  spec.formatVersion = std::move(version);
  spec.year = std::move(year);
  spec.period = std::move(period);
  LaterPerson person;
  for (int m = 1; m <= 3; ++m) person.months.push_back({.month = m, .category = "НР", .paid = base, .contractPaid = {}, .base = base, .contractBase = "0", .charged = "0"});
  spec.persons = {person};
  return spec;
}

constexpr std::string_view kPerson = "11223344595";

TEST(LaterAnalysis, EachYearHasItsLimitAndItsFormLabel) {
  struct Case {
    std::string version, year, label, limit;
  } cases[] = {
      {"5.03", "2021", "5.03 (действует с отчётности за 1 кв-л 2021 года)", "1 465 000,00"},
      {"5.04", "2022", "5.04 (действует с отчётности за 1 кв-л 2022 года)", "1 565 000,00"},
      {"5.05", "2023", "5.05 (действует с отчётности за 1 кв-л 2023 года)", "1 917 000,00"},
      {"5.07", "2025", "5.07 (действует с отчётности за 1 кв-л 2025 года)", "2 759 000,00"},
      {"5.08", "2026", "5.08 (действует с отчётности за 1 кв-л 2026 года)", "2 979 000,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    TempDir dir;
    // Above the pension limit of 2021 in the first quarter, below every other limit.
    const auto run = AnalyseLater(WriteReport(dir, OnePerson(c.version, c.year, "21", "500000.00"), {"main"}));
    ASSERT_TRUE(run->analysed);
    EXPECT_EQ(run->prot.FormatLabel(), c.label);
    ASSERT_TRUE(run->prot.YearLimit());
    EXPECT_EQ(FormatAmountGrouped(run->prot.YearLimit()->value), c.limit);
    const std::optional<YearToDatePerson> person = YearToDateOf(run->prot, kPerson);
    ASSERT_TRUE(person.has_value());
    ASSERT_EQ(person->Months.size(), 3u);
    EXPECT_EQ(person->Months[2].Cumulative, Kopecks(150000000));
    EXPECT_EQ(person->Months[2].AboveLimit, c.year == "2021");
    const LaterProtocols out = WriteLater(run->prot);
    EXPECT_NE(out.html.find("(предельная величина " + c.limit + ")"), std::string::npos);
  }
}

// Figures near the type's limit stop there rather than wrap round below the limit.
TEST(LaterAnalysis, HugeBasesStopAtTheLimitOfTheType) {
  TempDir dir;
  const auto run = AnalyseLater(WriteReport(dir, OnePerson("5.08", "2026", "21", "900000000000000.00"), {"main"}));
  ASSERT_TRUE(run->analysed);
  const std::optional<YearToDatePerson> person = YearToDateOf(run->prot, kPerson);
  ASSERT_TRUE(person.has_value());
  ASSERT_EQ(person->Months.size(), 3u);
  for (const YearToDateMonth& month : person->Months) {
    EXPECT_GT(month.Cumulative, 0);
    EXPECT_TRUE(month.AboveLimit);
  }
  EXPECT_EQ(person->Months[2].Cumulative, std::numeric_limits<Amount>::max());
  const checks::YearPersons year = run->prot.YearPersonsForChecks();
  EXPECT_EQ(year.persons[0].base, std::numeric_limits<Amount>::max());
  WriteLater(run->prot);
}

TEST(LaterAnalysis, AYearWithoutAKnownLimitMarksNothing) {
  TempDir dir;
  const auto run = AnalyseLater(WriteReport(dir, OnePerson("5.08", "2031", "21", "5000000.00"), {"main"}));
  ASSERT_TRUE(run->analysed);
  EXPECT_FALSE(run->prot.YearLimit());
  const std::optional<YearToDatePerson> person = YearToDateOf(run->prot, kPerson);
  ASSERT_TRUE(person.has_value());
  for (const YearToDateMonth& month : person->Months) EXPECT_FALSE(month.AboveLimit);
  EXPECT_NE(WriteLater(run->prot).html.find("(предельная величина не известна)"), std::string::npos);
}

// 2026: the first quarter on the old form 5.07, the half-year on 5.08; likewise a year of
// 5.03 and 5.04 reports, which the model reads with other classes than 5.05 on.
TEST(LaterAnalysis, EarlierReportsAreFoundAcrossTheFormsOfAYear) {
  struct Forms {
    std::string first, second;
  };
  for (const Forms& forms : {Forms{"5.07", "5.08"}, Forms{"5.03", "5.04"}, Forms{"5.04", "5.05"}}) {
    SCOPED_TRACE(forms.first + " " + forms.second);
    TempDir dir;
    WriteReport(dir, OnePerson(forms.first, "2026", "21", "100000.00"), {"q1", "10.04.2026"});
    const auto run = AnalyseLater(WriteReport(dir, OnePerson(forms.second, "2026", "31", "2.00"), {"h1", "10.07.2026"}));
    ASSERT_EQ(run->prot.EarlierFiles().size(), 1u);
    EXPECT_EQ(run->prot.EarlierFiles()[0].FormatVersion, forms.first);
    EXPECT_EQ(YearToDateOf(run->prot, kPerson)->Months.size(), 6u);
  }

  TempDir dir;
  WriteReport(dir, OnePerson("5.07", "2026", "21", "100000.00"), {"q1", "10.04.2026"});
  const fs::path main = WriteReport(dir, OnePerson("5.08", "2026", "31", "200000.00"), {"h1", "10.07.2026"});
  const auto run = AnalyseLater(main);
  ASSERT_TRUE(run->analysed);
  ASSERT_EQ(run->prot.EarlierFiles().size(), 1u);
  EXPECT_EQ(run->prot.EarlierFiles()[0].FormatVersion, "5.07");
  EXPECT_EQ(run->prot.EarlierFiles()[0].Note, "");

  const std::optional<YearToDatePerson> person = YearToDateOf(run->prot, kPerson);
  ASSERT_TRUE(person.has_value());
  ASSERT_EQ(person->Months.size(), 6u);
  EXPECT_EQ(person->Months[0].Source, "1/1");
  EXPECT_EQ(person->Months[5].Source, "0/1");
  EXPECT_EQ(person->Months[5].Cumulative, Kopecks(90000000));

  // The checks read the same base per calendar month.
  const checks::YearPersons year = run->prot.YearPersonsForChecks();
  ASSERT_EQ(year.persons.size(), 1u);
  ASSERT_EQ(year.monthBase.size(), 1u);
  EXPECT_EQ(year.monthBase[0][0], Kopecks(10000000));
  EXPECT_EQ(year.monthBase[0][5], Kopecks(20000000));
  EXPECT_EQ(year.monthBase[0][6], 0);
  EXPECT_EQ(year.persons[0].base, Kopecks(90000000));

  // A first quarter never takes a later period for an earlier one.
  const auto first = AnalyseLater(dir / "NO_RASCHSV_q1.xml");
  EXPECT_TRUE(first->prot.EarlierFiles().empty());
}

TEST(LaterAnalysis, OfTwoReportsWithTheSameDateTheLaterFileNameIsUsed) {
  TempDir dir;
  WriteReport(dir, OnePerson("5.08", "2026", "21", "100.00"), {"a", "10.04.2026"});
  WriteReport(dir, OnePerson("5.08", "2026", "21", "300.00"), {"b", "10.04.2026"});
  const auto run = AnalyseLater(WriteReport(dir, OnePerson("5.08", "2026", "31", "0.00"), {"main", "10.07.2026"}));
  ASSERT_TRUE(run->analysed);
  const auto& files = run->prot.EarlierFiles();
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].FileName, "NO_RASCHSV_b.xml");
  EXPECT_EQ(files[1].FileName, "NO_RASCHSV_a.xml");
  EXPECT_EQ(files[1].Note,
            "не используется: тот же период и номер корректировки, тот же ДатаДок, используется файл NO_RASCHSV_b.xml");
  const std::optional<YearToDatePerson> person = YearToDateOf(run->prot, kPerson);
  ASSERT_TRUE(person.has_value());
  EXPECT_EQ(person->Months[0].Base, Kopecks(30000));

  // A correction of the period is no duplicate: both are used, the correction last.
  WriteReport(dir, OnePerson("5.08", "2026", "21", "500.00"), {"c", "01.01.2026", 1});
  const auto corrected = AnalyseLater(dir / "NO_RASCHSV_main.xml");
  ASSERT_EQ(corrected->prot.EarlierFiles().size(), 3u);
  EXPECT_EQ(corrected->prot.EarlierFiles()[1].FileName, "NO_RASCHSV_c.xml");
  EXPECT_EQ(YearToDateOf(corrected->prot, kPerson)->Months[0].Base, Kopecks(50000));
}

TEST(LaterAnalysis, TheLargestCorrectionNumberFindsItsEarlierSubmissions) {
  TempDir dir;
  WriteReport(dir, OnePerson("5.08", "2026", "21", "1.00"), {"first"});
  const auto run = AnalyseLater(WriteReport(dir, OnePerson("5.08", "2026", "21", "2.00"), {"main", "01.04.2026", 2147483647}));
  ASSERT_TRUE(run->analysed);
  ASSERT_EQ(run->prot.EarlierFiles().size(), 1u);
  EXPECT_EQ(run->prot.EarlierFiles()[0].Note, "");
}

TEST(LaterEarlierFiles, DatesCompareAsDatesAndUnreadableOnesCountAsEarliest) {
  EXPECT_EQ(DateValue("31.12.2023"), 20231231);
  EXPECT_LT(DateValue("31.12.2023"), DateValue("01.01.2024"));
  EXPECT_EQ(DateValue("1.1.2024"), -1);
  EXPECT_EQ(DateValue("01.01.20x4"), -1);
  EXPECT_EQ(DateValue(""), -1);

  const auto report = [](std::string name, std::string date) {
    EarlierReport r;
    r.key.PeriodCode = "21";
    r.key.CorrectionNumber = 0;
    r.key.DocumentDate = std::move(date);
    r.path = name;
    return r;
  };
  std::vector<EarlierReport> reports{report("z.xml", "garbage"), report("a.xml", "02.02.2024"),
                                     report("m.xml", "01.03.2023")};
  std::vector<PassedOverReport> passed;
  SettleDuplicates(reports, passed);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].path, "a.xml");
  ASSERT_EQ(passed.size(), 2u);
  EXPECT_EQ(passed[0].report.path, "z.xml");
  EXPECT_NE(passed[0].reason.find("более поздний ДатаДок у файла a.xml"), std::string::npos);
}

// Many persons over sheets of a few rows: each person stays on one sheet, the workbook stays valid.
TEST(LaterAnalysis, LongYearToDateTablesGoOnOverFurtherSheets) {
  TempDir dir;
  LaterReportSpec spec = OnePerson("5.08", "2026", "21", "1000.00");
  const LaterPerson one = spec.persons[0];
  spec.persons.clear();
  for (int i = 0; i < 12; ++i) {
    LaterPerson p = one;
    p.snils = "100-000-0" + std::to_string(10 + i) + " 00";
    spec.persons.push_back(p);
  }
  const auto run = AnalyseLater(WriteReport(dir, spec, {"main"}));
  ASSERT_TRUE(run->analysed);
  ASSERT_EQ(run->prot.Persons().size(), 12u);
  const LaterProtocols out = WriteLater(run->prot, SheetLimits{.rows = 12});
  EXPECT_NE(out.workbook.find("ss:Name=\"Нарастающий итог (2)\""), std::string::npos);
}

// The run from a file to a protocol, and the description a batch lists, for each form.
TEST(LaterAnalysis, TheRunWritesAProtocolAndDescribesTheReport) {
  for (const bool individual : {false, true})
    for (const std::string version : {"5.03", "5.08"}) {
      SCOPED_TRACE(version + (individual ? " individual" : " organisation"));
      TempDir dir;
      LaterReportSpec spec = OnePerson(version, version == "5.03" ? "2021" : "2026", "21", "10.00");
      spec.individual = individual;
      CheckRequest request;
      request.report = WriteReport(dir, spec, {"main"});
      request.outputPath = dir / "protocol.xml";
      const CheckOutcome out = RunCheck(request);
      ASSERT_TRUE(out.ok) << out.message << out.detail;
      EXPECT_TRUE(fs::exists(out.protocol));
      EXPECT_EQ(out.report.formatVersion, version);
      EXPECT_EQ(out.report.inn, individual ? "500100732259" : "7701000001");
      EXPECT_EQ(out.report.periodCode, "21");
      EXPECT_EQ(out.report.persons, 1);
    }
}

}  // namespace
}  // namespace orsvelt::test
