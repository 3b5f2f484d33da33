#pragma once
// Conversions between Windows-1251, the code page of reports and protocols, and the
// program's internal UTF-8.

#include <string>
#include <string_view>

namespace orsvelt {

// Decodes Windows-1251 bytes to UTF-8. Every byte has a form; 0x98, unassigned in the
// code page, becomes U+FFFD (the replacement character) so that nothing silently vanishes.
std::string Cp1251ToUtf8(std::string_view bytes);

// Encodes UTF-8 to Windows-1251. A character without a Windows-1251 form is written as a
// decimal numeric character reference (é -> "&#233;"), so nothing is lost in a protocol.
// Each byte of malformed UTF-8 becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point; the caller passes a valid one (not a surrogate,
// at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace orsvelt
