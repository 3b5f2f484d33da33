// The SpreadsheetML protocol of format 5.02: worksheets "Титул", "Состав" and "Р3 осн".
// Values from a report go through the markup's escaping cell helpers.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/checks/checks_writers.h"
#include "analysis/common/composition_block.h"
#include "analysis/prot502/composition_table.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "analysis/prot502/protocol_title.h"
#include "analysis/prot502/shown_persons.h"
#include "markup/continued_table.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "markup/worksheet.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

using Quarters = std::vector<int>;

constexpr CellFormat kBordered{.style = CellStyle::BorderedText};
constexpr CellFormat kCentered{.style = CellStyle::BorderedCenteredText};
constexpr CellFormat kHeaderCenter{.style = CellStyle::CellHeaderCenter};
constexpr CellFormat kSumm{.style = CellStyle::CellSumm};

void CompositionSheet(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtComposition& c = prot.Composition();
  CompositionSheetOpen(out);

  CompositionRow502(out, kSection1Part502, PresenceText(c.Section1));
  if (c.Section1 && (c.Appendix1Count > 0 || c.AnyAppendix2To9())) {
    CompositionRow502(out, kSection1Appendix1Part502, std::to_string(c.Appendix1Count));
    for (std::size_t i = 0; i < c.Appendix2To9.size(); ++i)
      CompositionRow502(out, kSection1AppendixParts502[i], PresenceText(c.Appendix2To9[i]));
  }
  CompositionRow502(out, kSection2Part502, PresenceText(c.Section2));
  if (c.Section2 && (c.Section2Pension || c.Section2Medical || c.Section2Appendix1)) {
    CompositionRow502(out, kSection2PensionPart502, PresenceText(c.Section2Pension));
    CompositionRow502(out, kSection2MedicalPart502, PresenceText(c.Section2Medical));
    CompositionRow502(out, kSection2Appendix1Part502, std::to_string(c.Section2Members));
  }
  CompositionRow502(out, kSection3Part502, std::to_string(c.Section3Persons));
  WorksheetClose(out);
}

// Column of the first cell of the quarter at position k of the quarter list.
int QuarterColumn(std::size_t k) { return 14 * static_cast<int>(k) + 7; }

std::vector<int> PersonSheetColumns(const Quarters& quarters) {
  std::vector<int> widths{50, 300, 50, 80, 80, 60};
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    widths.insert(widths.end(), {60, 60});
    widths.insert(widths.end(), 12, kAmountColumnWidth);
  }
  return widths;
}

// The title and the three caption rows.
constexpr int kPersonSheetHeadingRows = 4;

void PersonSheetHeader(ProtocolWriter& out, const Quarters& quarters) {
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 5},
                "Сводное отображение начислений и сумм по разделу 3 в разрезе основных тарифов");

  RowOpen(out);
  for (std::string_view caption : {"№ п/п", "ФИО", "Пол", "СНИЛС", "ИНН", "Источник ПД"})
    StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeDown = 2}, caption);
  for (int q : quarters)
    StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeAcross = 13}, std::to_string(q) + " квартал");
  RowClose(out);

  RowOpen(out, 20);
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    StringCell(out, {.index = k == 0 ? 7 : 0, .style = CellStyle::CellHeaderCenter, .mergeDown = 1}, "Источник");
    StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeDown = 1}, "Код категории ЗЛ");
    for (int m = 1; m <= 3; ++m)
      StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeAcross = 3}, MonthNameLower(3 * (quarters[k] - 1) + m));
  }
  RowClose(out);

  RowOpen(out);
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    for (int m = 1; m <= 3; ++m) {
      StringCell(out, {.index = m == 1 ? QuarterColumn(k) + 2 : 0, .style = CellStyle::CellHeaderCenter}, "Выплаты");
      StringCell(out, kHeaderCenter, "База ОПС");
      StringCell(out, kHeaderCenter, "База ГПД");
      StringCell(out, kHeaderCenter, "Взносы");
    }
  }
  RowClose(out);
}

// The twelve amount cells of the category code in the quarter, or twelve empty cells.
void AmountCells(ProtocolWriter& out, const TRSV502ProtQuartData& quarter, std::string_view code) {
  const int e = TRSV502Prot::FindCategory(quarter, code);
  for (std::size_t m = 0; m < 3; ++m) {
    if (e < 0) {
      for (int i = 0; i < 4; ++i) EmptyCell(out, kSumm);
      continue;
    }
    const TRSV502ProtMonthSums& sums = quarter.Categories()[static_cast<std::size_t>(e)].Months[m];
    for (Amount amount : {sums.СумВыпл, sums.ВыплОПС, sums.ВыплОПСДог, sums.НачислСВ}) AmountCell(out, kSumm, amount);
  }
}

// Where a quarter's cells stand in row j: from the second row on, its first cell names its
// column, since the cells to its left are covered by merged areas.
struct QuarterPlace {
  std::size_t row;
  int column;
  int mergeDown;
  int Index() const { return row > 0 ? column : 0; }
};

// The totals name no source ("-") and are never annulled.
void QuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, const QuarterPlace& at,
                  std::string_view code, bool totals) {
  if (!quarter) {
    if (at.row == 0)
      StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeAcross = 13, .mergeDown = at.mergeDown, .downFirst = true},
                 "Данные отсутствуют");
    return;
  }
  StringCell(out, {.index = at.Index(), .style = CellStyle::BorderedCenteredText},
             totals ? std::string("-") : quarter->Source.Text());
  if (!totals && quarter->Annulled) {
    if (at.row == 0)
      StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeAcross = 12, .mergeDown = at.mergeDown, .downFirst = true},
                 "Аннулировано");
    return;
  }
  StringCell(out, kCentered, code);
  AmountCells(out, *quarter, code);
}

// The rows a record takes: one per category code, one without codes.
long RecordRows(const std::vector<std::string>& codes) { return codes.empty() ? 1 : static_cast<long>(codes.size()); }

// The rows of one record after its leading cells: one per category code, a continuation row opening
// each but the first. A record without codes has its row closed after the leading cells.
template <class Cells>
void CategoryRows(ProtocolWriter& out, const std::vector<std::string>& codes, const Quarters& quarters,
                  const TRSV502ProtZLRec& record, int mergeDown, Cells&& quarterCells) {
  for (std::size_t j = 0; j < codes.size(); ++j) {
    if (j > 0) ContinuationRowOpen(out);
    for (std::size_t k = 0; k < quarters.size(); ++k)
      quarterCells(record.Quarter(quarters[k]), QuarterPlace{j, QuarterColumn(k), mergeDown}, codes[j]);
    RowClose(out);
  }
  if (codes.empty()) RowClose(out);
}

void PersonRows(ProtocolWriter& out, ContinuedTable& table, const TRSV502Prot& prot, const TRSV502ProtZLRec& person,
                int number, const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(person);
  table.Block(RecordRows(codes));
  const int down = codes.empty() ? 0 : static_cast<int>(codes.size()) - 1;
  RowOpen(out);
  IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, number);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.Name);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, GenderMark(person.Пол));
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, FormatSnils(person.Key));
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.ИННФЛ.empty() ? "не указан" : person.ИННФЛ);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.Source.Text());
  CategoryRows(out, codes, quarters, person, down,
               [&](const TRSV502ProtQuartData* quarter, const QuarterPlace& at, const std::string& code) {
                 QuarterCells(out, quarter, at, code, false);
               });
}

void TotalsRows(ProtocolWriter& out, ContinuedTable& table, const TRSV502Prot& prot, const TRSV502ProtZLRec& totals,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(totals);
  table.Block(RecordRows(codes));
  const int down = codes.empty() ? 0 : static_cast<int>(codes.size()) - 1;
  RowOpen(out);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeAcross = 5, .mergeDown = down, .downFirst = true}, "Итого");
  CategoryRows(out, codes, quarters, totals, down,
               [&](const TRSV502ProtQuartData* quarter, const QuarterPlace& at, const std::string& code) {
                 QuarterCells(out, quarter, at, code, true);
               });
}

}  // namespace

void PersonSheet502(ProtocolWriter& out, const TRSV502Prot& prot, const ShownPersons502& shown,
                    const SheetLimits& limits) {
  const Quarters quarters = QuarterNumbers(prot.QuartersPresent());
  ContinuedTable table(out,
                       {.name = "Р3 осн",
                        .panes = FrozenPanes::TopRows4LeftCols6,
                        .columnWidths = PersonSheetColumns(quarters),
                        .headingRows = kPersonSheetHeadingRows,
                        .headingWriter = [&quarters](ProtocolWriter& out) { PersonSheetHeader(out, quarters); }},
                       limits);
  // A person keeps its number among all: the gaps show where persons were left out.
  for (std::size_t i = 0; i < prot.Persons().size(); ++i)
    if (shown.shown[i]) PersonRows(out, table, prot, prot.Persons()[i], static_cast<int>(i + 1), quarters);
  if (prot.Totals()) TotalsRows(out, table, prot, *prot.Totals(), quarters);
  table.Block(1);
  StringCellRow(out, {.mergeAcross = 10}, kSourceNote);
  table.Close();
}

void CompositionRow502(ProtocolWriter& out, const CompositionPart502& part, std::string_view value) {
  RowOpen(out);
  StringCell(out, kBordered, part.name);
  StringCell(out, kCentered, value);
  if (part.note.empty())
    EmptyCell(out, kBordered);
  else
    StringCell(out, kBordered, part.note);
  RowClose(out);
}

std::string_view PresenceText(bool present) { return present ? "есть" : "нет"; }

void WorkbookOpen502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header,
                     const ShownPersons502& shown) {
  WorkbookOpen(out);
  TitleSheet(out, header, TitleOf502(prot), {.valueStyle = CellStyle::BorderedText}, [&](ProtocolWriter& o) {
    checks::WriteChecksWorkbookRows(o, prot.Checks().get());
    if (!shown.line.empty()) StringCellRow(o, {.mergeAcross = 2}, shown.line);
  });
}

void WriteWorkbookProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header,
                              const SheetLimits& limits) {
  const ShownPersons502 shown = ShownPersonsOf(prot);
  WorkbookOpen502(out, prot, header, shown);
  CompositionSheet(out, prot);
  if (!prot.Persons().empty()) PersonSheet502(out, prot, shown, limits);
  WorkbookClose(out);
}

}  // namespace orsvelt
