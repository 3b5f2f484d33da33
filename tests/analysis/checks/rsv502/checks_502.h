#pragma once
// Runs the 5.02 analysis over reports written into a folder and hands back the findings of
// the rows of this format's groups B, C and E.

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/checks/finding.h"
#include "analysis/prot502/report_text.h"

namespace orsvelt::test {

// Findings of the main report analysed in a folder holding the earlier ones too.
std::vector<checks::Finding> FindingsOf(const TestReport& main, const std::vector<TestReport>& earlier = {});
// Findings of a report file analysed in its own folder.
std::vector<checks::Finding> FindingsOfFile(const std::filesystem::path& path);

// Only the findings of one row ("B1-502").
std::vector<checks::Finding> OfRow(const std::vector<checks::Finding>& all, const std::string& id);
// Only the findings of the 5.02 rows of groups B, C and E ("...-502").
std::vector<checks::Finding> Of502Rows(const std::vector<checks::Finding>& all);

// "B1-502/4": the row and the calendar month (0 for none) of each finding, sorted.
std::vector<std::string> RowsAndMonths(const std::vector<checks::Finding>& findings);

// The 5.02 rows' findings on AgreeingReport(quarter, overrides) with the agreeing report of
// the quarter before in its folder.
struct Override;
std::vector<checks::Finding> QuarterFindings(int quarter, const std::vector<Override>& overrides);

// "B1-502 m5 01 12.00/11.99": a finding in one line, for failure messages and tables.
std::string Brief(const checks::Finding& f);

}  // namespace orsvelt::test
