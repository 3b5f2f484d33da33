#include "analysis/batch/summary_files.h"

namespace orsvelt {

namespace {

// Excel takes a field that starts like a formula for one, and a report's texts are
// anyone's: such a field keeps its text behind an apostrophe.
bool LooksLikeFormula(std::string_view text) {
  return !text.empty() && (text.front() == '=' || text.front() == '+' || text.front() == '-' || text.front() == '@');
}

void PutField(std::string& out, std::string_view text, SummaryValue value) {
  std::string field;
  if (value == SummaryValue::Text && LooksLikeFormula(text)) field = "'";
  field += text;
  if (field.find_first_of(";\"\r\n") == std::string::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void PutLine(std::string& out, const std::vector<std::string_view>& fields) {
  const auto columns = SummaryColumns();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ';';
    PutField(out, fields[i], columns[i].value);
  }
  out += "\r\n";
}

}  // namespace

std::string SummaryCsv(const BatchSummary& summary) {
  std::string out = "\xEF\xBB\xBF";
  std::vector<std::string_view> fields;
  for (const SummaryColumn& column : SummaryColumns()) fields.push_back(column.caption);
  PutLine(out, fields);
  for (const auto& row : summary.rows) {
    fields.assign(row.begin(), row.end());
    PutLine(out, fields);
  }
  return out;
}

}  // namespace orsvelt
