#include "analysis/prot501/earlier_files.h"
#include "analysis/common/report_folder.h"

#include <gtest/gtest.h>

#include "model/rsvnalog.h"
#include "report_builder.h"
#include "support/test_support.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {
namespace {

TestReport Report(const std::string& id, const std::string& period, int correction) {
  TestReport r;
  r.id = id;
  r.period = period;
  r.correction = correction;
  return r;
}

std::vector<std::string> EarlierNames(const TRSV501Prot& prot) {
  std::vector<std::string> names;
  for (const auto& f : prot.EarlierFiles) names.push_back(f.FileName);
  return names;
}

TEST(Prot501EarlierFiles, FolderSelectionTakesEarlierReportsOfSamePayerAndYear) {
  TempDir dir;
  const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_main", "33", 0));
  WriteReport(dir.path(), Report("NO_RASCHSV_q2", "31", 0));
  WriteReport(dir.path(), Report("NO_RASCHSV_q1", "21", 0));
  WriteReport(dir.path(), Report("NO_RASCHSV_q4", "34", 0));       // later period
  WriteReport(dir.path(), Report("NO_RASCHSV_copy", "33", 0));     // the main file again
  TestReport q2c = Report("no_raschsv_q2c", "31", 1);              // lower-case name
  q2c.extraDocumentAttr = " НеизвестныйАтрибут=\"1\"";             // a read error does not drop it
  WriteReport(dir.path(), q2c);
  TestReport otherYear = Report("NO_RASCHSV_y2017", "21", 0);
  otherYear.year = 2017;
  WriteReport(dir.path(), otherYear);
  TestReport otherPayer = Report("NO_RASCHSV_other", "21", 0);
  otherPayer.inn = "7701234568";
  WriteReport(dir.path(), otherPayer);
  TestReport division = Report("NO_RASCHSV_division", "21", 0);  // same INN, a division's KPP
  division.kpp = "770102002";
  WriteReport(dir.path(), division);
  TestReport blank = Report("NO_RASCHSV_blank", "21", 0);
  blank.inn = " 7701234567";
  WriteReport(dir.path(), blank);
  WriteReport(dir.path(), Report("report_q1_copy", "21", 0));       // not named like a report
  WriteBytes(dir / "NO_RASCHSV_broken.xml", "<Файл ИдФайл=");
  WriteBytes(dir / "NO_RASCHSV_other_root.xml", "<?xml version=\"1.0\"?><Root a=\"1\"><b/></Root>");
  std::filesystem::create_directory(dir / "NO_RASCHSV_folder.xml");
  std::error_code ec;
  std::filesystem::create_symlink(dir / "missing.xml", dir / "NO_RASCHSV_link.xml", ec);

  {
    TXMLFile xml;
    ASSERT_TRUE(xml.LoadFromFile(dir / "no_raschsv_q2c.xml") && xml.Parse());
    TRSVFile file;
    EXPECT_FALSE(file.Load(xml.Root(), "")) << "the fixture should carry a read error";
  }

  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main)) << prot.ErrorText();
  EXPECT_EQ(EarlierNames(prot),
            (std::vector<std::string>{"NO_RASCHSV_q1.xml", "NO_RASCHSV_q2.xml", "no_raschsv_q2c.xml"}));
  ASSERT_EQ(prot.EarlierFiles.size(), 3u);
  EXPECT_EQ(prot.EarlierFiles[0].PeriodText, "1 квартал 2018 г.");
  EXPECT_EQ(prot.EarlierFiles[2].CorrectionNumber, 1);
  EXPECT_EQ(prot.EarlierFiles[2].PlaceText, "по месту нахождения российской организации");
  EXPECT_EQ(prot.EarlierFiles[2].FormatVersion, "5.01");
}

TEST(Prot501EarlierFiles, AFileDamagedInsideItsCalculationIsNoEarlierFile) {
  TempDir dir;
  const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_main", "33", 0));
  WriteReport(dir.path(), Report("NO_RASCHSV_q2", "31", 0));
  std::string damaged = ReportXml(Report("NO_RASCHSV_q1", "21", 0));
  const std::size_t end = damaged.find("</РасчетСВ>");
  ASSERT_NE(end, std::string::npos);
  damaged.insert(end, "<ОбязПлатСВ>");  // never closed: the title reads, the file does not
  WriteCp1251(dir / "NO_RASCHSV_q1.xml", damaged);
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main)) << prot.ErrorText();
  EXPECT_EQ(EarlierNames(prot), (std::vector<std::string>{"NO_RASCHSV_q2.xml"}));
}

// An earlier file's persons are taken while it is read, a few at a time: one that breaks
// after many of them have been taken still gives none of them.
TEST(Prot501EarlierFiles, AFileBrokenAfterManyPersonsGivesNoneOfThem) {
  TempDir dir;
  TestReport mainReport = Report("NO_RASCHSV_main", "33", 0);
  mainReport.persons = {TestPerson{}};
  const auto main = WriteReport(dir.path(), mainReport);
  TestReport q1 = Report("NO_RASCHSV_q1", "21", 0);
  for (int i = 1; i <= 3000; ++i) {  // far more than one piece of the reader
    TestPerson p;
    p.number = i;
    p.snils = std::to_string(100000000 + i);
    p.rows = QuarterRows(1, "1.00", "1.00");
    q1.persons.push_back(p);
  }
  std::string damaged = ReportXml(q1);
  const std::string quoted = "Номер=\"3000\"";
  const std::size_t last = damaged.rfind(quoted);
  ASSERT_NE(last, std::string::npos);
  damaged.replace(last, quoted.size(), "Номер=3000");  // unquoted: the last piece does not parse
  WriteCp1251(dir / "NO_RASCHSV_q1.xml", damaged);
  {
    TRSVFile whole;
    std::string error;
    ASSERT_EQ(ReadReport(dir / "NO_RASCHSV_q1.xml", whole, error), ReportReading::NotParsed);
  }
  TestReport q2 = q1;
  q2.id = "NO_RASCHSV_q2";
  q2.period = "31";
  WriteReport(dir.path(), q2);

  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main)) << prot.ErrorText();
  EXPECT_EQ(EarlierNames(prot), (std::vector<std::string>{"NO_RASCHSV_q2.xml"}));
  ASSERT_EQ(prot.BaseChecks.size(), 3001u);
  // Each person of the second quarter once, from file 1, and nothing of the first quarter.
  const TRSV501BaseCheckPLRec& last3000 = prot.BaseChecks[2999];
  EXPECT_EQ(last3000.SNILS, "100003000");
  for (std::size_t i = 0; i < last3000.Periods.size(); ++i) {
    const TRSV501BaseCheckPLQuarterRec& block = last3000.Periods[i];
    EXPECT_EQ(block.FileNumber, block.PeriodCode == "31" ? 1 : -1) << block.PeriodCode;
    if (block.PeriodCode == "21") {
      EXPECT_EQ(RunningAt(last3000, i, 2).Base, 0);
    }
  }
}

TEST(Prot501EarlierFiles, CorrectionsOfTheSamePeriodAreEarlierFiles) {
  TempDir dir;
  const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_c11", "21", 11));
  WriteReport(dir.path(), Report("NO_RASCHSV_c10", "21", 10));
  WriteReport(dir.path(), Report("NO_RASCHSV_c2", "21", 2));
  WriteReport(dir.path(), Report("NO_RASCHSV_c11_again", "21", 11));
  WriteReport(dir.path(), Report("NO_RASCHSV_c12", "21", 12));
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main));
  EXPECT_EQ(EarlierNames(prot), (std::vector<std::string>{"NO_RASCHSV_c2.xml", "NO_RASCHSV_c10.xml"}));
}

TEST(Prot501EarlierFiles, MissingFolderAndLoneMainFileGiveNoEarlierFiles) {
  EXPECT_TRUE(ListReportFiles("/nonexistent/orsvelt/folder").empty());
  TempDir dir;
  const auto main = WriteReport(dir.path(), Report("NO_RASCHSV_main", "33", 0));
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main));
  EXPECT_TRUE(prot.EarlierFiles.empty());
  EXPECT_EQ(prot.PeriodText, "девять месяцев 2018 г.");
  EXPECT_EQ(prot.PayerType, "Юридическое лицо");
  EXPECT_EQ(prot.PayerName, "ООО \"Проба\"");
  EXPECT_EQ(prot.PayerKPP, "770101001");
  EXPECT_EQ(prot.FileName, "NO_RASCHSV_main.xml");
}

}  // namespace
}  // namespace orsvelt::test
