// The example folder and the real-shaped demo reports, analysed as the user would.

#include <cstdlib>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

constexpr Amount kRouble = 10000;

std::filesystem::path FindReport(const std::filesystem::path& folder, std::string_view part) {
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(part) != std::string::npos) return entry.path();
  return {};
}

std::filesystem::path CopyFolder(const std::filesystem::path& from, const TempDir& to, std::string_view prefix) {
  for (const auto& entry : std::filesystem::directory_iterator(from))
    if (entry.path().filename().string().rfind(prefix, 0) == 0)
      std::filesystem::copy_file(entry.path(), to.path() / entry.path().filename());
  return to.path();
}

const TRSV501BaseCheckPLRec* BaseOf(const TRSV501Prot& prot, const std::string& surname) {
  for (const auto& p : prot.BaseChecks)
    if (p.FullName.rfind(surname, 0) == 0) return &p;
  return nullptr;
}

TEST(Prot501Examples, ValidateAgainstTheSchema) {
  const auto schema = ReferenceDir() / "schemas" / "NO_RASCHSV_5.01_later_revision.xsd";
  if (!std::filesystem::exists(schema)) GTEST_SKIP() << "schema absent: " << schema;
  if (std::system("command -v xmllint >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint absent";
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ExamplesDir() / "5.01")) {
    if (entry.path().extension() != ".xml") continue;
    ++count;
    const std::string command = "xmllint --noout --schema '" + schema.string() + "' '" + entry.path().string() +
                                "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << entry.path();
  }
  EXPECT_EQ(count, 4);
}

TEST(Prot501Examples, NineMonthsWithEarlierReportsAndACorrection) {
  const auto folder = ExamplesDir() / "5.01";
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, FindReport(folder, "_20181022_"))) << prot.ErrorText();
  EXPECT_TRUE(prot.ReadErrors.empty());
  EXPECT_EQ(prot.PeriodText, "девять месяцев 2018 г.");
  ASSERT_EQ(prot.EarlierFiles.size(), 3u);
  EXPECT_NE(prot.EarlierFiles[0].FileName.find("_20180420_"), std::string::npos);
  EXPECT_EQ(prot.EarlierFiles[1].CorrectionNumber, 1);
  EXPECT_EQ(prot.EarlierFiles[2].PeriodText, "полугодие 2018 г.");

  const auto* high = BaseOf(prot, "Соколов");
  ASSERT_NE(high, nullptr);
  EXPECT_EQ(RunningAt(*high, 2, 1).Base, 1000000 * kRouble);
  EXPECT_FALSE(RunningAt(*high, 2, 1).Base > prot.PensionLimit);
  EXPECT_EQ(RunningAt(*high, 2, 2).Base, 1125000 * kRouble);
  EXPECT_TRUE(RunningAt(*high, 2, 2).Base > prot.PensionLimit);
  const auto* corrected = BaseOf(prot, "Кузнецова");
  ASSERT_NE(corrected, nullptr);
  EXPECT_EQ(corrected->Periods[0].FileNumber, 2);  // the first quarter's correction
  EXPECT_EQ(corrected->Periods[0].Months[2].Base, 60000 * kRouble);
  for (const auto& p : prot.BaseChecks)
    EXPECT_FALSE(RunningAt(p, 2, 2).Base > prot.PensionLimit && p.FullName.rfind("Соколов", 0) != 0);

  ASSERT_EQ(prot.Comparisons.size(), 2u);
  const auto& agree = prot.Comparisons[0];
  const auto& kopeck = prot.Comparisons[1];
  EXPECT_EQ(kopeck.TariffCodes, (std::vector<std::string>{"08", "12"}));
  for (int i = 0; i < 4; ++i) {
    const auto& a = agree.Column(i);
    EXPECT_TRUE(a.PersonsS1 == a.PersonsS3 && a.PaymentsS1 == a.PaymentsS3 && a.BaseS1 == a.BaseS3 &&
                a.ContribS1 == a.ContribS3)
        << i;
    const auto& k = kopeck.Column(i);
    EXPECT_EQ(k.PaymentsS1 - k.PaymentsS3, i == 0 || i == 2 ? 100 : 0) << i;
    EXPECT_EQ(k.ContribS1, k.ContribS3) << i;
  }
  for (const auto& person : prot.Persons) EXPECT_FALSE(person.SexMismatch) << person.FullName;
  EXPECT_TRUE(prot.SocialLimitKnown);
  // The high earner's social base stops at 815 000 in July.
  ASSERT_FALSE(prot.BaseChecks.empty());
  const TRSV501OMSOSSPLRec estimate = EstimateOf(prot, prot.BaseChecks[0]);
  EXPECT_EQ(WithRunningTotals(estimate.Months)[6].CumOSSBase, 815000 * kRouble);
  EXPECT_EQ(estimate.Months[6].OSSBase, 65000 * kRouble);
}

TEST(Prot501Examples, DemoCorrectionFolderRunsEndToEnd) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto samples = ReferenceDir() / "samples" / "5.01";
  TempDir dir;
  CopyFolder(samples, dir, "NO_RASCHSV_7715_");
  const auto main = FindReport(dir.path(), "_20170410_");
  ASSERT_FALSE(main.empty());

  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, main)) << prot.ErrorText();
  EXPECT_EQ(prot.CorrectionNumber, 2);
  ASSERT_EQ(prot.EarlierFiles.size(), 1u);  // correction 1; the 20170412 report is another payer's
  EXPECT_NE(prot.EarlierFiles[0].FileName.find("_20170331_"), std::string::npos);
  EXPECT_EQ(prot.EarlierFiles[0].CorrectionNumber, 1);
  EXPECT_FALSE(prot.Persons.empty());
  EXPECT_FALSE(prot.Comparisons.empty());
  // Every person carries one SNILS and "НомКорр" 0 in both files: the checked correction's
  // first person holds the quarter, not the superseded report's.
  ASSERT_EQ(prot.BaseChecks.size(), 1u);
  EXPECT_EQ(prot.BaseChecks[0].Periods[0].FileNumber, 0);
  EXPECT_EQ(prot.BaseChecks[0].Periods[0].Number, 2);
  EXPECT_EQ(prot.BaseChecks[0].Periods[0].Months[2].Base, 50000 * kRouble);

  // Correction 1 declares tariffs 01 and 02; the later block of 02 does not replace 01.
  TRSV501Prot first;
  ASSERT_TRUE(AnalyseReport(first, FindReport(dir.path(), "_20170331_"))) << first.ErrorText();
  ASSERT_EQ(first.Comparisons.size(), 1u);
  const TRSV501CompareMainRec& both = first.Comparisons[0];
  EXPECT_EQ(both.PersonsS1, 2);
  EXPECT_EQ(both.PaymentsS1, 760000 * kRouble);
  EXPECT_EQ(both.Column(1).BaseS1, 246000 * kRouble);
  EXPECT_EQ(both.Column(2).ContribS1, 53351 * kRouble);  // 53 240 of 01 and 111 of 02

  for (ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
    CheckRequest request;
    request.report = main;
    request.format = format;
    request.outputFolder = dir.path();
    request.runStamp = "07.12.2026 9:05:03";
    const CheckOutcome out = RunCheck(request);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_FALSE(ReadBytes(out.protocol).empty());
  }
}

}  // namespace
}  // namespace orsvelt::test
