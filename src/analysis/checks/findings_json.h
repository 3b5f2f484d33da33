#pragma once
// The findings of a run as JSON (UTF-8), for other programs; the format is in the README.

#include <string>
#include <string_view>

#include "analysis/checks/finding.h"

namespace orsvelt::checks {

// A JSON string literal: quotes, backslash and control characters escaped; bytes of
// malformed UTF-8 become U+FFFD so that the document stays valid.
std::string JsonString(std::string_view text);

std::string FindingsJson(const CheckResult& result);

}  // namespace orsvelt::checks
