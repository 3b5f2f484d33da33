#pragma once
// The worksheets of a written workbook as markup pieces, for tests that follow a table
// across the sheets it was continued on.

#include <string>
#include <string_view>
#include <vector>

namespace orsvelt::test {

struct SheetPieces {
  std::string name;
  std::string options;               // the WorksheetOptions block; empty without
  std::vector<std::string> columns;  // each <Column> as markup
  std::vector<std::string> rows;     // each <Row> as markup
};

// Takes the Windows-1251 bytes of a well-formed workbook; the sheets in their order.
std::vector<SheetPieces> WorkbookSheets(std::string_view cp1251Bytes);

}  // namespace orsvelt::test
