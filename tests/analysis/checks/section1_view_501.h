#pragma once
// Views of format 5.01 reports made line by line, for the ratios within section 1 and across
// periods: a sound report of any quarter in which every such ratio holds, and a run of the
// check table over it that keeps the findings of the 5.01 rows of groups B, C and E.

#include <cstdint>
#include <string_view>
#include <vector>

#include "analysis/checks/finding.h"
#include "model/view/report_view.h"

namespace orsvelt::test {

// Amounts in kopecks.
view::Line SumLine501(std::string_view name, std::int64_t m1, std::int64_t m2, std::int64_t m3,
                      std::int64_t before = 0);
view::Line CountLine501(std::string_view name, std::int64_t year, std::int64_t last3, std::int64_t m1,
                        std::int64_t m2, std::int64_t m3);

// Two tariff blocks ("01" with subsections 1.1 and 1.2, "03" with 1.1), appendix 2 and the
// payable lines of quarter 1..4, the since-start columns as if each quarter repeated the
// last, and one person whose payments match subsection 1.2.
view::ReportView SoundReport501(int quarter);

// The report of the quarter before: the since-start columns of the sound report less its
// three months.
view::ReportView PreviousOf501(const view::ReportView& report);

// A kopeck (or one person for a count line) added to one column of a line.
void Bump(view::Line& line, view::Column column, std::int64_t by = 1);
view::Line& LineOf(view::ReportView& report, std::string_view tariff, std::string_view block, std::string_view line);
view::Line& PayableOf(view::ReportView& report, std::string_view name);

// The findings of the 5.01 rows of groups B, C and E; previous null: none (quarter 1 needs none).
std::vector<checks::Finding> Run501(const view::ReportView& report, int quarter, const view::ReportView* previous);

}  // namespace orsvelt::test
