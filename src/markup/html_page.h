#pragma once
// The frame of every HTML protocol: head with the style sheet, the opening paragraphs about
// the program and the run, and the closing lines.

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

// From "<html>" to the paragraph with the run stamp. The debug paragraph (id "debug")
// stands only when header.debug is set.
void HtmlPageOpen(ProtocolWriter& out, const ProtocolHeader& header = {});

// " </body>" and "</html>".
void HtmlPageClose(ProtocolWriter& out);

}  // namespace orsvelt
