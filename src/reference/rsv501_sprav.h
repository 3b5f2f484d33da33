#pragma once
// Reference tables of format 5.01: period, place and month names, yearly base limits
// (2017..2019). The decision functions of this format are in category_groups.h,
// period_codes.h (MonthsOfPeriod) and contribution_rates.h.

#include <span>

#include "reference/code_table.h"

namespace orsvelt {

// The rows of a SpravKind for format 5.01; empty for any other kind.
std::span<const CodeRow> Rsv501Rows(int kind);

}  // namespace orsvelt
