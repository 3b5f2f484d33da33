#include "support/workbook_sheets.h"

#include <algorithm>
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
    for (pugi::xml_node row : sheet.child("Table").children("Row")) {
      pieces.rows.push_back(Markup(row));
      std::size_t reach = pieces.rows.size();
      for (pugi::xml_node cell : row.children("Cell"))
        reach = std::max(reach, pieces.rows.size() + cell.attribute("ss:MergeDown").as_uint());
      pieces.reach = std::max(pieces.reach, reach);
    }
  }
  return sheets;
}

std::string CompareContinued(std::string_view singleSheets, std::string_view continued, std::size_t rowLimit,
                             const std::vector<ContinuedSheet>& tables) {
  const std::vector<SheetPieces> whole = WorkbookSheets(singleSheets);
  const std::vector<SheetPieces> parts = WorkbookSheets(continued);
  std::size_t p = 0;
  for (const SheetPieces& sheet : whole) {
    const auto table = std::find_if(tables.begin(), tables.end(), [&](const ContinuedSheet& t) { return t.name == sheet.name; });
    if (table == tables.end()) {
      if (p >= parts.size() || parts[p].name != sheet.name || parts[p].rows != sheet.rows ||
          parts[p].columns != sheet.columns || parts[p].options != sheet.options)
        return "sheet \"" + sheet.name + "\" differs";
      ++p;
      continue;
    }
    const std::size_t heading = table->headingRows;
    std::vector<std::string> body;
    std::size_t k = 1;
    for (; p < parts.size(); ++k, ++p) {
      const SheetPieces& part = parts[p];
      const std::string expected = k == 1 ? sheet.name : sheet.name + " (" + std::to_string(k) + ")";
      if (part.name != expected) {
        if (k == 1) return "sheet \"" + sheet.name + "\" missing";
        break;
      }
      const std::string where = "sheet \"" + part.name + "\": ";
      if (part.columns != sheet.columns) return where + "other columns";
      std::string options = sheet.options;
      if (k > 1)
        if (const std::size_t at = options.find("<Selected"); at != std::string::npos)
          options.erase(at, options.find('>', at) + 1 - at);
      if (part.options != options) return where + "other options";
      if (part.rows.size() < heading ||
          !std::equal(sheet.rows.begin(), sheet.rows.begin() + static_cast<std::ptrdiff_t>(heading), part.rows.begin()))
        return where + "other heading rows";
      if (part.rows.size() == heading) return where + "only the headings";
      if (part.reach > rowLimit) return where + "reaches row " + std::to_string(part.reach);
      body.insert(body.end(), part.rows.begin() + static_cast<std::ptrdiff_t>(heading), part.rows.end());
    }
    if (!std::equal(body.begin(), body.end(), sheet.rows.begin() + static_cast<std::ptrdiff_t>(heading),
                    sheet.rows.end()))
      return "the rows of \"" + sheet.name + "\" differ from those on one sheet";
    const bool oneSheet = sheet.rows.size() <= rowLimit;
    if (oneSheet != (k == 2))
      return "\"" + sheet.name + "\" of " + std::to_string(sheet.rows.size()) + " rows " +
             (oneSheet ? "continued" : "not continued") + " at a limit of " + std::to_string(rowLimit);
  }
  if (p != parts.size()) return "sheet \"" + parts[p].name + "\" in excess";
  return {};
}

}  // namespace orsvelt::test
