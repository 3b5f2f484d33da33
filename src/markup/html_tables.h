#pragma once
// Tables and one-line elements of the HTML protocols. Text arguments are values and are
// escaped; the Raw variants take markup and are for fixed texts that hold tags or entities.

#include <string>
#include <string_view>

#include "markup/protocol_writer.h"

namespace orsvelt {

inline constexpr std::string_view kHtmlTableOpen = "  <table cellpadding=\"0\" cellspacing=\"0\" border=\"1\">";

// The opening line shared by key-value and data tables.
void HtmlTableOpen(ProtocolWriter& out);
// "</table>", the end of a key-value table.
void HtmlKeyValueTableClose(ProtocolWriter& out);
// "  </table>", the end of a data table.
void HtmlDataTableClose(ProtocolWriter& out);

// "<tr>", "   <th class="left">caption</th>", "   <td>value</td>" (or
// "   <td class="valueClass">"), "</tr>".
void HtmlKeyValueRow(ProtocolWriter& out, std::string_view caption, std::string_view value,
                     std::string_view valueClass = {});

// openTag, the escaped text and the matching end tag on one line:
// HtmlTextLine(out, "    <td class=\"tdnorm\">", name) -> "    <td class="tdnorm">name</td>".
void HtmlTextLine(ProtocolWriter& out, std::string_view openTag, std::string_view text);
// The same with markup that is written as it stands.
void HtmlRawLine(ProtocolWriter& out, std::string_view openTag, std::string_view markup);

// "</td>" for "    <td class=\"x\">"; empty when the text holds no tag name.
std::string HtmlEndTag(std::string_view openTag);

}  // namespace orsvelt
