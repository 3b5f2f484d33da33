#pragma once
// A report's section 1 against the preceding period's report of the year: the blocks and
// payable lines that match, and the since-start columns that must carry the earlier figures
// on. Shared by the rows of format 5.02 and of the later formats.

#include <functional>
#include <string_view>
#include <vector>

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

// The previous period's section 1: an empty one for the first quarter, null when the
// preceding quarter's report is missing (the E rows say so) or the quarter is unknown.
const view::Section1* PreviousSection1(const CheckContext& c);

// Calls visit(tariff, block, the previous report's block of the same name and codes or null)
// for every block of this report: the tariff blocks' (matched within the same tariff code),
// then appendix 2's and (from 2023) those written outside the tariffs, including one per
// person of art. 431 p. 6.2, so those are matched through an index.
void ForEachMatchedBlock(
    const view::Section1& s1, const view::Section1& previous,
    const std::function<void(std::string_view tariff, const view::Block& block, const view::Block* before)>& visit);

// Every amount line with month columns: its since-start figure against the previous report's
// plus this report's three months (a block the previous report lacks counts as zeros).
void SinceStartOfLines(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

// The same for the payable lines, matched by name and КБК; social insurance of 5.02 as one
// net figure (to pay less the excess of expenses).
void SinceStartOfPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

}  // namespace orsvelt::checks
