#pragma once
// The system's reasons for a failed file operation in Russian: the library's own texts are
// English, and they reach users who read only Russian.

#include <string>
#include <system_error>

namespace orsvelt {

// Lower-case text to follow a colon, e.g. "нет такого файла или папки". A reason missing
// from the table keeps the system's text after its number; no error at all reads as an
// input/output error, the one a stream reports without saying more.
std::string SystemErrorText(std::error_code ec);
std::string SystemErrorText(int errnoValue);

}  // namespace orsvelt
