#pragma once
// What a spreadsheet accepts as the data of a Number cell.

#include <string_view>

namespace orsvelt {

// Optional "-", digits, optionally "." and digits (1234567.50, -12, 0.00). No blanks,
// comma, grouping or exponent: the forms the protocols write.
bool IsPlainNumber(std::string_view text);

}  // namespace orsvelt
