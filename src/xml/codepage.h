#pragma once
// Conversions between Windows-1251, the code page of reports and protocols, and the
// program's internal UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace orsvelt {

// Decodes Windows-1251 bytes to UTF-8. Every byte has a form; 0x98, unassigned in the
// code page, becomes U+FFFD (the replacement character) so that nothing silently vanishes.
std::string Cp1251ToUtf8(std::string_view bytes);

// The same into out, whose storage is reused: for decoding many pieces one after another.
void Cp1251ToUtf8(std::string_view bytes, std::string& out);

// No form is longer than three bytes; a form is written as four, so the buffer needs three
// spare bytes at the end.
inline constexpr std::size_t kMaxUtf8BytesPerCp1251Byte = 3;

// The same into a buffer of at least kMaxUtf8BytesPerCp1251Byte * bytes.size() + 3 bytes,
// without sizing the text first; returns the end of what was written.
char* Cp1251ToUtf8(std::string_view bytes, char* out);

// Encodes UTF-8 to Windows-1251. A character without a Windows-1251 form is written as a
// decimal numeric character reference (é -> "&#233;"), so nothing is lost in a protocol.
// Each byte of malformed UTF-8 becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// A reference "&#1114111;" is 10 bytes for 4 input bytes, "&#2047;" 7 for 2.
inline constexpr std::size_t kMaxCp1251BytesPerUtf8Byte = 4;

// The same into a buffer of at least kMaxCp1251BytesPerUtf8Byte * utf8.size() bytes;
// returns the end of what was written. A sequence cut off at the end of utf8 counts as
// malformed: callers pass whole characters.
char* Utf8ToCp1251(std::string_view utf8, char* out);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 form of a code point; the caller passes a valid one (not a surrogate,
// at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace orsvelt
