// The HTML protocol of format 5.02. Every value from a report goes through the markup's
// escaping helpers: a name with "&" or "<" must neither break the page nor add markup.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/checks/checks_writers.h"
#include "analysis/prot502/composition_table.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "analysis/prot502/protocol_title.h"
#include "analysis/prot502/shown_persons.h"
#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr HtmlCellFormat kTd{.cssClass = "tdnorm"};
constexpr HtmlCellFormat kTh{.kind = HtmlCellKind::Header};

using Quarters = std::vector<int>;

// An item of the inner lists.
void CompositionItem(ProtocolWriter& out, const CompositionPart502& part, std::string_view suffix = {}) {
  HtmlListItem(out, 5, std::string(part.PageName()) + std::string(suffix));
}

std::string Pieces(std::int64_t count) { return " - " + std::to_string(count) + " шт."; }

void CompositionBlock(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtComposition& c = prot.Composition();
  HtmlHeading(out, 2, "Состав основного файла");
  HtmlListOpen(out, 2);
  if (c.Section1) {
    HtmlListItemStart(out, 3, kSection1Part502.PageName());
    if (c.Appendix1Count > 0 || c.AnyAppendix2To9()) {
      // The inner list opens on the item's line and closes a blank deeper than the page's lists.
      HtmlListOpen(out, 0);
      if (c.Appendix1Count > 0) CompositionItem(out, kSection1Appendix1Part502, Pieces(c.Appendix1Count));
      for (std::size_t i = 0; i < c.Appendix2To9.size(); ++i)
        if (c.Appendix2To9[i]) CompositionItem(out, kSection1AppendixParts502[i]);
      HtmlListClose(out, 1);
    }
    HtmlListItemEnd(out);
  }
  if (c.Section2) {
    // The items of section 2 stand without an inner list; the first one continues the line.
    HtmlListItemStart(out, 3, kSection2Part502.PageName());
    if (c.Section2Pension) CompositionItem(out, kSection2PensionPart502);
    if (c.Section2Medical) CompositionItem(out, kSection2MedicalPart502);
    if (c.Section2Appendix1) CompositionItem(out, kSection2Appendix1Part502, Pieces(c.Section2Members));
    HtmlListItemEnd(out);
  }
  if (c.Section3Persons > 0)
    HtmlListItem(out, 3, std::string(kSection3Part502.PageName()) + Pieces(c.Section3Persons));
  HtmlListClose(out, 2);
}

void HeaderRows(ProtocolWriter& out, const Quarters& quarters) {
  HtmlRowOpen(out);
  for (std::string_view caption : {"№ п/п", "ФИО", "Пол", "СНИЛС", "ИНН", "Источник ПД"})
    HtmlCell(out, {.kind = HtmlCellKind::Header, .rowspan = 3}, caption);
  for (int q : quarters) HtmlCell(out, {.kind = HtmlCellKind::Header, .colspan = 14}, std::to_string(q) + " квартал");
  HtmlRowClose(out);

  HtmlRowOpen(out);
  for (int q : quarters) {
    HtmlCell(out, {.kind = HtmlCellKind::Header, .rowspan = 2}, "Источник");
    HtmlCell(out, {.kind = HtmlCellKind::Header, .rowspan = 2}, "Код категории ЗЛ");
    const int first = 3 * (q - 1);
    for (int m = 1; m <= 3; ++m) HtmlCell(out, {.kind = HtmlCellKind::Header, .colspan = 4}, MonthNameLower(first + m));
  }
  HtmlRowClose(out);

  HtmlRowOpen(out);
  for (std::size_t i = 0; i < quarters.size() * 3; ++i)
    for (std::string_view caption : {"Сумма выплат", "База ОПС", "В т. ч. по ГПД", "Сумма взносов"})
      HtmlCell(out, kTh, caption);
  HtmlRowClose(out);
}

// The twelve amount cells of category code in the quarter, or twelve dashes without it.
void AmountCells(ProtocolWriter& out, const TRSV502ProtQuartData& quarter, std::string_view code) {
  const int e = TRSV502Prot::FindCategory(quarter, code);
  for (std::size_t m = 0; m < 3; ++m) {
    if (e < 0) {
      for (int i = 0; i < 4; ++i) HtmlRawCell(out, kTd, "-");
      continue;
    }
    const TRSV502ProtMonthSums& sums = quarter.Categories()[static_cast<std::size_t>(e)].Months[m];
    for (Amount amount : {sums.СумВыпл, sums.ВыплОПС, sums.ВыплОПСДог, sums.НачислСВ})
      HtmlRawCell(out, kTd, FormatAmountGrouped(amount));
  }
}

void PersonQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, std::size_t row,
                        int rowspan, std::string_view code) {
  if (!quarter) {
    if (row == 0) HtmlCell(out, {.cssClass = "tdnorm", .colspan = 14, .rowspan = rowspan}, "Данные отсутствуют");
    return;
  }
  HtmlCell(out, kTd, quarter->Source.Text());
  if (quarter->Annulled) {
    if (row == 0) HtmlCell(out, {.cssClass = "tdnorm", .colspan = 13, .rowspan = rowspan}, "Аннулировано");
    return;
  }
  HtmlCell(out, kTd, code);
  AmountCells(out, *quarter, code);
}

void TotalsQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, std::string_view code) {
  if (!quarter) {
    HtmlCell(out, {.cssClass = "tdnorm", .colspan = 14}, "Данные отсутствуют");
    return;
  }
  HtmlRawCell(out, kTd, "-");
  HtmlCell(out, kTd, code);
  AmountCells(out, *quarter, code);
}

// The rows of one record after its leading cells: one per category code, a new row opening
// each but the first. A record without codes has its row closed after the leading cells.
template <class QuarterCells>
void CategoryRows(ProtocolWriter& out, const std::vector<std::string>& codes, const Quarters& quarters,
                  const TRSV502ProtZLRec& record, QuarterCells&& quarterCells) {
  for (std::size_t j = 0; j < codes.size(); ++j) {
    if (j > 0) HtmlRowOpen(out);
    for (int q : quarters) quarterCells(record.Quarter(q), j, codes[j]);
    HtmlRowClose(out);
  }
  if (codes.empty()) HtmlRowClose(out);
}

void PersonRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& person, int number,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(person);
  const int rowspan = codes.empty() ? 1 : static_cast<int>(codes.size());
  const HtmlCellFormat lead{.cssClass = "tdnorm", .rowspan = rowspan};
  HtmlRowOpen(out);
  HtmlCell(out, lead, std::to_string(number));
  HtmlCell(out, lead, person.Name);
  HtmlCell(out, lead, GenderMark(person.Пол));
  HtmlCell(out, lead, FormatSnils(person.Key));
  HtmlCell(out, lead, person.ИННФЛ);
  HtmlCell(out, lead, person.Source.Text());
  CategoryRows(out, codes, quarters, person,
               [&](const TRSV502ProtQuartData* quarter, std::size_t row, const std::string& code) {
                 PersonQuarterCells(out, quarter, row, rowspan, code);
               });
}

void TotalsRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& totals,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(totals);
  const int rowspan = codes.empty() ? 1 : static_cast<int>(codes.size());
  HtmlRowOpen(out);
  HtmlCell(out, {.kind = HtmlCellKind::Header, .cssClass = "tdnorm", .colspan = 6, .rowspan = rowspan, .rowspanFirst = true},
           "Итого:");
  CategoryRows(out, codes, quarters, totals,
               [&](const TRSV502ProtQuartData* quarter, std::size_t, const std::string& code) {
                 TotalsQuarterCells(out, quarter, code);
               });
}

}  // namespace

void HtmlPersonsBlock502(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.Persons().empty()) return;
  const Quarters quarters = QuarterNumbers(prot.QuartersPresent());
  const ShownPersons502 shown = ShownPersonsOf(prot);
  HtmlHeading(out, 2, "Сведения по застрахованным лицам");
  if (!shown.line.empty()) HtmlParagraph(out, shown.line);
  HtmlTableOpen(out);
  HeaderRows(out, quarters);
  // A person keeps its number among all: the gaps show where persons were left out.
  for (std::size_t i = 0; i < prot.Persons().size(); ++i)
    if (shown.shown[i]) PersonRows(out, prot, prot.Persons()[i], static_cast<int>(i + 1), quarters);
  if (prot.Totals()) TotalsRows(out, prot, *prot.Totals(), quarters);
  HtmlDataTableClose(out);
  HtmlRawParagraph(out, kSourceNote);
}

void HtmlPageHead502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header) {
  HtmlPageOpen(out, header);
  const ProtocolTitle title = TitleOf502(prot);
  HtmlMainFileBlock(out, title.mainFile);
  checks::WriteChecksHtml(out, prot.Checks().get());
  HtmlReadErrorsBlock(out, title.readErrors);
  HtmlPayerBlock(out, title.payer);
  HtmlEarlierFilesBlock(out, title.earlierFiles);
}

void WriteHtmlProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header) {
  HtmlPageHead502(out, prot, header);
  CompositionBlock(out, prot);
  HtmlPersonsBlock502(out, prot);
  HtmlPageClose(out);
}

}  // namespace orsvelt
