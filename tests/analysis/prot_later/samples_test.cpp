// The later formats' analysis on the reference samples of 2024 and 2026: every file runs to
// both protocols; a folder with two reports for the same periods uses the later ones; one
// person reaches the 2024 limit exactly in September, and a kopeck more is shown above it.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "later_test_support.h"
#include "support/test_support.h"
#include "xml/path_text.h"

namespace orsvelt::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kZolotova = "19989103954";  // 199-891-039 54

fs::path SamplesDir() { return ReferenceDir() / "samples" / "later"; }

// The sample whose name holds the part, copied into the folder; its path there.
fs::path CopySample(const TempDir& dir, std::string_view part) {
  for (const fs::directory_entry& entry : fs::directory_iterator(SamplesDir())) {
    const std::string name = PathToUtf8(entry.path().filename());
    if (name.find(part) == std::string::npos) continue;
    const fs::path target = dir.path() / entry.path().filename();
    WriteBytes(target, ReadBytes(entry.path()));
    return target;
  }
  ADD_FAILURE() << "no sample " << part;
  return {};
}

#define SKIP_WITHOUT_SAMPLES() \
  if (!fs::exists(SamplesDir())) GTEST_SKIP() << "no reference samples at " << PathToUtf8(SamplesDir())

TEST(LaterSamples, EveryFileIsAnalysedIntoBothProtocols) {
  SKIP_WITHOUT_SAMPLES();
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(SamplesDir())) {
    if (entry.path().extension() != ".xml") continue;
    ++files;
    SCOPED_TRACE(PathToUtf8(entry.path().filename()));
    const auto run = AnalyseLater(entry.path());
    ASSERT_TRUE(run->analysed);
    EXPECT_NE(MakeAnalysis(run->file.FormatVersion), nullptr);
    EXPECT_EQ(run->prot.FormatLabel().substr(0, 4), run->file.FormatVersion);
    const LaterProtocols out = WriteLater(run->prot);
    EXPECT_NE(out.html.find("Контрольные соотношения"), std::string::npos);
    if (!run->prot.Persons().empty()) {
      EXPECT_NE(out.html.find("Нарастающий итог базы по застрахованным лицам"), std::string::npos);
      EXPECT_NE(out.workbook.find("ss:Name=\"Нарастающий итог\""), std::string::npos);
    }
  }
  EXPECT_EQ(files, 7);
}

// Two primary reports for the first quarter and two for the half-year: the December ones
// (the later "ДатаДок") are used, the February ones are named as passed over.
TEST(LaterSamples, ReportsFiledTwiceForAPeriodUseTheLaterDocumentDate) {
  SKIP_WITHOUT_SAMPLES();
  TempDir dir;
  for (std::string_view part : {"0eb8d50d", "82313402", "520b626b", "f0d7d252"}) CopySample(dir, part);
  const auto run = AnalyseLater(CopySample(dir, "cf326545"));
  ASSERT_TRUE(run->analysed);
  const TRSVLaterProt& prot = run->prot;
  EXPECT_EQ(prot.FormatLabel(), "5.06 (действует с отчётности за 1 кв-л 2024 года)");

  const std::vector<TRSV502ProtFileRec>& files = prot.EarlierFiles();
  ASSERT_EQ(files.size(), 4u);
  EXPECT_NE(files[0].FileName.find("520b626b"), std::string::npos);
  EXPECT_EQ(files[0].Note, "");
  EXPECT_NE(files[1].FileName.find("f0d7d252"), std::string::npos);
  EXPECT_EQ(files[1].Note, "");
  EXPECT_NE(files[2].FileName.find("0eb8d50d"), std::string::npos);
  EXPECT_EQ(files[2].Note,
            "не используется: тот же период и номер корректировки, более поздний ДатаДок у файла "
            "NO_RASCHSV_6665_6665_9614602229961460222_20231211_520b626b-3b0c-4b68-a516-ee4fec00cfd6.xml");
  EXPECT_NE(files[3].FileName.find("82313402"), std::string::npos);
  EXPECT_NE(files[3].Note.find("f0d7d252"), std::string::npos);

  // No category of the passed-over files survives beside those of the used ones.
  const int at = prot.FindPerson("199-891-039 54");
  ASSERT_GE(at, 0);
  EXPECT_EQ(prot.PersonCategories(prot.Persons()[static_cast<std::size_t>(at)]),
            (std::vector<std::string>{"НР", "МС"}));

  const std::optional<YearToDatePerson> zolotova = YearToDateOf(prot, kZolotova);
  ASSERT_TRUE(zolotova.has_value());
  ASSERT_EQ(zolotova->Months.size(), 9u);
  EXPECT_EQ(zolotova->Months[0].Source, "1/1");
  EXPECT_EQ(zolotova->Months[3].Source, "2/1");
  EXPECT_EQ(zolotova->Months[8].Source, "0/1");
  EXPECT_EQ(zolotova->Months[7].Cumulative, Kopecks(213171200));
  EXPECT_EQ(zolotova->Months[8].Base, Kopecks(9328800));
  EXPECT_EQ(zolotova->Months[8].Cumulative, Kopecks(222500000));
  for (const YearToDateMonth& month : zolotova->Months) EXPECT_FALSE(month.AboveLimit) << month.Month;
  ASSERT_TRUE(prot.YearLimit());
  EXPECT_EQ(prot.YearLimit()->value, Kopecks(222500000));

  const LaterProtocols out = WriteLater(run->prot);
  EXPECT_NE(out.html.find("Нарастающий итог базы по застрахованным лицам (предельная величина 2 225 000,00)"),
            std::string::npos);
  EXPECT_NE(out.html.find("<td>не используется: тот же период и номер корректировки"), std::string::npos);
  EXPECT_NE(out.workbook.find("<Data ss:Type=\"String\">Использование:</Data>"), std::string::npos);
  EXPECT_EQ(out.html.find("class=\"tderr\""), std::string::npos);  // nothing above the limit
}

// The main file's own period and correction in another file: the main file is used.
TEST(LaterSamples, AReportForTheMainFilesPeriodIsPassedOver) {
  SKIP_WITHOUT_SAMPLES();
  TempDir dir;
  CopySample(dir, "520b626b");
  const auto run = AnalyseLater(CopySample(dir, "0eb8d50d"));
  ASSERT_TRUE(run->analysed);
  ASSERT_EQ(run->prot.EarlierFiles().size(), 1u);
  EXPECT_EQ(run->prot.EarlierFiles()[0].Note,
            "не используется: тот же период и номер корректировки, что у основного файла");
  const int at = run->prot.FindPerson("199-891-039 54");
  ASSERT_GE(at, 0);
  EXPECT_EQ(run->prot.PersonCategories(run->prot.Persons()[static_cast<std::size_t>(at)]),
            std::vector<std::string>{"ОДИТ"});
}

// A kopeck more in September takes the base above the limit, and both protocols mark it.
TEST(LaterSamples, AKopeckAboveTheLimitIsMarked) {
  SKIP_WITHOUT_SAMPLES();
  TempDir dir;
  CopySample(dir, "520b626b");
  CopySample(dir, "f0d7d252");
  const fs::path main = CopySample(dir, "cf326545");
  std::string bytes = ReadBytes(main);
  const std::string from = "\"74046.00\"";
  ASSERT_NE(bytes.find(from), std::string::npos);
  for (std::size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at))
    bytes.replace(at, from.size(), "\"74046.01\"");
  WriteBytes(main, bytes);

  const auto run = AnalyseLater(main);
  ASSERT_TRUE(run->analysed);
  const std::optional<YearToDatePerson> zolotova = YearToDateOf(run->prot, kZolotova);
  ASSERT_TRUE(zolotova.has_value());
  ASSERT_EQ(zolotova->Months.size(), 9u);
  EXPECT_FALSE(zolotova->Months[7].AboveLimit);
  EXPECT_EQ(zolotova->Months[8].Cumulative, Kopecks(222500001));
  EXPECT_TRUE(zolotova->Months[8].AboveLimit);

  const LaterProtocols out = WriteLater(run->prot);
  EXPECT_NE(out.html.find("<td class=\"tderr\">2 225 000,01</td>"), std::string::npos);
  EXPECT_NE(out.workbook.find("<Cell ss:StyleID=\"CellBlueSumm\"><Data ss:Type=\"Number\">2225000.01</Data>"),
            std::string::npos);
}

// The nine months alone: the year's figures cannot be checked whole, and the protocol says why
// rather than that every ratio holds.
TEST(LaterSamples, ANineMonthReportAloneNamesTheMissingQuarters) {
  SKIP_WITHOUT_SAMPLES();
  TempDir dir;
  const auto run = AnalyseLater(CopySample(dir, "cf326545"));
  ASSERT_TRUE(run->analysed);
  ASSERT_NE(run->prot.Checks(), nullptr);
  std::vector<std::string> missing;
  for (const checks::Finding& f : run->prot.Checks()->findings)
    if (f.check == "E-period") missing.push_back(f.text.substr(f.text.find("за период ")));
  EXPECT_EQ(missing, (std::vector<std::string>{"за период 21 (1 квартал) 2024 г.", "за период 31 (полугодие) 2024 г."}));
}

// Payments that are not taxed at all: "СумВыпл" only, no base and no contributions.
TEST(LaterSamples, APersonWithPaymentsOnlyHasNoBase) {
  SKIP_WITHOUT_SAMPLES();
  TempDir dir;
  const auto run = AnalyseLater(CopySample(dir, "99E7107D"));
  ASSERT_TRUE(run->analysed);
  ASSERT_FALSE(run->prot.Persons().empty());
  for (std::size_t i = 0; i < run->prot.Persons().size(); ++i)
    for (const YearToDateMonth& month : run->prot.YearToDateOf(i).Months) {
      EXPECT_EQ(month.Base, 0);
      EXPECT_EQ(month.Cumulative, 0);
      EXPECT_EQ(month.Contributions, 0);
    }
  const TRSV502ProtZLRec* totals = run->prot.Totals();
  ASSERT_NE(totals, nullptr);
  ASSERT_NE(totals->Quarter(2), nullptr);
  Amount paid = 0;
  for (const TRSV502ProtCategory& category : totals->Quarter(2)->Categories())
    for (const TRSV502ProtMonthSums& month : category.Months) paid += month.СумВыпл;
  EXPECT_EQ(paid, Kopecks(10000));
  WriteLater(run->prot);
}

}  // namespace
}  // namespace orsvelt::test
