// The 5.02 person table with only the persons who have a finding: who stays, who goes, and
// that the totals and everything else stay as the full protocol has them.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot502/prot502.h"
#include "protocol_lines.h"
#include "report_text.h"
#include "support/memory_sink.h"
#include "support/person_selection_check.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

constexpr std::string_view kLine = "Показаны только лица с замечаниями";

TestPerson Person(std::string snils, std::string surname, std::string paid = "100.00") {
  TestPerson p;
  p.snils = std::move(snils);
  p.surname = std::move(surname);
  p.months = {{1, "НР", paid, "100.00", "0", "22.00"}, {2, "НР", "100.00", "100.00", "0", "22.00"}};
  return p;
}

// Three persons: one without findings, one whose SNILS has a wrong check number, one whose
// month does not read.
struct ThreePersons {
  TempDir dir;
  std::unique_ptr<LoadedReport> main;
  TRSV502Prot prot;
  ThreePersons() {
    TestReport report;
    report.persons = {Person("123-456-789 64", "Чистов"), Person("123-456-789 65", "Сбоев"),
                      Person("345-678-912 26", "Нечитаев", "1,0")};
    main = LoadReportFile(WriteReport(dir.path(), report));
    prot.FixRunStamp("20.07.2020 9:05:03");
    EXPECT_TRUE(prot.Analyse(main->file, dir.path())) << prot.ErrorText();
  }
  std::vector<std::string> Page(PersonSelection selection) {
    prot.SelectPersons(selection);
    MemorySink sink;
    EXPECT_TRUE(prot.WriteHtmlTo(sink)) << prot.ErrorText();
    return ProtocolLines(sink.Bytes());
  }
  std::vector<std::string> Workbook(PersonSelection selection) {
    prot.SelectPersons(selection);
    MemorySink sink;
    EXPECT_TRUE(prot.WriteSpreadsheetTo(sink)) << prot.ErrorText();
    return ProtocolLines(sink.Bytes());
  }
};

TEST(PersonSelection502, OnlyPersonsWithAFindingAreListedAndTheTotalsStay) {
  ThreePersons run;
  ASSERT_EQ(run.prot.Persons().size(), 3u);
  ASSERT_FALSE(run.prot.ReadErrors().empty());
  const std::vector<std::string> all = run.Page(PersonSelection::All);
  const std::vector<std::string> only = run.Page(PersonSelection::WithFindings);

  for (const char* name : {"Чистов", "Сбоев", "Нечитаев"}) EXPECT_EQ(LinesWith(all, name), 1) << name;
  EXPECT_EQ(LinesWith(only, "Чистов"), 0);
  EXPECT_EQ(LinesWith(only, "Сбоев"), 1);     // D2-502 names the SNILS
  EXPECT_EQ(LinesWith(only, "Нечитаев"), 1);  // a reading message names the element
  // The persons keep their numbers among all.
  EXPECT_EQ(LinesWith(only, "<td class=\"tdnorm\" rowspan=\"1\">2</td>"), 1);
  EXPECT_EQ(LinesWith(only, "<td class=\"tdnorm\" rowspan=\"1\">3</td>"), 1);

  const std::string line = "  <p>Показаны только лица с замечаниями: 2 из 3. Лица без замечаний (1) не показаны.</p>";
  const auto said = std::find(only.begin(), only.end(), line);
  ASSERT_NE(said, only.end());
  EXPECT_EQ(*(said - 1), "  <h2>Сведения по застрахованным лицам</h2>");
  EXPECT_NE((said + 1)->find("<table"), std::string::npos);
  ExpectOnlyPersonsLeftOut(only, all, kLine, "Итого:", "Итого:", "</table>", 5);
}

TEST(PersonSelection502, TheWorkbookListsTheSamePersonsAndSaysSoOnItsTitle) {
  ThreePersons run;
  const std::vector<std::string> all = run.Workbook(PersonSelection::All);
  const std::vector<std::string> only = run.Workbook(PersonSelection::WithFindings);
  EXPECT_EQ(LinesWith(only, "Чистов"), 0);
  EXPECT_EQ(LinesWith(only, "Сбоев"), 1);
  EXPECT_EQ(LinesWith(only, "Нечитаев"), 1);
  ExpectOnlyPersonsLeftOut(only, all, kLine, "ss:Name=\"Р3 осн\"", ">Итого<", "</Table>", 5);
}

TEST(PersonSelection502, AllIsTheProtocolAsWithoutTheChoice) {
  ThreePersons plain;
  MemorySink page, book;
  ASSERT_TRUE(plain.prot.WriteHtmlTo(page));
  ASSERT_TRUE(plain.prot.WriteSpreadsheetTo(book));
  ThreePersons chosen;
  EXPECT_EQ(chosen.Page(PersonSelection::All), ProtocolLines(page.Bytes()));
  EXPECT_EQ(chosen.Workbook(PersonSelection::All), ProtocolLines(book.Bytes()));
  EXPECT_EQ(LinesWith(ProtocolLines(page.Bytes()), kLine), 0);
}

}  // namespace
}  // namespace orsvelt::test
