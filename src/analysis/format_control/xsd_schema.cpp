#include "analysis/format_control/xsd_schema.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <mutex>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include "xml/path_text.h"

namespace orsvelt {

namespace {

// No network, and no DTD of the text loaded from elsewhere.
constexpr int kReadOptions = XML_PARSE_NONET | XML_PARSE_BIG_LINES | XML_PARSE_NOWARNING;

void InitLibxml() {
  static std::once_flag once;
  std::call_once(once, [] { xmlInitParser(); });
}

std::string Trimmed(const char* text) {
  std::string s = text ? text : "";
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

// Element names from the root down, an attribute as "@name" at the end.
std::string NodePath(const xmlNode* node) {
  std::vector<const xmlNode*> chain;
  for (const xmlNode* n = node; n != nullptr; n = n->parent) {
    if (n->type == XML_ELEMENT_NODE || n->type == XML_ATTRIBUTE_NODE) chain.push_back(n);
  }
  std::string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!path.empty()) path += '/';
    if ((*it)->type == XML_ATTRIBUTE_NODE) path += '@';
    path += reinterpret_cast<const char*>((*it)->name);
  }
  return path;
}

long NodeLine(const xmlNode* node, long fallback) {
  if (node != nullptr && node->type == XML_ATTRIBUTE_NODE) node = node->parent;
  if (node != nullptr && node->type == XML_ELEMENT_NODE) {
    const long line = xmlGetLineNo(node);
    if (line > 0) return line;
  }
  return fallback;
}

// Where the errors of one parse or one validation go: the sink lives on the caller's stack.
struct ErrorSink {
  std::vector<FormatFinding>* findings = nullptr;
  std::string* text = nullptr;  // for a schema being loaded: all messages in one text
};

void Collect(ErrorSink& sink, const xmlError* error) {
  if (error == nullptr || error->level == XML_ERR_WARNING) return;
  const std::string message = Trimmed(error->message);
  if (sink.text != nullptr) {
    if (!sink.text->empty()) *sink.text += "; ";
    *sink.text += message;
    return;
  }
  const auto* node = static_cast<const xmlNode*>(error->node);
  FormatFinding finding = MakeFinding(FormatFindingKind::kSchemaViolation,
                                      error->domain == XML_FROM_SCHEMASV
                                          ? SchemaViolationTitle(error->code, message)
                                          : "Нарушение формата XML: текст не разбирается",
                                      message);
  finding.line = NodeLine(node, error->line);
  if (node != nullptr) finding.path = NodePath(node);
  sink.findings->push_back(std::move(finding));
}

// The parser hands its own context to the handler; the sink rides in its _private.
void OnParseError(void* context, xmlErrorPtr error) {
  auto* ctxt = static_cast<xmlParserCtxtPtr>(context);
  Collect(*static_cast<ErrorSink*>(ctxt->_private), error);
}

void OnSchemaError(void* sink, xmlErrorPtr error) { Collect(*static_cast<ErrorSink*>(sink), error); }

// Parses bytes into a tree with errors going to the sink only; nullptr when not well-formed.
xmlDocPtr ReadDocument(std::string_view bytes, const char* url, ErrorSink& sink) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
    xmlError tooLarge{};
    tooLarge.level = XML_ERR_FATAL;
    tooLarge.message = const_cast<char*>("the file is larger than 2 GB");
    Collect(sink, &tooLarge);
    return nullptr;
  }
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) return nullptr;
  ctxt->_private = &sink;
  ctxt->sax->serror = OnParseError;
  xmlDocPtr doc = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), url, nullptr,
                                    kReadOptions);
  if (doc != nullptr && !ctxt->wellFormed) {
    xmlFreeDoc(doc);
    doc = nullptr;
  }
  xmlFreeParserCtxt(ctxt);
  return doc;
}

// A schema refers to other files through these; refusing them keeps loading local and whole.
bool RefersToOtherFiles(const xmlDoc* doc) {
  const xmlNode* root = xmlDocGetRootElement(doc);
  if (root == nullptr) return false;
  for (const xmlNode* n = root->children; n != nullptr; n = n->next) {
    if (n->type != XML_ELEMENT_NODE) continue;
    const std::string_view name = reinterpret_cast<const char*>(n->name);
    if (name == "include" || name == "import" || name == "redefine") return true;
  }
  return false;
}

}  // namespace

struct XsdSchema::Parsed {
  xmlDocPtr doc = nullptr;  // the schema keeps pointers into its document
  xmlSchemaPtr schema = nullptr;
  ~Parsed() {
    if (schema != nullptr) xmlSchemaFree(schema);
    if (doc != nullptr) xmlFreeDoc(doc);
  }
};

std::unique_ptr<XsdSchema> XsdSchema::Load(const std::filesystem::path& file, std::string& error) {
  InitLibxml();
  error.clear();
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    error = "файл схемы " + PathToUtf8(file) + " не читается";
    return nullptr;
  }
  std::string messages;
  ErrorSink sink{.text = &messages};
  auto parsed = std::make_unique<Parsed>();
  const std::string url = PathToUtf8(file);
  parsed->doc = ReadDocument(bytes, url.c_str(), sink);
  if (parsed->doc == nullptr) {
    error = "файл схемы " + url + " не является правильным XML: " + messages;
    return nullptr;
  }
  if (RefersToOtherFiles(parsed->doc)) {
    error = "схема " + url + " ссылается на другие файлы схем, они не загружаются";
    return nullptr;
  }
  xmlSchemaParserCtxtPtr context = xmlSchemaNewDocParserCtxt(parsed->doc);
  if (context == nullptr) {
    error = "не хватило памяти для разбора схемы " + url;
    return nullptr;
  }
  xmlSchemaSetParserStructuredErrors(context, OnSchemaError, &sink);
  parsed->schema = xmlSchemaParse(context);
  xmlSchemaFreeParserCtxt(context);
  if (parsed->schema == nullptr) {
    error = "файл " + url + " не является правильной схемой XSD: " + messages;
    return nullptr;
  }
  std::unique_ptr<XsdSchema> schema(new XsdSchema());
  schema->parsed_ = std::move(parsed);
  return schema;
}

XsdSchema::~XsdSchema() = default;

std::vector<FormatFinding> XsdSchema::Validate(std::string_view bytes) const {
  InitLibxml();
  std::vector<FormatFinding> findings;
  ErrorSink sink{.findings = &findings};
  xmlDocPtr doc = ReadDocument(bytes, "report.xml", sink);
  if (doc == nullptr) return findings;
  xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(parsed_->schema);
  if (context != nullptr) {
    xmlSchemaSetValidStructuredErrors(context, OnSchemaError, &sink);
    xmlSchemaValidateDoc(context, doc);
    xmlSchemaFreeValidCtxt(context);
  }
  xmlFreeDoc(doc);
  return findings;
}

std::string SchemaViolationTitle(int code, std::string_view message) {
  switch (code) {
    case XML_SCHEMAV_ELEMENT_CONTENT:
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_2_4:
      // One code for a child that is missing and for one that is not expected there.
      return message.find("Missing child") != std::string_view::npos
                 ? "Нарушение схемы: отсутствует обязательный элемент"
                 : "Нарушение схемы: лишний элемент";
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_4:
      return "Нарушение схемы: отсутствует обязательный атрибут";
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_1:
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_3_2_2:
      return "Нарушение схемы: лишний атрибут";
    case XML_SCHEMAV_CVC_ELT_1:
      return "Нарушение схемы: корневой элемент не описан в схеме";
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_2_1:
    case XML_SCHEMAV_CVC_COMPLEX_TYPE_2_3:
    case XML_SCHEMAV_CVC_ELT_3_2_1:
      return "Нарушение схемы: недопустимое содержимое элемента";
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_1:
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_2:
    case XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_3:
    case XML_SCHEMAV_CVC_FACET_VALID:
    case XML_SCHEMAV_CVC_LENGTH_VALID:
    case XML_SCHEMAV_CVC_MINLENGTH_VALID:
    case XML_SCHEMAV_CVC_MAXLENGTH_VALID:
    case XML_SCHEMAV_CVC_MININCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MAXINCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MINEXCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_MAXEXCLUSIVE_VALID:
    case XML_SCHEMAV_CVC_TOTALDIGITS_VALID:
    case XML_SCHEMAV_CVC_FRACTIONDIGITS_VALID:
    case XML_SCHEMAV_CVC_PATTERN_VALID:
    case XML_SCHEMAV_CVC_ENUMERATION_VALID:
    case XML_SCHEMAV_CVC_ATTRIBUTE_3:
    case XML_SCHEMAV_CVC_ATTRIBUTE_4:
    case XML_SCHEMAV_CVC_TYPE_3_1_1:
    case XML_SCHEMAV_CVC_TYPE_3_1_2:
    case XML_SCHEMAV_CVC_ELT_5_2_1:
    case XML_SCHEMAV_CVC_AU:
      return "Нарушение схемы: недопустимое значение";
    default:
      return "Нарушение схемы";
  }
}

}  // namespace orsvelt
