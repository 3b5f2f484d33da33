#include "markup/workbook_cells.h"

#include <charconv>

#include "markup/markup_text.h"
#include "markup/plain_number.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr std::string_view kStringData = "<Data ss:Type=\"String\">";
constexpr std::string_view kNumberData = "<Data ss:Type=\"Number\">";
constexpr std::string_view kDataEnd = "</Data></Cell>";

// Cells are written straight into the protocol, or into a string for rows that a writer
// puts on one line; both through the same code.
struct StringOut {
  std::string& text;
  void Put(std::string_view piece) { text.append(piece); }
  void PutText(std::string_view value) { PutMarkupText(*this, value); }
};

template <class Out>
void PutNumberAttribute(Out& out, std::string_view name, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.Put(" ");
  out.Put(name);
  out.Put("=\"");
  out.Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  out.Put("\"");
}

template <class Out>
void PutCellOpen(Out& out, const CellFormat& format) {
  out.Put("<Cell");
  if (format.index > 0) PutNumberAttribute(out, "ss:Index", format.index);
  if (format.style != CellStyle::None) {
    out.Put(" ss:StyleID=\"");
    out.Put(CellStyleId(format.style));
    out.Put("\"");
  }
  if (format.downFirst && format.mergeDown >= 0) PutNumberAttribute(out, "ss:MergeDown", format.mergeDown);
  if (format.mergeAcross >= 0) PutNumberAttribute(out, "ss:MergeAcross", format.mergeAcross);
  if (!format.downFirst && format.mergeDown >= 0) PutNumberAttribute(out, "ss:MergeDown", format.mergeDown);
  out.Put(">");
}

template <class Out>
void PutDataCell(Out& out, const CellFormat& format, std::string_view dataOpen, std::string_view content) {
  PutCellOpen(out, format);
  out.Put(dataOpen);
  out.Put(content);
  out.Put(kDataEnd);
}

template <class Out>
void PutStringCell(Out& out, const CellFormat& format, std::string_view text) {
  PutCellOpen(out, format);
  out.Put(kStringData);
  out.PutText(text);
  out.Put(kDataEnd);
}

template <class Out>
void PutIntegerCell(Out& out, const CellFormat& format, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  PutDataCell(out, format, kNumberData, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

template <class Out>
void PutNumberCell(Out& out, const CellFormat& format, std::string_view number) {
  if (IsPlainNumber(number))
    PutDataCell(out, format, kNumberData, number);
  else
    PutStringCell(out, format, number);
}

template <class Out>
void PutEmptyCell(Out& out, const CellFormat& format) {
  PutCellOpen(out, format);
  out.Put("</Cell>");
}

// Runs a cell writer into a fresh string.
template <class Write>
std::string AsText(Write&& write) {
  std::string text;
  StringOut out{text};
  write(out);
  return text;
}

}  // namespace

std::string CellOpenTag(const CellFormat& format) {
  return AsText([&](StringOut& out) { PutCellOpen(out, format); });
}

std::string StringCellText(const CellFormat& format, std::string_view text) {
  return AsText([&](StringOut& out) { PutStringCell(out, format, text); });
}

std::string RawStringCellText(const CellFormat& format, std::string_view markup) {
  return AsText([&](StringOut& out) { PutDataCell(out, format, kStringData, markup); });
}

std::string AmountCellText(const CellFormat& format, Amount amount) {
  return AsText([&](StringOut& out) { PutDataCell(out, format, kNumberData, FormatAmountPlain(amount)); });
}

std::string IntegerCellText(const CellFormat& format, std::int64_t value) {
  return AsText([&](StringOut& out) { PutIntegerCell(out, format, value); });
}

std::string NumberCellText(const CellFormat& format, std::string_view number) {
  return AsText([&](StringOut& out) { PutNumberCell(out, format, number); });
}

std::string EmptyCellText(const CellFormat& format) {
  return AsText([&](StringOut& out) { PutEmptyCell(out, format); });
}

void StringCell(ProtocolWriter& out, const CellFormat& format, std::string_view text) {
  PutStringCell(out, format, text);
  out.Line();
}

void RawStringCell(ProtocolWriter& out, const CellFormat& format, std::string_view markup) {
  PutDataCell(out, format, kStringData, markup);
  out.Line();
}

void AmountCell(ProtocolWriter& out, const CellFormat& format, Amount amount) {
  PutDataCell(out, format, kNumberData, FormatAmountPlain(amount));
  out.Line();
}

void IntegerCell(ProtocolWriter& out, const CellFormat& format, std::int64_t value) {
  PutIntegerCell(out, format, value);
  out.Line();
}

void NumberCell(ProtocolWriter& out, const CellFormat& format, std::string_view number) {
  PutNumberCell(out, format, number);
  out.Line();
}

void EmptyCell(ProtocolWriter& out, const CellFormat& format) {
  PutEmptyCell(out, format);
  out.Line();
}

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

void RawStringCellRow(ProtocolWriter& out, const CellFormat& format, std::string_view markup) {
  out.Line("<Row>", RawStringCellText(format, markup), "</Row>");
}

void ContinuationRowOpen(ProtocolWriter& out) { out.Line("   <Row>"); }

}  // namespace orsvelt
