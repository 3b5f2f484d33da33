#include "markup/html_page.h"

#include <initializer_list>
#include <string_view>

#include "markup/markup_text.h"

namespace orsvelt {
namespace {

struct StyleRule {
  std::string_view selector;
  std::initializer_list<std::string_view> properties;
};

const StyleRule kStyleSheet[] = {
    {"td,th", {"padding: 3px;"}},
    {".center", {"text-align: center;"}},
    {".tdnorm", {"text-align: right;", "white-space: nowrap;"}},
    {".tderr", {"text-align: right;", "color: white;", "background-color: blue;", "white-space: nowrap;"}},
    {".tderrcenter", {"text-align: center;", "color: white;", "background-color: blue;", "white-space: nowrap;"}},
    {".tdnormcenter", {"text-align: center;", "white-space: nowrap;"}},
    {".left", {"text-align: left;"}},
    {".bold", {"font-weight: bold;"}},
    {"body", {"font-family: Arial;"}},
    {"#debug", {"color: red;"}},
};

}  // namespace

void HtmlPageOpen(ProtocolWriter& out, const ProtocolHeader& header) {
  out.Line("<html>");
  out.Line(" <head>");
  out.Line("  <meta http-equiv=\"Content-Type\" content=\"text/html;charset=Windows-1251\"/>");
  out.Line("  <title>", MarkupText(header.title), "</title>");
  out.Line("  <style type=\"text/css\">");
  for (const StyleRule& rule : kStyleSheet) {
    out.Line("   ", rule.selector);
    out.Line("    {");
    for (std::string_view property : rule.properties) out.Line("     ", property);
    out.Line("    }");
  }
  out.Line("  </style>");
  out.Line(" </head>");
  out.Line(" <body>");
  out.Line("  <h1>", MarkupText(header.heading), "</h1>");
  out.Line("  <p>Программа Brannix:Orsvelt, Версия ", MarkupText(header.version), " от ", MarkupText(header.date),
           "</p>");
  if (header.debug) out.Line("  <p id=\"debug\">Версия программы является отладочной.</p>");
  out.Line("  <p><a href=\"", MarkupText(header.site), "\" target=\"_blank\">Сайт программы</a></p>");
  out.Line("  <p>Дата и время формирования: ", MarkupText(header.runStamp), "</p>");
}

void HtmlPageClose(ProtocolWriter& out) {
  out.Line(" </body>");
  out.Line("</html>");
}

namespace {

void PutIndent(ProtocolWriter& out, int indent) {
  for (int i = 0; i < indent; ++i) out.Put(" ");
}

}  // namespace

void HtmlHeading(ProtocolWriter& out, int level, std::string_view text) {
  const std::string_view tag = level == 3 ? "h3" : "h2";
  out.Put("  <");
  out.Put(tag);
  out.Put(">");
  out.PutText(text);
  out.Put("</");
  out.Put(tag);
  out.Line(">");
}

void HtmlParagraph(ProtocolWriter& out, std::string_view text, int indent) {
  PutIndent(out, indent);
  out.Put("<p>");
  out.PutText(text);
  out.Line("</p>");
}

void HtmlRawParagraph(ProtocolWriter& out, std::string_view markup, int indent) {
  PutIndent(out, indent);
  out.Line("<p>", markup, "</p>");
}

void HtmlListOpen(ProtocolWriter& out, int indent) {
  PutIndent(out, indent);
  out.Line("<ul>");
}

void HtmlListClose(ProtocolWriter& out, int indent) {
  PutIndent(out, indent);
  out.Line("</ul>");
}

void HtmlListItem(ProtocolWriter& out, int indent, std::string_view text) {
  HtmlListItemStart(out, indent, text);
  HtmlListItemEnd(out);
}

void HtmlListItemStart(ProtocolWriter& out, int indent, std::string_view text) {
  PutIndent(out, indent);
  out.Put("<li>");
  out.PutText(text);
}

void HtmlListItemEnd(ProtocolWriter& out) { out.Line("</li>"); }

}  // namespace orsvelt
