#include "analysis/format_control/xsd_schema.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
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

// libxml2 writes some faults (of encoding, of input) straight to its generic handler, stderr
// by default. That handler is per thread in libxml2; this silences it for one call's time.
class QuietGenericErrors {
 public:
  QuietGenericErrors() : context_(xmlGenericErrorContext), handler_(xmlGenericError) {
    xmlSetGenericErrorFunc(nullptr, Ignore);
  }
  ~QuietGenericErrors() { xmlSetGenericErrorFunc(context_, handler_); }
  QuietGenericErrors(const QuietGenericErrors&) = delete;
  QuietGenericErrors& operator=(const QuietGenericErrors&) = delete;

 private:
  static void Ignore(void*, const char*, ...) {}
  void* context_;
  xmlGenericErrorFunc handler_;
};

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
                                          : kNotWellFormedTitle,
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

// The parser reads the bytes in pieces from here, so they are neither copied whole nor
// decoded at once.
struct ByteReader {
  std::string_view rest;
  static int Read(void* data, char* out, int size) {
    auto& reader = *static_cast<ByteReader*>(data);
    const std::size_t n = std::min(reader.rest.size(), static_cast<std::size_t>(size > 0 ? size : 0));
    std::memcpy(out, reader.rest.data(), n);
    reader.rest.remove_prefix(n);
    return static_cast<int>(n);
  }
  static int Close(void*) { return 0; }
};

// Parses bytes with errors going to the sink only: into a tree, or (buildTree false) just to
// learn whether they are well-formed. nullptr when they are not, or when no tree was asked for.
xmlDocPtr ReadDocument(std::string_view bytes, const char* url, ErrorSink& sink, bool buildTree = true) {
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) return nullptr;
  if (!buildTree) {
    *ctxt->sax = xmlSAXHandler{};
    ctxt->sax->initialized = XML_SAX2_MAGIC;
  }
  ctxt->_private = &sink;
  ctxt->sax->serror = OnParseError;
  ByteReader reader{bytes};
  xmlDocPtr doc = xmlCtxtReadIO(ctxt, ByteReader::Read, ByteReader::Close, &reader, url, nullptr, kReadOptions);
  if (doc != nullptr && (!ctxt->wellFormed || !buildTree)) {
    xmlFreeDoc(doc);
    doc = nullptr;
  }
  xmlFreeParserCtxt(ctxt);
  return doc;
}

// A validation on the parser's stream of events: the elements open above the one being
// read, for the paths of violations.
struct StreamState {
  ErrorSink sink;
  xmlSchemaValidCtxtPtr validation = nullptr;
  xmlParserCtxtPtr parser = nullptr;  // the validator's, known from the first element on
  std::string path;                 // Файл/Документ/...
  std::vector<std::size_t> starts;  // where each open element's name begins in path
  std::vector<long> lines;          // the line of each open element's start tag
  // The validator sees an end tag after the handlers here: the element stays open for
  // its errors until the next event.
  std::size_t pendingEnds = 0;

  void Settle() {
    for (; pendingEnds > 0 && !starts.empty(); --pendingEnds) {
      path.resize(starts.back() == 0 ? 0 : starts.back() - 1);
      starts.pop_back();
      lines.pop_back();
    }
    pendingEnds = 0;
  }

  void Report(const xmlError* error) {
    if (error == nullptr || error->level == XML_ERR_WARNING) return;
    const std::string message = Trimmed(error->message);
    FormatFinding& finding = sink.findings->emplace_back(MakeFinding(
        FormatFindingKind::kSchemaViolation,
        error->domain == XML_FROM_SCHEMASV ? SchemaViolationTitle(error->code, message)
                                           : kNotWellFormedTitle,
        message));
    finding.line = error->domain == XML_FROM_SCHEMASV && !lines.empty() ? lines.back() : error->line;
    if (error->domain == XML_FROM_SCHEMASV) {
      finding.path = path;
      // An attribute's fault names the attribute: "Element 'X', attribute 'Y': ...".
      const auto at = message.find(", attribute '");
      if (at != std::string::npos && at < message.find(": ")) {
        const auto from = at + 13;
        const auto close = message.find('\'', from);
        if (close != std::string::npos) finding.path += "/@" + message.substr(from, close - from);
      }
    }
  }

  static void OnStart(void* data, const xmlChar* localname, const xmlChar*, const xmlChar*, int, const xmlChar**,
                      int, int, const xmlChar**) {
    auto& state = *static_cast<StreamState*>(data);
    state.Settle();
    if (!state.path.empty()) state.path += '/';
    state.starts.push_back(state.path.size());
    state.path += reinterpret_cast<const char*>(localname);
    if (state.parser == nullptr) state.parser = xmlSchemaValidCtxtGetParserCtxt(state.validation);
    state.lines.push_back(state.parser != nullptr ? xmlSAX2GetLineNumber(state.parser) : 0);
  }

  static void OnEnd(void* data, const xmlChar*, const xmlChar*, const xmlChar*) {
    auto& state = *static_cast<StreamState*>(data);
    state.Settle();
    ++state.pendingEnds;
  }

  static void OnValidationError(void* data, xmlErrorPtr error) { static_cast<StreamState*>(data)->Report(error); }
};



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
  const QuietGenericErrors quiet;
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
  const QuietGenericErrors quiet;
  std::vector<FormatFinding> findings;
  StreamState state;
  state.sink.findings = &findings;
  state.validation = xmlSchemaNewValidCtxt(parsed_->schema);
  ByteReader reader{bytes};
  xmlParserInputBufferPtr buffer =
      state.validation ? xmlParserInputBufferCreateIO(ByteReader::Read, ByteReader::Close, &reader,
                                                      XML_CHAR_ENCODING_NONE)
                       : nullptr;
  if (buffer == nullptr) {
    if (state.validation != nullptr) xmlSchemaFreeValidCtxt(state.validation);
    findings.push_back(MakeFinding(FormatFindingKind::kInfo, "Контроль формата по схеме не выполнен",
                                   "Не хватило памяти для проверки по схеме."));
    return findings;
  }
  // No tree: the element names on the way down are all a path needs.
  xmlSAXHandler events{};
  events.initialized = XML_SAX2_MAGIC;
  events.startElementNs = StreamState::OnStart;
  events.endElementNs = StreamState::OnEnd;
  xmlSchemaSetValidStructuredErrors(state.validation, StreamState::OnValidationError, &state);
  // Takes the buffer; its parser neither loads a DTD nor resolves external entities, as
  // the handlers above do not ask for them.
  const int outcome = xmlSchemaValidateStream(state.validation, buffer, XML_CHAR_ENCODING_NONE, &events, &state);
  xmlSchemaFreeValidCtxt(state.validation);
  // The validator's parser keeps its faults to itself: a second, plain pass over a text
  // that failed tells whether it was well-formed, and where not.
  if (outcome != 0) ReadDocument(bytes, "report.xml", state.sink, false);
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
