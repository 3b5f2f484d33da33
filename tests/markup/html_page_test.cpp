#include "markup/html_page.h"

#include <string>

#include <gtest/gtest.h>

#include "markup/html_tables.h"
#include "markup_test_lines.h"
#include "support/html_check.h"

namespace orsvelt {
namespace {

using test::GoldenLines;
using test::ProtocolLines;
using test::SameLines;
using test::WrittenBytes;

constexpr std::string_view kGoldenPage = R"(<html>
 <head>
  <meta http-equiv="Content-Type" content="text/html;charset=Windows-1251"/>
  <title>Протокол анализа расчёта по страховым взносам</title>
  <style type="text/css">
   td,th
    {
     padding: 3px;
    }
   .center
    {
     text-align: center;
    }
   .tdnorm
    {
     text-align: right;
     white-space: nowrap;
    }
   .tderr
    {
     text-align: right;
     color: white;
     background-color: blue;
     white-space: nowrap;
    }
   .tderrcenter
    {
     text-align: center;
     color: white;
     background-color: blue;
     white-space: nowrap;
    }
   .tdnormcenter
    {
     text-align: center;
     white-space: nowrap;
    }
   .left
    {
     text-align: left;
    }
   .bold
    {
     font-weight: bold;
    }
   body
    {
     font-family: Arial;
    }
   #debug
    {
     color: red;
    }
  </style>
 </head>
 <body>
  <h1>Протокол отображения сводных данных для расчёта по страховым взносам</h1>
  <p>Программа Brannix:Orsvelt, Версия 2.2.0.0 от 10 января 2020 г.</p>
  <p id="debug">Версия программы является отладочной.</p>
  <p><a href="https://brannix.ru/orsvelt/" target="_blank">Сайт программы</a></p>
  <p>Дата и время формирования: 07.12.2026 9:05:03</p>
 </body>
</html>
)";

std::string Page(bool debug, std::string runStamp = "07.12.2026 9:05:03") {
  return WrittenBytes([&](ProtocolWriter& out) {
    ProtocolHeader header;
    header.debug = debug;
    header.runStamp = runStamp;
    HtmlPageOpen(out, header);
    HtmlPageClose(out);
  });
}

TEST(HtmlPage, SkeletonLineByLine) {
  EXPECT_TRUE(SameLines(ProtocolLines(Page(true)), GoldenLines(kGoldenPage)));
}

TEST(HtmlPage, DefaultHeaderFollowsTheProgramConstants) {
  ProtocolHeader header;
  EXPECT_EQ(header.version, "2.2.0.0");
  EXPECT_EQ(header.date, "10 января 2020 г.");
  EXPECT_EQ(header.debug, DebugBuild);
  EXPECT_EQ(header.site, SiteUrl);
}

TEST(HtmlPage, WithoutDebugFlagTheDebugParagraphIsGone) {
  std::vector<std::string> expected = GoldenLines(kGoldenPage);
  std::erase(expected, "  <p id=\"debug\">Версия программы является отладочной.</p>");
  const std::string page = Page(false);
  EXPECT_TRUE(SameLines(ProtocolLines(page), expected));
  EXPECT_EQ(page.find("id=\"debug\""), std::string::npos);
}

TEST(HtmlPage, IsWindows1251AndWellFormed) {
  const std::string page = Page(true);
  // "Протокол" of the title in single bytes.
  EXPECT_NE(page.find("<title>\xCF\xF0\xEE\xF2\xEE\xEA\xEE\xEB "), std::string::npos);
  EXPECT_EQ(CheckHtmlWellFormed(page), "");
}

TEST(HtmlPage, RunStampIsEscaped) {
  const std::string page = Page(true, "1 < 2 & 3");
  EXPECT_NE(Cp1251ToUtf8(page).find("формирования: 1 &lt; 2 &amp; 3</p>"), std::string::npos);
  EXPECT_EQ(CheckHtmlWellFormed(page), "");
}

TEST(HtmlTables, KeyValueTableEscapesValues) {
  const std::string bytes = WrittenBytes([](ProtocolWriter& out) {
    HtmlTableOpen(out);
    HtmlKeyValueRow(out, "Имя файла:", "a<b>&\"c\".xml");
    HtmlKeyValueRow(out, "№ п/п:", "1", "left bold");
    HtmlKeyValueTableClose(out);
    HtmlTableOpen(out);
    HtmlCell(out, {.cssClass = "tdnorm", .rowspan = 2}, "ООО \"Ромашка\" & Ко");
    HtmlDataTableClose(out);
  });
  EXPECT_TRUE(SameLines(ProtocolLines(bytes), GoldenLines(R"(  <table cellpadding="0" cellspacing="0" border="1">
<tr>
   <th class="left">Имя файла:</th>
   <td>a&lt;b&gt;&amp;&quot;c&quot;.xml</td>
</tr>
<tr>
   <th class="left">№ п/п:</th>
   <td class="left bold">1</td>
</tr>
</table>
  <table cellpadding="0" cellspacing="0" border="1">
    <td class="tdnorm" rowspan="2">ООО &quot;Ромашка&quot; &amp; Ко</td>
  </table>
)")));
}

TEST(HtmlPage, BlocksBetweenTheTables) {
  const std::string bytes = WrittenBytes([](ProtocolWriter& out) {
    HtmlHeading(out, 2, "Сведения <о> плательщике");
    HtmlHeading(out, 3, "Коды: 01, 02");
    HtmlParagraph(out, "ошибка & \"x\"");
    HtmlParagraph(out, "Примечание", 0);
    HtmlRawParagraph(out, "значение \"№ файла\"");
    HtmlListOpen(out, 2);
    HtmlListItemStart(out, 3, "Раздел 1");
    HtmlListOpen(out, 0);
    HtmlListItem(out, 5, "Приложение <1>");
    HtmlListClose(out, 1);
    HtmlListItemEnd(out);
    HtmlListClose(out, 2);
  });
  EXPECT_TRUE(SameLines(ProtocolLines(bytes), GoldenLines(R"(  <h2>Сведения &lt;о&gt; плательщике</h2>
  <h3>Коды: 01, 02</h3>
  <p>ошибка &amp; &quot;x&quot;</p>
<p>Примечание</p>
  <p>значение "№ файла"</p>
  <ul>
   <li>Раздел 1<ul>
     <li>Приложение &lt;1&gt;</li>
 </ul>
</li>
  </ul>
)")));
}

TEST(HtmlTables, CellAttributesStandInTheOrderAsked) {
  const std::string bytes = WrittenBytes([](ProtocolWriter& out) {
    HtmlRowOpen(out);
    HtmlCell(out, {}, "a&b");
    HtmlRawCell(out, {.cssClass = "tdnorm"}, "1&nbsp;000,00");
    HtmlCell(out, {.cssClass = "tdnorm", .rowspan = 3}, "x");
    HtmlCell(out, {.cssClass = "tderrcenter", .rowspan = 3, .classLast = true}, "Ж");
    HtmlCell(out, {.kind = HtmlCellKind::Header, .colspan = 9, .rowspan = 2}, "Итого");
    HtmlCell(out, {.kind = HtmlCellKind::Header, .cssClass = "tdnorm", .colspan = 6, .rowspan = 2, .rowspanFirst = true},
             "Итого:");
    HtmlCell(out, {.kind = HtmlCellKind::Header, .cssClass = "left", .colspan = 6, .classLast = true}, "КФХ");
    HtmlRawCell(out, {.indent = 6, .colspan = 6}, "");
    HtmlRowClose(out);
    HtmlHeaderRow(out, {"ИНН", "<СНИЛС>"});
    HtmlRowOpen(out, 0);
    HtmlRowClose(out, 0);
  });
  EXPECT_TRUE(SameLines(ProtocolLines(bytes), GoldenLines(R"(   <tr>
    <td>a&amp;b</td>
    <td class="tdnorm">1&nbsp;000,00</td>
    <td class="tdnorm" rowspan="3">x</td>
    <td rowspan="3" class="tderrcenter">Ж</td>
    <th colspan="9" rowspan="2">Итого</th>
    <th class="tdnorm" rowspan="2" colspan="6">Итого:</th>
    <th colspan="6" class="left">КФХ</th>
      <td colspan="6"></td>
   </tr>
   <tr>
    <th>ИНН</th>
    <th>&lt;СНИЛС&gt;</th>
   </tr>
<tr>
</tr>
)")));
}

}  // namespace
}  // namespace orsvelt
