#include "analysis/batch/summary_files.h"

#include <algorithm>

#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "markup/markup_text.h"

namespace orsvelt {

void WriteSummaryPage(ProtocolWriter& out, const BatchSummary& summary) {
  ProtocolHeader header;
  header.title = "Сводка проверки расчётов по страховым взносам";
  header.heading = "Сводка проверки расчётов по страховым взносам";
  header.runStamp = summary.runStamp;
  HtmlPageOpen(out, header);
  const auto checked = std::count_if(summary.rows.begin(), summary.rows.end(),
                                     [](const auto& row) { return row[kSummaryResultColumn] == kSummaryChecked; });
  HtmlParagraph(out, "Проверено расчётов: " + std::to_string(checked) + " из " + std::to_string(summary.rows.size()));
  HtmlTableOpen(out);
  HtmlRowOpen(out);
  for (const SummaryColumn& column : SummaryColumns()) HtmlCell(out, {.kind = HtmlCellKind::Header}, column.caption);
  HtmlRowClose(out);
  const auto columns = SummaryColumns();
  for (const auto& row : summary.rows) {
    HtmlRowOpen(out);
    for (std::size_t i = 0; i < row.size(); ++i) {
      const HtmlCellFormat format{.cssClass = columns[i].value == SummaryValue::Number ? "tdnorm" : "left"};
      if (i == kSummaryProtocolColumn && !row[i].empty())
        HtmlRawCell(out, format, "<a href=\"" + MarkupText(row[i]) + "\">" + MarkupText(row[i]) + "</a>");
      else
        HtmlCell(out, format, row[i]);
    }
    HtmlRowClose(out);
  }
  HtmlDataTableClose(out);
  HtmlPageClose(out);
}

}  // namespace orsvelt
