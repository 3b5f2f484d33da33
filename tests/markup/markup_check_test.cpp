#include <string>

#include <gtest/gtest.h>

#include "markup/markup_text.h"
#include "support/html_check.h"
#include "support/workbook_check.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

std::string Sheet(std::string_view name, std::string_view rows) {
  return "<Worksheet ss:Name=\"" + std::string(name) +
         "\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Table>" + std::string(rows) +
         "</Table></Worksheet>";
}

std::string Book(std::string_view sheets) {
  return Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
                      "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\">"
                      "<Styles><Style ss:ID=\"S\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"/></Styles>" +
                      std::string(sheets) + "</Workbook>");
}

std::string BookOfRows(std::string_view rows) { return Book(Sheet("Лист", rows)); }

TEST(CheckWorkbook, SoundWorkbooks) {
  const char* cases[] = {
      "",
      "<Row></Row><Row><Cell><Data ss:Type=\"String\">Иванов &amp; &#8470;</Data></Cell></Row>",
      // Merged down over two rows; the next row steps over it with ss:Index.
      "<Row><Cell ss:MergeDown=\"1\"/><Cell ss:MergeAcross=\"1\" ss:MergeDown=\"1\"/><Cell/></Row>"
      "<Row><Cell ss:Index=\"4\" ss:StyleID=\"S\"><Data ss:Type=\"Number\">-0.50</Data></Cell></Row>"
      "<Row><Cell/><Cell/></Row>",
      // MergeDown 0 covers its own row only.
      "<Row><Cell ss:MergeDown=\"0\"/></Row><Row><Cell/></Row>",
      "<Row ss:Index=\"3\"><Cell ss:Index=\"2\"/></Row><Row ss:Height=\"20\"></Row>",
      // Columns with and without ss:Index, one spanning three, one skipping ahead.
      "<Column ss:Index=\"1\" ss:Width=\"50\"/><Column ss:Width=\"60\" ss:Span=\"2\"/>"
      "<Column ss:Index=\"7\" ss:Width=\"132\"/><Row/>",
  };
  for (const char* rows : cases) EXPECT_EQ(CheckWorkbook(BookOfRows(rows)), "") << rows;
  EXPECT_EQ(CheckWorkbook(Book(Sheet("Титул", "") + Sheet("Состав", ""))), "");
}

TEST(CheckWorkbook, ProblemsAreFoundAndLocated) {
  const struct {
    std::string bytes;
    std::string_view problem;  // a piece of the expected description
  } cases[] = {
      {BookOfRows("<Row><Cell></Cell>"), "not well-formed"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">a</Data></Cell></Table>"), "not well-formed"},
      {BookOfRows("<Row><Cell ss:MergeDown=\"1\"/></Row><Row><Cell/></Row>"),
       "row 2, column 1: cell overlaps the merged area of the cell at row 1, column 1"},
      {BookOfRows("<Row><Cell/><Cell ss:MergeAcross=\"2\" ss:MergeDown=\"2\"/></Row><Row/>"
                  "<Row><Cell ss:Index=\"4\"/></Row>"),
       "row 3, column 4: cell overlaps the merged area of the cell at row 1, column 2"},
      {BookOfRows("<Row><Cell ss:MergeAcross=\"2\"/><Cell ss:Index=\"3\"/></Row>"),
       "row 1, column 3: ss:Index 3 stands on the cell before it, which ends at column 3"},
      {BookOfRows("<Row><Cell ss:MergeAcross=\"x\"/></Row>"), "malformed ss:MergeAcross"},
      {BookOfRows("<Row><Cell ss:Index=\"0\"/></Row>"), "malformed ss:Index"},
      {BookOfRows("<Row><Cell ss:MergeAcross=\"20000\"/></Row>"), "beyond the last column"},
      {BookOfRows("<Row/><Row ss:Index=\"1\"/>"), "does not follow row 1"},
      // Excel refuses columns out of order and columns after the rows.
      {BookOfRows("<Column ss:Index=\"2\"/><Column ss:Index=\"2\"/>"),
       "column 3: column ss:Index \"2\" does not follow column 2"},
      {BookOfRows("<Column ss:Span=\"2\"/><Column ss:Index=\"3\"/>"), "does not follow column 3"},
      {BookOfRows("<Column ss:Index=\"x\"/>"), "column ss:Index \"x\" does not follow column 0"},
      {BookOfRows("<Column ss:Span=\"-1\"/>"), "malformed ss:Span"},
      {BookOfRows("<Column ss:Index=\"16385\"/>"), "beyond the last column"},
      {BookOfRows("<Row/><Column ss:Index=\"1\"/>"), "row 1: <Column> after the rows"},
      {BookOfRows("<Row><Cell ss:StyleID=\"Missing\"/></Row>"), "style \"Missing\" is not defined"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"Number\">1 234,50</Data></Cell></Row>"), "Number cell holds \"1 234,50\""},
      {BookOfRows("<Row><Cell><Data ss:Type=\"Number\"></Data></Cell></Row>"), "Number cell holds \"\""},
      {BookOfRows("<Row><Cell><Data ss:Type=\"Date\">x</Data></Cell></Row>"), "neither String nor Number"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">A & B</Data></Cell></Row>"), "\"&\" that starts no reference"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">&nbsp;</Data></Cell></Row>"), "XML does not define"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">&#1;</Data></Cell></Row>"), "cannot carry"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">a\x01</Data></Cell></Row>"), "control character 1"},
      {BookOfRows("<Row><Cell/><Cell/></Row><Cell/>"), "<Cell> inside <Table>"},
      {BookOfRows("<Row><Row/></Row>"), "<Row> inside <Row>"},
      {BookOfRows("<Row><Cell><Data ss:Type=\"String\">a</Data><Data ss:Type=\"String\">b</Data></Cell></Row>"),
       "more than one <Data>"},
      {BookOfRows("<Row><Cell ss:StyleID=\"S\" ss:StyleID=\"S\"/></Row>"), "twice"},
      {Book(Sheet("a<b", "")), "raw \"<\" in attribute ss:Name"},
      {Book(Sheet("a&lt;b", "")), ""},
      {Book("") + "</Workbook>", "not well-formed"},
      {Book(Sheet("Лист", "")) + "junk", "text outside the root element"},
      {Book(Sheet("Лист", "") + Sheet("лист", "") + Sheet("ЛИСТ", "")), ""},
      {Book(Sheet("Same", "") + Sheet("same", "")), "\"same\" is used twice"},
      {Book(Sheet("a/b", "")), "holds one of"},
      {Book(Sheet("", "")), "without a name"},
      {Book(Sheet("Сверка данных по очень длинному имени", "")), "longer than 31"},
      {Book(""), "without a worksheet"},
      {Book("<Row/>"), "<Row> inside <Workbook>"},
      {Utf8ToCp1251("<html/>"), "root element is <html>"},
  };
  for (const auto& c : cases) {
    const std::string problem = CheckWorkbook(c.bytes);
    if (c.problem.empty()) {
      EXPECT_EQ(problem, "") << c.bytes;
    } else {
      EXPECT_NE(problem.find(c.problem), std::string::npos) << "got: " << problem << "\nfor: " << c.bytes;
    }
  }
}

TEST(CheckWorkbook, ProblemNamesTheWorksheet) {
  const std::string bytes =
      Book(Sheet("Титул", "<Row/>") + Sheet("Р3 осн", "<Row><Cell ss:MergeDown=\"2\"/></Row><Row><Cell/></Row>"));
  EXPECT_EQ(CheckWorkbook(bytes),
            "worksheet \"Р3 осн\", row 2, column 1: cell overlaps the merged area of the cell at row 1, column 1");
}

// Tests of continued tables lower the limits; a sheet at the limit passes, one row over fails.
TEST(CheckWorkbook, SheetLimitsMayBeLowered) {
  const std::string three = BookOfRows("<Row/><Row/><Row/>");
  EXPECT_EQ(CheckWorkbook(three, {.rows = 3}), "");
  EXPECT_EQ(CheckWorkbook(three, {.rows = 2}), "worksheet \"Лист\", row 3: beyond the last row of a worksheet");
  EXPECT_EQ(CheckWorkbook(BookOfRows("<Row/><Row><Cell ss:MergeDown=\"2\"/></Row>"), {.rows = 3}),
            "worksheet \"Лист\", row 2, column 1: cell reaches beyond the last row of a worksheet");
  EXPECT_EQ(CheckWorkbook(BookOfRows("<Row ss:Index=\"4\"/>"), {.rows = 3}),
            "worksheet \"Лист\", row 4: beyond the last row of a worksheet");
  const std::string wide = BookOfRows("<Row><Cell ss:Index=\"2\" ss:MergeAcross=\"1\"/></Row>");
  EXPECT_EQ(CheckWorkbook(wide, {.columns = 3}), "");
  EXPECT_EQ(CheckWorkbook(wide, {.columns = 2}),
            "worksheet \"Лист\", row 1, column 2: cell reaches beyond the last column of a worksheet");
}

// A table that declares its size must hold within it, and the size within a worksheet.
TEST(CheckWorkbook, DeclaredTableSize) {
  auto book = [](std::string_view declared) {
    return Book("<Worksheet ss:Name=\"Лист\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Table " +
                std::string(declared) +
                "><Row/><Row><Cell ss:MergeDown=\"1\" ss:MergeAcross=\"2\"/></Row></Table></Worksheet>");
  };
  EXPECT_EQ(CheckWorkbook(book("ss:ExpandedRowCount=\"3\" ss:ExpandedColumnCount=\"3\"")), "");
  EXPECT_EQ(CheckWorkbook(book("ss:ExpandedRowCount=\"2\"")),
            "worksheet \"Лист\": ss:ExpandedRowCount \"2\" below the 3 the table takes");
  EXPECT_EQ(CheckWorkbook(book("ss:ExpandedColumnCount=\"2\"")),
            "worksheet \"Лист\": ss:ExpandedColumnCount \"2\" below the 3 the table takes");
  EXPECT_EQ(CheckWorkbook(book("ss:ExpandedRowCount=\"4\""), {.rows = 3}),
            "worksheet \"Лист\": ss:ExpandedRowCount \"4\" beyond the limits of a worksheet");
  EXPECT_EQ(CheckWorkbook(book("ss:ExpandedRowCount=\"-1\"")), "worksheet \"Лист\": malformed ss:ExpandedRowCount \"-1\"");
}

TEST(CheckWorkbook, ParseProblemGivesTheLine) {
  const std::string problem = CheckWorkbook(BookOfRows("<Row>\r\n<Cell>\r\n</Row>"));
  EXPECT_NE(problem.find("line 4"), std::string::npos) << problem;  // the declaration is line 1
}

TEST(CheckHtmlWellFormed, GoodAndBadPages) {
  const struct {
    std::string_view page;
    std::string_view problem;  // empty: sound
  } cases[] = {
      {"<html><body><p>&nbsp;</p><p>Иванов &amp; Ко</p></body></html>", ""},
      {"<html><body><p>Данные отсутствуют.<p></body></html>", "not well-formed"},
      {"<html><body><p>Данные в разделах 3 отсутствуют.</h2></body></html>", "not well-formed"},
      {"<html><body><p>A & B</p></body></html>", "starts no reference"},
      {"<html><td rowspan=\"1\" rowspan=\"2\"></td></html>", "twice"},
      {"<body></body>", "root element is <body>"},
      {"<html></html><html></html>", "more than one root"},
      {"<html></html>\r\ntext", "text outside the root element"},
      {"<html><a href=\"x?a=1<2\"></a></html>", "raw \"<\""},
      {"", "no root element"},
  };
  for (const auto& c : cases) {
    const std::string problem = CheckHtmlWellFormed(Utf8ToCp1251(c.page));
    if (c.problem.empty()) {
      EXPECT_EQ(problem, "") << c.page;
    } else {
      EXPECT_NE(problem.find(c.problem), std::string::npos) << "got: " << problem << "\nfor: " << c.page;
    }
  }
}

TEST(MarkupText, EscapesAndKeepsXmlLegal) {
  const struct {
    std::string_view text;
    std::string_view expected;
  } cases[] = {
      {"ООО «Ромашка»", "ООО «Ромашка»"},
      {"a&b<c>\"d\"'e'", "a&amp;b&lt;c&gt;&quot;d&quot;&#039;e&#039;"},
      {"&amp;", "&amp;amp;"},
      {"tab\tcr\rlf\n", "tab\tcr\rlf\n"},
      {std::string_view("a\0b\x1F", 4), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"},
      {"x\xEF\xBF\xBEy\xEF\xBF\xBF", "x\xEF\xBF\xBDy\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) EXPECT_EQ(MarkupText(c.text), c.expected) << c.text;
}

// Whatever a report holds, an escaped value keeps the workbook readable.
TEST(MarkupText, AnyValueMakesASoundCell) {
  std::string everything;
  for (int c = 1; c < 128; ++c) everything.push_back(static_cast<char>(c));
  everything += "Ё№€✓😀\xEF\xBF\xBF\xFF";
  const std::string bytes =
      BookOfRows("<Row><Cell><Data ss:Type=\"String\">" + MarkupText(everything) + "</Data></Cell></Row>");
  EXPECT_EQ(CheckWorkbook(bytes), "");
}

}  // namespace
}  // namespace orsvelt
