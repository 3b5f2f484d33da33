#include "analysis/format_control/format_control.h"

#include <algorithm>
#include <fstream>
#include <future>
#include <iterator>
#include <system_error>

#include "xml/codepage.h"
#include "xml/path_text.h"
#include "xml/xml_declaration.h"

namespace orsvelt {

namespace {

std::string FileStem(std::string_view fileName) {
  const auto slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
  if (fileName.size() >= 4) {
    std::string extension(fileName.substr(fileName.size() - 4));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".xml") fileName.remove_suffix(4);
  }
  return std::string(fileName);
}

// How much of a report's start ReportFormVersion reads.
constexpr std::size_t kVersionHeadBytes = 64 * 1024;

// As XML reads it, and libxml2 with it: a text without a declared encoding is UTF-8.
bool ReadsAsUtf8(std::string_view bytes) { return IsUtf8Text(bytes) || DeclaredEncoding(bytes).empty(); }

// The rules' part of a check: the report's tree in pugixml, then one walk over it.
std::vector<FormatFinding> CheckRules(const EmbeddedRules& rules, std::string_view bytes,
                                      std::string_view fileName) {
  std::string text = ReadsAsUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed =
      doc.load_buffer_inplace(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    return {MakeFinding(FormatFindingKind::kInfo, "Правила схемы не проверялись",
                        std::string("Текст расчёта не разбирается: ") + parsed.description() + ".")};
  }
  return rules.Check(doc, text, FileStem(fileName));
}

}  // namespace

std::unique_ptr<FormatSchema> FormatSchema::Load(const std::filesystem::path& file, std::string& error) {
  std::unique_ptr<FormatSchema> schema(new FormatSchema());
  schema->file_ = file;
  schema->xsd_ = XsdSchema::Load(file, error);
  if (!schema->xsd_) return nullptr;
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!IsUtf8Text(bytes)) bytes = Cp1251ToUtf8(bytes);
  pugi::xml_document doc;
  if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8)) {
    error = "файл схемы " + PathToUtf8(file) + " не читается";
    return nullptr;
  }
  schema->rules_ = std::make_unique<EmbeddedRules>(ReadSchemaPatterns(doc));
  return schema;
}

FormatControlResult FormatSchema::Check(std::string_view bytes, std::string_view fileName) const {
  FormatControlResult result;
  result.done = true;
  result.schema = file_;
  std::future<std::vector<FormatFinding>> schemaPart;
  try {
    schemaPart = std::async(std::launch::async, [this, bytes] { return xsd_->Validate(bytes); });
  } catch (const std::system_error&) {
    // No thread to spare: the schema runs after the rules below.
  }
  std::vector<FormatFinding> rulePart = CheckRules(*rules_, bytes, fileName);
  result.findings = schemaPart.valid() ? schemaPart.get() : xsd_->Validate(bytes);
  // Well-formedness is the schema part's to report; the rules then have nothing to add.
  const bool notWellFormed = std::any_of(result.findings.begin(), result.findings.end(),
                                         [](const FormatFinding& f) { return f.title == kNotWellFormedTitle; });
  if (!notWellFormed) {
    result.findings.insert(result.findings.end(), std::make_move_iterator(rulePart.begin()),
                           std::make_move_iterator(rulePart.end()));
  }
  return result;
}

std::string ReportFormVersion(std::string_view bytes) {
  // The root's attributes come before its first child: the head of the file is enough.
  const std::string_view head = bytes.substr(0, kVersionHeadBytes);
  const std::string text = ReadsAsUtf8(bytes) ? std::string(head) : Cp1251ToUtf8(head);
  const std::string_view name = "ВерсФорм";
  std::size_t at = 0;
  while ((at = text.find(name, at)) != std::string::npos) {
    std::size_t i = at + name.size();
    at = i;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    if (i >= text.size() || text[i] != '=') continue;
    ++i;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) continue;
    const auto close = text.find(text[i], i + 1);
    if (close == std::string::npos) return {};
    return text.substr(i + 1, close - i - 1);
  }
  return {};
}

std::shared_ptr<const FormatSchema> FormatControl::SchemaFor(const std::string& version, std::string& failure) {
  std::lock_guard lock(mutex_);
  if (const auto it = schemas_.find(version); it != schemas_.end()) return it->second;
  if (const auto it = failures_.find(version); it != failures_.end()) {
    failure = it->second;
    return nullptr;
  }
  const SchemaLocation location = LocateSchema(search_, version);
  std::shared_ptr<const FormatSchema> schema;
  if (location.file.empty()) {
    failure = location.failure;
  } else {
    schema = FormatSchema::Load(location.file, failure);
  }
  if (schema) {
    schemas_[version] = schema;
  } else {
    failures_[version] = failure;
  }
  return schema;
}

FormatControlResult FormatControl::Check(const std::filesystem::path& report) {
  const auto unreadable = [&] { return FormatControlNotDone("файл " + PathToUtf8(report) + " не читается."); };
  std::ifstream in(report, std::ios::binary);
  if (!in.is_open()) return unreadable();
  // The head names the version; the whole text is read only when a schema will check it,
  // and then into storage of its size, since the analysis still holds its records.
  std::string bytes(kVersionHeadBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return unreadable();
  if (in) {
    const bool declarationEnds = bytes.substr(0, 5) != "<?xml" || bytes.find("?>") != std::string::npos;
    const std::string version = declarationEnds ? ReportFormVersion(bytes) : std::string();
    std::string failure;
    if (declarationEnds && (version.empty() || !SchemaFor(version, failure)))
      return Check(bytes, PathToUtf8(report.filename()));
    std::error_code ec;
    const auto size = std::filesystem::file_size(report, ec);
    if (!ec && size > bytes.size()) {
      const std::size_t head = bytes.size();
      bytes.resize(static_cast<std::size_t>(size));
      in.read(bytes.data() + head, static_cast<std::streamsize>(size - head));
      bytes.resize(head + static_cast<std::size_t>(in.gcount()));
    }
    // A file that grew since its size was taken is read to its end, as before.
    if (!in.bad() && in) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return unreadable();
  }
  return Check(bytes, PathToUtf8(report.filename()));
}

PendingFormatControl FormatControl::Begin(const std::filesystem::path& report) {
  const auto check = [this, report] { return Check(report); };
  try {
    return PendingFormatControl(std::async(std::launch::async, check));
  } catch (const std::system_error&) {
    return PendingFormatControl(std::async(std::launch::deferred, check));
  }
}

FormatControlResult FormatControl::Check(std::string_view bytes, std::string_view fileName) {
  const std::string version = ReportFormVersion(bytes);
  if (version.empty()) return FormatControlNotDone("в расчёте не указана версия формата (ВерсФорм).");
  std::string failure;
  const auto schema = SchemaFor(version, failure);
  if (!schema) return FormatControlNotDone(failure + ".");
  return schema->Check(bytes, fileName);
}

}  // namespace orsvelt
