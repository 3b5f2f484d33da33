#pragma once
// The taxpayer number (ИНН): ten digits for an organisation, twelve for a person, with check digits.

#include <string_view>

namespace orsvelt {

enum class InnCheck {
  valid,
  wrongCheckDigit,
  malformed,  // not all ASCII digits, or not the length of its kind (this is the form check)
};

// Ten digits, the last a check digit over the first nine.
InnCheck CheckOrganisationInn(std::string_view text);

// Twelve digits, the last two check digits (the eleventh over the first ten, the twelfth over the first eleven).
InnCheck CheckPersonInn(std::string_view text);

}  // namespace orsvelt
