#pragma once
// Format 5.01: which insured-person category codes ("КодКатЛиц") belong to which payer
// tariff codes ("ТарифПлат"). Thirteen groups of three categories, each tied to one
// group of tariff codes.

#include <span>
#include <string_view>

namespace orsvelt {

// Each function compares exactly (byte-wise, case-sensitive) and answers from the first
// group that holds the code; an unlisted code gives an empty list. The lists are static.

// Categories of the tariff's group: "10" -> "АСБ", "ВПСБ", "ВЖСБ".
std::span<const std::string_view> CategoriesOfTariff(std::string_view tariff);

// The whole group of a category, in list order: "ВПХО" -> "ХО", "ВПХО", "ВЖХО"
// (the first group lists ВЖ before ВП: "НР", "ВЖНР", "ВПНР").
std::span<const std::string_view> CategoryGroup(std::string_view category);

// The tariff group that holds the code: "12" -> "08", "12"; "05" -> "05".
std::span<const std::string_view> TariffGroup(std::string_view tariff);

// The tariffs of the category's group: "ВЖЭД" -> "08", "12".
std::span<const std::string_view> TariffsOfCategory(std::string_view category);

}  // namespace orsvelt
