#pragma once
// A report's section 1 against the preceding period's report of the year: the blocks and
// payable lines that match, and the since-start columns that must carry the earlier figures
// on. Shared by the rows of format 5.02 and of the later formats.

#include <string_view>
#include <vector>

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

// The previous period's section 1: an empty one for the first quarter, null when the
// preceding quarter's report is missing (the E rows say so) or the quarter is unknown.
const view::Section1* PreviousSection1(const CheckContext& c);

// The previous report's block matching this one by name and codes: in the tariff block of the
// same code when inTariffBlock, else among the blocks of appendix 2 and those outside the tariffs.
const view::Block* MatchingBlock(const view::Section1& previous, std::string_view tariff, const view::Block& block,
                                 bool inTariffBlock);

// Calls visit(tariff, block, previous block or null) for every block of this report: the
// tariff blocks', appendix 2's and (from 2023) those written outside the tariffs.
template <class Visit>
void ForEachMatchedBlock(const view::Section1& s1, const view::Section1& previous, Visit&& visit) {
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks) visit(t.tariff, b, MatchingBlock(previous, t.tariff, b, true));
  for (const std::vector<view::Block>* blocks : {&s1.appendix2, &s1.blocks})
    for (const view::Block& b : *blocks) visit(b.CodeOf("ТарифПлат"), b, MatchingBlock(previous, {}, b, false));
}

// Every amount line with month columns: its since-start figure against the previous report's
// plus this report's three months (a block the previous report lacks counts as zeros).
void SinceStartOfLines(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

// The same for the payable lines, matched by name and КБК; social insurance of 5.02 as one
// net figure (to pay less the excess of expenses).
void SinceStartOfPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out);

}  // namespace orsvelt::checks
