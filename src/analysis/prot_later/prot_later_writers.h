#pragma once
// The two protocol writers of formats 5.03 to 5.08: the 5.02 protocol's blocks with the
// later composition and the persons' base since the start of the year.

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"
#include "markup/worksheet.h"

namespace orsvelt {

class TRSVLaterProt;

// The HTML page from "<html>" to "</html>".
void WriteHtmlProtocolLater(ProtocolWriter& out, const TRSVLaterProt& prot, const ProtocolHeader& header);

// The SpreadsheetML workbook: "Титул", "Состав" and, with persons, "Р3 осн" and "Нарастающий итог";
// a table longer than limits.rows goes on over further sheets.
void WriteWorkbookProtocolLater(ProtocolWriter& out, const TRSVLaterProt& prot, const ProtocolHeader& header,
                                const SheetLimits& limits = {});

// "Нарастающий итог базы по застрахованным лицам (предельная величина 2 225 000,00)".
std::string YearToDateHeading(const TRSVLaterProt& prot);

}  // namespace orsvelt
