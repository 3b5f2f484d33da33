#pragma once
// Tables of the HTML protocols: their frames, key-value rows, and the cells and rows of data
// tables. Text arguments are values and are escaped; the Raw variants take markup as it stands.

#include <initializer_list>
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

// Cells and rows of HTML data tables. The attributes stand in the order the protocols have
// always written them, so a format names the order where it differs:
//   <td class="tdnorm" rowspan="3">        {.cssClass = "tdnorm", .rowspan = 3}
//   <td rowspan="3" class="tderrcenter">   {.cssClass = "tderrcenter", .rowspan = 3, .classLast = true}
//   <th class="tdnorm" rowspan="2" colspan="6">  {.kind = HtmlCellKind::Header, ..., .rowspanFirst = true}
enum class HtmlCellKind { Data, Header };  // <td>, <th>

struct HtmlCellFormat {
  HtmlCellKind kind = HtmlCellKind::Data;
  int indent = 4;               // blanks before the tag
  std::string_view cssClass{};  // class; empty: none
  int colspan = 0;              // 0: none
  int rowspan = 0;              // 0: none
  bool rowspanFirst = false;    // rowspan before colspan
  bool classLast = false;       // class after the spans
};

// One cell on a line of its own: the text escaped, or markup as it stands.
void HtmlCell(ProtocolWriter& out, const HtmlCellFormat& format, std::string_view text);
void HtmlRawCell(ProtocolWriter& out, const HtmlCellFormat& format, std::string_view markup);
// A cell of each caption, as header cells, in a row of its own.
void HtmlHeaderRow(ProtocolWriter& out, std::initializer_list<std::string_view> captions);
// "<tr>" and "</tr>" after indent blanks.
void HtmlRowOpen(ProtocolWriter& out, int indent = 3);
void HtmlRowClose(ProtocolWriter& out, int indent = 3);

}  // namespace orsvelt
