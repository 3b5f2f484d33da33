#pragma once
// Rows and cells of SpreadsheetML worksheets. Text arguments are values and are escaped;
// RawStringCell takes markup as it stands.

#include <cstdint>
#include <string>
#include <string_view>

#include "markup/protocol_writer.h"
#include "xml/amount.h"

namespace orsvelt {

// The styles that WorkbookOpen defines; the compiler sees to it that a cell names no other.
enum class CellStyle {
  None,  // no ss:StyleID
  SheetHeader,
  SheetHeaderLeft,
  CellHeaderCenter,
  CellHeaderLeft,
  CellHeaderRight,
  CommonText,
  BorderedText,
  CellNumber,
  BorderedCenteredText,
  RedText,
  CellSumm,
  CellBlueCenter,
  CellBlueNumber,
  CellBlueSumm,
};

// The ss:ID of a style, as the workbook names it ("CellSumm"); empty for None.
std::string_view CellStyleId(CellStyle style);

// Attributes of a cell. The fields stand in the order in which they are written:
//   <Cell ss:Index="10" ss:StyleID="BorderedText" ss:MergeAcross="5" ss:MergeDown="0">
// StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeDown = 2}, "ФИО");
struct CellFormat {
  int index = 0;                     // ss:Index, 1-based column; 0: none
  CellStyle style = CellStyle::None; // ss:StyleID
  int mergeAcross = -1;     // ss:MergeAcross, extra columns covered; negative: none
  int mergeDown = -1;       // ss:MergeDown, extra rows covered; negative: none, 0 is written
  bool downFirst = false;   // ss:MergeDown before ss:MergeAcross (the 5.02 person sheet)
};

// "<Cell" with the attributes, ">".
std::string CellOpenTag(const CellFormat& format);

// Whole cells as text, for rows that a writer puts on one line.
std::string StringCellText(const CellFormat& format, std::string_view text);
std::string RawStringCellText(const CellFormat& format, std::string_view markup);
// An amount in the plain money form: 0 -> "0.00", which the money styles show as a dash.
std::string AmountCellText(const CellFormat& format, Amount amount);
std::string IntegerCellText(const CellFormat& format, std::int64_t value);
// A number given as text (a flag or code from the report). A text that is no plain number
// becomes a String cell: a bad Number cell makes the spreadsheet refuse the workbook.
std::string NumberCellText(const CellFormat& format, std::string_view number);
// "<Cell ...></Cell>".
std::string EmptyCellText(const CellFormat& format);

// The same cells, each as a line of its own.
void StringCell(ProtocolWriter& out, const CellFormat& format, std::string_view text);
void RawStringCell(ProtocolWriter& out, const CellFormat& format, std::string_view markup);
void AmountCell(ProtocolWriter& out, const CellFormat& format, Amount amount);
void IntegerCell(ProtocolWriter& out, const CellFormat& format, std::int64_t value);
void NumberCell(ProtocolWriter& out, const CellFormat& format, std::string_view number);
void EmptyCell(ProtocolWriter& out, const CellFormat& format);

// "<Row>", or "<Row ss:Height="20">" for a height above 0.
void RowOpen(ProtocolWriter& out, int height = 0);
// "</Row>".
void RowClose(ProtocolWriter& out);
// "<Row></Row>", a spacer.
void EmptyRow(ProtocolWriter& out);
// A row of one String cell on one line: "<Row><Cell ...><Data ss:Type="String">text</Data></Cell></Row>".
void StringCellRow(ProtocolWriter& out, const CellFormat& format, std::string_view text);
// The same with markup as it stands.
void RawStringCellRow(ProtocolWriter& out, const CellFormat& format, std::string_view markup);
// "   <Row>": the 5.02 person sheet has always indented the further rows of a merged record.
void ContinuationRowOpen(ProtocolWriter& out);

}  // namespace orsvelt
