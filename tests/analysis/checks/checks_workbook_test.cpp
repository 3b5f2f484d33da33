// The findings block on the title sheet of the workbook: amounts as money cells in columns
// wide enough for them, whatever their size, and the wording beside its code.

#include <gtest/gtest.h>

#include <limits>

#include "analysis/checks/checks_writers.h"
#include "markup/workbook.h"
#include "markup/worksheet.h"
#include "support/calc_layout.h"
#include "support/memory_sink.h"
#include "support/workbook_check.h"
#include "xml/codepage.h"

namespace orsvelt::checks {
namespace {

std::string TitleWithFindings(const CheckResult& result) {
  MemorySink sink;
  ProtocolWriter out(sink);
  WorkbookOpen(out);
  TitleSheetOpen(out);
  WriteChecksWorkbookRows(out, &result);
  WorksheetClose(out);
  WorkbookClose(out);
  EXPECT_TRUE(out.Finish()) << out.ErrorText();
  return sink.Bytes();
}

TEST(ChecksWorkbook, AmountsAreMoneyCellsInColumnsSizedForThem) {
  CheckResult r;
  Finding& a = r.findings.emplace_back();
  a.check = "A3";
  a.group = Group::A;
  a.severity = Severity::Rejection;
  a.text = "Сумма выплат не равна";
  a.left = 273224000;  // 27 322.40
  a.right = std::numeric_limits<Amount>::min();
  a.persons = {"112-233-445 95", "и ещё 3"};
  Finding& f = r.findings.emplace_back();
  f.check = "0400300003";
  f.group = Group::F;
  f.severity = Severity::Rejection;
  f.text = "Нарушено правило";
  f.path = " - Документ [1]";
  const std::string bytes = TitleWithFindings(r);
  EXPECT_EQ(CheckWorkbook(bytes), "");
  EXPECT_EQ(test::CheckCalcLayout(bytes), "");
  const std::string text = Cp1251ToUtf8(bytes);
  EXPECT_NE(text.find("<Cell ss:StyleID=\"CellSumm\"><Data ss:Type=\"Number\">27322.40</Data></Cell>"),
            std::string::npos);
  EXPECT_NE(text.find(">A3, основание непредставления<"), std::string::npos);
  EXPECT_NE(text.find(">112-233-445 95, и ещё 3<"), std::string::npos);
  // Format control's element spans the columns after the wording.
  EXPECT_NE(text.find("ss:MergeAcross=\"5\"><Data ss:Type=\"String\"> - Документ [1]<"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt::checks
