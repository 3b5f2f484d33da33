#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

Finding FindingOf(const CheckRow& row) {
  Finding f;
  f.check = std::string(row.id);
  f.group = row.group;
  f.severity = row.severity;
  f.text = std::string(row.wording);
  return f;
}

std::string FormatsText(std::uint8_t formats) {
  std::string text;
  if (formats & kFormat501) text = "5.01";
  if (formats & kFormat502) text += text.empty() ? "5.02" : ", 5.02";
  if (formats & kFormatLater) text += text.empty() ? "5.03-5.08" : ", 5.03-5.08";
  return text;
}

std::span<const CheckRow> CheckTable() {
  static const std::vector<CheckRow> table = [] {
    std::vector<CheckRow> rows;
    for (const auto group : {GroupARows(), GroupBRows(), GroupBRows501(), GroupBRows502(), GroupCRows(),
                             GroupCRows501(), GroupCRows502(), GroupDRows(), GroupERows(), GroupERows501(),
                             GroupERows502(), LaterFormatRows()})
      rows.insert(rows.end(), group.begin(), group.end());
    return rows;
  }();
  return table;
}

std::vector<Finding> RunCheckTable(const CheckContext& context) {
  const std::uint8_t format = context.Is501()   ? kFormat501
                              : context.Is502() ? kFormat502
                              : context.IsLater() ? kFormatLater
                                                  : 0;
  std::vector<Finding> findings;
  for (const CheckRow& row : CheckTable())
    if ((row.formats & format) && row.run) row.run(row, context, findings);
  return findings;
}

}  // namespace orsvelt::checks
