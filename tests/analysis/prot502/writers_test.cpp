// The HTML page and the workbook of the 5.02 analysis: exact lines for a small report,
// the shape of unusual person tables, escaping of report values, and failed writes.

#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot502/prot502.h"
#include "analysis/prot502/prot502_writers.h"
#include "support/failing_sink.h"
#include "markup/file_sink.h"
#include "support/html_check.h"
#include "markup/markup_test_lines.h"
#include "support/memory_sink.h"
#include "support/workbook_check.h"
#include "protocol_lines.h"
#include "report_text.h"
#include "support/calc_layout.h"
#include "support/failing_sink.h"
#include "support/html_check.h"
#include "support/memory_sink.h"
#include "support/test_support.h"
#include "support/workbook_sheets.h"
#include "support/workbook_check.h"
#include "xml/path_text.h"

namespace orsvelt::test {
namespace {

constexpr const char* kStamp = "20.07.2020 9:05:03";

// The header texts the expected files were written with, whatever the build's constants.
ProtocolHeader FixedHeader() {
  ProtocolHeader header;
  header.version = "2.2.0.0";
  header.date = "10 января 2020 г.";
  header.debug = true;
  header.site = "https://brannix.ru/orsvelt/";
  return header;
}

std::filesystem::path SmallDir() { return DataDir() / "5.02" / "small"; }

struct Protocols {
  std::string html;
  std::string workbook;
};

// Both protocols of a prepared analysis, each checked by the markup checkers.
Protocols Write(TRSV502Prot& prot) {
  MemorySink html;
  EXPECT_TRUE(prot.WriteHtmlTo(html, FixedHeader())) << prot.ErrorText();
  EXPECT_TRUE(html.Committed());
  EXPECT_EQ(CheckHtmlWellFormed(html.Bytes()), "");
  MemorySink workbook;
  EXPECT_TRUE(prot.WriteSpreadsheetTo(workbook, FixedHeader())) << prot.ErrorText();
  EXPECT_EQ(CheckWorkbook(workbook.Bytes()), "");
  EXPECT_EQ(CheckCalcLayout(workbook.Bytes()), "");
  return {html.Bytes(), workbook.Bytes()};
}

// Analyses the main report of a folder.
struct Analysed {
  std::unique_ptr<LoadedReport> main;
  TRSV502Prot prot;
  Analysed(const std::filesystem::path& report) : main(LoadReportFile(report)) {
    prot.FixRunStamp(kStamp);
    EXPECT_TRUE(prot.Analyse(main->file, report.parent_path())) << prot.ErrorText();
  }
};

// Only the main file, written from a description.
struct AnalysedReport {
  TempDir dir;
  std::unique_ptr<Analysed> run;
  explicit AnalysedReport(const TestReport& content) : run(std::make_unique<Analysed>(WriteReport(dir.path(), content))) {}
  TRSV502Prot& prot() { return run->prot; }
};

TEST(Writers502, SmallReportPageLineByLine) {
  Analysed run(SmallDir() / "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml");
  const Protocols out = Write(run.prot);
  EXPECT_TRUE(SameLinesAsFile(ProtocolLines(out.html), PathToUtf8(SmallDir() / "expected_protocol.html")));
}

TEST(Writers502, SmallReportWorkbookLineByLine) {
  Analysed run(SmallDir() / "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml");
  const Protocols out = Write(run.prot);
  EXPECT_TRUE(SameLinesAsFile(ProtocolLines(out.workbook), PathToUtf8(SmallDir() / "expected_protocol.xml")));
}

TEST(Writers502, ValuesFromTheReportAreEscapedInBothProtocols) {
  TestReport content;
  content.fileId = "NO_RASCHSV_a&b";
  content.orgName = "ООО &quot;&lt;b&gt;Рога&lt;/b&gt; &amp; Копыта&quot;";
  content.place = "&lt;script&gt;";
  TestPerson p;
  p.snils = "1&lt;2";
  p.inn = "&amp;";
  p.surname = "Смит &amp; &lt;i&gt;Вессон&lt;/i&gt;";
  p.months = {{1, "Н&amp;Р&lt;", "1", "1", "0", "0"}};
  content.persons = {p};
  AnalysedReport run(content);
  ASSERT_EQ(run.prot().Persons().size(), 1u);
  ASSERT_EQ(run.prot().Persons()[0].Name, "Смит & <i>Вессон</i> Иван");
  const Protocols out = Write(run.prot());  // well-formed, checked in Write

  const std::vector<std::string> page = ProtocolLines(out.html);
  EXPECT_GE(LineIndex(page, "   <td>ООО &quot;&lt;b&gt;Рога&lt;/b&gt; &amp; Копыта&quot;</td>"), 0);
  EXPECT_GE(LineIndex(page, "   <td>NO_RASCHSV_a&amp;b.xml</td>"), 0);
  EXPECT_GE(LineIndex(page, "    <td class=\"tdnorm\" rowspan=\"1\">Смит &amp; &lt;i&gt;Вессон&lt;/i&gt; Иван</td>"), 0);
  EXPECT_GE(LineIndex(page, "    <td class=\"tdnorm\">Н&amp;Р&lt;</td>"), 0);
  EXPECT_GE(LineIndex(page, "    <td class=\"tdnorm\" rowspan=\"1\">&amp;</td>"), 0);
  EXPECT_EQ(out.html.find("<i>"), std::string::npos);

  const std::vector<std::string> book = ProtocolLines(out.workbook);
  EXPECT_GE(LineIndex(book, "<Cell ss:StyleID=\"BorderedText\" ss:MergeDown=\"0\"><Data ss:Type=\"String\">Смит &amp; "
                            "&lt;i&gt;Вессон&lt;/i&gt; Иван</Data></Cell>"),
            0);
  EXPECT_GE(LineIndex(book, "<Cell ss:StyleID=\"BorderedCenteredText\"><Data ss:Type=\"String\">Н&amp;Р&lt;</Data></Cell>"), 0);
  EXPECT_EQ(out.workbook.find("<i>"), std::string::npos);
}

TEST(Writers502, AReportWithoutPersonsOrEarlierFilesEndsAfterTheComposition) {
  TestReport bare;
  bare.withCalculation = false;  // a damaged report: no sections, no persons
  AnalysedReport run(bare);
  const Protocols out = Write(run.prot());
  const std::vector<std::string> page = ProtocolLines(out.html);
  const int list = LineIndex(page, "  <h2>Состав основного файла</h2>");
  ASSERT_GE(list, 0);
  EXPECT_EQ(std::vector<std::string>(page.begin() + list, page.end()),
            (std::vector<std::string>{"  <h2>Состав основного файла</h2>", "  <ul>", "  </ul>", " </body>", "</html>"}));
  EXPECT_EQ(LineIndex(page, "  <h2>Сведения о файлах за предыдущие периоды отчетного года</h2>"), -1);

  const std::vector<std::string> book = ProtocolLines(out.workbook);
  int sheets = 0;
  for (const std::string& line : book) sheets += line.rfind("<Worksheet ", 0) == 0;
  EXPECT_EQ(sheets, 2);
  EXPECT_EQ(std::vector<std::string>(book.end() - 3, book.end()),
            (std::vector<std::string>{"  </Table>", " </Worksheet>", "</Workbook>"}));
}

TEST(Writers502, CompositionListsOnlyWhatIsPresent) {
  struct Case {
    const char* what;
    std::string head;
    std::vector<std::string> pageLines;  // from "  <ul>" to "  </ul>"
    std::vector<std::string> bookRows;   // how the names in the first cells of the composition rows begin
  };
  const std::string s1 = "   <li>Раздел 1. Сводные данные об обязательствах плательщика страховых взносов";
  const std::string s2 =
      "   <li>Раздел 2. Сводные данные об обязательствах плательщиков страховых взносов - глав крестьянских "
      "(фермерских) хозяйств";
  const Case cases[] = {
      {"section 1 without appendices", "<ОбязПлатСВ ТипПлат=\"1\"/>\n", {"  <ul>", s1 + "</li>", "  </ul>"},
       {"Раздел 1", "Раздел 2", "Раздел 3"}},
      {"appendix 9 alone",
       "<ОбязПлатСВ ТипПлат=\"1\"><СвПримТариф1.3.422><ВыплатИт СумВсегоПер=\"0\"/></СвПримТариф1.3.422></ОбязПлатСВ>\n",
       {"  <ul>", s1 + "<ul>",
        "     <li>Приложение 9. Сведения, необходимые для применения положений пп. 1 п. 3 ст. 422 НК организациями, "
        "осуществляющими выплаты и иные вознаграждения в пользу обучающихся</li>",
        " </ul>", "</li>", "  </ul>"},
       {"Раздел 1", "Приложение 1", "Приложение 2", "Приложение 3", "Приложение 4", "Приложение 5", "Приложение 6",
        "Приложение 7", "Приложение 8", "Приложение 9", "Раздел 2", "Раздел 3"}},
      {"section 2 without its parts", "<ОбязПлатСВ_КФХ ОКТМО=\"1\"/>\n", {"  <ul>", s2 + "</li>", "  </ul>"},
       {"Раздел 1", "Раздел 2", "Раздел 3"}},
      {"section 2 medical sums", "<ОбязПлатСВ_КФХ ОКТМО=\"1\"><УплПерОМС КБК=\"1\"/></ОбязПлатСВ_КФХ>\n",
       {"  <ul>", s2 + "     <li>Суммы СВ на ОМС</li>", "</li>", "  </ul>"},
       {"Раздел 1", "Раздел 2", "Суммы страховых взносов на ОПС", "Суммы страховых взносов на ОМС", "Приложение 1",
        "Раздел 3"}},
  };
  for (const Case& c : cases) {
    TestReport content;
    content.calculationHead = c.head;
    AnalysedReport run(content);
    const Protocols out = Write(run.prot());
    const std::vector<std::string> page = ProtocolLines(out.html);
    const int from = LineIndex(page, "  <ul>");
    const int to = LineIndex(page, "  </ul>", from);
    ASSERT_TRUE(from >= 0 && to >= from) << c.what;
    EXPECT_EQ(std::vector<std::string>(page.begin() + from, page.begin() + to + 1), c.pageLines) << c.what;

    std::vector<std::string> rows;
    const std::vector<std::string> book = ProtocolLines(out.workbook);
    const std::string prefix = "<Cell ss:StyleID=\"BorderedText\"><Data ss:Type=\"String\">";
    for (int i = LineIndex(book, "<Worksheet ss:Name=\"Состав\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">");
         i >= 0 && i + 1 < static_cast<int>(book.size()); ++i) {
      if (book[i] == " </Worksheet>") break;
      if (book[i] == "<Row>" && book[i + 1].rfind(prefix, 0) == 0) rows.push_back(book[i + 1].substr(prefix.size()));
    }
    ASSERT_EQ(rows.size(), c.bookRows.size()) << c.what;
    for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].rfind(c.bookRows[r], 0), 0u) << c.what << ": " << rows[r];
  }
}

// A prepared analysis without files: persons collected straight from report texts.
struct Collected {
  std::vector<std::unique_ptr<LoadedReport>> files;
  TRSV502Prot prot;
  Collected(const std::vector<TestReport>& contents) {
    prot.FixRunStamp(kStamp);
    int n = 0;
    for (const TestReport& content : contents) {
      files.push_back(LoadReportText(ReportXml(content)));
      prot.Collect(files.back()->file, ++n);
    }
    prot.BuildTotals();
  }
};

TestReport Period(const std::string& period, std::vector<TestPerson> persons) {
  TestReport content;
  content.period = period;
  content.persons = std::move(persons);
  return content;
}

TestPerson Person(const std::string& snils, std::vector<MonthRow> months, bool annulled = false) {
  TestPerson p;
  p.snils = snils;
  p.months = std::move(months);
  p.annulled = annulled;
  return p;
}

TEST(Writers502, QuarterColumnsFollowTheOrderTheQuartersWereMet) {
  Collected c({Period("31", {Person("1", {{1, "НР"}, {1, "МС"}})}), Period("21", {Person("2", {{1, "НР"}})})});
  const Protocols out = Write(c.prot);
  const std::vector<std::string> page = ProtocolLines(out.html);
  const int q2 = LineIndex(page, "    <th colspan=\"14\">2 квартал</th>");
  const int q1 = LineIndex(page, "    <th colspan=\"14\">1 квартал</th>");
  EXPECT_TRUE(q2 >= 0 && q1 == q2 + 1);
  EXPECT_LT(LineIndex(page, "    <th colspan=\"4\">апрель</th>"), LineIndex(page, "    <th colspan=\"4\">январь</th>"));

  const std::vector<std::string> book = ProtocolLines(out.workbook);
  EXPECT_GE(LineIndex(book, "<Cell ss:StyleID=\"CellHeaderCenter\" ss:MergeAcross=\"3\"><Data ss:Type=\"String\">апрель</Data></Cell>"),
            0);
  EXPECT_LT(LineIndex(book, "<Cell ss:StyleID=\"CellHeaderCenter\" ss:MergeAcross=\"3\"><Data ss:Type=\"String\">апрель</Data></Cell>"),
            LineIndex(book, "<Cell ss:StyleID=\"CellHeaderCenter\" ss:MergeAcross=\"3\"><Data ss:Type=\"String\">январь</Data></Cell>"));
  // The continuation row of the first person puts quarter 2, its first quarter, at column 7.
  EXPECT_GE(LineIndex(book, "<Cell ss:Index=\"7\" ss:StyleID=\"BorderedCenteredText\"><Data ss:Type=\"String\">1/1</Data></Cell>"), 0);
  // Its quarter 1 has no data: one merged cell over both rows and all fourteen columns.
  EXPECT_GE(LineIndex(book, "<Cell ss:StyleID=\"BorderedCenteredText\" ss:MergeDown=\"1\" ss:MergeAcross=\"13\"><Data "
                            "ss:Type=\"String\">Данные отсутствуют</Data></Cell>"),
            0);
}

TEST(Writers502, APersonWithoutCategoryRowsStillClosesItsRow) {
  Collected c({Period("21", {Person("1", {}, true), Person("2", {{1, "НР"}})})});
  ASSERT_TRUE(c.prot.PersonCategories(c.prot.Persons()[0]).empty());
  const Protocols out = Write(c.prot);
  const std::vector<std::string> page = ProtocolLines(out.html);
  const int source = LineIndex(page, "    <td class=\"tdnorm\" rowspan=\"1\">1/1</td>");
  ASSERT_GE(source, 0);
  EXPECT_EQ(page[static_cast<std::size_t>(source) + 1], "   </tr>");
  EXPECT_EQ(page[static_cast<std::size_t>(source) + 2], "   <tr>");

  const std::vector<std::string> book = ProtocolLines(out.workbook);
  const int cell = LineIndex(book, "<Cell ss:StyleID=\"BorderedText\" ss:MergeDown=\"0\"><Data ss:Type=\"String\">1/1</Data></Cell>");
  ASSERT_GE(cell, 0);
  EXPECT_EQ(book[static_cast<std::size_t>(cell) + 1], "</Row>");
}

TEST(Writers502, ManyCategoriesAndQuartersKeepTheWorkbookFreeOfOverlaps) {
  std::vector<MonthRow> rows;
  for (const char* code : {"НР", "ВЖНР", "ВПНР", "МС"}) rows.push_back({2, code, "1", "1", "0", "0"});
  TestPerson annulled = Person("3", {}, true);
  Collected c({Period("21", {Person("1", rows), annulled}), Period("31", {Person("2", {{3, "МС", "5"}}), Person("1", {{1, "ВЖМС"}})}),
               Period("33", {Person("3", rows)}), Period("34", {Person("4", {})})});
  Write(c.prot);  // the checkers run inside
}

// The person sheet at every lowered row limit from one that holds the headings and the
// longest person (five category rows) to one that holds the sheet: continued on "Р3 осн (2)",
// ... exactly when it would pass the limit, persons whole, the headings and columns again.
TEST(Writers502, PersonSheetContinuesAtEveryLimit) {
  std::vector<MonthRow> rows;
  for (const char* code : {"НР", "ВЖНР", "ВПНР", "МС"}) rows.push_back({2, code, "1", "1", "0", "0"});
  std::vector<TestPerson> persons;
  for (int i = 1; i <= 8; ++i) persons.push_back(Person(std::to_string(i), std::vector(rows.begin(), rows.begin() + i % 5)));
  persons.push_back(Person("9", {}, true));
  Collected c({Period("21", persons), Period("31", {Person("2", {{3, "МС", "5"}}), Person("1", {{1, "ВЖМС"}})})});
  const std::string single = Write(c.prot).workbook;
  const std::size_t sheetRows = WorkbookSheets(single).back().rows.size();
  for (std::size_t limit = 9; limit <= sheetRows + 1; ++limit) {
    const std::string book =
        WrittenBytes([&](ProtocolWriter& out) { WriteWorkbookProtocol502(out, c.prot, FixedHeader(), {.rows = static_cast<long>(limit)}); });
    ASSERT_EQ(CheckWorkbook(book), "") << limit;
    ASSERT_EQ(CheckCalcLayout(book), "") << limit;
    ASSERT_EQ(CompareContinued(single, book, limit, {{"Р3 осн", 4}}), "") << limit;
  }
}

TEST(Writers502, AFailedWriteReturnsFalseWithTheReasonAndLeavesTheOldFile) {
  TempDir dir;
  const std::filesystem::path target = dir / "protocol.xml";
  WriteBytes(target, "old");
  Collected c({Period("21", {Person("1", {{1, "НР"}})})});

  {
    FileSink file(target);
    FailingSink full(100, &file);
    EXPECT_FALSE(c.prot.WriteSpreadsheetTo(full));
    EXPECT_EQ(c.prot.ErrorText(), FailingSink::kErrorText);
  }
  EXPECT_EQ(ReadBytes(target), "old");

  EXPECT_FALSE(c.prot.WriteHtml(dir / "absent" / "protocol.html"));
  EXPECT_NE(c.prot.ErrorText(), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "absent"));

  ASSERT_TRUE(c.prot.WriteHtml(dir / "protocol.html")) << c.prot.ErrorText();
  ASSERT_TRUE(c.prot.WriteSpreadsheet(target)) << c.prot.ErrorText();
  EXPECT_EQ(CheckWorkbook(ReadBytes(target)), "");
  EXPECT_EQ(CheckHtmlWellFormed(ReadBytes(dir / "protocol.html")), "");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2u);  // no temporary file left behind
}

// Running out of memory is said in the words the 5.01 protocols use, not as "std::bad_alloc".
TEST(Writers502, OutOfMemoryGivesTheReasonInWords) {
  struct NoMemorySink : ProtocolSink {
    bool Write(std::string_view) override { throw std::bad_alloc(); }
    bool Commit() override { return true; }
  };
  Collected c({Period("21", {Person("1", {{1, "НР"}})})});
  NoMemorySink page, book;
  EXPECT_FALSE(c.prot.WriteHtmlTo(page));
  EXPECT_EQ(c.prot.ErrorText(), "Недостаточно памяти для формирования протокола.");
  EXPECT_FALSE(c.prot.WriteSpreadsheetTo(book));
  EXPECT_EQ(c.prot.ErrorText(), "Недостаточно памяти для формирования протокола.");
}

}  // namespace
}  // namespace orsvelt::test
