#pragma once
// Contribution rates by year and insured-person category: medical and social insurance of
// 2017..2019 for format 5.01, pension insurance from 2017, and the rates of 2021..2026.

#include <optional>
#include <string_view>

#include "reference/evidence.h"
#include "xml/amount.h"

namespace orsvelt {

enum RateKind : int {
  rateMedical = 0,  // compulsory medical insurance (ОМС)
  rateSocial = 1,   // compulsory social insurance, temporary disability and maternity (ОСС)
  ratePension = 2,  // compulsory pension insurance (ОПС) on the base within the pension limit
  ratePensionAboveLimit = 3,  // ОПС on the base above the pension limit
  rateUnified = 4,            // from 2023: the single tariff on the base within the unified limit
  rateUnifiedAboveLimit = 5,  // from 2023: the single tariff on the base above the unified limit
};

// The rate in percent as an amount (5.1 % is the amount 5.1, i.e. 51000) for year "2017",
// "2018" or "2019", an insured-person category code ("КодКатЛиц") and a RateKind.
// 0 for any other year or kind and for a category without a rate in that year.
// Callers multiply a base by it and divide by 100.
Amount ContributionRate(std::string_view year, std::string_view category, int kind);

// The rate of any year (exact text, "2017".."2026"), category and RateKind, with how it is known;
// nullopt where it is not known, also for a category without that tariff in the year, so that a
// check can say "not checked" instead of comparing with 0 %. Medical insurance has no limit and
// the social base above its limit bears nothing, so neither has an above-limit kind.
std::optional<KnownAmount> FindContributionRate(std::string_view year, std::string_view category, int kind);

}  // namespace orsvelt
