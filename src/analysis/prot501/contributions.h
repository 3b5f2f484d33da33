#pragma once
// Contributions estimated from a base and a rate.

#include "xml/amount.h"

namespace orsvelt {

// base × rate / 100, rate in percent as an amount (5.1 % is 51000), brought to whole
// kopecks with halves to even. Exact for any base a report can carry.
Amount ContributionOf(Amount base, Amount ratePercent);

}  // namespace orsvelt
