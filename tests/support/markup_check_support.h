#pragma once
// Checks shared by the workbook and page checkers: things an XML parser like pugixml lets
// through but a spreadsheet program or a strict parser refuses.

#include <cstddef>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace orsvelt {

// "line L, column C" of a byte offset (1-based).
std::string TextPosition(std::string_view text, std::size_t offset);

// Parses UTF-8 text; empty when pugixml accepts it, otherwise where and why not. Values
// keep their references undecoded.
std::string ParseMarkup(std::string_view utf8, pugi::xml_document& document);

// Which named entities a reference may use.
enum class EntityNames {
  XmlOnly,  // amp lt gt quot apos
  Any,      // any name (HTML: &nbsp;)
};

// Every "&" starts a reference of the allowed kind ending in ";", a numeric reference
// names a character XML can carry, and no control character other than tab, CR and LF
// stands in the text. Empty when so.
std::string CheckReferencesAndCharacters(std::string_view utf8, EntityNames names);

// The document holds exactly one element, named name, and no text beside it. Empty when so.
std::string CheckSingleRoot(const pugi::xml_document& document, std::string_view name);

// Parsed by ParseMarkup: no element below root (root included) carries the same attribute
// twice or a raw "<" in an attribute value. Empty when so.
std::string CheckAttributes(const pugi::xml_node& root);

}  // namespace orsvelt
