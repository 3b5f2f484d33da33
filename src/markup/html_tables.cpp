#include "markup/html_tables.h"

#include "markup/markup_text.h"

namespace orsvelt {

void HtmlTableOpen(ProtocolWriter& out) { out.Line(kHtmlTableOpen); }

void HtmlKeyValueTableClose(ProtocolWriter& out) { out.Line("</table>"); }

void HtmlDataTableClose(ProtocolWriter& out) { out.Line("  </table>"); }

void HtmlKeyValueRow(ProtocolWriter& out, std::string_view caption, std::string_view value,
                     std::string_view valueClass) {
  out.Line("<tr>");
  HtmlTextLine(out, "   <th class=\"left\">", caption);
  if (valueClass.empty()) {
    HtmlTextLine(out, "   <td>", value);
  } else {
    out.Line("   <td class=\"", MarkupText(valueClass), "\">", MarkupText(value), "</td>");
  }
  out.Line("</tr>");
}

namespace {

// "td" for "    <td class=\"x\">"; empty when the text holds no tag name.
std::string_view TagName(std::string_view openTag) {
  const std::size_t open = openTag.find('<');
  if (open == std::string_view::npos) return {};
  std::size_t end = open + 1;
  while (end < openTag.size() && openTag[end] != ' ' && openTag[end] != '>' && openTag[end] != '/' &&
         openTag[end] != '\t')
    ++end;
  return openTag.substr(open + 1, end - open - 1);
}

void PutEndTag(ProtocolWriter& out, std::string_view openTag) {
  const std::string_view name = TagName(openTag);
  if (name.empty()) return;
  out.Put("</");
  out.Put(name);
  out.Put(">");
}

}  // namespace

void HtmlTextLine(ProtocolWriter& out, std::string_view openTag, std::string_view text) {
  out.Put(openTag);
  out.PutText(text);
  PutEndTag(out, openTag);
  out.Line();
}

void HtmlRawLine(ProtocolWriter& out, std::string_view openTag, std::string_view markup) {
  out.Put(openTag);
  out.Put(markup);
  PutEndTag(out, openTag);
  out.Line();
}

std::string HtmlEndTag(std::string_view openTag) {
  const std::string_view name = TagName(openTag);
  if (name.empty()) return {};
  return "</" + std::string(name) + ">";
}

}  // namespace orsvelt
