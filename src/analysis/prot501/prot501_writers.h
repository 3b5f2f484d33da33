#pragma once
// The two protocols of a 5.01 report, written from what the analysis found. TRSV501Prot's
// WriteHtml and WriteSpreadsheet put them into a file; tests write them into memory.

#include "analysis/prot501/prot501.h"
#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"
#include "markup/worksheet.h"

namespace orsvelt {

// The per-person tables list the persons the selection asks for; everything else is the same.
//
// The HTML page, from "<html>" to "</html>".
void WriteHtmlProtocol501(ProtocolWriter& out, const TRSV501ProtData& data, const ProtocolHeader& header,
                          PersonSelection persons = PersonSelection::All);

// The SpreadsheetML workbook, from the XML declaration to "</Workbook>".
// A table longer than limits.rows goes on over further sheets "<name> (2)", ...
void WriteWorkbookProtocol501(ProtocolWriter& out, const TRSV501ProtData& data, const ProtocolHeader& header,
                              const SheetLimits& limits = {}, PersonSelection persons = PersonSelection::All);

}  // namespace orsvelt
