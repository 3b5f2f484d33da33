#include "support/workbook_sheets.h"

#include <sstream>

#include <pugixml.hpp>

#include "xml/codepage.h"

namespace orsvelt::test {
namespace {

std::string Markup(const pugi::xml_node& node) {
  std::ostringstream text;
  node.print(text, "", pugi::format_raw);
  return text.str();
}

}  // namespace

std::vector<SheetPieces> WorkbookSheets(std::string_view cp1251Bytes) {
  const std::string text = Cp1251ToUtf8(cp1251Bytes);
  pugi::xml_document document;
  document.load_buffer(text.data(), text.size());
  std::vector<SheetPieces> sheets;
  for (pugi::xml_node sheet : document.document_element().children("Worksheet")) {
    SheetPieces& pieces = sheets.emplace_back();
    pieces.name = sheet.attribute("ss:Name").value();
    if (pugi::xml_node options = sheet.child("WorksheetOptions")) pieces.options = Markup(options);
    for (pugi::xml_node column : sheet.child("Table").children("Column")) pieces.columns.push_back(Markup(column));
    for (pugi::xml_node row : sheet.child("Table").children("Row")) pieces.rows.push_back(Markup(row));
  }
  return sheets;
}

}  // namespace orsvelt::test
