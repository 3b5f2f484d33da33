#include "analysis/format_control/embedded_rules.h"

#include <algorithm>

#include "support/test_support.h"

namespace orsvelt {
namespace {

// The schema's fragment as the tax service writes it: patterns in xs:appinfo.
std::string SchemaWith(const std::string& patterns) {
  return "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" xmlns:s=\"http://purl.oclc.org/dsdl/schematron\" "
         "xmlns:u=\"http://www.unisoftware.ru/schematron-extensions\"><xs:element name=\"Файл\"><xs:annotation>"
         "<xs:appinfo>" +
         patterns + "</xs:appinfo></xs:annotation></xs:element></xs:schema>";
}

std::string Assert(const std::string& test, const std::string& code, const std::string& message,
                   const std::string& path = "") {
  return "<s:assert test=\"" + test + "\"><u:error code=\"" + code + "\" path=\"" + path + "\">" + message +
         "</u:error></s:assert>";
}

std::vector<FormatFinding> CheckRules(const std::string& schema, std::string report, const char* stem = "f") {
  pugi::xml_document xsd;
  EXPECT_TRUE(xsd.load_string(schema.c_str()));
  const EmbeddedRules rules(ReadSchemaPatterns(xsd));
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_buffer_inplace(report.data(), report.size(), pugi::parse_default, pugi::encoding_utf8));
  return rules.Check(doc, report, stem);
}

std::size_t Count(const std::vector<FormatFinding>& findings, FormatFindingKind kind) {
  return static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(), [&](const FormatFinding& f) { return f.kind == kind; }));
}

// Prefixes are the schema's own: here "s:" and "u:" instead of "sch:" and "usch:".
TEST(EmbeddedRules, ReadsPatternsUnderTheSchemasPrefixes) {
  pugi::xml_document xsd;
  xsd.load_string(SchemaWith("<s:pattern><s:rule context=\"Д\">" +
                             Assert("@a=1", "0400300003", "a равно \"<u:value-of select=\"@a\"/>\"", "@a") +
                             "</s:rule></s:pattern>")
                      .c_str());
  const auto patterns = ReadSchemaPatterns(xsd);
  ASSERT_EQ(patterns.size(), 1u);
  ASSERT_EQ(patterns[0].rules.size(), 1u);
  const SchemaAssert& a = patterns[0].rules[0].asserts.at(0);
  EXPECT_EQ(a.code, "0400300003");
  EXPECT_EQ(a.path, "@a");
  ASSERT_EQ(a.message.size(), 3u);
  EXPECT_EQ(a.message[1].select, "@a");
}

TEST(EmbeddedRules, BreachCarriesCodeFilledMessagePathAndLine) {
  const auto findings = CheckRules(
      SchemaWith("<s:pattern><s:rule context=\"Д\">" +
                 Assert("@a=1", "0400300003", "\n\t  a равно \"<u:value-of select=\"@a\"/>\",\n  b \"<u:value-of select=\"Б/@b\"/>\" ", "@a") +
                 "</s:rule></s:pattern>"),
      "<Файл>\n<Д a=\"1\"/>\n<Д a=\"2\">\n<Б b=\"x\"/><Б b=\"y\"/></Д>\n</Файл>");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].kind, FormatFindingKind::kRuleBreach);
  EXPECT_EQ(findings[0].code, "0400300003");
  EXPECT_EQ(findings[0].message, "a равно \"2\", b \"x\"");
  EXPECT_EQ(findings[0].path, "Файл/Д/@a");
  EXPECT_EQ(findings[0].line, 3);
}

// Within a pattern a node is taken by its first matching rule only, as in Schematron.
TEST(EmbeddedRules, FirstMatchingRuleOfAPatternTakesTheNode) {
  const std::string never = Assert("false()", "1", "m");
  const auto twoRules = CheckRules(SchemaWith("<s:pattern><s:rule context=\"А/Д\">" + never + "</s:rule><s:rule context=\"Д\">" +
                                       never + "</s:rule></s:pattern>"),
                            "<Файл><А><Д/></А><Д/></Файл>");
  EXPECT_EQ(Count(twoRules, FormatFindingKind::kRuleBreach), 2u);
  const auto twoPatterns = CheckRules(SchemaWith("<s:pattern><s:rule context=\"А/Д\">" + never +
                                          "</s:rule></s:pattern><s:pattern><s:rule context=\"Д\">" + never +
                                          "</s:rule></s:pattern>"),
                               "<Файл><А><Д/></А><Д/></Файл>");
  EXPECT_EQ(Count(twoPatterns, FormatFindingKind::kRuleBreach), 3u);
}

TEST(EmbeddedRules, AbsoluteContextStartsAtTheRoot) {
  const std::string never = Assert("false()", "1", "m");
  EXPECT_EQ(Count(CheckRules(SchemaWith("<s:pattern><s:rule context=\"/Файл/Д\">" + never + "</s:rule></s:pattern>"),
                      "<Файл><Д/><Х><Файл><Д/></Файл></Х></Файл>"),
                  FormatFindingKind::kRuleBreach),
            1u);
}

// What cannot be evaluated is said once per assert, and never taken for a breach.
TEST(EmbeddedRules, UnevaluableAssertsAreInfoNotBreaches) {
  const auto findings = CheckRules(
      SchemaWith("<s:pattern><s:rule context=\"Д\">" + Assert("usch:getDate() &gt; @d", "11", "m") +
                 Assert("@a = = 1", "12", "m") + Assert("@a=1", "13", "<u:value-of select=\"u:nope()\"/>") +
                 "</s:rule><s:rule context=\"Д[@a]\">" + Assert("false()", "14", "m") +
                 "</s:rule></s:pattern>"),
      "<Файл><Д a=\"2\"/><Д a=\"3\"/></Файл>");
  ASSERT_EQ(findings.size(), 4u);
  for (const FormatFinding& f : findings) EXPECT_EQ(f.kind, FormatFindingKind::kInfo) << f.message;
  EXPECT_NE(findings[0].message.find("usch:getDate"), std::string::npos) << findings[0].message;
  EXPECT_EQ(findings[1].code, "12");
  EXPECT_NE(findings[1].message.find("XPath 1.0"), std::string::npos) << findings[1].message;
  EXPECT_NE(findings[3].message.find("контекст правила"), std::string::npos) << findings[3].message;
}

// Every breach names its element's path: past libxml2's depth limit the walk stops, so a
// deep text costs neither quadratic time nor memory.
TEST(EmbeddedRules, WalkStopsBelowTheDepthLimit) {
  std::string report = "<Файл>";
  for (int i = 0; i < 5000; ++i) report += "<Д>";
  for (int i = 0; i < 5000; ++i) report += "</Д>";
  report += "</Файл>";
  const auto findings =
      CheckRules(SchemaWith("<s:pattern><s:rule context=\"Д\">" + Assert("false()", "1", "m") + "</s:rule></s:pattern>"),
                 report);
  EXPECT_EQ(Count(findings, FormatFindingKind::kRuleBreach), 255u);
  ASSERT_EQ(Count(findings, FormatFindingKind::kInfo), 1u);
  EXPECT_EQ(findings.back().title, "Правила схемы проверены не полностью");
}

TEST(EmbeddedRules, FileNameIsTheReports) {
  const std::string schema =
      SchemaWith("<s:pattern><s:rule context=\"Файл\">" +
                 Assert("usch:getFileName() = @ИдФайл", "0400400007",
                        "Имя \"<u:value-of select=\"usch:getFileName()\"/>\"") +
                 "</s:rule></s:pattern>");
  EXPECT_TRUE(CheckRules(schema, "<Файл ИдФайл=\"it's\"/>", "it's").empty());
  const auto findings = CheckRules(schema, "<Файл ИдФайл=\"a\"/>", "b\"'c");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].message, "Имя \"b\"'c\"");
}

}  // namespace
}  // namespace orsvelt
