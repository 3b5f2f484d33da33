// The SpreadsheetML protocol of format 5.02: worksheets "Титул", "Состав" and "Р3 осн".
// Values from a report go through the markup's escaping cell helpers.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/checks/checks_writers.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/protocol_texts.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "markup/worksheet.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

using Quarters = std::vector<int>;

constexpr CellFormat kBordered{.style = "BorderedText"};
constexpr CellFormat kCentered{.style = "BorderedCenteredText"};
constexpr CellFormat kHeaderCenter{.style = "CellHeaderCenter"};
constexpr CellFormat kSumm{.style = "CellSumm"};

void Heading(ProtocolWriter& out, std::string_view heading) {
  StringCellRow(out, {.style = "SheetHeader", .mergeAcross = 1}, heading);
}

void KeyValueRow(ProtocolWriter& out, std::string_view caption, std::string_view value) {
  RowOpen(out);
  StringCell(out, kBordered, caption);
  StringCell(out, kBordered, value);
  RowClose(out);
}

void MainFileRows(ProtocolWriter& out, const TRSV502Prot& prot) {
  Heading(out, "Сведения об основном файле расчета");
  EmptyRow(out);
  KeyValueRow(out, "Имя файла:", prot.MainFileName());
  KeyValueRow(out, "Версия формата:", prot.FormatLabel());
  KeyValueRow(out, "Отчётный период:", PeriodText502(prot.PeriodCode(), prot.ReportYear()));
  KeyValueRow(out, "№ корректировки:", std::to_string(prot.CorrectionNumber()));
  KeyValueRow(out, "По месту:", prot.PlaceName());
  EmptyRow(out);
}

void ReadErrorRows(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.ReadErrors().empty()) return;
  Heading(out, "Сведения об ошибках чтения файла (мягкий контроль)");
  EmptyRow(out);
  for (const std::string& message : prot.ReadErrors()) {
    RowOpen(out);
    StringCell(out, {.mergeAcross = 2}, message);
    RowClose(out);
  }
  EmptyRow(out);
}

void EarlierFileRows(ProtocolWriter& out, const TRSV502Prot& prot) {
  if (prot.EarlierFiles().empty()) return;
  Heading(out, "Сведения о файлах предыдущих периодов отчётного года");
  EmptyRow(out);
  int n = 0;
  for (const TRSV502ProtFileRec& file : prot.EarlierFiles()) {
    RowOpen(out);
    StringCell(out, {.style = "SheetHeaderLeft"}, "№ п/п:");
    StringCell(out, {.style = "SheetHeaderLeft"}, std::to_string(++n));
    RowClose(out);
    KeyValueRow(out, "Имя файла:", file.FileName);
    KeyValueRow(out, "Версия формата:", file.FormatVersion);
    KeyValueRow(out, "Отчётный период:", PeriodText502(file.PeriodCode, file.ReportYear));
    KeyValueRow(out, "№ корректировки:", std::to_string(file.CorrectionNumber));
    KeyValueRow(out, "По месту:", file.PlaceName);
    EmptyRow(out);
  }
}

void PayerRows(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtPayer& payer = prot.Payer();
  Heading(out, "Сведения о плательщике страховых взносов");
  EmptyRow(out);
  KeyValueRow(out, "Тип плательщика взносов:", payer.Type);
  KeyValueRow(out, "Наименование организации / ФИО физического лица:", payer.Name);
  KeyValueRow(out, "ИНН:", payer.Inn);
  KeyValueRow(out, "КПП юридического лица:", payer.Kpp);
}

void TitleSheet(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header) {
  TitleSheetOpen(out, header);
  MainFileRows(out, prot);
  checks::WriteChecksWorkbookRows(out, prot.Checks().get());
  ReadErrorRows(out, prot);
  EarlierFileRows(out, prot);
  PayerRows(out, prot);
  WorksheetClose(out);
}

void CompositionRow(ProtocolWriter& out, std::string_view name, std::string_view value, std::string_view note) {
  RowOpen(out);
  StringCell(out, kBordered, name);
  StringCell(out, kCentered, value);
  if (note.empty())
    EmptyCell(out, kBordered);
  else
    StringCell(out, kBordered, note);
  RowClose(out);
}

std::string_view Presence(bool present) { return present ? "есть" : "нет"; }

constexpr std::string_view kForPayersToPersons =
    "Включается в состав расчёта для плательщиков, производящих выплаты физлицам";
constexpr std::string_view kForBenefitExpenses =
    "Включается в состав расчёта при произведении расходов на выплату страхового обеспечения по обязательному "
    "социальному страхованию на случай временной нетрудоспособности и в связи с материнством (кроме пилотного "
    "проекта)";
constexpr std::string_view kForTariff = "Включается в состав расчёта при применении указанного тарифа";

struct AppendixRow {
  std::string_view name;
  std::string_view note;
};

// Appendices 2..9 of section 1.
constexpr AppendixRow kAppendixRows[8] = {
    {"Приложение 2. Расчет сумм СВ на ОСС по временной нетрудоспособности и в связи с материнством",
     kForPayersToPersons},
    {"Приложение 3. Расходы по ОСС на случай временной нетрудоспособности и в связи с материнством и расходы, "
     "осуществляемые в соответствии с законодательством РФ",
     kForBenefitExpenses},
    {"Приложение 4. Выплаты, произведенные за счет средств, финансируемых из федерального бюджета",
     kForBenefitExpenses},
    {"Приложение 5. Расчёт соответствия условиям применения пониженного тарифа пп. 3 п. 1 ст. 427 НК "
     "(ИТ-компании)",
     kForTariff},
    {"Приложение 6. Расчёт соответствия условиям применения пониженного тарифа пп. 7 п. 1 ст. 427 НК (НКО на "
     "УСНО с деятельностью по соцобслуживанию и т. д.)",
     kForTariff},
    {"Приложение 7. Расчёт соответствия условиям применения пониженного тарифа пп. 15 п. 1 ст. 427 НК "
     "(производство анимационной аудиовизуальной продукции)",
     kForTariff},
    {"Приложение 8. Сведения для применения тарифа абз. 2 пп. 2 п. 2 ст. 425 НК (ОСС по временно пребывающим "
     "иностранцам)",
     kForTariff},
    {"Приложение 9. Сведения, необходимые для применения положений пп. 1 п. 3 ст. 422 НК организациями, "
     "осуществляющими выплаты и иные вознаграждения в пользу обучающихся",
     ""},
};

void CompositionSheet(ProtocolWriter& out, const TRSV502Prot& prot) {
  const TRSV502ProtComposition& c = prot.Composition();
  WorksheetOpen(out, "Состав");
  WorksheetOptions(out, FrozenPanes::TopRows2);
  TableOpen(out, {600, 100, 600});
  StringCellRow(out, {.style = "SheetHeader", .mergeAcross = 2}, "Состав формы");
  RowOpen(out);
  for (std::string_view caption : {"Раздел/подраздел", "Наличие/кол-во", "Примечание"})
    StringCell(out, kHeaderCenter, caption);
  RowClose(out);

  CompositionRow(out, "Раздел 1. Сводные данные об обязательствах плательщика страховых взносов",
                 Presence(c.Section1), "Обязателен для плательщиков, производящих выплаты физлицам");
  if (c.Section1 && (c.Appendix1Count > 0 || c.AnyAppendix2To9())) {
    CompositionRow(out, "Приложение 1. Расчёт сумм СВ на ОПС и ОМС", std::to_string(c.Appendix1Count),
                   kForPayersToPersons);
    for (std::size_t i = 0; i < c.Appendix2To9.size(); ++i)
      CompositionRow(out, kAppendixRows[i].name, Presence(c.Appendix2To9[i]), kAppendixRows[i].note);
  }
  CompositionRow(out,
                 "Раздел 2. Сводные данные об обязательствах плательщиков страховых взносов - глав крестьянских "
                 "(фермерских) хозяйств",
                 Presence(c.Section2), "Включается в расчёт главами крестьянских (фермерских) хозяйств");
  if (c.Section2 && (c.Section2Pension || c.Section2Medical || c.Section2Appendix1)) {
    CompositionRow(out, "Суммы страховых взносов на ОПС", Presence(c.Section2Pension), "");
    CompositionRow(out, "Суммы страховых взносов на ОМС", Presence(c.Section2Medical), "");
    CompositionRow(out, "Приложение 1. Расчёт сумм СВ, подлежащих уплате за главу и членов КФХ",
                   std::to_string(c.Section2Members), "");
  }
  CompositionRow(out, "Раздел 3. Персонифицированные сведения о застрахованных лицах",
                 std::to_string(c.Section3Persons), kForPayersToPersons);
  WorksheetClose(out);
}

// Column of the first cell of the quarter at position k of the quarter list.
int QuarterColumn(std::size_t k) { return 14 * static_cast<int>(k) + 7; }

void PersonSheetHeader(ProtocolWriter& out, const Quarters& quarters) {
  std::vector<int> widths{50, 300, 50, 80, 80, 60};
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    widths.insert(widths.end(), {60, 60});
    widths.insert(widths.end(), 12, kAmountColumnWidth);
  }
  TableOpen(out, widths);
  StringCellRow(out, {.style = "SheetHeader", .mergeAcross = 5},
                "Сводное отображение начислений и сумм по разделу 3 в разрезе основных тарифов");

  RowOpen(out);
  for (std::string_view caption : {"№ п/п", "ФИО", "Пол", "СНИЛС", "ИНН", "Источник ПД"})
    StringCell(out, {.style = "CellHeaderCenter", .mergeDown = 2}, caption);
  for (int q : quarters)
    StringCell(out, {.style = "CellHeaderCenter", .mergeAcross = 13}, std::to_string(q) + " квартал");
  RowClose(out);

  RowOpen(out, 20);
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    StringCell(out, {.index = k == 0 ? 7 : 0, .style = "CellHeaderCenter", .mergeDown = 1}, "Источник");
    StringCell(out, {.style = "CellHeaderCenter", .mergeDown = 1}, "Код категории ЗЛ");
    for (int m = 1; m <= 3; ++m)
      StringCell(out, {.style = "CellHeaderCenter", .mergeAcross = 3}, MonthNameLower(3 * (quarters[k] - 1) + m));
  }
  RowClose(out);

  RowOpen(out);
  for (std::size_t k = 0; k < quarters.size(); ++k) {
    for (int m = 1; m <= 3; ++m) {
      StringCell(out, {.index = m == 1 ? QuarterColumn(k) + 2 : 0, .style = "CellHeaderCenter"}, "Выплаты");
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

void PersonQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, const QuarterPlace& at,
                        std::string_view code) {
  if (!quarter) {
    if (at.row == 0)
      StringCell(out, {.style = "BorderedCenteredText", .mergeAcross = 13, .mergeDown = at.mergeDown, .downFirst = true},
                 "Данные отсутствуют");
    return;
  }
  StringCell(out, {.index = at.Index(), .style = "BorderedCenteredText"}, quarter->Source);
  if (quarter->Annulled) {
    if (at.row == 0)
      StringCell(out, {.style = "BorderedCenteredText", .mergeAcross = 12, .mergeDown = at.mergeDown, .downFirst = true},
                 "Аннулировано");
    return;
  }
  StringCell(out, kCentered, code);
  AmountCells(out, *quarter, code);
}

void TotalsQuarterCells(ProtocolWriter& out, const TRSV502ProtQuartData* quarter, const QuarterPlace& at,
                        std::string_view code) {
  if (!quarter) {
    if (at.row == 0)
      StringCell(out, {.style = "BorderedCenteredText", .mergeAcross = 13, .mergeDown = at.mergeDown, .downFirst = true},
                 "Данные отсутствуют");
    return;
  }
  StringCell(out, {.index = at.Index(), .style = "BorderedCenteredText"}, "-");
  StringCell(out, kCentered, code);
  AmountCells(out, *quarter, code);
}

// The rows of one record after its leading cells: one per category code, "   <Row>" opening
// each but the first. A record without codes has its row closed after the leading cells.
template <class QuarterCells>
void CategoryRows(ProtocolWriter& out, const std::vector<std::string>& codes, const Quarters& quarters,
                  const TRSV502ProtZLRec& record, int mergeDown, QuarterCells&& quarterCells) {
  for (std::size_t j = 0; j < codes.size(); ++j) {
    if (j > 0) out.Line("   <Row>");
    for (std::size_t k = 0; k < quarters.size(); ++k)
      quarterCells(record.Quarter(quarters[k]), QuarterPlace{j, QuarterColumn(k), mergeDown}, codes[j]);
    RowClose(out);
  }
  if (codes.empty()) RowClose(out);
}

void PersonRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& person, int number,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(person);
  const int down = codes.empty() ? 0 : static_cast<int>(codes.size()) - 1;
  RowOpen(out);
  IntegerCell(out, {.style = "CellNumber", .mergeDown = down}, number);
  StringCell(out, {.style = "BorderedText", .mergeDown = down}, person.Name);
  StringCell(out, {.style = "BorderedText", .mergeDown = down}, GenderMark(person.Пол));
  StringCell(out, {.style = "BorderedCenteredText", .mergeDown = down}, FormatSnils(person.Key));
  StringCell(out, {.style = "BorderedText", .mergeDown = down}, person.ИННФЛ.empty() ? "не указан" : person.ИННФЛ);
  StringCell(out, {.style = "BorderedText", .mergeDown = down}, person.Source);
  CategoryRows(out, codes, quarters, person, down,
               [&](const TRSV502ProtQuartData* quarter, const QuarterPlace& at, const std::string& code) {
                 PersonQuarterCells(out, quarter, at, code);
               });
}

void TotalsRows(ProtocolWriter& out, const TRSV502Prot& prot, const TRSV502ProtZLRec& totals,
                const Quarters& quarters) {
  const std::vector<std::string> codes = prot.PersonCategories(totals);
  const int down = codes.empty() ? 0 : static_cast<int>(codes.size()) - 1;
  RowOpen(out);
  StringCell(out, {.style = "BorderedText", .mergeAcross = 5, .mergeDown = down, .downFirst = true}, "Итого");
  CategoryRows(out, codes, quarters, totals, down,
               [&](const TRSV502ProtQuartData* quarter, const QuarterPlace& at, const std::string& code) {
                 TotalsQuarterCells(out, quarter, at, code);
               });
}

void PersonSheet(ProtocolWriter& out, const TRSV502Prot& prot) {
  const Quarters quarters = QuarterNumbers(prot.QuartersPresent());
  WorksheetOpen(out, "Р3 осн");
  WorksheetOptions(out, FrozenPanes::TopRows4LeftCols6);
  PersonSheetHeader(out, quarters);
  int number = 0;
  for (const TRSV502ProtZLRec& person : prot.Persons()) PersonRows(out, prot, person, ++number, quarters);
  if (prot.Totals()) TotalsRows(out, prot, *prot.Totals(), quarters);
  StringCellRow(out, {.mergeAcross = 10}, kSourceNote);
  WorksheetClose(out);
}

}  // namespace

void WriteWorkbookProtocol502(ProtocolWriter& out, const TRSV502Prot& prot, const ProtocolHeader& header) {
  WorkbookOpen(out);
  TitleSheet(out, prot, header);
  CompositionSheet(out, prot);
  if (!prot.Persons().empty()) PersonSheet(out, prot);
  WorkbookClose(out);
}

}  // namespace orsvelt
