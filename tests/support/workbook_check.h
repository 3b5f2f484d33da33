#pragma once
// Checks that a written workbook will open without repair: for the tests and the fuzzers
// of the workbook writers.

#include <string>
#include <string_view>

#include "markup/worksheet.h"

namespace orsvelt {

// Takes the Windows-1251 bytes of a SpreadsheetML protocol. Empty when the workbook is
// well-formed XML (only the five XML entities, no characters XML cannot carry), has the
// root Workbook, rows only in tables and cells only in rows, columns before the rows and
// each after the one before it, a declared ss:ExpandedRowCount and ss:ExpandedColumnCount
// that hold the table, no attribute twice, only defined styles, valid and unique
// worksheet names, numbers in Number cells, and when in each worksheet no cell placed by
// ss:Index and no merged area (ss:MergeAcross, ss:MergeDown) overlaps another. Otherwise
// a description of the first problem. No worksheet may go beyond limits (the programs' own
// limits unless a test lowers them).
std::string CheckWorkbook(std::string_view cp1251Bytes, const SheetLimits& limits = {});

}  // namespace orsvelt
