// The 5.01 per-person tables with only the persons who have a finding: section 3, the
// cumulative table and the OMS/OSS estimate list the same persons, the totals stay.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot501/prot501_writers.h"
#include "analysis/prot501/shown_persons.h"
#include "report_builder.h"
#include "support/person_selection_check.h"
#include "support/test_support.h"
#include "writer_test_data.h"

namespace orsvelt::test {
namespace {

constexpr std::string_view kLine = "Показаны только лица с замечаниями";

std::vector<std::string> Page(const TRSV501ProtData& d, PersonSelection selection) {
  const std::string bytes =
      WrittenBytes([&](ProtocolWriter& out) { WriteHtmlProtocol501(out, d, TestHeader(), selection); });
  EXPECT_EQ(CheckHtmlWellFormed(bytes), "");
  return ProtocolLines(bytes);
}

std::vector<std::string> Workbook(const TRSV501ProtData& d, PersonSelection selection) {
  const std::string bytes =
      WrittenBytes([&](ProtocolWriter& out) { WriteWorkbookProtocol501(out, d, TestHeader(), {}, selection); });
  EXPECT_EQ(CheckWorkbook(bytes), "");
  EXPECT_EQ(CheckCalcLayout(bytes), "");
  return ProtocolLines(bytes);
}

TZLRec Plain(std::string name, std::string snils, std::uint32_t position) {
  TZLRec p;
  p.Ordinal = static_cast<std::int32_t>(position + 1);
  p.Number = static_cast<std::int32_t>(position + 1);
  p.Position = position;
  p.FullName = std::move(name);
  p.SexText = "Ж";
  p.SNILS = std::move(snils);
  p.INN = "Не указан";
  p.MonthRows = {{"07", "НР", Rub(100), Rub(100), 0, Rub(22)}};
  return p;
}

// The small report with two more persons: one without findings, in every table, and one
// whose element a reading message names. Иванов is above the limit in the cumulative table
// only, Петрова's patronymic is of the other sex.
TRSV501ProtData FourPersons() {
  TRSV501ProtData d = SmallReport();
  d.Persons.push_back(Plain("Сидорова Ольга Ивановна", "987-654-321 00", 2));
  d.Persons.push_back(Plain("Кузнецова Мария Петровна", "Не указан", 3));
  d.Persons[0].Position = 0;
  d.Persons[1].Position = 1;
  TRSV501BaseCheckPLRec sidorova;
  sidorova.FullName = "Сидорова Ольга Ивановна";
  sidorova.SNILS = "98765432100";
  sidorova.Periods = {{0, 3, "33", 0, {{.Month = 7, .Payments = Rub(100), .Base = Rub(100)}}}};
  d.BaseChecks.push_back(sidorova);
  d.OMSOSSTotal = OmsOssPerson();
  auto checks = std::make_shared<checks::CheckResult>(*d.CheckResults);
  checks->personsInReadingMessages = {3};
  d.CheckResults = checks;
  return d;
}

TEST(PersonSelection501, EveryPersonTableListsThePersonsWithAFindingOnly) {
  const TRSV501ProtData d = FourPersons();
  const std::vector<std::string> all = Page(d, PersonSelection::All);
  const std::vector<std::string> only = Page(d, PersonSelection::WithFindings);
  // Иванов: section 3, additional tariffs, cumulative table, OMS/OSS; the others once or twice.
  EXPECT_EQ(LinesWith(only, "Иванов Иван"), LinesWith(all, "Иванов Иван"));
  EXPECT_EQ(LinesWith(only, "Петрова"), LinesWith(all, "Петрова"));
  EXPECT_EQ(LinesWith(only, "Кузнецова"), 1);
  EXPECT_EQ(LinesWith(all, "Сидорова"), 3);
  EXPECT_EQ(LinesWith(only, "Сидорова"), 0);

  const std::string line = "  <p>Показаны только лица с замечаниями: 3 из 4. Лица без замечаний (1) не показаны.</p>";
  const auto said = std::find(only.begin(), only.end(), line);
  ASSERT_NE(said, only.end());
  EXPECT_EQ(*(said - 1), "  <h2>Данные по застрахованным лицам из разделов 3</h2>");
  EXPECT_EQ(*(said + 1), "  <h3>Начисления и взносы по основным тарифам</h3>");
  ExpectOnlyPersonsLeftOut(only, all, kLine, "<h3>Начисления и взносы по основным тарифам", "Итого", "</table>", 20);
  EXPECT_EQ(Page(d, PersonSelection::All), PageLines(d));
}

TEST(PersonSelection501, TheWorkbookListsTheSamePersonsAndSaysSoOnItsTitle) {
  const TRSV501ProtData d = FourPersons();
  const std::vector<std::string> all = Workbook(d, PersonSelection::All);
  const std::vector<std::string> only = Workbook(d, PersonSelection::WithFindings);
  EXPECT_EQ(LinesWith(only, "Иванов Иван"), LinesWith(all, "Иванов Иван"));
  EXPECT_EQ(LinesWith(only, "Кузнецова"), 1);
  EXPECT_EQ(LinesWith(only, "Сидорова"), 0);
  ExpectOnlyPersonsLeftOut(only, all, kLine, "ss:Name=\"Состав\"", ">Итого", "</Table>", 20);
  EXPECT_EQ(Workbook(d, PersonSelection::All), WorkbookLines(d));
}

// The estimate shares the cumulative control's persons but marks nothing of its own: a person
// above the limit with neither SNILS nor INN, whom no other table can be matched to, is listed
// in the cumulative table only.
TEST(PersonSelection501, TheEstimateFollowsTheMarkOfItsPersonOnlyThroughTheKey) {
  TRSV501ProtData d = FourPersons();
  d.PensionLimit = Rub(50);
  d.BaseChecks[1].SNILS.clear();
  const std::vector<std::string> only = Page(d, PersonSelection::WithFindings);
  EXPECT_EQ(LinesWith(only, "Сидорова"), 1);
  d.BaseChecks[1].INN = "770200000001";
  EXPECT_EQ(LinesWith(Page(d, PersonSelection::WithFindings), "Сидорова"), 2);
}

TEST(PersonSelection501, TheExampleKeepsThePersonAboveTheLimitAcrossTheYear) {
  TRSV501Prot prot;
  std::filesystem::path report;
  for (const auto& entry : std::filesystem::directory_iterator(ExamplesDir() / "5.01"))
    if (entry.path().filename().string().find("_20181022_") != std::string::npos) report = entry.path();
  ASSERT_TRUE(AnalyseReport(prot, report)) << prot.ErrorText();
  std::vector<std::string> above, below;
  for (const TRSV501BaseCheckPLRec& p : prot.BaseChecks)
    (prot501::AboveLimit(p, prot.PensionLimit) ? above : below).push_back(p.FullName);
  ASSERT_EQ(above.size(), 1u);
  ASSERT_FALSE(below.empty());

  const std::vector<std::string> all = Page(prot, PersonSelection::All);
  const std::vector<std::string> only = Page(prot, PersonSelection::WithFindings);
  // In section 3, the cumulative table and the OMS/OSS estimate alike.
  EXPECT_EQ(LinesWith(only, above[0]), LinesWith(all, above[0]));
  EXPECT_GE(LinesWith(all, above[0]), 3);
  for (const std::string& name : below) EXPECT_EQ(LinesWith(only, name), 0) << name;
  EXPECT_EQ(LinesWith(only, "Показаны только лица с замечаниями: 1 из "), 1);
  EXPECT_TRUE(LeavesOutOnly(only, all, kLine));
  EXPECT_EQ(TotalsLines(only, "Итого", "</table>"), TotalsLines(all, "Итого", "</table>"));
}

}  // namespace
}  // namespace orsvelt::test
