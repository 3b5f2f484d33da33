#pragma once
// An XSD schema parsed once by libxml2, then applied to many reports (from several
// threads at once, if need be: each validation has its own context and error sink).

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/format_control/format_finding.h"

namespace orsvelt {

class XsdSchema {
 public:
  // The parsed schema, or nullptr with the reason (Russian, then libxml2's words) in error.
  // A schema that includes or imports other files is refused: nothing is fetched.
  static std::unique_ptr<XsdSchema> Load(const std::filesystem::path& file, std::string& error);

  ~XsdSchema();
  XsdSchema(const XsdSchema&) = delete;
  XsdSchema& operator=(const XsdSchema&) = delete;

  // Every violation of the report's bytes (encoding as their declaration says), in the
  // order libxml2 meets them; a text that is not well-formed gives its parse errors instead.
  std::vector<FormatFinding> Validate(std::string_view bytes) const;

 private:
  XsdSchema() = default;
  struct Parsed;
  std::unique_ptr<Parsed> parsed_;
};

// The Russian kind of a libxml2 schema validation error, from its code (and, where one code
// stands for two faults, its message).
std::string SchemaViolationTitle(int code, std::string_view message);

}  // namespace orsvelt
