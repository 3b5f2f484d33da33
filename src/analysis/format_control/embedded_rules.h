#pragma once
// The format-logical rules a schema carries in xs:appinfo (Schematron patterns, rules and
// asserts with the tax service's error codes), compiled once into pugixml XPath queries and
// evaluated on a report's tree in one walk.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "analysis/format_control/format_finding.h"

namespace orsvelt {

// One usch:error message: literal text and usch:value-of selects, in order.
struct RuleMessagePart {
  std::string text;
  std::string select;  // non-empty for a value-of
};

struct SchemaAssert {
  std::string test;  // as the schema writes it
  std::string code;  // usch:error/@code
  std::string path;  // usch:error/@path, relative to the rule's context
  std::vector<RuleMessagePart> message;
};

struct SchemaRule {
  std::string context;  // a pattern of element names, "a/b/c"
  std::vector<SchemaAssert> asserts;
};

// A node is checked by the first rule of a pattern whose context it matches.
struct SchemaPattern {
  std::vector<SchemaRule> rules;
};

// Every pattern in a parsed XSD (UTF-8), in document order.
std::vector<SchemaPattern> ReadSchemaPatterns(const pugi::xml_document& xsd);

class EmbeddedRules {
 public:
  explicit EmbeddedRules(std::vector<SchemaPattern> patterns);
  ~EmbeddedRules();
  EmbeddedRules(const EmbeddedRules&) = delete;
  EmbeddedRules& operator=(const EmbeddedRules&) = delete;

  // Breaches in the report's tree, then one info record per assert that cannot be evaluated.
  // text is what the tree was parsed from in place (for line numbers); fileStem is the
  // report's file name without ".xml". Safe to call from several threads at once.
  std::vector<FormatFinding> Check(const pugi::xml_document& report, std::string_view text,
                                   std::string_view fileStem) const;

  std::size_t AssertCount() const;

 private:
  struct Compiled;
  std::unique_ptr<Compiled> compiled_;
};

}  // namespace orsvelt
