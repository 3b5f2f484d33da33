#pragma once
// The insurance number of a person's individual account (СНИЛС): its written form and its check number.

#include <string_view>

namespace orsvelt {

// True for NNN-NNN-NNN NN and NNN-NNN-NNN-NN with ASCII digits for N, nothing before or after.
bool IsSnilsWritten(std::string_view text);

enum class SnilsCheck {
  valid,           // the check number agrees with the number
  notVerified,     // numbers up to 001-001-998 were issued before check numbers and are not checked
  wrongCheckNumber,
  malformed,       // not eleven digits once hyphens and the blank are dropped
};

// Checks a number written either way above or as eleven bare digits.
SnilsCheck CheckSnils(std::string_view text);

}  // namespace orsvelt
