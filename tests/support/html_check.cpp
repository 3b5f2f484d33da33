#include "support/html_check.h"

#include "support/markup_check_support.h"
#include "xml/codepage.h"

namespace orsvelt {

std::string CheckHtmlWellFormed(std::string_view cp1251Bytes) {
  const std::string text = Cp1251ToUtf8(cp1251Bytes);
  pugi::xml_document document;
  if (std::string problem = ParseMarkup(text, document); !problem.empty()) return problem;
  if (std::string problem = CheckReferencesAndCharacters(text, EntityNames::Any); !problem.empty()) return problem;
  if (std::string problem = CheckSingleRoot(document, "html"); !problem.empty()) return problem;
  return CheckAttributes(document.document_element());
}

}  // namespace orsvelt
