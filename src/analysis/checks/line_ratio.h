#pragma once
// What the ratios between lines of section 1 share: a column's caption, its calendar month and
// the two sides of a finding, for amounts and for numbers of persons alike.

#include <optional>
#include <string_view>

#include "analysis/checks/check_context.h"
#include "analysis/checks/finding.h"
#include "model/view/report_view.h"

namespace orsvelt::checks {

// "с начала года", "за последние три месяца", "за 1-й месяц" ...
std::string_view ColumnCaption(view::Column column);

// The calendar month of a month column of the context's period; empty for the others.
std::optional<std::int32_t> CalendarMonthOf(const CheckContext& context, view::Column column);

// The value of a line of a block; nullopt when the block or the line is absent.
std::optional<std::int64_t> ValueOf(const view::Block* block, std::string_view line, view::Column column);

// Both sides of the finding; numbers of persons are kept as whole units (5 as 5.00) and named
// in the text, since a difference of persons is no sum of money.
void SetSides(Finding& finding, std::int64_t left, std::int64_t right, bool count);

}  // namespace orsvelt::checks
