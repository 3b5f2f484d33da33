#include "analysis/format_findings.h"

#include <string>

namespace orsvelt {

std::vector<checks::Finding> FormatFindings(const FormatControlResult& result) {
  std::vector<checks::Finding> findings;
  findings.reserve(result.findings.size());
  for (const FormatFinding& record : result.findings) {
    checks::Finding f;
    f.check = record.code.empty() ? "F" : record.code;
    f.group = checks::Group::F;
    f.severity = record.kind == FormatFindingKind::kInfo ? checks::Severity::Info : checks::Severity::Rejection;
    f.text = record.title;
    if (record.line > 0) f.text += " (строка " + std::to_string(record.line) + ")";
    if (!record.message.empty()) f.text += ": " + record.message;
    f.path = record.path;
    findings.push_back(std::move(f));
  }
  return findings;
}

}  // namespace orsvelt
