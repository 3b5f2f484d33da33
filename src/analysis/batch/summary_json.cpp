#include "analysis/batch/summary_files.h"

#include <cstdio>

namespace orsvelt {

namespace {

void PutString(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

std::string SummaryJson(const BatchSummary& summary) {
  const auto columns = SummaryColumns();
  std::string out = "{\n  \"runStamp\": ";
  PutString(out, summary.runStamp);
  out += ",\n  \"reports\": [";
  for (std::size_t r = 0; r < summary.rows.size(); ++r) {
    out += r == 0 ? "\n    {" : ",\n    {";
    const auto& row = summary.rows[r];
    for (std::size_t i = 0; i < row.size(); ++i) {
      out += i == 0 ? "" : ", ";
      PutString(out, columns[i].key);
      out += ": ";
      if (row[i].empty()) out += "null";
      else if (columns[i].value == SummaryValue::Number) out += row[i];
      else PutString(out, row[i]);
    }
    out += "}";
  }
  out += summary.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace orsvelt
