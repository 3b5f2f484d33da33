// The reference samples of 2017: the first submission's sums agree, so no ground of
// non-submission may be reported for it; the demo corrections of its folder break them.

#include <gtest/gtest.h>

#include "analysis/checks/checks_test_support.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

namespace fs = std::filesystem;

fs::path Sample(std::string_view date) {
  const fs::path folder = fs::path(ORSVELT_SHARED_REFERENCE) / "samples" / "5.01";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.path().filename().string().find(std::string("_") + std::string(date) + "_") != std::string::npos)
      return entry.path();
  return {};
}

TEST(ReferenceSamples, TheFirstSubmissionGivesNoGroundOfNonSubmission) {
  const fs::path path = Sample("20170412");
  if (path.empty()) GTEST_SKIP() << "reference samples absent";
  const auto result = ChecksOf(path);
  EXPECT_TRUE(OfGroup(result.findings, checks::Group::A).empty());
  // Its five persons share one SNILS and one INN, both with wrong check numbers.
  EXPECT_EQ(IdsOf(OfGroup(result.findings, checks::Group::D)),
            (std::vector<std::string>{"D2", "D2", "D2", "D2", "D2", "D3", "D3", "D3", "D3", "D4", "D4", "D4", "D4", "D4"}));
}

TEST(ReferenceSamples, TheSecondCorrectionIsMergedWithTheFirst) {
  const fs::path path = Sample("20170410");
  if (path.empty()) GTEST_SKIP() << "reference samples absent";
  const auto result = ChecksOf(path);
  ASSERT_EQ(result.checkedWith.size(), 1u);
  EXPECT_NE(result.checkedWith[0].find("20170331"), std::string::npos);
  // Payments are no ground before 2018; contributions and the additional tariff agree.
  EXPECT_TRUE(OfGroup(result.findings, checks::Group::A).empty());
}

}  // namespace
}  // namespace orsvelt::test
