#pragma once
// Format 5.01: medical and social insurance contribution rates by year and category.

#include <string_view>

#include "xml/amount.h"

namespace orsvelt {

enum RateKind : int {
  rateMedical = 0,  // compulsory medical insurance (ОМС)
  rateSocial = 1,   // compulsory social insurance, temporary disability and maternity (ОСС)
};

// The rate in percent as an amount (5.1 % is the amount 5.1, i.e. 51000) for year "2017",
// "2018" or "2019", an insured-person category code ("КодКатЛиц") and a RateKind.
// 0 for any other year or kind and for a category without a rate in that year.
// Callers multiply a base by it and divide by 100.
Amount ContributionRate(std::string_view year, std::string_view category, int kind);

}  // namespace orsvelt
