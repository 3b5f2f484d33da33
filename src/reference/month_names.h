#pragma once
// Calendar month names by two-digit month code.

#include <span>
#include <string_view>

#include "reference/code_table.h"

namespace orsvelt {

// "01" -> "Январь" ... "12" -> "Декабрь", capitalised; the same in both formats.
std::span<const CodeRow> MonthRows();

// The capitalised name of month 1..12; empty otherwise.
std::string_view CalendarMonthName(int month);

}  // namespace orsvelt
