#include "xml/xml_declaration.h"

#include "xml/stringfuncs.h"

namespace orsvelt {

namespace {

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

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

bool IsUtf8Text(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return true;
  const std::string declared = AsciiLower(DeclaredEncoding(bytes));
  return declared == "utf-8" || declared == "utf8";
}

}  // namespace orsvelt
