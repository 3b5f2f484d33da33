// The later formats' rows in the check table: their own ids, no more than warnings, and run
// for 5.03 to 5.08 only.

#include <gtest/gtest.h>

#include "analysis/checks/check_table.h"
#include "hand_views.h"
#include "later_checks.h"

namespace orsvelt::test {
namespace {

TEST(LaterTable, RowsAreWarningsAtMostOfTheLaterFormatsOnly) {
  ASSERT_EQ(checks::LaterFormatRows().size(), 11u);
  for (const checks::CheckRow& row : checks::LaterFormatRows()) {
    EXPECT_EQ(row.formats, checks::kFormatLater) << row.id;
    EXPECT_TRUE(row.id.starts_with("L-")) << row.id;
    EXPECT_TRUE(row.severity == checks::Severity::Warning || row.severity == checks::Severity::Info) << row.id;
    EXPECT_NE(row.source.find("later-formats.md"), std::string_view::npos) << row.id;
  }
  EXPECT_EQ(checks::FormatsText(checks::kFormatLater), "5.03-5.08");
}

TEST(LaterTable, TheTableRunsThemForEveryLaterVersionAndNoOther) {
  for (const char* format : {"5.02", "5.03", "5.04", "5.05", "5.06", "5.07", "5.08", "5.09"}) {
    SCOPED_TRACE(format);
    HandView h(format, "2024", "21");
    h.AddPerson("112-233-445 95", "11223344595", {view::MonthRow{.month = 1, .category = "НР", .base = Rub(1)}});
    std::size_t later = 0;
    for (const checks::Finding& f : checks::RunCheckTable(ContextOf(h.view)))
      if (f.check.starts_with("L-")) ++later;
    const std::string_view v = format;
    EXPECT_EQ(later > 0, v >= "5.03" && v <= "5.08");
  }
}

// Personal data and the year's completeness are judged as for 5.02: the view is the same.
TEST(LaterTable, PersonalDataAndCompletenessRowsRunForTheLaterFormats) {
  HandView h("5.08", "2026", "33");
  h.AddPerson("112-233-445 96", "11223344596", {Row(7, "НР", Rub(100), Rub(100), Rub(30))});
  checks::CheckContext c = ContextOf(h.view);
  const checks::Completeness completeness{.missingPeriods = {"31"}, .unreadableFiles = {"NO_RASCHSV_broken.xml"}};
  c.completeness = &completeness;
  std::vector<std::string> found;  // the hand-made person has no name either
  for (const checks::Finding& f : checks::RunCheckTable(c))
    if (!f.check.starts_with("L-")) found.push_back(f.check + " " + (f.snils.empty() ? f.path : f.snils));
  EXPECT_EQ(found, (std::vector<std::string>{"D2-502 112-233-445 96", "D7-502 112-233-445 96", "E-period ",
                                             "E-file NO_RASCHSV_broken.xml"}));
}

}  // namespace
}  // namespace orsvelt::test
