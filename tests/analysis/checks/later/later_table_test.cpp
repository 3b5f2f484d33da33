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

}  // namespace
}  // namespace orsvelt::test
