#include "markup/workbook.h"

#include <limits>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "markup/workbook_cells.h"
#include "markup/worksheet.h"
#include "markup_test_lines.h"
#include "support/calc_layout.h"
#include "xml/stringfuncs.h"
#include "support/workbook_check.h"

namespace orsvelt {
namespace {

using test::GoldenLines;
using test::ProtocolLines;
using test::SameLines;
using test::WrittenBytes;

constexpr std::string_view kBorders = R"(<Borders>
<Border ss:Position="Left" ss:LineStyle="Continuous" ss:Weight="1" />
<Border ss:Position="Top" ss:LineStyle="Continuous" ss:Weight="1" />
<Border ss:Position="Right" ss:LineStyle="Continuous" ss:Weight="1" />
<Border ss:Position="Bottom" ss:LineStyle="Continuous" ss:Weight="1" />
</Borders>
)";
constexpr std::string_view kMoney = "<NumberFormat ss:Format=\"0.00;\\-0.00;\\ \\-\"/>\n";
constexpr std::string_view kGeneral = "<NumberFormat ss:Format=\"General\"/>\n";

std::string Style(std::string_view id, std::string body) {
  return "<Style ss:ID=\"" + std::string(id) + "\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n" +
         body + "</Style>\n";
}

std::string GoldenWorkbookOpening() {
  const std::string bold = "<Font ss:Bold=\"1\" />\n";
  const std::string plain = "<Font ss:Bold=\"0\" />\n";
  const std::string red = "<Font ss:Color=\"#FF0000\" />\n";
  const std::string white = "<Font ss:Bold=\"1\" ss:Color=\"#FFFFFF\"/>\n";
  const std::string blue = "<Interior ss:Pattern=\"Solid\" ss:Color=\"#0000FF\"/>\n";
  const auto align = [](std::string_view h) {
    return "<Alignment ss:Horizontal=\"" + std::string(h) +
           "\" ss:Vertical=\"Center\" ss:Indent=\"0\" ss:WrapText=\"1\" />\n";
  };
  const std::string borders(kBorders);
  const std::string money(kMoney);
  const std::string general(kGeneral);
  return std::string(R"(<?xml version="1.0" encoding="windows-1251"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet" xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
 <ExcelWorkbook xmlns="urn:schemas-microsoft-com:office:excel">
  <ActiveSheet>0</ActiveSheet>
  <ProtectStructure>False</ProtectStructure>
  <ProtectWindows>False</ProtectWindows>
 </ExcelWorkbook>
<DocumentProperties Author="" LastAuthor="" Created="" LastSaved="" Company="" Version="1.0" />
<Styles>
)") + Style("SheetHeader", bold + align("Center") + general) +
         Style("SheetHeaderLeft", bold + align("Left") + general) +
         Style("CellHeaderCenter", bold + align("Center") + borders + general) +
         Style("CellHeaderLeft", bold + align("Left") + borders + general) +
         Style("CellHeaderRight", bold + align("Right") + borders + money) +
         Style("CommonText", align("Left") + general) +
         Style("BorderedText", align("Left") + borders + general) +
         Style("CellNumber", plain + align("Right") + borders + general) +
         Style("BorderedCenteredText", align("Center") + borders + general) +
         Style("RedText", align("Left") + red + general) +
         Style("CellSumm", plain + align("Right") + borders + money) +
         Style("CellBlueCenter", white + blue + align("Center") + borders + general) +
         Style("CellBlueNumber", white + blue + align("Right") + borders + general) +
         Style("CellBlueSumm", white + blue + align("Right") + borders + money) + "</Styles>\n";
}

constexpr std::string_view kGoldenTitle = R"(<Worksheet ss:Name="Титул" xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
<Table xmlns:x="urn:schemas-microsoft-com:office:excel">
<Column ss:Index="1" ss:Width="350" />
<Column ss:Index="2" ss:Width="600" />
<Column ss:Index="3" ss:Width="70" />
<Column ss:Index="4" ss:Width="50" />
<Column ss:Index="5" ss:Width="132" />
<Column ss:Index="6" ss:Width="132" />
<Column ss:Index="7" ss:Width="132" />
<Column ss:Index="8" ss:Width="300" />
<Row><Cell ss:StyleID="SheetHeader" ss:MergeAcross="1"><Data ss:Type="String">Протокол отображения сводных данных расчета по страховым взносам</Data></Cell></Row>
<Row></Row>
<Row><Cell ss:StyleID="CommonText" ss:MergeAcross="1"><Data ss:Type="String">Программа Brannix:Orsvelt 2.2.0.0 от 10 января 2020 г.</Data></Cell></Row>
<Row><Cell ss:StyleID="RedText" ss:MergeAcross="1"><Data ss:Type="String">Версия программы является отладочной.</Data></Cell></Row>
<Row><Cell ss:MergeAcross="1"><Data ss:Type="String">Дата и время формирования протокола: 07.12.2026 9:05:03</Data></Cell></Row>
<Row></Row>
  </Table>
 </Worksheet>
</Workbook>
)";

std::string Workbook(bool debug) {
  return WrittenBytes([&](ProtocolWriter& out) {
    ProtocolHeader header;
    header.debug = debug;
    header.runStamp = "07.12.2026 9:05:03";
    WorkbookOpen(out);
    TitleSheetOpen(out, header);
    WorksheetClose(out);
    WorkbookClose(out);
  });
}

TEST(Workbook, SkeletonLineByLine) {
  EXPECT_TRUE(SameLines(ProtocolLines(Workbook(true)), GoldenLines(GoldenWorkbookOpening() + std::string(kGoldenTitle))));
}

TEST(Workbook, WithoutDebugFlagTheRedRowIsGone) {
  std::vector<std::string> expected = GoldenLines(GoldenWorkbookOpening() + std::string(kGoldenTitle));
  std::erase_if(expected, [](const std::string& line) { return line.starts_with("<Row><Cell ss:StyleID=\"RedText\""); });
  const std::string workbook = Workbook(false);
  EXPECT_TRUE(SameLines(ProtocolLines(workbook), expected));
  EXPECT_EQ(workbook.find("\"RedText\" ss:Merge"), std::string::npos);
}

TEST(Workbook, SkeletonIsASoundWorkbookInWindows1251) {
  const std::string workbook = Workbook(true);
  EXPECT_EQ(CheckWorkbook(workbook), "");
  // "Титул" in single bytes.
  EXPECT_NE(workbook.find("ss:Name=\"\xD2\xE8\xF2\xF3\xEB\""), std::string::npos);
}

// Every style a cell can name is one the workbook defines, under its own name.
TEST(WorkbookCells, EachStyleNamesADefinedStyle) {
  EXPECT_EQ(CellStyleId(CellStyle::None), "");
  const std::string workbook = WrittenBytes([](ProtocolWriter& out) { WorkbookOpen(out); });
  std::set<std::string_view> ids;
  for (int i = static_cast<int>(CellStyle::SheetHeader); i <= static_cast<int>(CellStyle::CellBlueSumm); ++i) {
    const std::string_view id = CellStyleId(static_cast<CellStyle>(i));
    ASSERT_FALSE(id.empty()) << i;
    EXPECT_TRUE(ids.insert(id).second) << id;
    EXPECT_NE(workbook.find("<Style ss:ID=\"" + std::string(id) + "\""), std::string::npos) << id;
  }
  EXPECT_EQ(StringCellText({.style = CellStyle::CellBlueSumm}, "x"),
            "<Cell ss:StyleID=\"CellBlueSumm\"><Data ss:Type=\"String\">x</Data></Cell>");
}

TEST(WorkbookCells, AttributesStandInTheirFixedOrder) {
  const struct {
    CellFormat format;
    std::string_view tag;
  } cases[] = {
      {{}, "<Cell>"},
      {{.style = CellStyle::CellSumm}, "<Cell ss:StyleID=\"CellSumm\">"},
      {{.style = CellStyle::SheetHeader, .mergeAcross = 1}, "<Cell ss:StyleID=\"SheetHeader\" ss:MergeAcross=\"1\">"},
      {{.mergeAcross = 2}, "<Cell ss:MergeAcross=\"2\">"},
      {{.style = CellStyle::CellHeaderCenter, .mergeDown = 2}, "<Cell ss:StyleID=\"CellHeaderCenter\" ss:MergeDown=\"2\">"},
      {{.style = CellStyle::BorderedText, .mergeDown = 0}, "<Cell ss:StyleID=\"BorderedText\" ss:MergeDown=\"0\">"},
      {{.style = CellStyle::CellHeaderLeft, .mergeAcross = 2, .mergeDown = 11},
       "<Cell ss:StyleID=\"CellHeaderLeft\" ss:MergeAcross=\"2\" ss:MergeDown=\"11\">"},
      {{.style = CellStyle::BorderedCenteredText, .mergeAcross = 13, .mergeDown = 3, .downFirst = true},
       "<Cell ss:StyleID=\"BorderedCenteredText\" ss:MergeDown=\"3\" ss:MergeAcross=\"13\">"},
      {{.index = 10, .style = CellStyle::BorderedText}, "<Cell ss:Index=\"10\" ss:StyleID=\"BorderedText\">"},
      {{.index = 7, .style = CellStyle::CellHeaderCenter, .mergeDown = 1},
       "<Cell ss:Index=\"7\" ss:StyleID=\"CellHeaderCenter\" ss:MergeDown=\"1\">"},
  };
  for (const auto& c : cases) EXPECT_EQ(CellOpenTag(c.format), c.tag);
}

TEST(WorkbookCells, DataOfEachKind) {
  const CellFormat summ{.style = CellStyle::CellSumm};
  const struct {
    std::string text;
    std::string_view expected;
  } cases[] = {
      {AmountCellText(summ, 0), "<Cell ss:StyleID=\"CellSumm\"><Data ss:Type=\"Number\">0.00</Data></Cell>"},
      {AmountCellText(summ, -120000), "<Cell ss:StyleID=\"CellSumm\"><Data ss:Type=\"Number\">-12.00</Data></Cell>"},
      {AmountCellText(summ, 12345675000), "<Cell ss:StyleID=\"CellSumm\"><Data ss:Type=\"Number\">1234567.50</Data></Cell>"},
      {IntegerCellText({.style = CellStyle::CellNumber, .mergeDown = 0}, 17),
       "<Cell ss:StyleID=\"CellNumber\" ss:MergeDown=\"0\"><Data ss:Type=\"Number\">17</Data></Cell>"},
      {NumberCellText({.style = CellStyle::CellNumber}, "2"), "<Cell ss:StyleID=\"CellNumber\"><Data ss:Type=\"Number\">2</Data></Cell>"},
      // A flag that is no number must not break the workbook.
      {NumberCellText({.style = CellStyle::CellNumber}, "1<"), "<Cell ss:StyleID=\"CellNumber\"><Data ss:Type=\"String\">1&lt;</Data></Cell>"},
      {NumberCellText({.style = CellStyle::CellNumber}, ""), "<Cell ss:StyleID=\"CellNumber\"><Data ss:Type=\"String\"></Data></Cell>"},
      {StringCellText({.style = CellStyle::BorderedText}, "Иванов & <Сын>"),
       "<Cell ss:StyleID=\"BorderedText\"><Data ss:Type=\"String\">Иванов &amp; &lt;Сын&gt;</Data></Cell>"},
      {RawStringCellText({}, "a&amp;b"), "<Cell><Data ss:Type=\"String\">a&amp;b</Data></Cell>"},
      {EmptyCellText(summ), "<Cell ss:StyleID=\"CellSumm\"></Cell>"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(WorkbookCells, RowsAndWorksheetPieces) {
  const std::string bytes = WrittenBytes([](ProtocolWriter& out) {
    WorksheetOpen(out, "Сверка Р1Р3 осн_1");
    TableOpen(out, {200, 80});
    StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 8}, "Сверка");
    RowOpen(out, 20);
    StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeDown = 1}, "Источник");
    AmountCell(out, {.style = CellStyle::CellSumm}, 0);
    IntegerCell(out, {.style = CellStyle::CellNumber}, 3);
    NumberCell(out, {.style = CellStyle::CellNumber}, "1");
    EmptyCell(out, {.style = CellStyle::CellSumm});
    RawStringCell(out, {}, "&#8470;");
    RowClose(out);
    RowOpen(out);
    EmptyRow(out);
    RawStringCellRow(out, {.style = CellStyle::CommonText}, "\"№ файла\"");
    ContinuationRowOpen(out);
    WorksheetClose(out);
  });
  EXPECT_TRUE(SameLines(ProtocolLines(bytes), GoldenLines(R"(<Worksheet ss:Name="Сверка Р1Р3 осн_1" xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
<Table xmlns:x="urn:schemas-microsoft-com:office:excel">
<Column ss:Index="1" ss:Width="200" />
<Column ss:Index="2" ss:Width="80" />
<Row><Cell ss:StyleID="SheetHeader" ss:MergeAcross="8"><Data ss:Type="String">Сверка</Data></Cell></Row>
<Row ss:Height="20">
<Cell ss:StyleID="CellHeaderCenter" ss:MergeDown="1"><Data ss:Type="String">Источник</Data></Cell>
<Cell ss:StyleID="CellSumm"><Data ss:Type="Number">0.00</Data></Cell>
<Cell ss:StyleID="CellNumber"><Data ss:Type="Number">3</Data></Cell>
<Cell ss:StyleID="CellNumber"><Data ss:Type="Number">1</Data></Cell>
<Cell ss:StyleID="CellSumm"></Cell>
<Cell><Data ss:Type="String">&#8470;</Data></Cell>
</Row>
<Row>
<Row></Row>
<Row><Cell ss:StyleID="CommonText"><Data ss:Type="String">"№ файла"</Data></Cell></Row>
   <Row>
  </Table>
 </Worksheet>
)")));
}

constexpr std::string_view kPaneStart = "  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">\n";
constexpr std::string_view kPaneEnd = "  </WorksheetOptions>\n";

TEST(Worksheet, FrozenPaneBlocks) {
  const std::string rows2 = R"(   <Selected/>
   <FreezePanes/>
   <FrozenNoSplit/>
   <SplitHorizontal>2</SplitHorizontal>
   <TopRowBottomPane>2</TopRowBottomPane>
   <ActivePane>2</ActivePane>
   <Panes>
    <Pane>
     <Number>2</Number>
     <ActiveRow>0</ActiveRow>
     <ActiveCol>0</ActiveCol>
    </Pane>
    <Pane>
     <Number>0</Number>
    </Pane>
   </Panes>
)";
  std::string rows3 = rows2;
  rows3.replace(rows3.find(">2</SplitHorizontal>"), 2, ">3");
  rows3.replace(rows3.find(">2</TopRowBottomPane>"), 2, ">3");
  const std::string rows4cols6 = R"(   <Selected/>
   <FreezePanes/>
   <FrozenNoSplit/>
   <SplitHorizontal>4</SplitHorizontal>
   <SplitVertical>6</SplitVertical>
   <TopRowBottomPane>4</TopRowBottomPane>
   <LeftColumnRightPane>6</LeftColumnRightPane>
   <ActivePane>0</ActivePane>
   <Panes>
    <Pane>
     <Number>0</Number>
     <ActiveRow>0</ActiveRow>
     <ActiveCol>0</ActiveCol>
    </Pane>
    <Pane>
     <Number>0</Number>
    </Pane>
   </Panes>
)";
  const std::string unselected = R"(   <FreezePanes/>
   <FrozenNoSplit/>
   <SplitHorizontal>4</SplitHorizontal>
   <TopRowBottomPane>4</TopRowBottomPane>
   <SplitVertical>4</SplitVertical>
   <LeftColumnRightPane>4</LeftColumnRightPane>
   <ActivePane>0</ActivePane>
   <Panes>
    <Pane>
     <Number>0</Number>
     <ActiveRow>4</ActiveRow>
     <ActiveCol>4</ActiveCol>
    </Pane>
   </Panes>
)";
  const struct {
    FrozenPanes panes;
    std::string inner;
  } cases[] = {
      {FrozenPanes::TopRows2, rows2},
      {FrozenPanes::TopRows3, rows3},
      {FrozenPanes::TopRows4LeftCols6, rows4cols6},
      {FrozenPanes::TopRows4LeftCols4, "   <Selected/>\n" + unselected},
      {FrozenPanes::TopRows4LeftCols4Unselected, unselected},
  };
  for (const auto& c : cases) {
    const std::string bytes = WrittenBytes([&](ProtocolWriter& out) { WorksheetOptions(out, c.panes); });
    EXPECT_TRUE(SameLines(ProtocolLines(bytes), GoldenLines(std::string(kPaneStart) + c.inner + std::string(kPaneEnd))))
        << static_cast<int>(c.panes);
  }
}

// A sheet built the way the person sheets are, with merged identity cells and ss:Index
// after them, passes the workbook check.
TEST(Workbook, MergedPersonRowsPassTheCheck) {
  const std::string bytes = WrittenBytes([](ProtocolWriter& out) {
    WorkbookOpen(out);
    TitleSheetOpen(out);
    WorksheetClose(out);
    WorksheetOpen(out, "Р3 осн");
    WorksheetOptions(out, FrozenPanes::TopRows4LeftCols6);
    TableOpen(out, {50, 300});
    RowOpen(out);
    IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = 1}, 1);
    StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = 1}, "Иванов Иван Иванович");
    StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeAcross = 1}, "НР");
    RowClose(out);
    out.Line("   <Row>");
    StringCell(out, {.index = 3, .style = CellStyle::BorderedCenteredText}, "ВЖНР");
    AmountCell(out, {.style = CellStyle::CellSumm}, 0);
    RowClose(out);
    WorksheetClose(out);
    WorkbookClose(out);
  });
  EXPECT_EQ(CheckWorkbook(bytes), "");
}

// A sheet of one amount column after a text column, in the protocols' frame.
std::string AmountSheet(const std::vector<int>& widths, CellStyle amountStyle) {
  return WrittenBytes([&](ProtocolWriter& out) {
    WorkbookOpen(out);
    TitleSheetOpen(out);
    WorksheetClose(out);
    WorksheetOpen(out, "Суммы");
    TableOpen(out, widths);
    RowOpen(out);
    StringCell(out, {.style = CellStyle::BorderedText}, "Итого");
    AmountCell(out, {.style = amountStyle}, std::numeric_limits<Amount>::min());
    RowClose(out);
    WorksheetClose(out);
    WorkbookClose(out);
  });
}

// Calc counts columns on from the sheets before unless each names its index, shows a
// Number cell of a style without a format with two decimals, and "###" for an amount
// wider than its column.
TEST(Workbook, ReadsRightInCalc) {
  EXPECT_EQ(FormatAmountPlain(std::numeric_limits<Amount>::min()), "-922337203685477.58");
  EXPECT_GE(kAmountColumnWidth, test::WidestBoldAmountWidth());
  for (CellStyle style : {CellStyle::CellSumm, CellStyle::CellBlueSumm, CellStyle::CellHeaderRight}) {
    const std::string bytes = AmountSheet({200, kAmountColumnWidth}, style);
    EXPECT_EQ(CheckWorkbook(bytes), "");
    EXPECT_EQ(test::CheckCalcLayout(bytes), "") << CellStyleId(style);
  }
  EXPECT_NE(test::CheckCalcLayout(AmountSheet({200, 100}, CellStyle::CellBlueSumm)).find("row 1, column 2: an amount column"),
            std::string::npos);
  EXPECT_NE(test::CheckCalcLayout(AmountSheet({200}, CellStyle::CellSumm)).find("default width"), std::string::npos);
  // The same amount under a style without the money format is not measured.
  EXPECT_EQ(test::CheckCalcLayout(AmountSheet({200}, CellStyle::CellNumber)), "");

  std::string unindexed = AmountSheet({200, kAmountColumnWidth}, CellStyle::CellSumm);
  unindexed.replace(unindexed.find("<Column ss:Index=\"1\""), std::string_view("<Column ss:Index=\"1\"").size(), "<Column");
  EXPECT_NE(test::CheckCalcLayout(unindexed).find("<Column> without ss:Index"), std::string::npos);
  std::string unformatted = AmountSheet({200, kAmountColumnWidth}, CellStyle::CellSumm);
  const std::size_t general = unformatted.find("<NumberFormat ss:Format=\"General\"/>");
  ASSERT_NE(general, std::string::npos);
  unformatted.erase(general, std::string_view("<NumberFormat ss:Format=\"General\"/>\r\n").size());
  EXPECT_NE(test::CheckCalcLayout(unformatted).find("style \"SheetHeader\" has no money format"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt
