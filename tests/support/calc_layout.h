#pragma once
// What a SpreadsheetML protocol needs beyond opening without repair to read right in Calc:
// columns that name their index, a number format on every style, amount columns wide
// enough for any amount.

#include <string>
#include <string_view>

namespace orsvelt::test {

// Points the widest amount a cell can show needs in a bold style: the text of the smallest
// Amount in DejaVu Sans Bold 10 (the widest default font of Calc) and the cell's margins.
double WidestBoldAmountWidth();

// Takes the Windows-1251 bytes of a workbook that CheckWorkbook accepts. Empty when every
// <Column> carries ss:Index, every style has the money format or the format "General", and
// every column holding a cell of a money style (not merged across) is declared at least
// WidestBoldAmountWidth wide. Otherwise a description of the first problem.
std::string CheckCalcLayout(std::string_view cp1251Bytes);

}  // namespace orsvelt::test
