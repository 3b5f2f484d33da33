// The page and the workbook of a small report, line by line against checked copies.
// ORSVELT_WRITE_GOLDEN=1 rewrites the copies from the current output (then read every
// changed line before committing them).

#include <cstdlib>
#include <fstream>

#include "support/test_support.h"
#include "writer_test_data.h"

namespace orsvelt::test {
namespace {

void CompareWithGolden(const std::string& bytes, std::string_view name) {
  const std::filesystem::path golden = DataDir() / "5.01" / std::string(name);
  const std::vector<std::string> actual = ProtocolLines(bytes);
  if (const char* write = std::getenv("ORSVELT_WRITE_GOLDEN"); write && std::string_view(write) == "1") {
    std::ofstream file(golden, std::ios::binary | std::ios::trunc);
    for (const std::string& line : actual) file << line << '\n';
  }
  const std::string expected = ReadBytes(golden);
  ASSERT_FALSE(expected.empty()) << golden;
  EXPECT_TRUE(SameLines(actual, GoldenLines(expected))) << golden;
}

TEST(Protocol501Golden, Page) { CompareWithGolden(PageOf(SmallReport()), "small_page.golden"); }

TEST(Protocol501Golden, Workbook) { CompareWithGolden(WorkbookOf(SmallReport()), "small_workbook.golden"); }

}  // namespace
}  // namespace orsvelt::test
