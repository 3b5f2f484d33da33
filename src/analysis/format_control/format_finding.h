#pragma once
// What format control by the official schema found in one report: plain records for the
// protocol and the export to show.

#include <filesystem>
#include <string>
#include <vector>

namespace orsvelt {

enum class FormatFindingKind {
  kSchemaViolation,  // the report breaks the XSD schema (or is not well-formed XML)
  kRuleBreach,       // an assert the schema carries in xs:appinfo does not hold
  kInfo,             // what was not checked, and why
};

struct FormatFinding {
  FormatFindingKind kind = FormatFindingKind::kInfo;
  std::string title;    // Russian: what kind of violation ("Нарушение схемы: лишний элемент")
  std::string code;     // the tax service's error code of a rule breach; empty otherwise
  long line = 0;        // 1-based line in the report; 0 when unknown
  std::string path;     // the element, as Файл/Документ/...; "@name" ends it for an attribute
  std::string message;  // libxml2's text for a schema violation; the schema's Russian one for a rule
};

// The title of a text that is not well-formed XML, from the schema part.
inline constexpr const char* kNotWellFormedTitle = "Нарушение формата XML: текст не разбирается";

inline FormatFinding MakeFinding(FormatFindingKind kind, std::string title, std::string message) {
  FormatFinding finding;
  finding.kind = kind;
  finding.title = std::move(title);
  finding.message = std::move(message);
  return finding;
}

struct FormatControlResult {
  bool done = false;                   // false: no schema was applied, findings say why
  std::filesystem::path schema;        // the schema applied
  std::vector<FormatFinding> findings;
};

// The one info record of a check that could not be made.
inline FormatControlResult FormatControlNotDone(std::string reason) {
  FormatControlResult result;
  result.findings.push_back(
      MakeFinding(FormatFindingKind::kInfo, "Контроль формата по схеме не выполнен", std::move(reason)));
  return result;
}

}  // namespace orsvelt
