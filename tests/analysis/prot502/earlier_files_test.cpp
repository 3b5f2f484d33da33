// Which reports of the folder the 5.02 analysis takes as earlier-period files, and how it
// numbers them.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot502/earlier_files.h"
#include "analysis/prot502/prot502.h"
#include "report_text.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

struct Title {
  std::string period;
  std::string correction;
  std::string year = "2020";
  std::string inn = "7701000001";
};

TestReport MakeReport(const std::string& fileId, const Title& t) {
  TestReport content;
  content.fileId = fileId;
  content.period = t.period;
  content.correction = t.correction;
  content.year = t.year;
  content.inn = t.inn;
  return content;
}

// "period/correction" of each earlier file, in their numbered order.
std::vector<std::string> Selected(const TRSV502Prot& prot) {
  std::vector<std::string> out;
  for (const TRSV502ProtFileRec& f : prot.EarlierFiles()) out.push_back(f.PeriodCode + "/" + std::to_string(f.CorrectionNumber));
  return out;
}

// Writes the candidates and the main report into a fresh folder and analyses the main one.
struct FolderRun {
  TempDir dir;
  TRSV502Prot prot;
  bool ok = false;

  FolderRun(const TestReport& main, const std::vector<TestReport>& others) {
    for (const TestReport& content : others) WriteReport(dir.path(), content);
    const auto loaded = LoadReportFile(WriteReport(dir.path(), main));
    ok = prot.Analyse(loaded->file, dir.path());
  }
};

TEST(EarlierFiles502, SelectsSamePayerAndYearEarlierPeriodsAndNumbersThemByPeriodThenCorrection) {
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "0"}),
                {MakeReport("NO_RASCHSV_a_q1_corr1", {"21", "1"}), MakeReport("NO_RASCHSV_b_q1", {"21", "0"}),
                 MakeReport("NO_RASCHSV_c_twin", {"31", "0"}), MakeReport("NO_RASCHSV_d_last_year", {"21", "0", "2019"}),
                 MakeReport("NO_RASCHSV_e_other_inn", {"21", "0", "2020", "7702000002"})});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(Selected(run.prot), (std::vector<std::string>{"21/0", "21/1"}));
  ASSERT_EQ(run.prot.EarlierFiles().size(), 2u);
  const TRSV502ProtFileRec& first = run.prot.EarlierFiles()[0];
  EXPECT_EQ(first.FileName, "NO_RASCHSV_b_q1.xml");
  EXPECT_EQ(first.FormatVersion, "5.02");
  EXPECT_EQ(first.ReportYear, 2020);
  EXPECT_EQ(first.PlaceName, "по месту нахождения российской организации");
}

TEST(EarlierFiles502, LowerCorrectionsOfTheOwnPeriodComeAfterEveryLowerPeriod) {
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "2"}),
                {MakeReport("NO_RASCHSV_1", {"31", "1"}), MakeReport("NO_RASCHSV_2", {"31", "0"}), MakeReport("NO_RASCHSV_3", {"21", "0"}),
                 MakeReport("NO_RASCHSV_4", {"31", "3"})});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(Selected(run.prot), (std::vector<std::string>{"21/0", "31/0", "31/1"}));
}

TEST(EarlierFiles502, PeriodCodesCompareAsByteStringsNotAsPartsOfTheYear) {
  std::vector<TestReport> all;
  for (const char* period : {"90", "86", "53", "52", "51", "34", "33", "31", "21"})
    all.push_back(MakeReport(std::string("NO_RASCHSV_p") + period, {period, "0"}));

  FolderRun reorganisation(MakeReport("NO_RASCHSV_main", {"52", "0"}), all);
  EXPECT_EQ(Selected(reorganisation.prot), (std::vector<std::string>{"21/0", "31/0", "33/0", "34/0", "51/0"}));

  FolderRun year(MakeReport("NO_RASCHSV_main", {"34", "0"}), all);
  EXPECT_EQ(Selected(year.prot), (std::vector<std::string>{"21/0", "31/0", "33/0"}));
}

TEST(EarlierFiles502, EqualPeriodAndCorrectionKeepTheOrderOfTheirNames) {
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "0"}),
                {MakeReport("NO_RASCHSV_zz", {"21", "0"}), MakeReport("NO_RASCHSV_aa", {"21", "0"}), MakeReport("NO_RASCHSV_mm", {"21", "0"})});
  ASSERT_EQ(run.prot.EarlierFiles().size(), 3u);
  EXPECT_EQ(run.prot.EarlierFiles()[0].FileName, "NO_RASCHSV_aa.xml");
  EXPECT_EQ(run.prot.EarlierFiles()[1].FileName, "NO_RASCHSV_mm.xml");
  EXPECT_EQ(run.prot.EarlierFiles()[2].FileName, "NO_RASCHSV_zz.xml");
}

TEST(EarlierFiles502, AnIndividualPayerIsMatchedOnItsInnAlone) {
  TestReport main = MakeReport("NO_RASCHSV_main", {"31", "0"});
  main.individual = true;
  main.inn = "500100732259";
  TestReport earlier = MakeReport("NO_RASCHSV_q1", {"21", "0", "2020", "500100732259"});
  earlier.individual = true;
  TestReport organisation = MakeReport("NO_RASCHSV_org", {"21", "0", "2020", "500100732259"});  // same digits, has a KPP
  FolderRun run(main, {earlier, organisation});
  EXPECT_EQ(run.prot.Payer().Type, "Физическое лицо или индивидуальный предприниматель");
  EXPECT_EQ(run.prot.Payer().Name, "Петров Пётр");
  EXPECT_EQ(run.prot.Payer().Kpp, "");
  ASSERT_EQ(run.prot.EarlierFiles().size(), 1u);
  EXPECT_EQ(run.prot.EarlierFiles()[0].FileName, "NO_RASCHSV_q1.xml");
}

TEST(EarlierFiles502, AMissingYearMatchesOnlyCandidatesWithoutAYear) {
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "0", ""}),
                {MakeReport("NO_RASCHSV_with_year", {"21", "0"}), MakeReport("NO_RASCHSV_without", {"21", "0", ""}),
                 MakeReport("NO_RASCHSV_not_a_number", {"21", "0", "двадцать"})});
  EXPECT_EQ(run.prot.ReportYear(), -1);
  ASSERT_EQ(run.prot.EarlierFiles().size(), 2u);
  EXPECT_EQ(run.prot.EarlierFiles()[0].FileName, "NO_RASCHSV_not_a_number.xml");
  EXPECT_EQ(run.prot.EarlierFiles()[1].FileName, "NO_RASCHSV_without.xml");
}

TEST(EarlierFiles502, CandidatesWithReadingErrorsOrWithoutCalculationAreStillSelected) {
  TestReport faulty = MakeReport("NO_RASCHSV_faulty", {"21", "0"});
  faulty.calculationHead = "<Неизвестный/>\n";
  TestReport bare = MakeReport("NO_RASCHSV_bare", {"21", "1"});
  bare.withCalculation = false;
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "0"}), {faulty, bare});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(Selected(run.prot), (std::vector<std::string>{"21/0", "21/1"}));
}

TEST(EarlierFiles502, AFileDamagedInsideItsCalculationIsLeftOutAndTheNumbersCloseUp) {
  TestReport damaged = MakeReport("NO_RASCHSV_a_damaged", {"21", "0"});
  damaged.calculationHead = "<ОбязПлатСВ>\n";  // never closed: the title reads, the file does not
  TestReport sound = MakeReport("NO_RASCHSV_b_sound", {"21", "1"});
  TestPerson person;
  person.snils = "112-233-445 95";
  person.months.push_back(MonthRow{1, "НР", "100", "100", "0", "22"});
  sound.persons.push_back(person);
  FolderRun run(MakeReport("NO_RASCHSV_main", {"31", "0"}), {damaged, sound});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(Selected(run.prot), (std::vector<std::string>{"21/1"}));
  ASSERT_EQ(run.prot.Persons().size(), 1u);
  EXPECT_EQ(run.prot.Persons()[0].Source.Text(), "1/1");
}

// An earlier file's persons are taken while it is read: a file that breaks after some of
// them were taken gives none, and one whose document is read twice gives those of the last.
TEST(EarlierFiles502, PersonsTakenWhileReadingCountOnlyForAFileThatReadsWhole) {
  TestPerson first;
  first.snils = "112-233-445 95";
  first.months.push_back(MonthRow{1, "НР", "100", "100", "0", "22"});
  TestPerson second = first;
  second.snils = "123-456-789 64";
  TestReport broken = MakeReport("NO_RASCHSV_a_broken", {"21", "0"});
  broken.persons.assign(3000, first);  // more than one piece of the reader's
  broken.persons.push_back(second);
  std::string text = ReportXml(broken);
  text.resize(text.rfind("</ПерсСвСтрахЛиц>") + 2);  // the second person never closes
  TestReport twice = MakeReport("NO_RASCHSV_b_twice", {"21", "1"});
  twice.persons = {first};
  std::string twiceText = ReportXml(twice);
  twice.persons = {second};
  const std::string again = ReportXml(twice);
  const auto document = [](const std::string& xml) {
    const std::size_t from = xml.find("<Документ");
    return xml.substr(from, xml.rfind("</Документ>") + std::string("</Документ>").size() - from);
  };
  twiceText.insert(twiceText.rfind("</Файл>"), document(again));

  TempDir dir;
  WriteCp1251(dir.path() / "NO_RASCHSV_a_broken.xml", text);
  WriteCp1251(dir.path() / "NO_RASCHSV_b_twice.xml", twiceText);
  const auto main = LoadReportFile(WriteReport(dir.path(), MakeReport("NO_RASCHSV_main", {"31", "0"})));
  TRSV502Prot prot;
  ASSERT_TRUE(prot.Analyse(main->file, dir.path()));
  EXPECT_EQ(Selected(prot), (std::vector<std::string>{"21/1"}));
  ASSERT_EQ(prot.Persons().size(), 1u);
  EXPECT_EQ(prot.Persons()[0].Key, "12345678964");
  EXPECT_EQ(prot.Persons()[0].Source.Text(), "1/1");
}

TEST(EarlierFiles502, FilesThatAreNoUsableReportsAreSkippedWithoutStoppingTheRun) {
  TempDir dir;
  WriteReport(dir.path(), MakeReport("no_raschsv_lower_case", {"21", "0"}));     // found: case does not matter
  WriteReport(dir.path(), MakeReport("NO_RASCHSV_UPPER", {"21", "1"}));
  std::filesystem::rename(dir / "NO_RASCHSV_UPPER.xml", dir / "NO_RASCHSV_UPPER.XML");
  WriteReport(dir.path(), MakeReport("NO_RASCHSV_other_extension", {"21", "2"}));
  std::filesystem::rename(dir / "NO_RASCHSV_other_extension.xml", dir / "NO_RASCHSV_other_extension.txt");
  TestReport old = MakeReport("NO_RASCHSV_format501", {"21", "3"});
  old.formatVersion = "5.01";
  WriteReport(dir.path(), old);
  WriteBytes(dir / "NO_RASCHSV_broken.xml", "<Файл ИдФайл=");
  WriteBytes(dir / "NO_RASCHSV_empty.xml", "");
  WriteCp1251(dir / "NO_RASCHSV_other_root.xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Отчёт/>");
  std::filesystem::create_directory(dir / "NO_RASCHSV_folder.xml");
  std::filesystem::create_symlink(dir / "absent.xml", dir / "NO_RASCHSV_dangling.xml");
  std::filesystem::create_symlink(dir / "NO_RASCHSV_folder.xml", dir / "NO_RASCHSV_link_to_folder.xml");

  const auto main = LoadReportFile(WriteReport(dir.path(), MakeReport("NO_RASCHSV_main", {"31", "0"})));
  TRSV502Prot prot;
  ASSERT_TRUE(prot.Analyse(main->file, dir.path()));
  ASSERT_EQ(prot.EarlierFiles().size(), 2u);
  EXPECT_EQ(prot.EarlierFiles()[0].FileName, "no_raschsv_lower_case.xml");
  EXPECT_EQ(prot.EarlierFiles()[1].FileName, "NO_RASCHSV_UPPER.XML");
}

TEST(EarlierFiles502, AMissingFolderGivesNoEarlierFiles) {
  TempDir dir;
  const auto main = LoadReportFile(WriteReport(dir.path(), MakeReport("NO_RASCHSV_main", {"31", "0"})));
  TRSV502Prot prot;
  ASSERT_TRUE(prot.Analyse(main->file, dir / "absent"));
  EXPECT_TRUE(prot.EarlierFiles().empty());
}

}  // namespace
}  // namespace orsvelt::test
