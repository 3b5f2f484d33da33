// The protocols of the example reports, through the whole run: every page and workbook
// must open without repair, and the workbooks read right in Calc.

#include "analysis/check_run.h"
#include "support/calc_layout.h"
#include "support/test_support.h"
#include "writer_test_data.h"

namespace orsvelt::test {
namespace {

TEST(Protocol501Examples, EveryExampleGivesWellFormedProtocols) {
  const std::filesystem::path folder = ExamplesDir() / "5.01";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no examples in " << folder;
  int reports = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".xml") continue;
    ++reports;
    SCOPED_TRACE(entry.path().filename().string());
    TempDir out;
    for (ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
      CheckRequest request;
      request.report = entry.path();
      request.format = format;
      request.outputPath = out / (format == ProtocolFormat::Html ? "prot.html" : "prot.xml");
      request.runStamp = "08.12.2026 2:00:00";
      const CheckOutcome outcome = RunCheck(request);
      ASSERT_TRUE(outcome.ok) << outcome.message << " " << outcome.detail;
      const std::string bytes = ReadBytes(request.outputPath);
      EXPECT_EQ(format == ProtocolFormat::Html ? CheckHtmlWellFormed(bytes) : CheckWorkbook(bytes), "");
      if (format == ProtocolFormat::Workbook) {
        EXPECT_EQ(CheckCalcLayout(bytes), "");
      }
    }
  }
  EXPECT_GT(reports, 0);
}

}  // namespace
}  // namespace orsvelt::test
