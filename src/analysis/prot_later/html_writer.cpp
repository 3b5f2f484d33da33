// The HTML protocol of formats 5.03 to 5.08: the blocks of the 5.02 page, the later
// composition and each person's base since the start of the year. Values from a report go
// through the markup's escaping helpers.

#include <string>
#include <string_view>

#include "analysis/checks/checks_writers.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "analysis/prot502/protocol_title.h"
#include "analysis/prot_later/composition_table.h"
#include "analysis/prot_later/prot_later.h"
#include "analysis/prot_later/prot_later_writers.h"
#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr HtmlCellFormat kTd{.cssClass = "tdnorm"};
constexpr HtmlCellFormat kAbove{.cssClass = "tderr"};

std::string Counted(const CompositionPart502& part, std::int64_t count) {
  return std::string(part.PageName()) + " - " + std::to_string(count) + " шт.";
}

void CompositionBlock(ProtocolWriter& out, const LaterComposition& c) {
  HtmlHeading(out, 2, "Состав основного файла");
  HtmlListOpen(out, 2);
  if (c.Section1) {
    HtmlListItemStart(out, 3, kSection1Part502.PageName());
    if (c.TariffBlocks > 0 || c.OtherBlocks > 0) {
      HtmlListOpen(out, 0);
      if (c.TariffBlocks > 0) HtmlListItem(out, 5, Counted(kTariffBlocksPartLater, c.TariffBlocks));
      if (c.OtherBlocks > 0) HtmlListItem(out, 5, Counted(kOtherBlocksPartLater, c.OtherBlocks));
      HtmlListClose(out, 1);
    }
    HtmlListItemEnd(out);
  }
  if (c.Section2) {
    HtmlListItemStart(out, 3, kSection2Part502.PageName());
    if (c.Section2Members > 0) HtmlListItem(out, 5, Counted(kSection2MembersPartLater, c.Section2Members));
    HtmlListItemEnd(out);
  }
  if (c.Section6_1_431) HtmlListItem(out, 3, kSection6_1_431PartLater.PageName());
  if (c.Section3Persons > 0) HtmlListItem(out, 3, Counted(kSection3Part502, c.Section3Persons));
  HtmlListClose(out, 2);
}

void YearToDateRows(ProtocolWriter& out, const TRSV502ProtZLRec& person, const YearToDatePerson& record, int number) {
  const int rowspan = static_cast<int>(record.Months.size());
  const HtmlCellFormat lead{.cssClass = "tdnorm", .rowspan = rowspan};
  for (std::size_t i = 0; i < record.Months.size(); ++i) {
    const YearToDateMonth& month = record.Months[i];
    HtmlRowOpen(out);
    if (i == 0) {
      HtmlCell(out, lead, std::to_string(number));
      HtmlCell(out, lead, person.Name);
      HtmlCell(out, lead, FormatSnils(person.Key));
    }
    HtmlCell(out, kTd, MonthNameLower(month.Month));
    HtmlCell(out, kTd, month.Source);
    HtmlRawCell(out, kTd, FormatAmountGrouped(month.Base));
    HtmlRawCell(out, month.AboveLimit ? kAbove : kTd, FormatAmountGrouped(month.Cumulative));
    HtmlRawCell(out, kTd, FormatAmountGrouped(month.Contributions));
    HtmlRowClose(out);
  }
}

void YearToDateBlock(ProtocolWriter& out, const TRSVLaterProt& prot, const ShownPersons502& shown) {
  if (prot.Persons().empty()) return;
  HtmlHeading(out, 2, YearToDateHeading(prot));
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"№ п/п", "ФИО", "СНИЛС", "Месяц", "Источник", "База за месяц", "База нарастающим итогом",
                      "Взносы за месяц"});
  int number = 0;
  for (std::size_t i = 0; i < prot.Persons().size(); ++i) {
    ++number;
    if (!shown.shown[i]) continue;
    const YearToDatePerson record = prot.YearToDateOf(i);
    if (record.Months.empty()) continue;
    YearToDateRows(out, prot.Persons()[record.Person], record, number);
  }
  HtmlDataTableClose(out);
  HtmlParagraph(out, "Выделена база нарастающим итогом выше предельной величины.");
  HtmlRawParagraph(out, kSourceNote);
}

}  // namespace

std::string YearToDateHeading(const TRSVLaterProt& prot) {
  const std::string limit =
      prot.YearLimit() ? "предельная величина " + FormatAmountGrouped(prot.YearLimit()->value) : "предельная величина не известна";
  return "Нарастающий итог базы по застрахованным лицам (" + limit + ")";
}

void WriteHtmlProtocolLater(ProtocolWriter& out, const TRSVLaterProt& prot, const ProtocolHeader& header) {
  HtmlPageHead502(out, prot, header);
  CompositionBlock(out, prot.LaterParts());
  HtmlPersonsBlock502(out, prot);
  YearToDateBlock(out, prot, ShownPersonsOf(prot));
  HtmlPageClose(out);
}

}  // namespace orsvelt
