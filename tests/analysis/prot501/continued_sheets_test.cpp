// The person tables of the 5.01 workbook at lowered row limits: each goes on over further
// sheets exactly when it would pass the limit, with its headings again and no person split.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/workbook_sheets.h"
#include "writer_test_data.h"

namespace orsvelt::test {
namespace {

// The small report with more persons in every table, of one, two and twelve rows.
TRSV501ProtData ManyPersons() {
  TRSV501ProtData d = SmallReport();
  const std::vector<TZLRec> persons = d.Persons;
  const auto checks = d.BaseChecks;
  for (int copy = 1; copy < 6; ++copy) {
    for (TZLRec person : persons) {
      person.Ordinal = static_cast<std::int32_t>(d.Persons.size() + 1);
      person.FullName += " " + std::to_string(copy);
      d.Persons.push_back(person);
    }
    for (TRSV501BaseCheckPLRec check : checks) {
      check.FullName += " " + std::to_string(copy);
      if (copy % 2 == 0) check.Periods.pop_back();  // one month row
      d.BaseChecks.push_back(check);
    }
    d.FarmMembers.push_back(d.FarmMembers.front());
  }
  d.OMSOSSTotal = OmsOssPerson();
  return d;
}

std::string Workbook(const TRSV501ProtData& d, const SheetLimits& limits = {}) {
  return WrittenBytes([&](ProtocolWriter& out) { WriteWorkbookProtocol501(out, d, TestHeader(), limits); });
}

const std::vector<ContinuedSheet> kTables = {
    {"Р3 осн", 2}, {"Р3 доп", 2}, {"Данные по КФХ", 3}, {"Талмуд НИ", 4}, {"ОМС-ОСС расчётно", 4}};

// From the smallest limit that holds the heading and the longest record (the twelve months
// of the OMS/OSS estimate) to one that holds every table: each limit, and so each table's
// exact boundary (its rows, and one fewer) and every place a record could straddle. The
// title and composition sheets are not continued (twenty rows or so whatever the report),
// so the whole workbook is checked at the programs' limits.
TEST(ContinuedSheets501, EveryTableAtEveryLimit) {
  const TRSV501ProtData d = ManyPersons();
  const std::string single = Workbook(d);
  ASSERT_EQ(CheckWorkbook(single), "");
  std::size_t longest = 0;
  for (const SheetPieces& sheet : WorkbookSheets(single)) longest = std::max(longest, sheet.rows.size());
  for (std::size_t limit = 16; limit <= longest + 1; ++limit) {
    const std::string book = Workbook(d, {.rows = static_cast<long>(limit)});
    ASSERT_EQ(CheckWorkbook(book), "") << limit;
    ASSERT_EQ(CheckCalcLayout(book), "") << limit;
    ASSERT_EQ(CompareContinued(single, book, limit, kTables), "") << limit;
  }
}

TEST(ContinuedSheets501, ACumulativeTableOneRowOverGoesOnAfterItsHeadings) {
  TRSV501ProtData d = ManyPersons();
  const std::vector<SheetPieces> single = WorkbookSheets(Workbook(d));
  const auto talmud = std::find_if(single.begin(), single.end(), [](const SheetPieces& s) { return s.name == "Талмуд НИ"; });
  ASSERT_NE(talmud, single.end());
  const long rows = static_cast<long>(talmud->rows.size());

  // Exactly at the limit: one sheet.
  std::vector<SheetPieces> sheets = WorkbookSheets(Workbook(d, {.rows = rows}));
  EXPECT_EQ(std::count_if(sheets.begin(), sheets.end(), [](const SheetPieces& s) { return s.name.starts_with("Талмуд"); }), 1);

  // One row fewer: the total ("Итого:", two rows) goes whole to "Талмуд НИ (2)" after the four headings.
  sheets = WorkbookSheets(Workbook(d, {.rows = rows - 1}));
  const auto second = std::find_if(sheets.begin(), sheets.end(), [](const SheetPieces& s) { return s.name == "Талмуд НИ (2)"; });
  ASSERT_NE(second, sheets.end());
  ASSERT_EQ(second->rows.size(), 6u);
  EXPECT_NE(second->rows[3].find("СНИЛС"), std::string::npos);
  EXPECT_NE(second->rows[4].find("Итого:"), std::string::npos);
  EXPECT_EQ((second - 1)->rows.size(), static_cast<std::size_t>(rows - 2));
}

}  // namespace
}  // namespace orsvelt::test
