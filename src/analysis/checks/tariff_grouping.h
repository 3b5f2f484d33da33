#pragma once
// The tariff groups section 1 is compared with section 3 by: the payer tariff codes of
// subsection 1.1 and the insured-person categories of section 3 that belong together.

#include <string>
#include <string_view>

namespace orsvelt::checks {

// The group of a payer tariff code, named by its first code ("12" -> "08"); the code itself
// when no group lists it.
std::string_view GroupOfTariff(std::string_view tariff);

// The group of a category code ("ВЖНР" -> "01"); empty when the category is tied to no tariff.
std::string_view GroupOfCategory(std::string_view category);

// The tariff codes of a group for the protocol: "01", "08, 12".
std::string GroupTariffsText(std::string_view group);

}  // namespace orsvelt::checks
