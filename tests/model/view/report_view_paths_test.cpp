// Every value of the view names the path that the reader prints for it: each number of a
// report is made unreadable, and the reader's message about it must carry the path the
// view gives. Format 5.02 names no path for a count that is no number, so its counts are
// left out.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "support/test_support.h"
#include "view_fixture.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

using view::Column;

// The report files of a folder (named NO_RASCHSV_*.xml, as the tax service names them).
std::vector<std::filesystem::path> ReportsIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> out;
  if (!std::filesystem::is_directory(folder)) return out;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".xml" && entry.path().filename().string().starts_with("NO_RASCHSV_"))
      out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

// Replaces every value matching pattern inside "РасчетСВ" (the title keeps its version
// and dates) by a text that is no number.
std::string Spoiled(std::string bytes) {
  std::size_t from = bytes.find(Utf8ToCp1251("<РасчетСВ"));
  if (from == std::string::npos) from = bytes.find("<РасчетСВ");
  if (from == std::string::npos) return bytes;
  return bytes.substr(0, from) + test::NumbersSpoiled(std::string_view(bytes).substr(from), true);
}

// The paths the reader's messages begin with.
std::unordered_set<std::string> MessagePaths(const TRSVFile& file) {
  std::unordered_set<std::string> out;
  for (const std::string& m : file.Errors) out.insert(m.substr(0, m.find(':')));
  return out;
}

struct Counted {
  int checked = 0;
};

void ExpectLinePaths(const std::unordered_set<std::string>& paths, const view::Line& line, bool counts, Counted& n) {
  if (line.count && !counts) return;
  for (std::size_t c = 0; c < view::kColumnCount; ++c) {
    if (!line.values[c]) continue;
    const std::string path = line.PathOf(static_cast<Column>(c));
    EXPECT_TRUE(paths.contains(path)) << path;
    ++n.checked;
  }
}

constexpr view::RowField kAllRowAmounts[] = {view::RowField::Payments, view::RowField::Base,
                                             view::RowField::ContractBase, view::RowField::Contributions};

// rowFields: the row attributes every row of the reports writes.
void ExpectAllPaths(const test::ViewedReport& r, Counted& n,
                    std::span<const view::RowField> rowFields = kAllRowAmounts) {
  const bool counts = r.view->title.formatVersion == "5.01";
  const auto paths = MessagePaths(r.file);
  const view::Section1& s1 = r.view->section1;
  for (const view::Line& l : s1.payable) ExpectLinePaths(paths, l, counts, n);
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks)
      for (const view::Line& l : b.lines) ExpectLinePaths(paths, l, counts, n);
  for (const view::Block& b : s1.appendix2)
    for (const view::Line& l : b.lines) ExpectLinePaths(paths, l, counts, n);
  for (const view::Block& b : s1.blocks)
    for (const view::Line& l : b.lines) ExpectLinePaths(paths, l, counts, n);
  const view::Section3& s3 = r.view->section3;
  for (const view::Person& p : s3.persons) {
    for (const view::MonthRow& row : s3.RowsOf(p)) {
      for (const auto field : rowFields) {
        EXPECT_TRUE(paths.contains(s3.PathOf(p, row, field))) << s3.PathOf(p, row, field);
        ++n.checked;
      }
    }
    for (const view::ExtraTariffRow& row : s3.ExtraRowsOf(p)) {
      for (const auto field : {view::ExtraRowField::Base, view::ExtraRowField::Contributions}) {
        EXPECT_TRUE(paths.contains(s3.PathOf(p, row, field))) << s3.PathOf(p, row, field);
        ++n.checked;
      }
    }
  }
}

std::vector<std::filesystem::path> BundledReports() {
  std::vector<std::filesystem::path> out;
  for (const auto& folder :
       {test::ExamplesDir() / "5.01", test::ExamplesDir() / "5.02", test::DataDir() / "5.02" / "small"}) {
    const auto files = ReportsIn(folder);
    out.insert(out.end(), files.begin(), files.end());
  }
  return out;
}

// Numbers and empty values; codes made of digits are spoiled too, which harms nothing.

TEST(ReportViewPaths, AmountsOfTheBundledReports) {
  Counted n;
  for (const auto& path : BundledReports()) {
    SCOPED_TRACE(path.filename().string());
    test::ViewedReport r;
    r.LoadBytes(Spoiled(test::ReadBytes(path)));
    if (HasFatalFailure()) return;
    ExpectAllPaths(r, n);
  }
  EXPECT_GT(n.checked, 1000);
}

// The real reports among the samples. The stubs beside them repeat single elements and
// change their order, which the model does not keep; their numbering is not checked.
TEST(ReportViewPaths, ReferenceSamples) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto files = ReportsIn(test::ReferenceDir() / "samples" / "5.01");
  if (files.empty()) GTEST_SKIP() << "no reference samples";
  Counted n;
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    test::ViewedReport r;
    r.LoadBytes(Spoiled(test::ReadBytes(path)));
    if (HasFatalFailure()) return;
    ExpectAllPaths(r, n);
  }
  EXPECT_GT(n.checked, 100);
}

// The 5.06 and 5.08 samples: section 1 of the single tariff, beside-tariff blocks and rows,
// of which only "СумВыпл" is written in every row (ВыплОПСДог is left out throughout).
TEST(ReportViewPaths, LaterSamples) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto files = ReportsIn(test::ReferenceDir() / "samples" / "later");
  if (files.empty()) GTEST_SKIP() << "no later samples";
  Counted n;
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    test::ViewedReport r;
    r.LoadBytes(Spoiled(test::ReadBytes(path)));
    if (HasFatalFailure()) return;
    constexpr view::RowField kPayments[] = {view::RowField::Payments};
    ExpectAllPaths(r, n, kPayments);
  }
  EXPECT_GT(n.checked, 300);
}

}  // namespace
}  // namespace orsvelt
