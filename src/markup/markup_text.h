#pragma once
// Values from a report made safe for the markup of a protocol (HTML or SpreadsheetML).

#include <string>
#include <string_view>

namespace orsvelt {

// EncodeEntities (& < > " '), and characters that XML 1.0 cannot carry at all (control
// characters other than tab, CR and LF; U+FFFE and U+FFFF) become U+FFFD, so that a stray
// byte in a report cannot make the workbook unreadable. Fit for text and attribute values.
std::string MarkupText(std::string_view utf8);

// True when MarkupText would give the text back unchanged, as it does for most values.
bool IsMarkupClean(std::string_view utf8);

// Puts the text made safe into out (anything with Put(std::string_view)), copying a clean
// text as it stands.
template <class Out>
void PutMarkupText(Out& out, std::string_view utf8) {
  if (IsMarkupClean(utf8))
    out.Put(utf8);
  else
    out.Put(MarkupText(utf8));
}

}  // namespace orsvelt
