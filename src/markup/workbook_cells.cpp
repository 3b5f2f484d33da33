#include "markup/workbook_cells.h"

#include "markup/markup_text.h"
#include "markup/plain_number.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr std::string_view kStringData = "<Data ss:Type=\"String\">";
constexpr std::string_view kNumberData = "<Data ss:Type=\"Number\">";
constexpr std::string_view kDataEnd = "</Data></Cell>";

void AddNumberAttribute(std::string& tag, std::string_view name, int value) {
  tag.append(" ").append(name).append("=\"").append(std::to_string(value)).append("\"");
}

std::string DataCell(const CellFormat& format, std::string_view dataOpen, std::string_view content) {
  std::string text = CellOpenTag(format);
  text.append(dataOpen).append(content).append(kDataEnd);
  return text;
}

}  // namespace

std::string CellOpenTag(const CellFormat& format) {
  std::string tag = "<Cell";
  if (format.index > 0) AddNumberAttribute(tag, "ss:Index", format.index);
  if (!format.style.empty()) tag.append(" ss:StyleID=\"").append(MarkupText(format.style)).append("\"");
  if (format.downFirst && format.mergeDown >= 0) AddNumberAttribute(tag, "ss:MergeDown", format.mergeDown);
  if (format.mergeAcross >= 0) AddNumberAttribute(tag, "ss:MergeAcross", format.mergeAcross);
  if (!format.downFirst && format.mergeDown >= 0) AddNumberAttribute(tag, "ss:MergeDown", format.mergeDown);
  tag.append(">");
  return tag;
}

std::string StringCellText(const CellFormat& format, std::string_view text) {
  return DataCell(format, kStringData, MarkupText(text));
}

std::string RawStringCellText(const CellFormat& format, std::string_view markup) {
  return DataCell(format, kStringData, markup);
}

std::string AmountCellText(const CellFormat& format, Amount amount) {
  return DataCell(format, kNumberData, FormatAmountPlain(amount));
}

std::string IntegerCellText(const CellFormat& format, std::int64_t value) {
  return DataCell(format, kNumberData, std::to_string(value));
}

std::string NumberCellText(const CellFormat& format, std::string_view number) {
  if (!IsPlainNumber(number)) return StringCellText(format, number);
  return DataCell(format, kNumberData, number);
}

std::string EmptyCellText(const CellFormat& format) { return CellOpenTag(format) + "</Cell>"; }

void StringCell(ProtocolWriter& out, const CellFormat& format, std::string_view text) {
  out.Line(StringCellText(format, text));
}

void RawStringCell(ProtocolWriter& out, const CellFormat& format, std::string_view markup) {
  out.Line(RawStringCellText(format, markup));
}

void AmountCell(ProtocolWriter& out, const CellFormat& format, Amount amount) {
  out.Line(AmountCellText(format, amount));
}

void IntegerCell(ProtocolWriter& out, const CellFormat& format, std::int64_t value) {
  out.Line(IntegerCellText(format, value));
}

void NumberCell(ProtocolWriter& out, const CellFormat& format, std::string_view number) {
  out.Line(NumberCellText(format, number));
}

void EmptyCell(ProtocolWriter& out, const CellFormat& format) { out.Line(EmptyCellText(format)); }

void RowOpen(ProtocolWriter& out, int height) {
  if (height > 0) {
    out.Line("<Row ss:Height=\"", std::to_string(height), "\">");
  } else {
    out.Line("<Row>");
  }
}

void RowClose(ProtocolWriter& out) { out.Line("</Row>"); }

void EmptyRow(ProtocolWriter& out) { out.Line("<Row></Row>"); }

void StringCellRow(ProtocolWriter& out, const CellFormat& format, std::string_view text) {
  out.Line("<Row>", StringCellText(format, text), "</Row>");
}

}  // namespace orsvelt
