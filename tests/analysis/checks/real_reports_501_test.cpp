// No false alarm: the 5.01 rows of groups B, C and E over the real-shaped reference samples
// and the bundled examples give exactly the findings their figures deserve.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "analysis/check_run.h"
#include "analysis/checks/check_table.h"
#include "analysis/prot501/report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

// "check/month/tariff/difference in kopecks" of every finding of the 5.01 rows of groups B, C and E.
std::vector<std::string> FindingsOf(const std::filesystem::path& report) {
  TRSV501Prot prot;
  EXPECT_TRUE(AnalyseReport(prot, report)) << report;
  std::set<std::string_view> ours;
  for (const auto rows : {checks::GroupBRows501(), checks::GroupCRows501(), checks::GroupERows501()})
    for (const checks::CheckRow& row : rows) ours.insert(row.id);
  std::vector<std::string> found;
  if (!prot.Checks()) return found;
  for (const checks::Finding& f : prot.Checks()->findings)
    if (ours.count(f.check))
      found.push_back(f.check + "/" + std::to_string(f.month.value_or(0)) + "/" + f.tariff + "/" +
                      std::to_string(f.Difference().value_or(0) / 100));
  return found;
}

// The findings of a whole run over the report, whichever its format.
checks::CheckResult RunCheckOf(const std::filesystem::path& report) {
  TempDir out;
  const CheckRequest request{report, ProtocolFormat::Html, {}, out / "p.html", "1", {}, {}, {}, {}, {}};
  const CheckOutcome outcome = RunCheck(request);
  EXPECT_TRUE(outcome.ok) << report;
  return outcome.checks ? *outcome.checks : checks::CheckResult();
}

std::filesystem::path Find(const std::filesystem::path& folder, std::string_view part) {
  if (!std::filesystem::is_directory(folder)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(part) != std::string::npos) return entry.path();
  return {};
}

// Correction 0 of the first quarter of 2017 agrees with itself; correction 2 carries a month-3
// payment of 5 977.00 against 50 000.00 in the person's total and in subsection 1.2; correction
// 1 is demonstration data whose section 1 contradicts itself throughout (each entry below was
// checked against the file's figures).
TEST(RealReports501, ReferenceSamplesGiveWhatTheirFiguresDeserve) {
  const std::filesystem::path samples = std::filesystem::path(ORSVELT_SHARED_REFERENCE) / "samples" / "5.01";
  const std::map<std::string, std::vector<std::string>> expected = {
      {"20170412", {}},
      {"20170410", {"1.294/3//4402300", "1.302/0//4402300"}},
      {"20170331",
       {// Payable lines against subsections: tariff 02 carries contributions of months 2 and 3.
        "1.8/2//-55500", "1.9/3//-5500000",
        // УплПерОСС is not the sum to pay of appendix 2 (13 902.00 against 8 000.00, and each month).
        "1.22/0//590200", "1.23/1//163400", "1.24/2//251800", "1.25/3//175000",
        // Tariff 02: non-taxable 1 000.00 a month over zero payments, and a base that is not payments less it.
        "1.59/0/02/-100000", "1.60/1/02/-100000", "1.61/2/02/-100000", "1.62/3/02/-100000", "1.64/0/02/-200000",
        "1.65/0/02/-75900000", "1.66/0/02/100000", "1.67/1/02/100000", "1.68/2/02/100000", "1.69/3/02/100000",
        // Contributions are not those within plus those above the limit.
        "1.82/0/01/-300000", "1.83/0/01/-300000", "1.84/1/01/-100000", "1.85/2/01/-100000", "1.85/2/02/33300",
        "1.86/3/01/-100000", "1.86/3/02/5477800", "1.88/0/02/-5555500", "1.90/0/02/-22200", "1.92/0/02/-22200",
        // Subsection 1.2 of tariff 01: the base is 10 000.00 below payments less non-taxable sums.
        "1.118/0/01/-1000000", "1.119/0/01/-1000000", "1.120/1/01/-200000", "1.121/2/01/-600000",
        "1.122/3/01/-200000",
        // Appendix 2: a base line whose three months do not add up.
        "1.236/0//-100000",
        // Subsection 1.2 payments against the persons of corrections 0 and 1 together.
        "1.292/1//11200000", "1.293/2//11400000", "1.294/3//15902300",
        // Tariff 02 declares 760 000.00 since the start of the first quarter against zero three months.
        "1.56/0/02/76000000"}}};
  for (const auto& [part, findings] : expected) {
    const auto path = Find(samples, part);
    if (path.empty()) GTEST_SKIP() << "reference samples absent: " << samples;
    EXPECT_EQ(FindingsOf(path), findings) << part;
  }
}

// The bundled examples of 2018 (first quarter, its correction, half-year, nine months) hold the
// ratios within section 1; the nine months' planted kopeck of August payments and base is in
// subsection 1.1 only, so its since-start lines are a kopeck above the year's persons (N7,
// N11), and the first worker's base of 125 000.00 a month passes the limit of 2018 in
// September (1.308).
TEST(RealReports501, BundledExamplesGiveWhatTheirFiguresDeserve) {
  const std::filesystem::path examples = std::filesystem::path(ORSVELT_EXAMPLES) / "5.01";
  const std::map<std::string, std::vector<std::string>> expected = {
      {"20180420", {}},
      {"20180514", {}},
      {"20180719", {}},
      {"20181022", {"N7/0//1", "N11/0//1", "1.308/0//10400000"}}};
  for (const auto& [part, findings] : expected) {
    const auto path = Find(examples, part);
    ASSERT_FALSE(path.empty()) << part;
    EXPECT_EQ(FindingsOf(path), findings) << part;
  }
}

// The payers' INN and the persons' SNILS and INN of every bundled example carry their check
// numbers: no personal-data finding.
TEST(RealReports501, BundledExamplesHaveValidIdentifiers) {
  for (const char* version : {"5.01", "5.02"})
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(ORSVELT_EXAMPLES) / version)) {
      if (entry.path().extension() != ".xml") continue;
      const checks::CheckResult result = RunCheckOf(entry.path());
      for (const checks::Finding& f : result.findings)
        EXPECT_NE(f.group, checks::Group::D) << entry.path().filename() << ": " << f.check << " " << f.text;
    }
}

}  // namespace
}  // namespace orsvelt::test
