#pragma once
// Yearly limits of the contribution base, set each year by the government.

#include <optional>
#include <span>
#include <string_view>

#include "reference/code_table.h"
#include "reference/evidence.h"
#include "xml/amount.h"

namespace orsvelt {

// Year ("2017") -> limit in whole roubles ("876000"), ascending by year.
// Format 5.02 knows 2017..2020, format 5.01 2017..2019.
std::span<const CodeRow> PensionLimitRows502();
std::span<const CodeRow> SocialLimitRows502();
std::span<const CodeRow> PensionLimitRows501();
std::span<const CodeRow> SocialLimitRows501();

// The limit of the year (exact text, e.g. "2019") in one of the lists above as an amount;
// nullopt when the year has no row.
std::optional<Amount> LimitOfYear(std::span<const CodeRow> limit_rows, std::string_view year);

// The limits of any year a report can be for, with how each is known; nullopt for a year
// without that kind of limit (never 0). Pension and social limits 2017..2022 (ОМС had none);
// from 2023 the unified limit of pension, social and medical insurance together.
std::optional<KnownAmount> PensionLimit(std::string_view year);
std::optional<KnownAmount> SocialLimit(std::string_view year);
std::optional<KnownAmount> UnifiedLimit(std::string_view year);

}  // namespace orsvelt
