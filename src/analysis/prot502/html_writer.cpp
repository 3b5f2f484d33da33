// The HTML protocol of format 5.02. Every value from a report goes through the markup's
// escaping helpers: a name with "&" or "<" must neither break the page nor add markup.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/checks/checks_writers.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr std::string_view kTd = "    <td class=\"tdnorm\">";

using Quarters = std::vector<int>;

void MainFileBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  out.Line("  <h2>Сведения об основном проверяемом файле</h2>");
  HtmlTableOpen(out);
  HtmlKeyValueRow(out, "Имя файла:", prot.MainFileName());
  HtmlKeyValueRow(out, "Версия формата", prot.FormatLabel());
  HtmlKeyValueRow(out, "Отчётный период", PeriodText502(prot.PeriodCode(), prot.ReportYear()));
  HtmlKeyValueRow(out, "№ корректировки", std::to_string(prot.CorrectionNumber()));
  HtmlKeyValueRow(out, "По месту", prot.PlaceName());
  HtmlKeyValueTableClose(out);
}

void ReadErrorsBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.ReadErrors().empty()) return;
  out.Line("  <h2>Ошибки чтения файла (мягкий контроль):</h2>");
  for (const std::string& message : prot.ReadErrors()) HtmlTextLine(out, "  <p>", message);
}

void PayerBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtPayer& payer = prot.Payer();
  out.Line("  <h2>Сведения о плательщике взносов</h2>");
  HtmlTableOpen(out);
  HtmlKeyValueRow(out, "Тип плательщика взносов", payer.Type);
  HtmlKeyValueRow(out, "Наименование организации / Фамилия, имя, отчество физического лица", payer.Name);
  HtmlKeyValueRow(out, "ИНН", payer.Inn);
  HtmlKeyValueRow(out, "КПП юридического лица", payer.Kpp);
  HtmlKeyValueTableClose(out);
}

void EarlierFilesBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.EarlierFiles().empty()) return;
  out.Line("  <h2>Сведения о файлах за предыдущие периоды отчетного года</h2>");
  int n = 0;
  for (const TRSV502ProtFileRec& file : prot.EarlierFiles()) {
    HtmlTableOpen(out);
    HtmlKeyValueRow(out, "№ п/п:", std::to_string(++n), "left bold");
    HtmlKeyValueRow(out, "Имя файла:", file.FileName);
    HtmlKeyValueRow(out, "Версия формата", file.FormatVersion);
    HtmlKeyValueRow(out, "Отчётный период", PeriodText502(file.PeriodCode, file.ReportYear));
    HtmlKeyValueRow(out, "№ корректировки", std::to_string(file.CorrectionNumber));
    HtmlKeyValueRow(out, "По месту", file.PlaceName);
    HtmlKeyValueTableClose(out);
    out.Line("<p>&nbsp;</p>");
  }
}

constexpr std::string_view kAppendixItems[8] = {
    "     <li>Приложение 2. Расчет сумм СВ на ОСС по временной нетрудоспособности и в связи с материнством</li>",
    "     <li>Приложение 3. Расходы по ОСС на случай временной нетрудоспособности и в связи с материнством и "
    "расходы, осуществляемые в соответствии с законодательством РФ</li>",
    "     <li>Приложение 4 Выплаты, произведенные за счет средств, финансируемых из федерального бюджета</li>",
    "     <li>Приложение 5. Расчёт соответствия условиям применения пониженного тарифа пп. 3 п. 1 ст. 427 НК</li>",
    "     <li>Приложение 6. Расчёт соответствия условиям применения пониженного тарифа пп. 7 п. 1 ст. 427 НК</li>",
    "     <li>Приложение 7. Расчёт соответствия условиям применения пониженного тарифа пп. 15 п. 1 ст. 427 НК</li>",
    "     <li>Приложение 8. Сведения для применения тарифа абз. 2 пп. 2 п. 2 ст. 425 НК</li>",
    "     <li>Приложение 9. Сведения, необходимые для применения положений пп. 1 п. 3 ст. 422 НК организациями, "
    "осуществляющими выплаты и иные вознаграждения в пользу обучающихся</li>",
};

void CompositionBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtComposition& c = prot.Composition();
  out.Line("  <h2>Состав основного файла</h2>");
  out.Line("  <ul>");
  if (c.Section1) {
    out.Put("   <li>Раздел 1. Сводные данные об обязательствах плательщика страховых взносов");
    if (c.Appendix1Count == 0 && !c.AnyAppendix2To9()) {
      out.Line("</li>");
    } else {
      out.Line("<ul>");
      if (c.Appendix1Count > 0)
        out.Line("     <li>Приложение 1. Расчёт сумм СВ на ОПС и ОМС - ", std::to_string(c.Appendix1Count), " шт.</li>");
      for (std::size_t i = 0; i < c.Appendix2To9.size(); ++i)
        if (c.Appendix2To9[i]) out.Line(kAppendixItems[i]);
      out.Line(" </ul>");
      out.Line("</li>");
    }
  }
  if (c.Section2) {
    // The items of section 2 stand without an inner list; the first one continues the line.
    out.Put(
        "   <li>Раздел 2. Сводные данные об обязательствах плательщиков страховых взносов - глав крестьянских "
        "(фермерских) хозяйств");
    if (c.Section2Pension) out.Line("     <li>Суммы СВ на ОПС</li>");
    if (c.Section2Medical) out.Line("     <li>Суммы СВ на ОМС</li>");
    if (c.Section2Appendix1)
      out.Line("     <li>Приложение 1. Расчёт сумм СВ, подлежащих уплате за главу и членов КФХ - ",
               std::to_string(c.Section2Members), " шт.</li>");
    out.Line("</li>");
  }
  if (c.Section3Persons > 0)
    out.Line("   <li>Раздел 3. Персонифицированные сведения о застрахованных лицах - ",
             std::to_string(c.Section3Persons), " шт.</li>");
  out.Line("  </ul>");
}

void HeaderRows(ProtocolWriter& out, const Quarters& quarters) {
  out.Line("   <tr>");
  for (std::string_view caption : {"№ п/п", "ФИО", "Пол", "СНИЛС", "ИНН", "Источник ПД"})
    out.Line("    <th rowspan=\"3\">", caption, "</th>");
  for (int q : quarters) out.Line("    <th colspan=\"14\">", std::to_string(q), " квартал</th>");
  out.Line("   </tr>");

  out.Line("   <tr>");
  for (int q : quarters) {
    out.Line("    <th rowspan=\"2\">Источник</th>");
    out.Line("    <th rowspan=\"2\">Код категории ЗЛ</th>");
    const int first = 3 * (q - 1);
    for (int m = 1; m <= 3; ++m) out.Line("    <th colspan=\"4\">", MonthNameLower(first + m), "</th>");
  }
  out.Line("   </tr>");

  out.Line("   <tr>");
  for (std::size_t i = 0; i < quarters.size() * 3; ++i) {
    out.Line("    <th>Сумма выплат</th>");
    out.Line("    <th>База ОПС</th>");
    out.Line("    <th>В т. ч. по ГПД</th>");
    out.Line("    <th>Сумма взносов</th>");
  }
  out.Line("   </tr>");
}

// The twelve amount cells of category code in the quarter, or twelve dashes without it.
void AmountCells(ProtocolWriter& out, const TRSV502ProtQuartData& quarter, std::string_view code) {
  const int e = TRSV502Prot::FindCategory(quarter, code);
  for (std::size_t m = 0; m < 3; ++m) {
    if (e < 0) {
      for (int i = 0; i < 4; ++i) out.Line(kTd, "-</td>");
      continue;
    }
    const TRSV502ProtMonthSums& sums = quarter.Categories()[static_cast<std::size_t>(e)].Months[m];
    for (Amount amount : {sums.СумВыпл, sums.ВыплОПС, sums.ВыплОПСДог, sums.НачислСВ})
      out.Line(kTd, FormatAmountGrouped(amount), "</td>");
  }
}

void PersonQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, std::size_t row,
                        const std::string& rowspan, std::string_view code) {
  if (!quarter) {
    if (row == 0) out.Line("    <td class=\"tdnorm\" colspan=\"14\" rowspan=\"", rowspan, "\">Данные отсутствуют</td>");
    return;
  }
  HtmlTextLine(out, kTd, quarter->Source);
  if (quarter->Annulled) {
    if (row == 0) out.Line("    <td class=\"tdnorm\" colspan=\"13\" rowspan=\"", rowspan, "\">Аннулировано</td>");
    return;
  }
  HtmlTextLine(out, kTd, code);
  AmountCells(out, *quarter, code);
}

void TotalsQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, std::string_view code) {
  if (!quarter) {
    out.Line("    <td class=\"tdnorm\" colspan=\"14\">Данные отсутствуют</td>");
    return;
  }
  out.Line(kTd, "-</td>");
  HtmlTextLine(out, kTd, code);
  AmountCells(out, *quarter, code);
}

// The rows of one record after its leading cells: one per category code, "   <tr>" opening
// each but the first. A record without codes has its row closed after the leading cells.
template <class QuarterCells>
void CategoryRows(ProtocolWriter& out, const std::vector<std::string>& codes, const Quarters& quarters,
                  const TRSV502ProtZLRec& record, QuarterCells&& quarterCells) {
  for (std::size_t j = 0; j < codes.size(); ++j) {
    if (j > 0) out.Line("   <tr>");
    for (int q : quarters) quarterCells(record.Quarter(q), j, codes[j]);
    out.Line("   </tr>");
  }
  if (codes.empty()) out.Line("   </tr>");
}

void PersonRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& person, int number,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(person);
  const std::string rowspan = std::to_string(codes.empty() ? 1 : codes.size());
  const std::string open = "    <td class=\"tdnorm\" rowspan=\"" + rowspan + "\">";
  out.Line("   <tr>");
  HtmlTextLine(out, open, std::to_string(number));
  HtmlTextLine(out, open, person.Name);
  HtmlTextLine(out, open, GenderMark(person.Пол));
  HtmlTextLine(out, open, FormatSnils(person.Key));
  HtmlTextLine(out, open, person.ИННФЛ);
  HtmlTextLine(out, open, person.Source);
  CategoryRows(out, codes, quarters, person,
               [&](const TRSV502ProtQuartData* quarter, std::size_t row, const std::string& code) {
                 PersonQuarterCells(out, quarter, row, rowspan, code);
               });
}

void TotalsRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& totals,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(totals);
  const std::string rowspan = std::to_string(codes.empty() ? 1 : codes.size());
  out.Line("   <tr>");
  out.Line("    <th class=\"tdnorm\" rowspan=\"", rowspan, "\" colspan=\"6\">Итого:</th>");
  CategoryRows(out, codes, quarters, totals,
               [&](const TRSV502ProtQuartData* quarter, std::size_t, const std::string& code) {
                 TotalsQuarterCells(out, quarter, code);
               });
}

void PersonsBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.Persons().empty()) return;
  const Quarters quarters = QuarterNumbers(prot.QuartersPresent());
  out.Line("  <h2>Сведения по застрахованным лицам</h2>");
  HtmlTableOpen(out);
  HeaderRows(out, quarters);
  int number = 0;
  for (const TRSV502ProtZLRec& person : prot.Persons()) PersonRows(out, prot, person, ++number, quarters);
  if (prot.Totals()) TotalsRows(out, prot, *prot.Totals(), quarters);
  HtmlDataTableClose(out);
  out.Line("  <p>", kSourceNote, "</p>");
}

}  // namespace

void WriteHtmlProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header) {
  HtmlPageOpen(out, header);
  MainFileBlock(out, prot);
  checks::WriteChecksHtml(out, prot.Checks().get());
  ReadErrorsBlock(out, prot);
  PayerBlock(out, prot);
  EarlierFilesBlock(out, prot);
  CompositionBlock(out, prot);
  PersonsBlock(out, prot);
  HtmlPageClose(out);
}

}  // namespace orsvelt
