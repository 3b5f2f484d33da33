#pragma once
// Section 1 columns summed over tariff blocks, as the ratios compare them.

#include <optional>
#include <span>
#include <string_view>

#include "model/view/report_view.h"
#include "xml/amount.h"

namespace orsvelt::checks {

// The column of the line summed over every block of that name in the tariff blocks whose
// code is listed (every tariff block when the list is empty); nullopt when no such block
// holds the line or the format lacks the column.
std::optional<Amount> SumOverTariffs(const view::Section1& section1, std::string_view block, std::string_view line,
                                     view::Column column, std::span<const std::string_view> tariffs = {});

// Every column of a line, and the quarter's three months.
inline constexpr view::Column kAllColumns[] = {view::Column::Year, view::Column::LastThreeMonths, view::Column::Month1,
                                               view::Column::Month2, view::Column::Month3};
inline constexpr view::Column kMonthColumns[] = {view::Column::Month1, view::Column::Month2, view::Column::Month3};

// The column for month 1..3 of the quarter, LastThreeMonths for 0.
view::Column MonthColumn(int monthInPeriod);

}  // namespace orsvelt::checks
