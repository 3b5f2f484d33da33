#include "analysis/common/title_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "markup/markup_test_lines.h"

namespace orsvelt {
namespace {

using test::ProtocolLines;
using test::WrittenBytes;

ProtocolTitle SampleTitle() {
  ProtocolTitle title;
  title.mainFile = {"main.xml", "5.01", "полугодие 2020 г.", 2, "по месту нахождения", {}};
  title.readErrors = {"ошибка <1>"};
  title.earlierFiles = {{"q1.xml", "5.01", "1 квартал 2020 г.", 0, "—", {}},
                        {"q1k.xml", "5.01", "1 квартал 2020 г.", 1, "—", {}}};
  title.payer = {"Юридическое лицо", "ООО \"Ромашка\" & Ко", "7702822389", "770201001"};
  return title;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The two formats' sheets differ only where the layout says: the style of the caption and
// value cells, and whether an error row stands on one line.
TEST(TitleBlocks, TitleSheetFollowsTheLayout) {
  const ProtocolTitle title = SampleTitle();
  const auto plain = ProtocolLines(
      WrittenBytes([&](ProtocolWriter& out) { TitleSheet(out, {}, title, {.errorRowOnOneLine = true}); }));
  const auto bordered = ProtocolLines(
      WrittenBytes([&](ProtocolWriter& out) { TitleSheet(out, {}, title, {.valueStyle = CellStyle::BorderedText}); }));

  EXPECT_TRUE(HasLine(plain, "<Cell><Data ss:Type=\"String\">ИНН:</Data></Cell>"));
  EXPECT_TRUE(HasLine(bordered, "<Cell ss:StyleID=\"BorderedText\"><Data ss:Type=\"String\">ИНН:</Data></Cell>"));
  EXPECT_TRUE(
      HasLine(plain, "<Row><Cell ss:MergeAcross=\"2\"><Data ss:Type=\"String\">ошибка &lt;1&gt;</Data></Cell></Row>"));
  EXPECT_TRUE(HasLine(bordered, "<Cell ss:MergeAcross=\"2\"><Data ss:Type=\"String\">ошибка &lt;1&gt;</Data></Cell>"));
  // Earlier files are numbered from 1, each followed by its correction number.
  EXPECT_TRUE(HasLine(plain, "<Cell ss:StyleID=\"SheetHeaderLeft\"><Data ss:Type=\"String\">2</Data></Cell>"));
  EXPECT_EQ(plain.size(), bordered.size() - 2);
}

TEST(TitleBlocks, PageBlocksEscapeTheReportsTexts) {
  const ProtocolTitle title = SampleTitle();
  const auto lines = ProtocolLines(WrittenBytes([&](ProtocolWriter& out) {
    HtmlReadErrorsBlock(out, title.readErrors);
    HtmlEarlierFilesBlock(out, title.earlierFiles);
    HtmlPayerBlock(out, title.payer);
    HtmlReadErrorsBlock(out, {});
    HtmlEarlierFilesBlock(out, {});
  }));
  EXPECT_TRUE(HasLine(lines, "  <p>ошибка &lt;1&gt;</p>"));
  EXPECT_TRUE(HasLine(lines, "   <td class=\"left bold\">2</td>"));
  EXPECT_TRUE(HasLine(lines, "   <td>1</td>"));
  EXPECT_TRUE(HasLine(lines, "   <td>ООО &quot;Ромашка&quot; &amp; Ко</td>"));
  // Without errors or earlier files the blocks leave no heading behind.
  EXPECT_EQ(lines.back(), "</table>");
}

}  // namespace
}  // namespace orsvelt
