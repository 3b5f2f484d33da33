#pragma once
// The two protocol writers of format 5.02, on the shared protocol markup.

#include <string_view>

#include "analysis/prot502/composition_table.h"
#include "analysis/prot502/shown_persons.h"
#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"
#include "markup/worksheet.h"

namespace orsvelt {

class TRSV502Prot;

// The HTML page from "<html>" to "</html>".
void WriteHtmlProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header);

// The SpreadsheetML workbook: "Титул", "Состав" and, with persons, "Р3 осн".
// A table longer than limits.rows goes on over further sheets "<name> (2)", ...
void WriteWorkbookProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header,
                              const SheetLimits& limits = {});

// What the later formats' protocols share with these: the page from its opening to the
// earlier files' block, the workbook from its opening to the end of the sheet "Титул", one
// row of the sheet "Состав" and its "есть"/"нет".
void HtmlPageHead502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header);
void WorkbookOpen502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header,
                     const ShownPersons502& shown);
void CompositionRow502(ProtocolWriter& out, const CompositionPart502& part, std::string_view value);
std::string_view PresenceText(bool present);

// The blocks of the persons by quarter and category, which the protocols of the later
// formats share: the page's block (nothing without persons) and the sheet "Р3 осн".
void HtmlPersonsBlock502(ProtocolWriter& out, const TRSV502Prot& prot);
void PersonSheet502(ProtocolWriter& out, const TRSV502Prot& prot, const ShownPersons502& shown,
                    const SheetLimits& limits);

}  // namespace orsvelt
