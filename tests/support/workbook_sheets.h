#pragma once
// The worksheets of a written workbook as markup pieces, for tests that follow a table
// across the sheets it was continued on.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orsvelt::test {

struct SheetPieces {
  std::string name;
  std::string options;               // the WorksheetOptions block; empty without
  std::vector<std::string> columns;  // each <Column> as markup
  std::vector<std::string> rows;     // each <Row> as markup
  std::size_t reach = 0;             // the last row a row or a cell merged down covers
};

// Takes the Windows-1251 bytes of a well-formed workbook; the sheets in their order.
std::vector<SheetPieces> WorkbookSheets(std::string_view cp1251Bytes);

// A sheet of a table that may be continued, and its heading rows.
struct ContinuedSheet {
  std::string name;
  std::size_t headingRows;
};

// Compares a workbook written with a lowered row limit with the same protocol written on
// single sheets. Empty when every other sheet is the same, and each of the tables was
// continued as needed: sheets "<name> (2)", ... right after "<name>", each with the same
// options (unselected after the first), columns and heading rows, none reaching (with
// merged cells) over rowLimit,
// one sheet exactly when the rows fit on one, and together the same rows after the headings.
// Otherwise the first difference.
std::string CompareContinued(std::string_view singleSheets, std::string_view continued, std::size_t rowLimit,
                             const std::vector<ContinuedSheet>& tables);

}  // namespace orsvelt::test
