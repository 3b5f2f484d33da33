#include "xml/xmlwork.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>

#include "xml/codepage.h"

namespace orsvelt {

namespace {

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The value of encoding="..." in a declaration at the start of the bytes, or empty.
std::string DeclaredEncoding(std::string_view bytes) {
  if (bytes.substr(0, 5) != "<?xml") return {};
  const auto end = bytes.find("?>");
  if (end == std::string_view::npos) return {};
  std::string_view decl = bytes.substr(5, end - 5);
  const auto key = decl.find("encoding");
  if (key == std::string_view::npos) return {};
  std::size_t i = key + 8;
  while (i < decl.size() && IsXmlBlank(decl[i])) ++i;
  if (i >= decl.size() || decl[i] != '=') return {};
  ++i;
  while (i < decl.size() && IsXmlBlank(decl[i])) ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
  const char quote = decl[i++];
  const auto close = decl.find(quote, i);
  if (close == std::string_view::npos) return {};
  return std::string(decl.substr(i, close - i));
}

const char* StatusText(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory: return "недостаточно памяти для разбора файла";
    case pugi::status_unrecognized_tag: return "неизвестная конструкция разметки";
    case pugi::status_bad_pi: return "ошибка в объявлении XML или инструкции обработки";
    case pugi::status_bad_comment: return "ошибка в комментарии";
    case pugi::status_bad_cdata: return "ошибка в секции CDATA";
    case pugi::status_bad_doctype: return "ошибка в объявлении типа документа";
    case pugi::status_bad_pcdata: return "ошибка в тексте элемента";
    case pugi::status_bad_start_element: return "ошибка в открывающем теге";
    case pugi::status_bad_attribute: return "ошибка в атрибуте";
    case pugi::status_bad_end_element: return "ошибка в закрывающем теге";
    case pugi::status_end_element_mismatch: return "закрывающий тег не соответствует открывающему или отсутствует";
    case pugi::status_no_document_element: return "в файле нет корневого элемента";
    default: return "файл не является правильным XML-документом";
  }
}

// 1-based line and column (in characters) of a byte offset into UTF-8 text.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

// True when c occurs in the bytes right after a '<'; c is one of the rare marks ('!', '?'),
// so scanning for it is cheaper than scanning for '<'.
bool HasTagStartingWith(std::string_view bytes, char c) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p))));
       ++p)
    if (p > begin && p[-1] == '<') return true;
  return false;
}

// The bytes with the contents of every element `name` cut out (its start tag and end tag
// kept), or nothing when nothing was cut or a plain scan cannot cut safely: a comment,
// CDATA or a processing instruction after the declaration may hide a tag, and an element
// that is not closed has no end to cut to.
std::optional<std::string> WithoutContentsOf(std::string_view bytes, std::string_view name) {
  std::size_t declarationEnd = 0;
  if (bytes.substr(0, 2) == "<?") {
    declarationEnd = bytes.find("?>");
    if (declarationEnd == std::string_view::npos) return std::nullopt;
    declarationEnd += 2;
  }
  if (HasTagStartingWith(bytes, '!') || HasTagStartingWith(bytes.substr(declarationEnd), '?')) return std::nullopt;

  const std::string open = "<" + std::string(name);
  const std::string close = "</" + std::string(name);
  const std::boyer_moore_horspool_searcher openTag(open.begin(), open.end());
  const std::boyer_moore_horspool_searcher closeTag(close.begin(), close.end());
  const auto offsetOf = [&](std::size_t from, const auto& searcher) {
    const auto found = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), searcher);
    return found == bytes.end() ? std::string_view::npos : static_cast<std::size_t>(found - bytes.begin());
  };

  std::string out;
  std::size_t pos = 0;
  bool cut = false;
  for (std::size_t start; (start = offsetOf(pos, openTag)) != std::string_view::npos;) {
    const std::size_t after = start + open.size();
    if (after >= bytes.size()) break;
    const char next = bytes[after];
    if (!IsXmlBlank(next) && next != '>' && next != '/') {  // a longer name that begins alike
      out.append(bytes, pos, after - pos);
      pos = after;
      continue;
    }
    const std::size_t tagEnd = bytes.find('>', after);
    if (tagEnd == std::string_view::npos) break;
    out.append(bytes, pos, tagEnd + 1 - pos);
    pos = tagEnd + 1;
    if (bytes[tagEnd - 1] == '/') continue;  // empty element
    const std::size_t end = offsetOf(pos, closeTag);
    if (end == std::string_view::npos) return std::nullopt;
    cut = cut || end > pos;
    pos = end;
  }
  if (!cut) return std::nullopt;
  out.append(bytes, pos);
  return out;
}

}  // namespace

std::size_t TXMLElement::AttributeCount() const {
  std::size_t n = 0;
  for (auto a = node_.first_attribute(); a; a = a.next_attribute()) ++n;
  return n;
}

std::size_t TXMLElement::ChildCount() const {
  std::size_t n = 0;
  for (auto it = Children().begin(); it != Children().end(); ++it) ++n;
  return n;
}

TXMLFile::TXMLFile() = default;
TXMLFile::~TXMLFile() = default;

bool TXMLFile::LoadFromFile(const std::filesystem::path& path) {
  bytes_.clear();
  error_.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error_ = "Указанный путь является папкой, а не файлом.";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error_ = "Файл не открывается для чтения.";
    return false;
  }
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || !in) {
    error_ = "Файл не читается.";
    return false;
  }
  bytes_.resize(static_cast<std::size_t>(size));
  in.read(bytes_.data(), size);
  if (in.gcount() != size) {
    bytes_.clear();
    error_ = "Файл не читается.";
    return false;
  }
  return true;
}

void TXMLFile::LoadFromBytes(std::string bytes) {
  bytes_ = std::move(bytes);
  error_.clear();
}

bool TXMLFile::Parse() { return ParseText({}); }

bool TXMLFile::ParseWithoutContentsOf(std::string_view elementName) {
  return ParseText(elementName) || (!bytes_.empty() && ParseText({}));
}

// With `skipped` set, the bytes are kept until the shortened text has parsed, for the
// whole-text parse that takes over when it does not.
bool TXMLFile::ParseText(std::string_view skipped) {
  parsed_ = false;
  doc_.reset();
  text_.clear();
  error_.clear();

  std::string_view bytes = bytes_;
  bool utf8 = false;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    bytes.remove_prefix(3);
    utf8 = true;
  }
  while (!bytes.empty() && IsXmlBlank(bytes.front())) bytes.remove_prefix(1);
  if (bytes.empty()) {
    error_ = "Файл пуст.";
    return false;
  }
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    error_ = "Файл записан в кодировке UTF-16, которая для расчётов не применяется.";
    return false;
  }

  const std::string declared = Lower(DeclaredEncoding(bytes));
  if (!utf8 && !declared.empty()) {
    if (declared == "utf-8" || declared == "utf8") {
      utf8 = true;
    } else if (declared != "windows-1251" && declared != "cp1251" && declared != "cp-1251") {
      error_ = "Кодировка файла «" + Cp1251ToUtf8(DeclaredEncoding(bytes)) +
               "» не поддерживается: расчёт должен быть в кодировке windows-1251 или UTF-8.";
      return false;
    }
  }
  std::string shortened;
  if (!skipped.empty()) {
    const std::string name = utf8 ? std::string(skipped) : Utf8ToCp1251(skipped);
    std::optional<std::string> cut = WithoutContentsOf(bytes, name);
    if (!cut) return ParseText({});
    shortened = std::move(*cut);
    bytes = shortened;
  }
  if (utf8) {
    if (!IsValidUtf8(bytes)) {
      error_ = "Файл объявлен в кодировке UTF-8, но содержит байты, недопустимые в ней.";
      return false;
    }
    text_.assign(bytes);
  } else {
    text_ = Cp1251ToUtf8(bytes);
  }
  shortened = {};
  if (skipped.empty()) ReleaseBytes();

  // Entities stay raw in the tree: the model decodes what it copies.
  const unsigned options = (pugi::parse_default | pugi::parse_declaration) & ~pugi::parse_escapes;
  const pugi::xml_parse_result result =
      doc_.load_buffer_inplace(text_.data(), text_.size(), options, pugi::encoding_utf8);
  if (!result) {
    const auto [line, column] = LineAndColumn(text_, static_cast<std::size_t>(result.offset));
    error_ = "Строка " + std::to_string(line) + ", позиция " + std::to_string(column) + ": " +
             StatusText(result.status) + ".";
    doc_.reset();
    return false;
  }
  if (!doc_.document_element()) {
    error_ = std::string("Строка 1, позиция 1: ") + StatusText(pugi::status_no_document_element) + ".";
    doc_.reset();
    return false;
  }
  if (!skipped.empty()) ReleaseBytes();
  parsed_ = true;
  return true;
}

void TXMLFile::ReleaseBytes() {
  bytes_.clear();
  bytes_.shrink_to_fit();
}

TXMLAttrArr TXMLFile::Declaration() const {
  TXMLAttrArr out;
  for (pugi::xml_node n = doc_.first_child(); n; n = n.next_sibling()) {
    if (n.type() != pugi::node_declaration) continue;
    for (auto a = n.first_attribute(); a; a = a.next_attribute()) out.push_back({a.name(), a.value()});
    break;
  }
  return out;
}

TXMLElement TXMLFile::Root() const {
  return parsed_ ? TXMLElement(doc_.document_element()) : TXMLElement();
}

}  // namespace orsvelt
