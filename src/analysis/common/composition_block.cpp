#include "analysis/common/composition_block.h"

#include "markup/workbook_cells.h"
#include "markup/worksheet.h"

namespace orsvelt {

void CompositionSheetOpen(ProtocolWriter& out) {
  WorksheetOpen(out, "Состав");
  WorksheetOptions(out, FrozenPanes::TopRows2);
  TableOpen(out, {600, 100, 600});
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 2}, "Состав формы");
  RowOpen(out);
  for (std::string_view caption : kCompositionCaptions)
    StringCell(out, {.style = CellStyle::CellHeaderCenter}, caption);
  RowClose(out);
}

}  // namespace orsvelt
