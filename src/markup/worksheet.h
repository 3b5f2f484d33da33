#pragma once
// Opening and closing of SpreadsheetML worksheets, with their frozen-pane options.

#include <string_view>
#include <vector>

#include "markup/protocol_writer.h"

namespace orsvelt {

// What a worksheet holds at most in Excel and LibreOffice Calc; lowered only by tests.
struct SheetLimits {
  long rows = 1048576;
  long columns = 16384;
};

// The WorksheetOptions blocks of the protocols, each fixed line by line.
enum class FrozenPanes {
  TopRows2,                    // two heading rows frozen, sheet selected
  TopRows3,                    // three heading rows
  TopRows4LeftCols6,           // persons of a 5.02 report: four rows and six columns
  TopRows4LeftCols4,           // four rows and four columns, sheet selected
  TopRows4LeftCols4Unselected, // the same without <Selected/>
};

// <Worksheet ss:Name="name" ...>, the name escaped.
void WorksheetOpen(ProtocolWriter& out, std::string_view name);
// The options block, from "  <WorksheetOptions ...>" to "  </WorksheetOptions>".
// Without selected, the block leaves out <Selected/> (a sheet selected with another makes
// Excel open them grouped, so that an edit goes to both).
void WorksheetOptions(ProtocolWriter& out, FrozenPanes panes, bool selected = true);
// "<Table ...>" and one "<Column ss:Index="n" ss:Width="w" />" line per width, from column 1 on.
void TableOpen(ProtocolWriter& out, const std::vector<int>& columnWidths);
// "  </Table>" and " </Worksheet>".
void WorksheetClose(ProtocolWriter& out);

}  // namespace orsvelt
