#pragma once
// The federal minimum monthly wage (МРОТ) and the small-business threshold built on it, 2020..2026.
// A small or medium business pays its reduced tariff only on the part of each person's monthly
// pay above the threshold; the part up to it is on the basic tariff (from April 2020).

#include <optional>
#include <string_view>

#include "reference/evidence.h"

namespace orsvelt {

// МРОТ in whole roubles as an amount, as set on 1 January of the year (the value the threshold
// uses for the whole year, also in 2022 when it rose in June); nullopt for a year outside the table.
std::optional<KnownAmount> MinimumWage(std::string_view year);

// How many МРОТ the threshold is: 1 (the amount 1.0) up to 2024, 1.5 from 2025; nullopt outside the table.
std::optional<KnownAmount> SmallBusinessThresholdFactor(std::string_view year);

// МРОТ times the factor, in roubles; inferred when either is. nullopt when either is unknown.
std::optional<KnownAmount> SmallBusinessThreshold(std::string_view year);

}  // namespace orsvelt
