#pragma once
// Calendar month names by two-digit month code.

#include <span>

#include "reference/code_table.h"

namespace orsvelt {

// "01" -> "Январь" ... "12" -> "Декабрь", capitalised; the same in both formats.
std::span<const CodeRow> MonthRows();

}  // namespace orsvelt
