#include "support/markup_check_support.h"

#include <cstdint>
#include <cstring>

namespace orsvelt {
namespace {

bool IsAllowedCodePoint(std::uint32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  if (c == 0xFFFE || c == 0xFFFF) return false;
  return c <= 0x10FFFF;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsAsciiDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Problem with the reference that starts at text[at] == '&', or empty. Sets end past ';'.
std::string CheckReference(std::string_view text, std::size_t at, EntityNames names, std::size_t& end) {
  const std::size_t semicolon = text.find(';', at + 1);
  // Real references are short; a far semicolon means a bare "&".
  if (semicolon == std::string_view::npos || semicolon - at > 40) return "\"&\" that starts no reference";
  const std::string_view body = text.substr(at + 1, semicolon - at - 1);
  end = semicolon + 1;
  if (body.empty()) return "\"&;\" is no reference";
  if (body[0] == '#') {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return "numeric reference without digits";
    std::uint64_t value = 0;
    for (char c : digits) {
      const int digit = hex ? HexValue(c) : (IsAsciiDigit(c) ? c - '0' : -1);
      if (digit < 0) return "malformed numeric reference \"&" + std::string(body) + ";\"";
      value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
      if (value > 0x10FFFF) return "numeric reference beyond Unicode \"&" + std::string(body) + ";\"";
    }
    if (!IsAllowedCodePoint(static_cast<std::uint32_t>(value)))
      return "reference to a character XML cannot carry \"&" + std::string(body) + ";\"";
    return {};
  }
  if (!IsAsciiLetter(body[0])) return "\"&\" that starts no reference";
  for (char c : body)
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c)) return "\"&\" that starts no reference";
  if (names == EntityNames::XmlOnly && body != "amp" && body != "lt" && body != "gt" && body != "quot" &&
      body != "apos")
    return "entity \"&" + std::string(body) + ";\" that XML does not define";
  return {};
}

}  // namespace

std::string TextPosition(std::string_view text, std::size_t offset) {
  if (offset > text.size()) offset = text.size();
  std::size_t line = 1;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

std::string ParseMarkup(std::string_view utf8, pugi::xml_document& document) {
  // As a fragment, so that text after the root element stays visible to CheckSingleRoot;
  // without decoding references, so that a raw "<" in an attribute value stays visible to
  // CheckAttributes (pugixml accepts both).
  const unsigned options = (pugi::parse_default | pugi::parse_fragment) & ~pugi::parse_escapes;
  const pugi::xml_parse_result result = document.load_buffer(utf8.data(), utf8.size(), options, pugi::encoding_utf8);
  if (result) return {};
  return "not well-formed at " + TextPosition(utf8, static_cast<std::size_t>(result.offset)) + ": " +
         result.description();
}

std::string CheckReferencesAndCharacters(std::string_view utf8, EntityNames names) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte == '&') {
      std::size_t end = i + 1;
      const std::string problem = CheckReference(utf8, i, names, end);
      if (!problem.empty()) return problem + " at " + TextPosition(utf8, i);
      i = end;
    } else if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') {
      return "control character " + std::to_string(byte) + " at " + TextPosition(utf8, i);
    } else if (byte == 0xEF && i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0xBF &&
               (static_cast<unsigned char>(utf8[i + 2]) & 0xFE) == 0xBE) {
      return "non-character U+FFFE or U+FFFF at " + TextPosition(utf8, i);
    } else {
      ++i;
    }
  }
  return {};
}

std::string CheckSingleRoot(const pugi::xml_document& document, std::string_view name) {
  int elements = 0;
  for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
    if (node.type() == pugi::node_element) {
      if (++elements > 1) return "more than one root element";
    } else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
      return "text outside the root element";
    }
  }
  const pugi::xml_node root = document.document_element();
  if (!root) return "no root element";
  if (name != root.name()) return "root element is <" + std::string(root.name()) + ">, not <" + std::string(name) + ">";
  return {};
}

std::string CheckAttributes(const pugi::xml_node& root) {
  for (pugi::xml_node node = root; node;) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
      if (std::strchr(a.value(), '<'))
        return "element <" + std::string(node.name()) + "> has a raw \"<\" in attribute " + a.name();
      for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute())
        if (std::strcmp(a.name(), b.name()) == 0)
          return "element <" + std::string(node.name()) + "> carries attribute " + a.name() + " twice";
    }
    // Depth-first walk without recursion: a deep document must not exhaust the stack.
    if (pugi::xml_node child = node.first_child()) {
      node = child;
      continue;
    }
    while (node && node != root && !node.next_sibling()) node = node.parent();
    if (!node || node == root) break;
    node = node.next_sibling();
  }
  return {};
}

}  // namespace orsvelt
