#pragma once
// What the XML declaration at the start of a file's bytes says about their encoding.

#include <string>
#include <string_view>

namespace orsvelt {

// The value of encoding="..." in a declaration at the start of the bytes, as written, or empty.
std::string DeclaredEncoding(std::string_view bytes);

// True when the bytes are UTF-8 by a byte-order mark or their declaration; reports are
// Windows-1251 otherwise.
bool IsUtf8Text(std::string_view bytes);

}  // namespace orsvelt
