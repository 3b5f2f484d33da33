#include "analysis/format_control/embedded_rules.h"

#include <algorithm>
#include <new>
#include <string>
#include <unordered_map>

#include "analysis/format_control/usch_functions.h"

namespace orsvelt {

namespace {

constexpr std::string_view kSchematron = "http://purl.oclc.org/dsdl/schematron";
constexpr std::string_view kUsch = "http://www.unisoftware.ru/schematron-extensions";

// libxml2's own limit: a deeper text is refused by the schema part anyway, and the path of
// every breach would grow with the depth.
constexpr std::size_t kMaxDepth = 256;

// The prefix the schema binds to a namespace on its root, with the colon ("sch:").
std::string PrefixOf(const pugi::xml_node root, std::string_view uri, std::string_view usual) {
  for (const pugi::xml_attribute a : root.attributes()) {
    const std::string_view name = a.name();
    if (name.substr(0, 6) == "xmlns:" && uri == a.value()) return std::string(name.substr(6)) + ":";
  }
  return std::string(usual);
}

std::string CollapseSpaces(std::string_view s) {
  std::string out;
  bool space = false;
  for (const char c : s) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      space = true;
      continue;
    }
    if (space && !out.empty()) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

std::unique_ptr<pugi::xpath_query> CompileQuery(const std::string& expression, std::string& error) {
  try {
    auto query = std::make_unique<pugi::xpath_query>(expression.c_str());
    if (!query->result()) {
      error = query->result().description();
      return nullptr;
    }
    return query;
  } catch (const pugi::xpath_exception& e) {
    error = e.what();
  } catch (const std::bad_alloc&) {
    error = "out of memory";
  }
  return nullptr;
}

// An assert's test and message selects as queries ready to run.
struct AssertQueries {
  std::unique_ptr<pugi::xpath_query> test;
  std::vector<std::unique_ptr<pugi::xpath_query>> values;  // one per message part; null for text
  std::string failure;  // Russian: why the assert cannot be evaluated; empty when it can
  bool usesFileName = false;
};

AssertQueries CompileAssert(const SchemaAssert& source, std::string_view fileStem) {
  AssertQueries out;
  const auto compile = [&](const std::string& expression, XPathUse use) -> std::unique_ptr<pugi::xpath_query> {
    const RewrittenXPath rewritten = RewriteUschCalls(expression, fileStem, use);
    out.usesFileName = out.usesFileName || rewritten.usesFileName;
    if (!rewritten.unsupported.empty()) {
      out.failure = "функция " + rewritten.unsupported + " в выражении «" + CollapseSpaces(expression) +
                    "» не поддерживается";
      return nullptr;
    }
    std::string error;
    auto query = CompileQuery(rewritten.expression, error);
    if (!query) {
      out.failure = "выражение «" + CollapseSpaces(expression) + "» не вычисляется XPath 1.0 (" + error + ")";
    }
    return query;
  };
  out.test = compile(source.test, XPathUse::kTest);
  for (const RuleMessagePart& part : source.message) {
    if (!out.failure.empty()) break;
    out.values.push_back(part.select.empty() ? nullptr : compile(part.select, XPathUse::kValue));
  }
  if (!out.failure.empty()) {
    out.test.reset();
    out.values.clear();
  }
  return out;
}

struct CompiledAssert {
  const SchemaAssert* source = nullptr;
  AssertQueries queries;  // for an assert naming the file: only to learn whether it compiles
};

struct CompiledRule {
  std::size_t pattern = 0;
  const SchemaRule* source = nullptr;
  std::vector<std::string> steps;  // element names, the matched node's last
  bool absolute = false;
  std::string failure;             // a context this engine cannot match
  std::vector<CompiledAssert> asserts;
};

bool IsPlainContext(std::string_view context) {
  return !context.empty() && context.find_first_of("[]|*@():= \t\r\n") == std::string_view::npos &&
         context.find("//") == std::string_view::npos && context.back() != '/';
}

std::vector<std::string> SplitSteps(std::string_view context) {
  std::vector<std::string> steps;
  std::size_t from = 0;
  while (from <= context.size()) {
    const auto slash = context.find('/', from);
    steps.emplace_back(context.substr(from, slash == std::string_view::npos ? context.npos : slash - from));
    if (slash == std::string_view::npos) break;
    from = slash + 1;
  }
  return steps;
}

bool Matches(const CompiledRule& rule, pugi::xml_node node) {
  for (auto step = rule.steps.rbegin(); step != rule.steps.rend(); ++step) {
    if (node.type() != pugi::node_element || *step != node.name()) return false;
    node = node.parent();
  }
  return !rule.absolute || node.type() == pugi::node_document;
}

std::string ElementPath(pugi::xml_node node) {
  std::vector<const char*> names;
  for (; node && node.type() == pugi::node_element; node = node.parent()) names.push_back(node.name());
  std::string path;
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    if (!path.empty()) path += '/';
    path += *it;
  }
  return path;
}

// 1-based line of a byte offset, from an index of line ends built on first use.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text) : text_(text) {}
  long LineOf(std::ptrdiff_t offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) > text_.size()) return 0;
    if (!built_) {
      for (std::size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == '\n') ends_.push_back(i);
      built_ = true;
    }
    const auto it = std::lower_bound(ends_.begin(), ends_.end(), static_cast<std::size_t>(offset));
    return static_cast<long>(it - ends_.begin()) + 1;
  }

 private:
  std::string_view text_;
  std::vector<std::size_t> ends_;
  bool built_ = false;
};

FormatFinding SkippedAssert(const SchemaRule& rule, const SchemaAssert& assert, const std::string& why) {
  FormatFinding finding = MakeFinding(FormatFindingKind::kInfo, "Правило схемы не проверялось",
                                      "Условие с кодом " + assert.code + " не проверено: " + why + ".");
  finding.code = assert.code;
  finding.path = rule.context;
  return finding;
}

}  // namespace

std::vector<SchemaPattern> ReadSchemaPatterns(const pugi::xml_document& xsd) {
  const pugi::xml_node root = xsd.document_element();
  const std::string sch = PrefixOf(root, kSchematron, "sch:");
  const std::string usch = PrefixOf(root, kUsch, "usch:");
  const std::string patternName = sch + "pattern", ruleName = sch + "rule", assertName = sch + "assert";
  const std::string errorName = usch + "error", valueOfName = usch + "value-of";

  std::vector<SchemaPattern> patterns;
  for (const pugi::xpath_node found : xsd.select_nodes("//*")) {
    const pugi::xml_node patternNode = found.node();
    if (patternName != patternNode.name()) continue;
    SchemaPattern& pattern = patterns.emplace_back();
    for (const pugi::xml_node ruleNode : patternNode.children(ruleName.c_str())) {
      SchemaRule& rule = pattern.rules.emplace_back();
      rule.context = CollapseSpaces(ruleNode.attribute("context").value());
      for (const pugi::xml_node assertNode : ruleNode.children(assertName.c_str())) {
        SchemaAssert& assert = rule.asserts.emplace_back();
        assert.test = assertNode.attribute("test").value();
        const pugi::xml_node error = assertNode.child(errorName.c_str());
        assert.code = error.attribute("code").value();
        assert.path = CollapseSpaces(error.attribute("path").value());
        for (const pugi::xml_node part : error.children()) {
          if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata) {
            assert.message.push_back({part.value(), {}});
          } else if (valueOfName == part.name()) {
            assert.message.push_back({{}, part.attribute("select").value()});
          }
        }
      }
    }
  }
  return patterns;
}

namespace {

// Looks names up as they are, without a string made per element of the walk.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

}  // namespace

struct EmbeddedRules::Compiled {
  std::vector<SchemaPattern> patterns;
  std::vector<CompiledRule> rules;  // in the schema's order
  // By the context's last step.
  std::unordered_map<std::string, std::vector<std::size_t>, NameHash, std::equal_to<>> rulesByName;
  std::size_t assertCount = 0;
};

EmbeddedRules::EmbeddedRules(std::vector<SchemaPattern> patterns) : compiled_(std::make_unique<Compiled>()) {
  Compiled& c = *compiled_;
  c.patterns = std::move(patterns);
  for (std::size_t p = 0; p < c.patterns.size(); ++p) {
    for (const SchemaRule& source : c.patterns[p].rules) {
      CompiledRule rule;
      rule.pattern = p;
      rule.source = &source;
      std::string_view context = source.context;
      rule.absolute = !context.empty() && context.front() == '/';
      if (rule.absolute) context.remove_prefix(1);
      if (IsPlainContext(context)) {
        rule.steps = SplitSteps(context);
      } else {
        rule.failure = "контекст правила «" + source.context + "» не поддерживается";
      }
      for (const SchemaAssert& assert : source.asserts) {
        ++c.assertCount;
        CompiledAssert& compiled = rule.asserts.emplace_back();
        compiled.source = &assert;
        compiled.queries = CompileAssert(assert, "file");
      }
      if (rule.failure.empty()) c.rulesByName[rule.steps.back()].push_back(c.rules.size());
      c.rules.push_back(std::move(rule));
    }
  }
}

EmbeddedRules::~EmbeddedRules() = default;

std::size_t EmbeddedRules::AssertCount() const { return compiled_->assertCount; }

std::vector<FormatFinding> EmbeddedRules::Check(const pugi::xml_document& report, std::string_view text,
                                                std::string_view fileStem) const {
  const Compiled& c = *compiled_;
  std::vector<FormatFinding> findings;
  LineIndex lines(text);
  // Queries of asserts that name the file, made for this report.
  std::unordered_map<const CompiledAssert*, AssertQueries> perFile;

  const auto evaluate = [&](const CompiledRule& rule, pugi::xml_node node) {
    for (const CompiledAssert& assert : rule.asserts) {
      if (!assert.queries.failure.empty()) continue;
      const AssertQueries* queries = &assert.queries;
      if (assert.queries.usesFileName) {
        auto it = perFile.find(&assert);
        if (it == perFile.end()) it = perFile.emplace(&assert, CompileAssert(*assert.source, fileStem)).first;
        if (!it->second.failure.empty()) continue;
        queries = &it->second;
      }
      const pugi::xpath_node context(node);
      if (queries->test->evaluate_boolean(context)) continue;
      std::string message;
      for (std::size_t i = 0; i < assert.source->message.size(); ++i) {
        message += queries->values[i] ? queries->values[i]->evaluate_string(context)
                                      : assert.source->message[i].text;
      }
      std::string path = ElementPath(node);
      if (!assert.source->path.empty()) path += "/" + assert.source->path;
      FormatFinding& finding = findings.emplace_back(
          MakeFinding(FormatFindingKind::kRuleBreach, "Нарушение правила схемы", CollapseSpaces(message)));
      finding.code = assert.source->code;
      finding.line = lines.LineOf(node.offset_debug());
      finding.path = std::move(path);
    }
  };

  std::vector<std::size_t> firedPatterns;
  pugi::xml_node node = report.document_element();
  std::size_t depth = 1;
  try {
    while (node) {
      if (const auto found = c.rulesByName.find(std::string_view(node.name())); found != c.rulesByName.end()) {
        firedPatterns.clear();
        for (const std::size_t index : found->second) {
          const CompiledRule& rule = c.rules[index];
          if (std::find(firedPatterns.begin(), firedPatterns.end(), rule.pattern) != firedPatterns.end()) continue;
          if (!Matches(rule, node)) continue;
          firedPatterns.push_back(rule.pattern);
          evaluate(rule, node);
        }
      }
      // The next element in document order.
      pugi::xml_node next = node.first_child();
      while (next && next.type() != pugi::node_element) next = next.next_sibling();
      if (next && ++depth > kMaxDepth) {
        findings.push_back(MakeFinding(FormatFindingKind::kInfo, "Правила схемы проверены не полностью",
                                       "Элементы вложены глубже " + std::to_string(kMaxDepth) +
                                           " уровней; глубже правила не проверялись."));
        break;
      }
      while (!next && node) {
        next = node.next_sibling();
        while (next && next.type() != pugi::node_element) next = next.next_sibling();
        if (!next) {
          node = node.parent();
          --depth;
          if (node.type() != pugi::node_element) node = pugi::xml_node();
        }
      }
      node = next;
    }
  } catch (const std::exception& e) {
    findings.push_back(MakeFinding(FormatFindingKind::kInfo, "Правила схемы проверены не полностью",
                                   std::string("Вычисление условий прервано: ") + e.what() + "."));
  }

  for (const CompiledRule& rule : c.rules) {
    for (const CompiledAssert& assert : rule.asserts) {
      std::string why = !rule.failure.empty() ? rule.failure : assert.queries.failure;
      if (why.empty() && assert.queries.usesFileName) {
        if (const auto it = perFile.find(&assert); it != perFile.end()) why = it->second.failure;
      }
      if (!why.empty()) findings.push_back(SkippedAssert(*rule.source, *assert.source, why));
    }
  }
  return findings;
}

}  // namespace orsvelt
