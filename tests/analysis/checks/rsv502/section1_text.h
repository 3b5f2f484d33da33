#pragma once
// Format 5.02 reports on which every ratio of the form holds: tariff 01, two persons at
// 1000.00 a month at 22 %, section 1 and appendix 2 to match, since-start columns of a whole
// year's chain; any one attribute can be replaced to break a ratio.

#include <string>
#include <vector>

#include "analysis/prot502/report_text.h"

namespace orsvelt::test {

// Replaces one attribute: {"РасчСВ_ОПС/НачислСВ", "Сум2Посл3М", "440.01"}; the element is
// named with its parent where the name alone is ambiguous, payable lines and the parts of
// "УплСВПрев" by their own name ("УплПерОПС", "Упл2Посл3М").
struct Override {
  std::string element, attribute, value;
};

// Section 1 of quarter 1..4, with the since-start columns of every quarter so far.
std::string AgreeingSection1(int quarter, const std::vector<Override>& overrides = {});

// The whole report of the quarter: period code, section 1 and the two persons.
TestReport AgreeingReport(int quarter, const std::vector<Override>& overrides = {});

// "21", "31", "33", "34".
std::string PeriodOfQuarter(int quarter);

}  // namespace orsvelt::test
