#include "later_test_support.h"

#include <gtest/gtest.h>

#include "analysis/common/protocol_file.h"
#include "analysis/prot_later/prot_later_writers.h"
#include "support/calc_layout.h"
#include "support/html_check.h"
#include "support/memory_sink.h"
#include "support/workbook_check.h"
#include "xml/codepage.h"

namespace orsvelt::test {

std::unique_ptr<LaterRun> AnalyseLater(const std::filesystem::path& report) {
  auto run = std::make_unique<LaterRun>();
  EXPECT_TRUE(run->xml.LoadFromFile(report)) << run->xml.ErrorText();
  EXPECT_TRUE(run->xml.Parse()) << run->xml.ErrorText();
  run->file.Load(run->xml.Root(), "");
  run->prot.FixRunStamp("08.12.2026 10:00:00");
  run->analysed = run->prot.Analyse(run->file, report.parent_path());
  EXPECT_TRUE(run->analysed) << run->prot.ErrorText();
  return run;
}

LaterProtocols WriteLater(TRSVLaterProt& prot, const SheetLimits& limits) {
  MemorySink html;
  EXPECT_TRUE(prot.WriteHtmlTo(html)) << prot.ErrorText();
  EXPECT_EQ(CheckHtmlWellFormed(html.Bytes()), "");
  MemorySink workbook;
  std::string error;
  EXPECT_TRUE(WriteProtocol(
      workbook, [&](ProtocolWriter& out) { WriteWorkbookProtocolLater(out, prot, ProtocolHeader{}, limits); }, error))
      << error;
  EXPECT_EQ(CheckWorkbook(workbook.Bytes()), "");
  EXPECT_EQ(CheckCalcLayout(workbook.Bytes()), "");
  return {Cp1251ToUtf8(html.Bytes()), Cp1251ToUtf8(workbook.Bytes())};
}

std::optional<YearToDatePerson> YearToDateOf(const TRSVLaterProt& prot, std::string_view snilsDigits) {
  for (std::size_t i = 0; i < prot.Persons().size(); ++i)
    if (prot.Persons()[i].Key == snilsDigits) return prot.YearToDateOf(i);
  return std::nullopt;
}

}  // namespace orsvelt::test
