// The SpreadsheetML protocol of formats 5.03 to 5.08: the sheets of the 5.02 workbook with
// the later composition, and "Нарастающий итог" with each person's base since January.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/common/composition_block.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "analysis/prot_later/composition_table.h"
#include "analysis/prot_later/prot_later.h"
#include "analysis/prot_later/prot_later_writers.h"
#include "markup/continued_table.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "markup/worksheet.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

constexpr CellFormat kCentered{.style = CellStyle::BorderedCenteredText};
constexpr CellFormat kHeaderCenter{.style = CellStyle::CellHeaderCenter};
constexpr CellFormat kSumm{.style = CellStyle::CellSumm};
constexpr CellFormat kAbove{.style = CellStyle::CellBlueSumm};

void CompositionSheet(ProtocolWriter& out, const LaterComposition& c) {
  CompositionSheetOpen(out);
  CompositionRow502(out, kSection1Part502, PresenceText(c.Section1));
  if (c.Section1) {
    CompositionRow502(out, kTariffBlocksPartLater, std::to_string(c.TariffBlocks));
    CompositionRow502(out, kOtherBlocksPartLater, std::to_string(c.OtherBlocks));
  }
  CompositionRow502(out, kSection2Part502, PresenceText(c.Section2));
  if (c.Section2) CompositionRow502(out, kSection2MembersPartLater, std::to_string(c.Section2Members));
  CompositionRow502(out, kSection6_1_431PartLater, PresenceText(c.Section6_1_431));
  CompositionRow502(out, kSection3Part502, std::to_string(c.Section3Persons));
  WorksheetClose(out);
}

constexpr int kYearToDateHeadingRows = 3;  // title, blank, captions

void YearToDateHeader(ProtocolWriter& out, const std::string& heading) {
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 7}, heading);
  EmptyRow(out);
  RowOpen(out);
  for (std::string_view caption : {"№ п/п", "ФИО", "СНИЛС", "Месяц", "Источник", "База за месяц",
                                   "База нарастающим итогом", "Взносы за месяц"})
    StringCell(out, kHeaderCenter, caption);
  RowClose(out);
}

void YearToDateRows(ProtocolWriter& out, ContinuedTable& table, const TRSV502ProtZLRec& person,
                    const YearToDatePerson& record, int number) {
  table.Block(static_cast<long>(record.Months.size()));
  const int down = static_cast<int>(record.Months.size()) - 1;
  for (std::size_t i = 0; i < record.Months.size(); ++i) {
    const YearToDateMonth& month = record.Months[i];
    if (i == 0) {
      RowOpen(out);
      IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, number);
      StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.Name);
      StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, FormatSnils(person.Key));
      StringCell(out, kCentered, MonthNameLower(month.Month));
    } else {
      ContinuationRowOpen(out);
      StringCell(out, {.index = 4, .style = CellStyle::BorderedCenteredText}, MonthNameLower(month.Month));
    }
    StringCell(out, kCentered, month.Source);
    AmountCell(out, kSumm, month.Base);
    AmountCell(out, month.AboveLimit ? kAbove : kSumm, month.Cumulative);
    AmountCell(out, kSumm, month.Contributions);
    RowClose(out);
  }
}

void YearToDateSheet(ProtocolWriter& out, const TRSVLaterProt& prot, const ShownPersons502& shown,
                     const SheetLimits& limits) {
  const std::string heading = YearToDateHeading(prot);
  ContinuedTable table(out,
                       {.name = "Нарастающий итог",
                        .panes = FrozenPanes::TopRows3,
                        .columnWidths = {50, 300, 80, 60, 60, kAmountColumnWidth, kAmountColumnWidth,
                                         kAmountColumnWidth},
                        .headingRows = kYearToDateHeadingRows,
                        .headingWriter = [&heading](ProtocolWriter& o) { YearToDateHeader(o, heading); }},
                       limits);
  int number = 0;
  for (std::size_t i = 0; i < prot.Persons().size(); ++i) {
    ++number;
    if (!shown.shown[i]) continue;
    const YearToDatePerson record = prot.YearToDateOf(i);
    if (record.Months.empty()) continue;
    YearToDateRows(out, table, prot.Persons()[record.Person], record, number);
  }
  table.Block(2);
  StringCellRow(out, {.mergeAcross = 7}, "Выделена база нарастающим итогом выше предельной величины.");
  StringCellRow(out, {.mergeAcross = 7}, kSourceNote);
  table.Close();
}

}  // namespace

void WriteWorkbookProtocolLater(ProtocolWriter& out, const TRSVLaterProt& prot, const ProtocolHeader& header,
                                const SheetLimits& limits) {
  const ShownPersons502 shown = ShownPersonsOf(prot);
  WorkbookOpen502(out, prot, header, shown);
  CompositionSheet(out, prot.LaterParts());
  if (!prot.Persons().empty()) {
    PersonSheet502(out, prot, shown, limits);
    YearToDateSheet(out, prot, shown, limits);
  }
  WorkbookClose(out);
}

}  // namespace orsvelt
