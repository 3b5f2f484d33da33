#pragma once
// Each person's base within the limit since the start of the year against the year's limit
// (formats 5.03 to 5.08): over the year's persons as the analysis merged them, else over the
// checked report's own months, which can only show a breach within its quarter.

#include <vector>

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

// The base since the start of the year above the limit; one finding per person, at the first
// month it is above. A year of unknown limit: one "not checked" finding of the row's severity Info.
void BaseAboveYearLimit(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

// A positive base in a month after the base since the start of the year reached the limit;
// one finding per person, at the first such month.
void BaseAfterLimitReached(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

}  // namespace orsvelt::checks
