#pragma once
// The frame of every HTML protocol: head with the style sheet, the opening paragraphs about
// the program and the run, and the closing lines.

#include <string_view>

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

// From "<html>" to the paragraph with the run stamp. The debug paragraph (id "debug")
// stands only when header.debug is set.
void HtmlPageOpen(ProtocolWriter& out, const ProtocolHeader& header = {});

// " </body>" and "</html>".
void HtmlPageClose(ProtocolWriter& out);

// The page's blocks between the tables. Texts are escaped; the Raw variants take fixed
// notes that keep their quotes as they stand.
// "  <h2>text</h2>" for level 2, "  <h3>text</h3>" for level 3.
void HtmlHeading(ProtocolWriter& out, int level, std::string_view text);
// "  <p>text</p>", or with the given indent.
void HtmlParagraph(ProtocolWriter& out, std::string_view text, int indent = 2);
void HtmlRawParagraph(ProtocolWriter& out, std::string_view markup, int indent = 2);

// Lists: "<ul>", "</ul>", "<li>text</li>", each after indent blanks on a line of its own;
// an item can also be opened with its text and closed later, so that an inner list or
// further items follow on the same line.
void HtmlListOpen(ProtocolWriter& out, int indent);
void HtmlListClose(ProtocolWriter& out, int indent);
void HtmlListItem(ProtocolWriter& out, int indent, std::string_view text);
void HtmlListItemStart(ProtocolWriter& out, int indent, std::string_view text);
void HtmlListItemEnd(ProtocolWriter& out);

}  // namespace orsvelt
