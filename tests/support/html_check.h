#pragma once
// Checks that a written HTML protocol is well-formed: for the tests and the fuzzers of the
// page writers.

#include <string>
#include <string_view>

namespace orsvelt {

// Takes the Windows-1251 bytes of a page. Empty when it parses as XML with the root html,
// no attribute twice, every "&" starting a reference and no control characters; otherwise
// a description of the first problem.
std::string CheckHtmlWellFormed(std::string_view cp1251Bytes);

}  // namespace orsvelt
