#pragma once
// The frame of every SpreadsheetML protocol: declaration, workbook settings, the fourteen
// styles, and the end; and the opening of the first worksheet "Титул".

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

// Width in points of a column of amounts. Sized for the widest amount a cell can hold,
// "-922337203685477.58" (the range of Amount; the reports' 15 integer digits fill it too),
// in the bold of the blue and total styles and in the widest default font Calc may use:
// DejaVu Sans Bold 10, 17 digits of 6.96 pt, point and minus, 126 pt, and the cell's
// margins (Liberation Sans and Arial need 101 pt; Calc shows "###" for what does not fit).
inline constexpr int kAmountColumnWidth = 132;

// Columns of the sheet "Титул": captions (350) and values (600) of the title rows, then the
// columns the findings block adds beside its wording: tariff, month, the two sides and
// their difference (amounts), and the persons.
inline constexpr int kTitleSheetColumns[] = {350, 600, 70, 50, kAmountColumnWidth, kAmountColumnWidth,
                                             kAmountColumnWidth, 300};

// From the XML declaration to "</Styles>".
void WorkbookOpen(ProtocolWriter& out);
// "</Workbook>".
void WorkbookClose(ProtocolWriter& out);

// The worksheet "Титул" with its table (kTitleSheetColumns) and its first rows: title,
// program line, the debug row (only when header.debug is set), run stamp, spacer. The
// writer goes on with its own rows and closes the sheet with WorksheetClose.
void TitleSheetOpen(ProtocolWriter& out, const ProtocolHeader& header = {});

}  // namespace orsvelt
