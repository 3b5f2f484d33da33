// A table continued over further worksheets: where it breaks at the exact boundary, what
// each sheet repeats, and the names of the continued sheets.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "markup/continued_table.h"
#include "markup/markup_test_lines.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "support/workbook_check.h"
#include "support/workbook_sheets.h"

namespace orsvelt {
namespace {

using test::SheetPieces;
using test::WorkbookSheets;
using test::WrittenBytes;

// A workbook of one table, "Лица", with two heading rows and blocks of the given numbers
// of rows, each block's first cell merged down over the block as a person's name is.
std::string TableBook(const std::vector<long>& blocks, long rowLimit) {
  return WrittenBytes([&](ProtocolWriter& out) {
    WorkbookOpen(out);
    ContinuedTable table(out,
                         {.name = "Лица",
                          .panes = FrozenPanes::TopRows2,
                          .columnWidths = {50, 300},
                          .headingRows = 2,
                          .headingWriter =
                              [](ProtocolWriter& out) {
                                StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 1}, "Заголовок");
                                StringCellRow(out, {.style = CellStyle::CellHeaderCenter}, "ФИО");
                              }},
                         {.rows = rowLimit});
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      table.Block(blocks[b]);
      for (long r = 0; r < blocks[b]; ++r) {
        RowOpen(out);
        const std::string text = std::to_string(b) + "." + std::to_string(r);
        if (r == 0)
          StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = static_cast<int>(blocks[b] - 1)}, text);
        else
          StringCell(out, {.index = 2, .style = CellStyle::BorderedText}, text);
        RowClose(out);
      }
    }
    table.Close();
    WorkbookClose(out);
  });
}

std::vector<std::size_t> RowCounts(const std::vector<SheetPieces>& sheets) {
  std::vector<std::size_t> counts;
  for (const SheetPieces& sheet : sheets) counts.push_back(sheet.rows.size());
  return counts;
}

TEST(ContinuedTable, BreaksExactlyAtTheLimitAndNeverInsideABlock) {
  struct Case {
    std::vector<long> blocks;
    long limit;
    std::vector<std::size_t> rowsPerSheet;
  };
  const Case cases[] = {
      {{1, 1, 1}, 5, {5}},              // exactly the limit: one sheet
      {{1, 1, 1, 1}, 5, {5, 3}},        // one row more: a second sheet with the headings again
      {{2, 3}, 6, {4, 5}},              // the block of three would straddle: it moves whole
      {{2, 2}, 6, {6}},                 // two blocks filling the sheet to its last row
      {{3, 3, 3, 3, 3}, 8, {8, 8, 5}},  // three sheets
      {{9}, 5, {11}},                   // longer than a sheet: on its own, not split
      {{1, 9, 1}, 5, {3, 11, 3}},
  };
  for (const Case& c : cases) {
    const std::string book = TableBook(c.blocks, c.limit);
    const std::vector<SheetPieces> sheets = WorkbookSheets(book);
    EXPECT_EQ(RowCounts(sheets), c.rowsPerSheet) << c.limit;
    // Every block's merged cell ends on the sheet it starts on.
    const bool fits = c.rowsPerSheet == RowCounts(sheets) &&
                      std::all_of(sheets.begin(), sheets.end(), [&](const SheetPieces& s) {
                        return static_cast<long>(s.rows.size()) <= c.limit;
                      });
    EXPECT_EQ(CheckWorkbook(book, {.rows = c.limit}) == "", fits) << CheckWorkbook(book, {.rows = c.limit});
    EXPECT_EQ(CheckWorkbook(book), "");
  }
}

TEST(ContinuedTable, EachSheetRepeatsColumnsHeadingsAndOptionsUnselected) {
  const std::vector<SheetPieces> sheets = WorkbookSheets(TableBook({2, 2, 2, 2}, 6));
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].name, "Лица");
  EXPECT_EQ(sheets[1].name, "Лица (2)");
  EXPECT_EQ(sheets[1].columns, sheets[0].columns);
  ASSERT_EQ(sheets[0].columns.size(), 2u);
  EXPECT_EQ(std::vector(sheets[1].rows.begin(), sheets[1].rows.begin() + 2),
            std::vector(sheets[0].rows.begin(), sheets[0].rows.begin() + 2));
  EXPECT_NE(sheets[1].rows[2].find(">2.0<"), std::string::npos);
  // The frozen panes again, but only the first sheet selected: Excel groups selected sheets.
  EXPECT_NE(sheets[0].options.find("<Selected"), std::string::npos);
  EXPECT_EQ(sheets[1].options.find("<Selected"), std::string::npos);
  EXPECT_NE(sheets[1].options.find("<SplitHorizontal>2</SplitHorizontal>"), std::string::npos);
}

TEST(ContinuedSheetName, StaysAValidSheetName) {
  EXPECT_EQ(ContinuedSheetName("Талмуд НИ", 1), "Талмуд НИ");
  EXPECT_EQ(ContinuedSheetName("Талмуд НИ", 2), "Талмуд НИ (2)");
  EXPECT_EQ(ContinuedSheetName("ОМС-ОСС расчётно", 12), "ОМС-ОСС расчётно (12)");
  // 31 characters at most, counted in characters, not bytes; shortened the same way each time.
  const std::string longName = "Сведения по застрахованным лицам нарастающим итогом";
  EXPECT_EQ(ContinuedSheetName(longName, 1), "Сведения по застрахованным лица");
  EXPECT_EQ(ContinuedSheetName(longName, 2), "Сведения по застрахованным (2)");
  EXPECT_EQ(ContinuedSheetName(longName, 100), "Сведения по застрахованны (100)");
  EXPECT_EQ(ContinuedSheetName("Лист: [1/2]?*\\", 3), "Лист_ _1_2____ (3)");
  EXPECT_EQ(ContinuedSheetName("'Лист'", 1), "_Лист");
  EXPECT_EQ(ContinuedSheetName("'Лист'", 2), "_Лист' (2)");

  // Whatever the base, the names pass the workbook checker, unique within a table.
  for (const std::string& base : {longName, std::string("'Лист: [1/2]?*\\'"), std::string(40, 'x')}) {
    const std::string book = WrittenBytes([&](ProtocolWriter& out) {
      WorkbookOpen(out);
      for (std::size_t k = 1; k <= 120; ++k) {
        WorksheetOpen(out, ContinuedSheetName(base, k));
        TableOpen(out, {50});
        WorksheetClose(out);
      }
      WorkbookClose(out);
    });
    EXPECT_EQ(CheckWorkbook(book), "") << base;
  }
}

}  // namespace
}  // namespace orsvelt
