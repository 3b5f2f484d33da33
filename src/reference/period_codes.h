#pragma once
// Reporting-period codes ("Период"): their names and the quarter whose data a report carries.

#include <span>
#include <string_view>

#include "reference/code_table.h"

namespace orsvelt {

// Period code -> period name, twelve rows; the same list in formats 5.01 and 5.02.
std::span<const CodeRow> PeriodRows();

// Quarter 1..4 whose months a report of this period carries ("21", "51", "83" -> 1;
// "31", "52", "84" -> 2; "33", "53", "85" -> 3; "34", "90", "86" -> 4); 0 for any other code.
int QuarterOfPeriod(std::string_view code);

// The ordinary period code of quarter 1..4 ("21", "31", "33", "34"), the one a missing
// quarter is named by; empty for any other number.
std::string_view OrdinaryPeriodOfQuarter(int quarter);

// The three month codes ("01".."12") of the period's quarter, for format 5.01: only the
// ordinary and reorganisation codes count; "83".."86" and unknown codes give an empty list.
std::span<const std::string_view> MonthsOfPeriod(std::string_view code);

}  // namespace orsvelt
