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

void HtmlTextLine(ProtocolWriter& out, std::string_view openTag, std::string_view text) {
  HtmlRawLine(out, openTag, MarkupText(text));
}

void HtmlRawLine(ProtocolWriter& out, std::string_view openTag, std::string_view markup) {
  out.Line(openTag, markup, HtmlEndTag(openTag));
}

std::string HtmlEndTag(std::string_view openTag) {
  const std::size_t open = openTag.find('<');
  if (open == std::string_view::npos) return {};
  std::size_t end = open + 1;
  while (end < openTag.size() && openTag[end] != ' ' && openTag[end] != '>' && openTag[end] != '/' &&
         openTag[end] != '\t')
    ++end;
  if (end == open + 1) return {};
  return "</" + std::string(openTag.substr(open + 1, end - open - 1)) + ">";
}

}  // namespace orsvelt
