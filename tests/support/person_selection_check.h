#pragma once
// What a protocol that lists only persons with findings must keep of the full one.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace orsvelt::test {

// Success when part is whole with some lines left out (the order kept), apart from the lines
// equal to extra, which part may add anywhere; else the first line of part not found in order.
::testing::AssertionResult LeavesOutOnly(const std::vector<std::string>& part, const std::vector<std::string>& whole,
                                         std::string_view extra);

// Every run of lines from one containing total (a totals row) to the next containing end (the
// table's close), in order: what must not change when persons are left out.
std::vector<std::string> TotalsLines(const std::vector<std::string>& lines, std::string_view total,
                                     std::string_view end);

// What a protocol of only the persons with findings (only) keeps of the full one (all): it
// adds the line containing said once, before the first line containing before, leaves out
// lines only, and keeps every run of totals lines (more than minTotals) from total to end.
void ExpectOnlyPersonsLeftOut(const std::vector<std::string>& only, const std::vector<std::string>& all,
                              std::string_view said, std::string_view before, std::string_view total,
                              std::string_view end, std::size_t minTotals);

// How many lines contain text.
int LinesWith(const std::vector<std::string>& lines, std::string_view text);

}  // namespace orsvelt::test
