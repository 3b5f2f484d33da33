// The 5.02 rows over the bundled reports find exactly what their data breaks.

#include <gtest/gtest.h>

#include "checks_502.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

std::vector<std::string> Briefs(const std::filesystem::path& path) {
  std::vector<std::string> out;
  for (const checks::Finding& f : Of502Rows(FindingsOfFile(path))) out.push_back(Brief(f));
  return out;
}

const std::filesystem::path kExamples = std::filesystem::path(ORSVELT_EXAMPLES) / "5.02";

TEST(Examples502, ReportsWhoseSection1AgreesGiveNothing) {
  for (const char* name : {"NO_RASCHSV_7707_7707_7707123458770701001_20200424_3f2a7c1e-5b8d-4e6a-9c0f-1d2e3f4a5b6c.xml",
                           "NO_RASCHSV_7707_7707_7707123458770701001_20200605_8c4d2b9a-1e7f-4a3b-b5c6-7d8e9f0a1b2c.xml",
                           "NO_RASCHSV_7714_7714_7714987650771401001_20200428_0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d.xml"})
    EXPECT_EQ(Briefs(kExamples / name), std::vector<std::string>{}) << name;
  EXPECT_EQ(Briefs(std::filesystem::path(ORSVELT_TEST_DATA) / "5.02/small" /
                   "NO_RASCHSV_7701_7701_7701000001770101001_20200420_q1.xml"),
            std::vector<std::string>{});
}

// The half-year: medical contributions payable are 5.1 % of the social base rather than the
// sum of subsection 1.2 (B2), and the payable medical and social lines and every social
// since-start column hold the second quarter alone, leaving out the first (C1, C2). Pension
// lines agree, and so do both tariff blocks' since-start columns.
TEST(Examples502, HalfYearBreaksMedicalPayableAndSocialSinceStart) {
  EXPECT_EQ(Briefs(kExamples / "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml"),
            (std::vector<std::string>{"B2-502 28942.50/46613.43", "B2-502 m4 6885.00/6786.39",
                                      "B2-502 m5 10965.00/10798.52", "B2-502 m6 11092.50/10923.52",
                                      // The planted kopeck of May in the tariff-20 block.
                                      "B10-502 20 43407.00/43406.99", "B10-502 m5 20 16648.00/16647.99",
                                      "C1-502 01 567500.00/922500.00", "C1-502 01 567500.00/922500.00",
                                      "C1-502 01 16457.50/26752.50", "C2-502 28942.50/47047.50",
                                      "C2-502 16457.50/26752.50", "C4-502 150861.59/150861.60"}));
}

// The test half-year's section 1 declares no pension payments since the start of the year
// while its persons and those of the first quarter were paid; its third person has a negative
// small-business row in June.
TEST(Examples502, TheTestHalfYearsSection1AndNegativeRows) {
  EXPECT_EQ(Briefs(std::filesystem::path(ORSVELT_TEST_DATA) / "5.02/small" /
                   "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml"),
            (std::vector<std::string>{"C4-502 0.00/1250397.50", "E1-502 m6 33344455566 -100.00/0.00", "E1-502 m6 33344455566 -100.00/0.00",
                                      "E1-502 m6 33344455566 -10.00/0.00"}));
}

}  // namespace
}  // namespace orsvelt::test
