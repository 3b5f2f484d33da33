#include "markup/markup_text.h"

#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsForbiddenControl(unsigned char byte) { return byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n'; }

// U+FFFE or U+FFFF at position i.
bool IsNonCharacter(std::string_view text, std::size_t i) {
  return i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
         static_cast<unsigned char>(text[i + 1]) == 0xBF && (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE;
}

}  // namespace

bool IsMarkupClean(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte >= 0x40) {
      if (byte == 0xEF && IsNonCharacter(utf8, i)) return false;
      continue;
    }
    if (byte == '&' || byte == '<' || byte == '>' || byte == '"' || byte == '\'' || IsForbiddenControl(byte))
      return false;
  }
  return true;
}

std::string MarkupText(std::string_view utf8) {
  if (IsMarkupClean(utf8)) return std::string(utf8);
  std::string escaped = EncodeEntities(utf8);
  bool clean = true;
  for (std::size_t i = 0; i < escaped.size() && clean; ++i)
    clean = !IsForbiddenControl(static_cast<unsigned char>(escaped[i])) && !IsNonCharacter(escaped, i);
  if (clean) return escaped;

  std::string result;
  result.reserve(escaped.size() + 8);
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (IsForbiddenControl(static_cast<unsigned char>(escaped[i]))) {
      result.append(kReplacement);
    } else if (IsNonCharacter(escaped, i)) {
      result.append(kReplacement);
      i += 2;
    } else {
      result.push_back(escaped[i]);
    }
  }
  return result;
}

}  // namespace orsvelt
