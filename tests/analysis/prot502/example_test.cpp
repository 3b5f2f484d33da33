// The 5.02 example folder through the analysis and through the whole run.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "analysis/check_run.h"
#include "analysis/prot502/prot502.h"
#include "report_text.h"
#include "support/calc_layout.h"
#include "support/html_check.h"
#include "support/test_support.h"
#include "support/workbook_check.h"
#include "xml/path_text.h"

namespace orsvelt::test {
namespace {

std::filesystem::path ExampleDir() { return ExamplesDir() / "5.02"; }
std::filesystem::path MainReport() {
  return ExampleDir() / "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
}

TEST(Example502, TheHalfYearReportFindsItsFirstQuarterAndItsCorrection) {
  const auto main = LoadReportFile(MainReport());
  TRSV502Prot prot;
  ASSERT_TRUE(prot.Analyse(main->file, ExampleDir())) << prot.ErrorText();
  EXPECT_TRUE(prot.ReadErrors().empty()) << prot.ReadErrors().front();
  EXPECT_EQ(prot.Payer().Name, "ООО \"СЕВЕРНЫЙ ВЕТЕР\"");
  ASSERT_EQ(prot.EarlierFiles().size(), 2u);
  EXPECT_EQ(prot.EarlierFiles()[0].CorrectionNumber, 0);
  EXPECT_EQ(prot.EarlierFiles()[1].CorrectionNumber, 1);
  EXPECT_EQ(prot.QuartersPresent(), (std::vector<std::string>{"1", "2"}));

  std::vector<std::string> names;
  for (const TRSV502ProtZLRec& p : prot.Persons()) names.emplace_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Иванов Сергей Петрович", "Петрова Анна Викторовна",
                                             "Смирнов Дмитрий Олегович", "Кузнецова Елена Игоревна",
                                             "Морозов Алексей Николаевич"}));
  const TRSV502ProtZLRec& smirnov = prot.Persons()[2];
  ASSERT_NE(smirnov.Quarter(1), nullptr);
  EXPECT_TRUE(smirnov.Quarter(1)->Annulled);
  EXPECT_EQ(smirnov.Quarter(1)->Source.Text(), "2/3");
  EXPECT_EQ(prot.Persons()[3].Quarter(2), nullptr);
  EXPECT_EQ(prot.Persons()[4].Quarter(1), nullptr);
  EXPECT_EQ(prot.PersonCategories(prot.Persons()[0]), (std::vector<std::string>{"НР", "МС"}));
  // Петрова's March as the correction gives it.
  const TRSV502ProtQuartData& petrova = *prot.Persons()[1].Quarter(1);
  EXPECT_EQ(petrova.Source.Text(), "2/2");
  EXPECT_EQ(petrova.Categories()[0].Months[2].СумВыпл, 45000 * kAmountScale);
}

TEST(Example502, TheRunWritesBothProtocols) {
  TempDir out;
  for (ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
    CheckRequest request;
    request.report = MainReport();
    request.format = format;
    request.outputFolder = out.path();
    request.runStamp = "21.07.2020 10:15:00";
    const CheckOutcome outcome = RunCheck(request);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    const std::string bytes = ReadBytes(outcome.protocol);
    if (format == ProtocolFormat::Html) {
      EXPECT_EQ(outcome.protocol.extension(), ".html");
      EXPECT_EQ(CheckHtmlWellFormed(bytes), "");
    } else {
      EXPECT_EQ(outcome.protocol.extension(), ".xml");
      EXPECT_EQ(CheckWorkbook(bytes), "");
      EXPECT_EQ(CheckCalcLayout(bytes), "");
    }
  }
}

TEST(Example502, AProtocolThatCannotBeWrittenFailsTheRunWithTheReason) {
  TempDir out;
  CheckRequest request;
  request.report = MainReport();
  request.outputPath = out / "absent" / "protocol.xml";
  const CheckOutcome outcome = RunCheck(request);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("protocol.xml"), std::string::npos) << outcome.message;

  const std::filesystem::path cli = ORSVELT_CLI;
  if (!std::filesystem::exists(cli)) GTEST_SKIP() << "orsvelt-cli not built: " << cli;
  const std::string command = "\"" + PathToUtf8(cli) + "\" --output \"" + PathToUtf8(request.outputPath) + "\" \"" +
                              PathToUtf8(MainReport()) + "\" >/dev/null 2>\"" + PathToUtf8(out / "stderr.txt") + "\"";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_NE(ReadBytes(out / "stderr.txt").find("protocol.xml"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt::test
