#include "markup/workbook.h"

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "markup/markup_text.h"
#include "markup/workbook_cells.h"
#include "markup/worksheet.h"

namespace orsvelt {
namespace {

constexpr std::string_view kBoldFont = "<Font ss:Bold=\"1\" />";
constexpr std::string_view kPlainFont = "<Font ss:Bold=\"0\" />";
constexpr std::string_view kRedFont = "<Font ss:Color=\"#FF0000\" />";
constexpr std::string_view kWhiteBoldFont = "<Font ss:Bold=\"1\" ss:Color=\"#FFFFFF\"/>";
constexpr std::string_view kBlueFill = "<Interior ss:Pattern=\"Solid\" ss:Color=\"#0000FF\"/>";
constexpr std::string_view kAlignLeft =
    "<Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Center\" ss:Indent=\"0\" ss:WrapText=\"1\" />";
constexpr std::string_view kAlignCenter =
    "<Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\" ss:Indent=\"0\" ss:WrapText=\"1\" />";
constexpr std::string_view kAlignRight =
    "<Alignment ss:Horizontal=\"Right\" ss:Vertical=\"Center\" ss:Indent=\"0\" ss:WrapText=\"1\" />";
// Two decimals, minus for negatives, a dash for zero.
constexpr std::string_view kMoneyFormat = "<NumberFormat ss:Format=\"0.00;\\-0.00;\\ \\-\"/>";
// Written out for every other style: Calc shows a Number cell of a style without a format
// with two decimals ("1.00" for a count).
constexpr std::string_view kGeneralFormat = "<NumberFormat ss:Format=\"General\"/>";
// Stands for the six lines of the borders block.
constexpr std::string_view kBorders = "borders";

struct Style {
  CellStyle style;
  std::string_view id;
  std::initializer_list<std::string_view> elements;
};

constexpr Style kStyles[] = {
    {CellStyle::SheetHeader, "SheetHeader", {kBoldFont, kAlignCenter, kGeneralFormat}},
    {CellStyle::SheetHeaderLeft, "SheetHeaderLeft", {kBoldFont, kAlignLeft, kGeneralFormat}},
    {CellStyle::CellHeaderCenter, "CellHeaderCenter", {kBoldFont, kAlignCenter, kBorders, kGeneralFormat}},
    {CellStyle::CellHeaderLeft, "CellHeaderLeft", {kBoldFont, kAlignLeft, kBorders, kGeneralFormat}},
    {CellStyle::CellHeaderRight, "CellHeaderRight", {kBoldFont, kAlignRight, kBorders, kMoneyFormat}},
    {CellStyle::CommonText, "CommonText", {kAlignLeft, kGeneralFormat}},
    {CellStyle::BorderedText, "BorderedText", {kAlignLeft, kBorders, kGeneralFormat}},
    {CellStyle::CellNumber, "CellNumber", {kPlainFont, kAlignRight, kBorders, kGeneralFormat}},
    {CellStyle::BorderedCenteredText, "BorderedCenteredText", {kAlignCenter, kBorders, kGeneralFormat}},
    {CellStyle::RedText, "RedText", {kAlignLeft, kRedFont, kGeneralFormat}},
    {CellStyle::CellSumm, "CellSumm", {kPlainFont, kAlignRight, kBorders, kMoneyFormat}},
    {CellStyle::CellBlueCenter, "CellBlueCenter", {kWhiteBoldFont, kBlueFill, kAlignCenter, kBorders, kGeneralFormat}},
    {CellStyle::CellBlueNumber, "CellBlueNumber", {kWhiteBoldFont, kBlueFill, kAlignRight, kBorders, kGeneralFormat}},
    {CellStyle::CellBlueSumm, "CellBlueSumm", {kWhiteBoldFont, kBlueFill, kAlignRight, kBorders, kMoneyFormat}},
};

// Each style once, in the order of the enumeration, which is the order they are written in.
constexpr bool TableFollowsTheEnumeration() {
  for (std::size_t i = 0; i < std::size(kStyles); ++i)
    if (static_cast<std::size_t>(kStyles[i].style) != i + 1) return false;
  return static_cast<std::size_t>(CellStyle::CellBlueSumm) == std::size(kStyles);
}
static_assert(TableFollowsTheEnumeration());

void WriteBorders(ProtocolWriter& out) {
  out.Line("<Borders>");
  for (std::string_view position : {"Left", "Top", "Right", "Bottom"})
    out.Line("<Border ss:Position=\"", position, "\" ss:LineStyle=\"Continuous\" ss:Weight=\"1\" />");
  out.Line("</Borders>");
}

}  // namespace

std::string_view CellStyleId(CellStyle style) {
  const std::size_t i = static_cast<std::size_t>(style);
  return i >= 1 && i <= std::size(kStyles) ? kStyles[i - 1].id : std::string_view{};
}

void WorkbookOpen(ProtocolWriter& out) {
  out.Line("<?xml version=\"1.0\" encoding=\"windows-1251\"?>");
  // The ss prefix is declared on the root as well as on each element that uses it: Calc
  // reads sheet names and styles only through a declaration on the root.
  out.Line(
      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
      "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">");
  out.Line(" <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">");
  out.Line("  <ActiveSheet>0</ActiveSheet>");
  out.Line("  <ProtectStructure>False</ProtectStructure>");
  out.Line("  <ProtectWindows>False</ProtectWindows>");
  out.Line(" </ExcelWorkbook>");
  out.Line(
      "<DocumentProperties Author=\"\" LastAuthor=\"\" Created=\"\" LastSaved=\"\" Company=\"\" Version=\"1.0\" />");
  out.Line("<Styles>");
  for (const Style& style : kStyles) {
    out.Line("<Style ss:ID=\"", style.id, "\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">");
    for (std::string_view element : style.elements) {
      if (element == kBorders) {
        WriteBorders(out);
      } else {
        out.Line(element);
      }
    }
    out.Line("</Style>");
  }
  out.Line("</Styles>");
}

void WorkbookClose(ProtocolWriter& out) { out.Line("</Workbook>"); }

void TitleSheetOpen(ProtocolWriter& out, const ProtocolHeader& header) {
  WorksheetOpen(out, "Титул");
  TableOpen(out, std::vector<int>(std::begin(kTitleSheetColumns), std::end(kTitleSheetColumns)));
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 1},
                "Протокол отображения сводных данных расчета по страховым взносам");
  EmptyRow(out);
  StringCellRow(out, {.style = CellStyle::CommonText, .mergeAcross = 1},
                "Программа Brannix:Orsvelt " + header.version + " от " + header.date);
  if (header.debug) StringCellRow(out, {.style = CellStyle::RedText, .mergeAcross = 1}, "Версия программы является отладочной.");
  StringCellRow(out, {.mergeAcross = 1}, "Дата и время формирования протокола: " + header.runStamp);
  EmptyRow(out);
}

}  // namespace orsvelt
