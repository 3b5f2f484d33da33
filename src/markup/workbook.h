#pragma once
// The frame of every SpreadsheetML protocol: declaration, workbook settings, the fourteen
// styles, and the end; and the opening of the first worksheet "Титул".

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

// From the XML declaration to "</Styles>".
void WorkbookOpen(ProtocolWriter& out);
// "</Workbook>".
void WorkbookClose(ProtocolWriter& out);

// The worksheet "Титул" with its table (columns 350 and 600) and its first rows: title,
// program line, the debug row (only when header.debug is set), run stamp, spacer. The
// writer goes on with its own rows and closes the sheet with WorksheetClose.
void TitleSheetOpen(ProtocolWriter& out, const ProtocolHeader& header = {});

}  // namespace orsvelt
