#pragma once
// The schemas' own XPath functions (namespace prefix "usch") rewritten into plain XPath 1.0,
// which pugixml evaluates: it has no way to add functions.
//
//   usch:getFileName()  the report's file name without ".xml", as a string literal
//   usch:iif(c, a, b)   a when c holds, else b: as a whole test "(c and a) or (not(c) and b)",
//                       as a value concat(substring(a, 1 div c), substring(b, 1 div not(c)))
//
// An iif inside a test but not the whole of it (its result could be of any type there) and
// any other usch: function are not rewritten; the caller skips such an expression.

#include <string>
#include <string_view>

namespace orsvelt {

enum class XPathUse {
  kTest,   // the expression is taken as a boolean
  kValue,  // the expression is taken as a string
};

struct RewrittenXPath {
  std::string expression;   // plain XPath 1.0 when unsupported is empty
  std::string unsupported;  // "usch:name" of the first call that could not be rewritten
  bool usesFileName = false;
};

RewrittenXPath RewriteUschCalls(std::string_view expression, std::string_view fileStem, XPathUse use);

// The text as an XPath 1.0 string literal (which has no escapes: concat() joins the pieces
// when the text holds both kinds of quote).
std::string XPathStringLiteral(std::string_view text);

}  // namespace orsvelt
