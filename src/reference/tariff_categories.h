#pragma once
// Reports for 2021..2026: which insured-person category codes ("КодКатЛиц") of section 3 belong
// to which payer tariff code of section 1, so that section 3 sums can be tied to section 1.
// Only the ties established for those years are listed; any other code is not known.

#include <optional>
#include <span>
#include <string_view>

namespace orsvelt {

// The categories of the tariff code in the year (exact texts): ("2024", "20") -> "МС", "ВЖМС", "ВПМС";
// empty for an unknown year or code. The list is static.
std::span<const std::string_view> CategoriesOfTariffInYear(std::string_view year, std::string_view tariff);

// The tariff code of the category in the year: ("2026", "ВППВ") -> "32"; nullopt when not known.
std::optional<std::string_view> TariffOfCategoryInYear(std::string_view year, std::string_view category);

}  // namespace orsvelt
