// Odd input: months outside the quarter, stubs that break the format, and a file whose
// model is the only owner of the texts the view shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "support/test_support.h"
#include "view_fixture.h"

namespace orsvelt {
namespace {

std::map<int, int> MonthCounts(const view::ReportView& v) {
  std::map<int, int> out;
  for (const view::MonthRow& row : v.section3.rows) ++out[row.month];
  return out;
}

TEST(ReportViewInput, MonthsOutOfRangeAreZero) {
  test::ViewedReport r501, r502;
  r501.LoadBytes(test::ReadBytes(test::DataDir() / "hostile" / "months_501.xml"));
  r502.LoadBytes(test::ReadBytes(test::DataDir() / "hostile" / "months_502.xml"));
  // 5.01: "01", "02", "03" as written; "0" and "13" are no month.
  EXPECT_EQ(MonthCounts(*r501.view), (std::map<int, int>{{0, 2}, {1, 3}, {2, 3}, {3, 2}}));
  // 5.02, first quarter: 1..3 ("01" reads as 1); 0 and 13 are outside the quarter.
  EXPECT_EQ(MonthCounts(*r502.view), (std::map<int, int>{{0, 2}, {1, 3}, {2, 2}, {3, 2}}));
}

TEST(ReportViewInput, MonthsUnderAPeriodOfNoQuarterAreZero) {
  test::ViewedReport r;
  std::string bytes =
      test::ReadBytes(test::DataDir() / "5.02" / "small" / "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml");
  const std::size_t at = bytes.find("=\"31\"");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 5, "=\"99\"");
  r.LoadBytes(bytes);
  EXPECT_EQ(r.view->title.period, "99");
  for (const view::MonthRow& row : r.view->section3.rows) EXPECT_EQ(row.month, 0);
}

// Every sample, the broken stubs among them, gives a view with as many persons and rows as
// its model.
TEST(ReportViewInput, ViewsOfEverySampleMatchTheirModel) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto folder = test::ReferenceDir() / "samples" / "5.01";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no reference samples";
  int viewed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".xml") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TXMLFile xml;
    xml.LoadFromBytes(test::ReadBytes(entry.path()));
    if (!xml.Parse()) continue;
    TRSVFile file;
    file.Load(xml.Root(), "");
    const auto v = MakeReportView(file);
    if (!v || !file.Document501->РасчетСВ) continue;
    ++viewed;
    const auto& persons = file.Document501->РасчетСВ->ПерсСвСтрахЛиц;
    ASSERT_EQ(v->section3.persons.size(), persons.size());
    for (std::size_t i = 0; i < persons.size(); ++i) {
      const auto& ops = persons[i].СвВыплСВОПС;
      const std::size_t rows = ops && ops->СвВыпл ? ops->СвВыпл->СвВыплМК.size() : 0;
      const std::size_t extra = ops && ops->ВыплСВДоп ? ops->ВыплСВДоп->ВыплСВДопМТ.size() : 0;
      EXPECT_EQ(v->section3.RowsOf(v->section3.persons[i]).size(), rows);
      EXPECT_EQ(v->section3.ExtraRowsOf(v->section3.persons[i]).size(), extra);
    }
  }
  EXPECT_GT(viewed, 0);
}

// The view shows the model's texts without copying them.
TEST(ReportViewInput, TextsPointIntoTheModel) {
  test::ViewedReport r;
  r.LoadBytes(
      test::ReadBytes(test::DataDir() / "5.02" / "small" / "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml"));
  const auto& persons = r.file.Document502->РасчетСВ->ПерсСвСтрахЛиц;
  ASSERT_FALSE(persons.empty());
  EXPECT_EQ(r.view->section3.persons[0].snils.data(), persons[0].ДанФЛПолуч->СНИЛС.data());
  EXPECT_EQ(r.view->section3.persons[0].surname.data(), persons[0].ДанФЛПолуч->ФИО->Фамилия.data());
}

}  // namespace
}  // namespace orsvelt
