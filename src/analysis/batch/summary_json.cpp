#include "analysis/batch/summary_files.h"

#include "analysis/checks/findings_json.h"

namespace orsvelt {

std::string SummaryJson(const BatchSummary& summary) {
  const auto columns = SummaryColumns();
  std::string out = "{\n  \"runStamp\": ";
  out += checks::JsonString(summary.runStamp);
  out += ",\n  \"reports\": [";
  for (std::size_t r = 0; r < summary.rows.size(); ++r) {
    out += r == 0 ? "\n    {" : ",\n    {";
    const auto& row = summary.rows[r];
    for (std::size_t i = 0; i < row.size(); ++i) {
      out += i == 0 ? "" : ", ";
      out += checks::JsonString(columns[i].key);
      out += ": ";
      if (row[i].empty()) out += "null";
      else if (columns[i].value == SummaryValue::Number) out += row[i];
      else out += checks::JsonString(row[i]);
    }
    out += "}";
  }
  out += summary.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace orsvelt
