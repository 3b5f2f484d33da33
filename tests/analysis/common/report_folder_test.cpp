// Which files of a folder are reports.

#include <gtest/gtest.h>

#include "analysis/common/report_folder.h"

namespace orsvelt::test {
namespace {

TEST(ReportFolder, ReportFileNamesMatchThePatternInAnyCase) {
  const struct {
    const char* name;
    bool report;
  } cases[] = {
      {"NO_RASCHSV_7700_1.xml", true}, {"no_raschsv_7700_1.XML", true}, {"No_RaschSV_.Xml", true},
      {"NO_RASCHSV_1.xml.bak", false}, {"X_NO_RASCHSV_1.xml", false},   {"NO_RASCHSV1.xml", false},
      {"NO_RASCHSV.xml", false},       {"NO_RASCHSV_.xm", false},       {"prot_NO_RASCHSV_1.xml", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsReportFileName(c.name), c.report) << c.name;
}

}  // namespace
}  // namespace orsvelt::test
