#include "markup/html_tables.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace orsvelt {

void HtmlTableOpen(ProtocolWriter& out) { out.Line(kHtmlTableOpen); }

void HtmlKeyValueTableClose(ProtocolWriter& out) { out.Line("</table>"); }

void HtmlDataTableClose(ProtocolWriter& out) { out.Line("  </table>"); }

namespace {

std::string_view CellTag(HtmlCellKind kind) { return kind == HtmlCellKind::Header ? "th" : "td"; }

void PutBlanks(ProtocolWriter& out, int count) {
  static constexpr std::string_view kBlanks = "        ";
  out.Put(kBlanks.substr(0, static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(kBlanks.size())))));
}

void PutSpan(ProtocolWriter& out, std::string_view name, int value) {
  if (value <= 0) return;
  out.Put(" ");
  out.Put(name);
  out.Put("=\"");
  out.Put(std::to_string(value));
  out.Put("\"");
}

void PutClass(ProtocolWriter& out, std::string_view cssClass) {
  if (cssClass.empty()) return;
  out.Put(" class=\"");
  out.PutText(cssClass);
  out.Put("\"");
}

void PutCellOpen(ProtocolWriter& out, const HtmlCellFormat& format) {
  PutBlanks(out, format.indent);
  out.Put("<");
  out.Put(CellTag(format.kind));
  if (!format.classLast) PutClass(out, format.cssClass);
  if (format.rowspanFirst) PutSpan(out, "rowspan", format.rowspan);
  PutSpan(out, "colspan", format.colspan);
  if (!format.rowspanFirst) PutSpan(out, "rowspan", format.rowspan);
  if (format.classLast) PutClass(out, format.cssClass);
  out.Put(">");
}

void PutCellClose(ProtocolWriter& out, const HtmlCellFormat& format) {
  out.Put("</");
  out.Put(CellTag(format.kind));
  out.Put(">");
  out.Line();
}

}  // namespace

void HtmlCell(ProtocolWriter& out, const HtmlCellFormat& format, std::string_view text) {
  PutCellOpen(out, format);
  out.PutText(text);
  PutCellClose(out, format);
}

void HtmlRawCell(ProtocolWriter& out, const HtmlCellFormat& format, std::string_view markup) {
  PutCellOpen(out, format);
  out.Put(markup);
  PutCellClose(out, format);
}

void HtmlHeaderRow(ProtocolWriter& out, std::initializer_list<std::string_view> captions) {
  HtmlRowOpen(out);
  for (std::string_view caption : captions) HtmlCell(out, {.kind = HtmlCellKind::Header}, caption);
  HtmlRowClose(out);
}

void HtmlRowOpen(ProtocolWriter& out, int indent) {
  PutBlanks(out, indent);
  out.Line("<tr>");
}

void HtmlRowClose(ProtocolWriter& out, int indent) {
  PutBlanks(out, indent);
  out.Line("</tr>");
}

void HtmlKeyValueRow(ProtocolWriter& out, std::string_view caption, std::string_view value,
                     std::string_view valueClass) {
  HtmlRowOpen(out, 0);
  HtmlCell(out, {.kind = HtmlCellKind::Header, .indent = 3, .cssClass = "left"}, caption);
  HtmlCell(out, {.indent = 3, .cssClass = valueClass}, value);
  HtmlRowClose(out, 0);
}

}  // namespace orsvelt
