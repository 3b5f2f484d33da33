// What the page and the workbook of a 5.01 report show for the cases that change their
// shape: escaping, missing blocks, marks, and the year without an OSS limit.

#include <functional>

#include "markup/workbook.h"
#include "support/test_support.h"
#include "writer_test_data.h"
#include "xml/stringfuncs.h"

namespace orsvelt::test {
namespace {

constexpr std::string_view kNasty = "Рога & Копыта <\"ООО\"> 'М'";
constexpr std::string_view kNastyEscaped = "Рога &amp; Копыта &lt;&quot;ООО&quot;&gt; &#039;М&#039;";

// Every value a report supplies, in every table that prints one.
TRSV501ProtData ReportWithEverywhere(const std::string& nasty) {
  TRSV501ProtData d = SmallReport();
  d.FileName = d.FormatVersion = d.PeriodText = d.PlaceText = nasty;
  d.EarlierFiles[0] = {nasty, nasty, nasty, 1, nasty};
  d.PayerType = d.PayerName = d.PayerINN = d.PayerKPP = nasty;
  d.ReadErrors = {nasty};
  for (TZLRec& person : d.Persons) {
    person.FullName = person.SexText = person.SNILS = person.INN = nasty;
    person.OPSFlag = person.OMSFlag = person.OSSFlag = nasty;
    for (TZLMonthRec& row : person.MonthRows) row.Month = row.CategoryCode = nasty;
    for (TZLAddRec& row : person.AddRows) row.Month = row.TariffCode = nasty;
  }
  for (auto& total : d.MonthCategoryTotals) total.Month = total.CategoryCode = nasty;
  for (auto& total : d.CategoryTotals) total.CategoryCode = nasty;
  for (auto& total : d.MonthTariffTotals) total.Month = total.TariffCode = nasty;
  for (auto& total : d.TariffTotals) total.TariffCode = nasty;
  d.Comparisons[0].TariffCodes = d.Comparisons[0].CategoryCodes = {nasty, nasty};
  d.Comparisons[0].Month1 = nasty;
  d.FarmMembers[0] = {nasty, nasty, nasty, 1970, nasty, nasty, 0, 0};
  d.BaseChecks[0].FullName = d.BaseChecks[0].SNILS = d.BaseChecks[0].INN = nasty;
  return d;
}

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The places a plain marker shows up are the places the nasty text must show up escaped.
TEST(Protocol501Content, EveryReportValueIsEscapedInBothProtocols) {
  const TRSV501ProtData plain = ReportWithEverywhere("ZQX");
  const TRSV501ProtData nasty = ReportWithEverywhere(std::string(kNasty));
  const std::string plainTexts[] = {Joined(PageLines(plain)), Joined(WorkbookLines(plain))};
  const std::string nastyTexts[] = {Joined(PageLines(nasty)), Joined(WorkbookLines(nasty))};
  for (int i = 0; i < 2; ++i) {
    const std::size_t places = Count(plainTexts[i], "ZQX");
    EXPECT_GT(places, 50u);
    EXPECT_EQ(Count(nastyTexts[i], kNastyEscaped), places);
    EXPECT_EQ(Count(nastyTexts[i], kNasty), 0u);
  }
}

TEST(Protocol501Content, MissingBlocksLeaveWellFormedLines) {
  TRSV501ProtData d = SmallReport();
  d.Persons.clear();
  d.Comparisons.clear();
  d.FarmMembers.clear();
  d.FarmMemberCount = 0;
  const std::vector<std::string> page = PageLines(d);
  EXPECT_TRUE(Has(page, "  <p>Данные в разделах 3 отсутствуют.</p>"));
  EXPECT_TRUE(Has(page, "  <p>Данные отсутствуют.</p>"));
  EXPECT_TRUE(Has(page, "  <p>Сведения о членах КФХ отсутствуют.</p>"));
  EXPECT_FALSE(Has(page, "  <h3>Начисления и взносы по основным тарифам</h3>"));

  const std::string book = Joined(WorkbookLines(d));
  EXPECT_EQ(Count(book, "ss:Name=\"Р3 осн\""), 0u);
  EXPECT_EQ(Count(book, "ss:Name=\"Р3 доп\""), 0u);
  EXPECT_EQ(Count(book, "ss:Name=\"Сверка Р1Р3 осн_"), 0u);
  EXPECT_EQ(Count(book, "<Row><Cell ss:StyleID=\"CellHeaderLeft\"><Data ss:Type=\"String\">Сведения отсутствуют"
                        "</Data></Cell></Row>"),
            1u);
}

struct SheetCase {
  const char* name;
  std::function<void(TRSV501ProtData&)> change;
  std::vector<std::string> present;  // markers that must stand in the page or workbook
  std::vector<std::string> absent;
};

// Which blocks appear: page headings and workbook sheet names.
TEST(Protocol501Content, BlocksFollowTheData) {
  const std::string cumulative =
      "  <h2>Сведения для контроля показателей по застрахованным лицам нарастающим итогом с начала года</h2>";
  const std::string estimate =
      "  <h2>Расчётные сведения по взносам ОМС и ОСС помесячно и нарастающим итогом по застрахованным лицам</h2>";
  const std::string farm = "  <h2>Сведения о членах крестьянского (фермерского) хозяйства (включая главу)</h2>";
  const std::string addTariffs = "  <h3>Начисления и взносы по дополнительным тарифам</h3>";
  const std::string talmud = "ss:Name=\"Талмуд НИ\"";
  const std::string omsSheet = "ss:Name=\"ОМС-ОСС расчётно\"";
  const std::vector<SheetCase> cases = {
      {"small report", [](TRSV501ProtData&) {}, {cumulative, estimate, farm, addTariffs, talmud, omsSheet}, {}},
      // Without earlier files the page drops both accumulations; the workbook keeps the estimate.
      {"no earlier files",
       [](TRSV501ProtData& d) {
         d.EarlierFiles.clear();
       },
       {omsSheet}, {cumulative, estimate, talmud, "Сведения о файлах"}},
      {"no section 2", [](TRSV501ProtData& d) { d.Section2Present = false; }, {}, {farm, "ss:Name=\"Данные по КФХ\""}},
      {"no additional tariffs",
       [](TRSV501ProtData& d) {
         d.MonthTariffTotals.clear();
         d.TariffTotals.clear();
       },
       {}, {addTariffs, "ss:Name=\"Р3 доп\""}},
      {"two cross-checks", [](TRSV501ProtData& d) { d.Comparisons.push_back(d.Comparisons[0]); },
       {"ss:Name=\"Сверка Р1Р3 осн_1\"", "ss:Name=\"Сверка Р1Р3 осн_2\""}, {"ss:Name=\"Сверка Р1Р3 осн_3\""}},
      {"no read errors", [](TRSV501ProtData& d) { d.ReadErrors.clear(); }, {},
       {"  <h2>Ошибки чтения файла (мягкий контроль):</h2>", "Сведения об ошибках чтения файла"}},
  };
  for (const SheetCase& c : cases) {
    SCOPED_TRACE(c.name);
    TRSV501ProtData d = SmallReport();
    c.change(d);
    const std::string both = Joined(PageLines(d)) + Joined(WorkbookLines(d));
    for (const std::string& marker : c.present) EXPECT_NE(both.find(marker), std::string::npos) << marker;
    for (const std::string& marker : c.absent) EXPECT_EQ(both.find(marker), std::string::npos) << marker;
  }
}

TEST(Protocol501Content, CumulativeBaseAboveTheLimitIsMarked) {
  struct Case {
    Amount limit;
    Amount cumBase;
    bool marked;
  };
  const Case cases[] = {
      {Rub(876000), Rub(876000), false},
      {Rub(876000), Rub(876000, 1), true},
      {0, Rub(0, 1), true},  // a year without a limit
      {0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(FormatAmountPlain(c.cumBase));
    TRSV501ProtData d = SmallReport();
    d.PensionLimit = c.limit;
    // A rouble over, then back: the amount stands in the running base of August alone.
    d.BaseChecks[0].Periods = {{0, 1, "33", 0, {{.Month = 7, .Base = c.cumBase + Rub(1)}, {.Month = 8, .Base = -Rub(1)}}}};
    const std::vector<std::string> page = PageLines(d);
    const std::string amount = FormatAmountGrouped(c.cumBase);
    EXPECT_EQ(Has(page, "    <td class=\"tderr\">" + amount + "</td>"), c.marked);
    EXPECT_EQ(Has(page, "    <td class=\"tdnorm\">" + amount + "</td>"), !c.marked);
    const std::vector<std::string> book = WorkbookLines(d);
    const std::string data = "<Data ss:Type=\"Number\">" + FormatAmountPlain(c.cumBase) + "</Data></Cell>";
    EXPECT_EQ(Has(book, "<Cell ss:StyleID=\"CellBlueSumm\">" + data), c.marked);
  }
}

TEST(Protocol501Content, YearWithoutSocialLimitSaysSoOnce) {
  TRSV501ProtData d = SmallReport();
  d.Year = 2020;
  d.SocialLimitKnown = false;
  d.SocialLimit = 0;
  const std::string notice = "Предельная величина базы для начисления взносов на ОСС за 2020 год неизвестна.";
  const std::vector<std::string> page = PageLines(d);
  EXPECT_EQ(Count(Joined(page), notice), 1u);
  EXPECT_TRUE(Has(page, "  <p>" + notice + "</p>"));

  const std::vector<std::string> book = WorkbookLines(d);
  EXPECT_EQ(Count(Joined(book), notice), 1u);
  // The notice stands where the spacer stood, so the four frozen heading rows stay the same.
  const std::vector<std::string> head = LinesFrom(book, "<Column ss:Index=\"16\" ss:Width=\"" + std::to_string(kAmountColumnWidth) + "\" />", 4);
  ASSERT_EQ(head.size(), 4u);
  EXPECT_EQ(head[3], "<Row><Cell ss:StyleID=\"RedText\" ss:MergeAcross=\"11\"><Data ss:Type=\"String\">" + notice +
                         "</Data></Cell></Row>");

  d.SocialLimitKnown = true;
  EXPECT_EQ(Count(Joined(PageLines(d)) + Joined(WorkbookLines(d)), "неизвестна"), 0u);
}

TEST(Protocol501Content, EstimateRowsOfOnePersonAndTheTotal) {
  TRSV501ProtData d = SmallReport();
  d.BaseChecks[0].FullName = "Иванов Иван";
  // January's one row, at the 2017 rates of "НР": 5.1 % and 2.9 %.
  d.BaseChecks[0].Periods = {{.FileNumber = 1, .Number = 1, .PeriodCode = "21", .CorrectionNumber = 0,
                              .Months = {{.Month = 1, .Category = 0, .Payments = Rub(30000), .Base = Rub(30000)}}}};
  d.CategoryCodes = {"НР"};
  d.OMSOSSTotal = OmsOssPerson();
  const std::vector<std::string> page = PageLines(d);
  const std::vector<std::string> expected = {
      "   <tr>",
      "    <td rowspan=\"12\">Иванов Иван</td>",
      "    <td rowspan=\"12\">123-456-789 01</td>",
      "    <td rowspan=\"12\">не указан</td>",
      "    <th>Январь</th>",
      "    <td class=\"tdnorm\">30 000,00</td>",
      "    <td class=\"tdnorm\">30 000,00</td>",
      "    <td class=\"tdnorm\">1 530,00</td>",
      "    <td class=\"tdnorm\">1 530,00</td>",
      "    <td class=\"tdnorm\">30 000,00</td>",
      "    <td class=\"tdnorm\">30 000,00</td>",
      "    <td class=\"tdnorm\">870,00</td>",
      "    <td class=\"tdnorm\">870,00</td>",
      "   </tr>",
      "   <tr>",
      "    <th>Февраль</th>",
      "    <td class=\"tdnorm\">0,00</td>",
  };
  EXPECT_TRUE(SameLines(LinesFrom(page, "    <td rowspan=\"12\">Иванов Иван</td>", expected.size() - 1),
                        std::vector<std::string>(expected.begin() + 1, expected.end())));
  const std::vector<std::string> total = LinesFrom(page, "    <th colspan=\"3\" rowspan=\"12\">Итого:</th>", 3);
  ASSERT_EQ(total.size(), 3u);
  EXPECT_EQ(total[2], "    <th class=\"tdnorm\">30 000,00</th>");
  EXPECT_EQ(Count(Joined(page), "    <th>Декабрь</th>"), 2u);

  const std::vector<std::string> book = WorkbookLines(d);
  EXPECT_TRUE(SameLines(
      LinesFrom(book, "<Cell ss:StyleID=\"BorderedText\" ss:MergeDown=\"11\"><Data ss:Type=\"String\">Иванов Иван</Data></Cell>", 5),
      {"<Cell ss:StyleID=\"BorderedText\" ss:MergeDown=\"11\"><Data ss:Type=\"String\">Иванов Иван</Data></Cell>",
       "<Cell ss:StyleID=\"BorderedCenteredText\" ss:MergeDown=\"11\"><Data ss:Type=\"String\">123-456-789 01</Data></Cell>",
       "<Cell ss:StyleID=\"BorderedCenteredText\" ss:MergeDown=\"11\"><Data ss:Type=\"String\">Не указан</Data></Cell>",
       "<Cell ss:Index=\"4\" ss:StyleID=\"CellHeaderLeft\"><Data ss:Type=\"String\">Январь</Data></Cell>",
       "<Cell ss:StyleID=\"CellSumm\"><Data ss:Type=\"Number\">30000.00</Data></Cell>"}));
  EXPECT_TRUE(Has(book, "<Cell ss:StyleID=\"CellHeaderLeft\" ss:MergeAcross=\"2\" ss:MergeDown=\"11\"><Data "
                        "ss:Type=\"String\">Итого:</Data></Cell>"));
}

TEST(Protocol501Content, DebugNoticeOnlyInADebugBuild) {
  ProtocolHeader header = TestHeader();
  for (bool debug : {false, true}) {
    header.debug = debug;
    const std::string page = Joined(ProtocolLines(PageOf(SmallReport(), header)));
    const std::string book = Joined(ProtocolLines(WorkbookOf(SmallReport(), header)));
    EXPECT_EQ(page.find("id=\"debug\"") != std::string::npos, debug);
    // RedText also marks the breaches of control ratios; the notice is found by its text.
    EXPECT_EQ(book.find("Версия программы является отладочной.") != std::string::npos, debug);
  }
}

// A flag that is no number must not become a Number cell: the spreadsheet would refuse
// the workbook.
TEST(Protocol501Content, FlagThatIsNoNumberBecomesText) {
  TRSV501ProtData d = SmallReport();
  d.Persons[0].OPSFlag = "";
  d.Persons[0].OMSFlag = "1a";
  const std::vector<std::string> book = WorkbookLines(d);
  EXPECT_TRUE(Has(book, "<Cell ss:StyleID=\"CellNumber\" ss:MergeDown=\"1\"><Data ss:Type=\"String\"></Data></Cell>"));
  EXPECT_TRUE(Has(book, "<Cell ss:StyleID=\"CellNumber\" ss:MergeDown=\"1\"><Data ss:Type=\"String\">1a</Data></Cell>"));
}

TEST(Protocol501Content, UnknownMonthCodes) {
  TRSV501ProtData d = SmallReport();
  d.Persons[0].MonthRows[0].Month = "13";
  d.Comparisons[0].Month3 = "";
  const std::vector<std::string> page = PageLines(d);
  EXPECT_TRUE(Has(page, "    <td>Не удалось определить</td>"));
  // The comparison header leaves an unknown month empty.
  EXPECT_TRUE(Has(page, "    <th colspan=\"2\"></th>"));
  EXPECT_TRUE(Has(WorkbookLines(d),
                  "<Cell ss:Index=\"10\" ss:StyleID=\"BorderedText\"><Data ss:Type=\"String\">Не удалось "
                  "определить</Data></Cell>"));
}

}  // namespace
}  // namespace orsvelt::test
