#pragma once
// The two protocol writers of format 5.02, on the shared protocol markup.

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

class TRSV502Prot;

// The HTML page from "<html>" to "</html>".
void WriteHtmlProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header);

// The SpreadsheetML workbook: "Титул", "Состав" and, with persons, "Р3 осн".
void WriteWorkbookProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header);

}  // namespace orsvelt
