#pragma once
// What the ratios over the year's persons share (5.01 N7-N16 and 1.308, 5.02 C4 and C5): the
// persons' sums from January to the end of the checked quarter, and each person's pension
// base since the start of the year against the year's limit.

#include <optional>
#include <vector>

#include "analysis/checks/check_context.h"
#include "analysis/checks/finding.h"
#include "xml/amount.h"

namespace orsvelt::checks {

struct CheckRow;

// The year's persons' sums over the months from January to the end of the context's
// quarter; nullopt when the analysis gathered no year's persons, the quarter is unknown or a
// report of the year is missing or unreadable (the persons would be incomplete).
std::optional<YearPersons::Sums> PersonsSinceStart(const CheckContext& c);

// One finding per person whose pension base within the limit since the start of the year
// exceeds the limit: over the year's merged persons when the analysis gathered them, else
// over this report's quarter alone.
void PersonsAboveLimit(const CheckRow& row, const CheckContext& c, Amount limit, std::vector<Finding>& out);

}  // namespace orsvelt::checks
