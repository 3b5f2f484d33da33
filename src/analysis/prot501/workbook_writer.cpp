// The SpreadsheetML workbook of a 5.01 protocol, one function per worksheet in the order
// of the sheets. Every value from the report is escaped (an "&" in a name would make the
// spreadsheet refuse the whole workbook).

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "analysis/checks/checks_writers.h"
#include "analysis/common/composition_block.h"
#include "analysis/prot501/composition_table.h"
#include "analysis/prot501/prot501_writers.h"
#include "analysis/prot501/protocol_title.h"
#include "analysis/prot501/shown_persons.h"
#include "analysis/prot501/writer_common.h"
#include "markup/continued_table.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "markup/worksheet.h"

namespace orsvelt {
namespace {

using prot501::kBaseCheckNote;
using prot501::MonthName;
using prot501::MonthRowCount;
using prot501::OMSOSSColumns;
using prot501::OrPlaceholder;
using prot501::ShownPersons;

// Extra rows a cell covers for a person with this many rows ("0" without rows).
int MergeDown(std::size_t rows) { return rows == 0 ? 0 : static_cast<int>(rows) - 1; }

// The rows a record with this many rows takes: one without rows as well.
long RowsOf(std::size_t rows) { return rows == 0 ? 1 : static_cast<long>(rows); }

// Column widths: the leading columns, then this many columns of amounts.
std::vector<int> AmountsAfter(std::initializer_list<int> leading, int amounts) {
  std::vector<int> widths(leading);
  widths.insert(widths.end(), static_cast<std::size_t>(amounts), kAmountColumnWidth);
  return widths;
}

void HeaderCells(ProtocolWriter& out, std::initializer_list<std::string_view> captions) {
  RowOpen(out);
  for (std::string_view caption : captions) StringCell(out, {.style = CellStyle::CellHeaderCenter}, caption);
  RowClose(out);
}

void SheetTitle(ProtocolWriter& out, int columns, std::string_view title) {
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = columns - 1}, title);
}

void CompositionRow(ProtocolWriter& out, const prot501::CompositionPart& part, const TRSV501ProtData& d) {
  const prot501::CompositionValue value = part.value(d);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::BorderedText}, part.part);
  if (value.counted) {
    IntegerCell(out, {.style = CellStyle::BorderedCenteredText}, value.count);
  } else {
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, prot501::PresenceText(value.present));
  }
  StringCell(out, {.style = CellStyle::BorderedText}, part.note);
  RowClose(out);
}

void CompositionSheet(ProtocolWriter& out, const TRSV501ProtData& d) {
  CompositionSheetOpen(out);
  for (const prot501::CompositionPart& part : prot501::CompositionParts()) CompositionRow(out, part, d);
  WorksheetClose(out);
}

std::string CodeWithCount(std::string_view code, std::int32_t count) {
  return std::string(code) + " (" + std::to_string(count) + " ЗЛ)";
}

void FourSums(ProtocolWriter& out, Amount payments, Amount base, Amount contractBase, Amount contributions) {
  for (Amount amount : {payments, base, contractBase, contributions}) AmountCell(out, {.style = CellStyle::CellSumm}, amount);
}

void MainTariffPerson(ProtocolWriter& out, const TZLRec& person) {
  const int down = MergeDown(person.MonthRows.size());
  RowOpen(out);
  IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.Ordinal);
  IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.Number);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.FullName);
  StringCell(out, {.style = person.SexMismatch ? CellStyle::CellBlueCenter : CellStyle::BorderedCenteredText, .mergeDown = down},
             person.SexText);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.SNILS);
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, OrPlaceholder(person.INN, "не указан"));
  NumberCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.OPSFlag);
  NumberCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.OMSFlag);
  NumberCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.OSSFlag);
  if (person.MonthRows.empty()) {
    StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeAcross = 5}, "Данные по начислениям отсутствуют");
    RowClose(out);
    return;
  }
  bool first = true;
  for (const TZLMonthRec& row : person.MonthRows) {
    if (!first) RowOpen(out);
    first = false;
    StringCell(out, {.index = 10, .style = CellStyle::BorderedText}, MonthName(row.Month));
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, row.CategoryCode);
    FourSums(out, row.Payments, row.Base, row.ContractBase, row.Contributions);
    RowClose(out);
  }
}

void MainTariffTotals(ProtocolWriter& out, ContinuedTable& table, const TRSV501ProtData& d) {
  if (!d.MonthCategoryTotals.empty()) {
    table.Block(RowsOf(d.MonthCategoryTotals.size()));
    RowOpen(out);
    StringCell(out,
               {.style = CellStyle::CellHeaderLeft, .mergeAcross = 8, .mergeDown = MergeDown(d.MonthCategoryTotals.size())},
               "Итого");
    bool first = true;
    for (const TRSV501MonthCategoryTotalRec& total : d.MonthCategoryTotals) {
      if (!first) RowOpen(out);
      first = false;
      StringCell(out, {.index = 10, .style = CellStyle::BorderedText}, MonthName(total.Month));
      StringCell(out, {.style = CellStyle::BorderedCenteredText}, CodeWithCount(total.CategoryCode, total.Count));
      FourSums(out, total.Payments, total.Base, total.ContractBase, total.Contributions);
      RowClose(out);
    }
  }
  if (!d.CategoryTotals.empty()) {
    table.Block(RowsOf(d.CategoryTotals.size()));
    RowOpen(out);
    StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 9, .mergeDown = MergeDown(d.CategoryTotals.size())},
               "Итого по кодам тарифов");
    bool first = true;
    for (const TRSV501CategoryTotalRec& total : d.CategoryTotals) {
      if (!first) RowOpen(out);
      first = false;
      StringCell(out, {.index = 11, .style = CellStyle::BorderedCenteredText}, CodeWithCount(total.CategoryCode, total.Count));
      FourSums(out, total.Payments, total.Base, total.ContractBase, total.Contributions);
      RowClose(out);
    }
  }
  table.Block(1);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 5}, "Кол-во ЗЛ по признакам");
  IntegerCell(out, {.style = CellStyle::CellNumber}, d.OPSFlagCount);
  IntegerCell(out, {.style = CellStyle::CellNumber}, d.OMSFlagCount);
  IntegerCell(out, {.style = CellStyle::CellNumber}, d.OSSFlagCount);
  RowClose(out);
}

void MainTariffSheet(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown,
                     const SheetLimits& limits) {
  if (d.Persons.empty()) return;
  ContinuedTable table(out,
                       {.name = "Р3 осн",
                        .panes = FrozenPanes::TopRows2,
                        .columnWidths = AmountsAfter({50, 50, 300, 50, 80, 80, 50, 50, 50, 60, 80}, 4),
                        .headingRows = 2,
                        .headingWriter =
                            [](ProtocolWriter& out) {
                              SheetTitle(out, 15,
                                         "Сводное отображение начислений и сумм по разделу 3 в разрезе основных тарифов");
                              HeaderCells(out, {"№ п/п", "№ в файле", "ФИО", "Пол", "СНИЛС", "ИНН", "Признак ЗЛ ОПС",
                                                "Признак ЗЛ ОМС", "Признак ЗЛ ОСС", "Месяц", "Код категории ЗЛ",
                                                "Сумма выплат", "База всего", "База по ГПД", "Взносы"});
                            }},
                       limits);
  for (const TZLRec& person : d.Persons) {
    if (!shown.Shows(person)) continue;
    table.Block(RowsOf(person.MonthRows.size()));
    MainTariffPerson(out, person);
  }
  MainTariffTotals(out, table, d);
  table.Close();
}

void AddTariffPerson(ProtocolWriter& out, const TZLRec& person, std::int32_t counter) {
  const int down = MergeDown(person.AddRows.size());
  RowOpen(out);
  IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, counter);
  IntegerCell(out, {.style = CellStyle::CellNumber, .mergeDown = down}, person.Number);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.FullName);
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, person.SNILS);
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, OrPlaceholder(person.INN, "не указан"));
  bool first = true;
  for (const TZLAddRec& row : person.AddRows) {
    if (!first) RowOpen(out);
    first = false;
    StringCell(out, {.index = 6, .style = CellStyle::BorderedText}, MonthName(row.Month));
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, row.TariffCode);
    AmountCell(out, {.style = CellStyle::CellSumm}, row.Payments);
    AmountCell(out, {.style = CellStyle::CellSumm}, row.Contributions);
    RowClose(out);
  }
}

void AddTariffSheet(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown,
                    const SheetLimits& limits) {
  if (d.Persons.empty() || d.MonthTariffTotals.empty()) return;
  ContinuedTable table(out,
                       {.name = "Р3 доп",
                        .panes = FrozenPanes::TopRows2,
                        .columnWidths = AmountsAfter({50, 50, 300, 80, 80, 60, 80}, 2),
                        .headingRows = 2,
                        .headingWriter =
                            [](ProtocolWriter& out) {
                              SheetTitle(
                                  out, 9,
                                  "Сводное отображение начислений и сумм по разделу 3 в разрезе дополнительных тарифов");
                              HeaderCells(out, {"№ п/п", "№ в файле", "ФИО", "СНИЛС", "ИНН", "Месяц", "Код тарифа",
                                                "Сумма выплат", "Начислено взносов"});
                            }},
                       limits);
  std::int32_t counter = 0;
  // A person keeps its number among all: the gaps show where persons were left out.
  for (const TZLRec& person : d.Persons) {
    if (person.AddRows.empty()) continue;
    ++counter;
    if (!shown.Shows(person)) continue;
    table.Block(RowsOf(person.AddRows.size()));
    AddTariffPerson(out, person, counter);
  }

  table.Block(RowsOf(d.MonthTariffTotals.size()));
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 4, .mergeDown = MergeDown(d.MonthTariffTotals.size())},
             "Итого");
  bool first = true;
  for (const TRSV501MonthTariffTotalRec& total : d.MonthTariffTotals) {
    if (!first) RowOpen(out);
    first = false;
    StringCell(out, {.index = 6, .style = CellStyle::BorderedText}, MonthName(total.Month));
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, CodeWithCount(total.TariffCode, total.Count));
    AmountCell(out, {.style = CellStyle::CellSumm}, total.Payments);
    AmountCell(out, {.style = CellStyle::CellSumm}, total.Contributions);
    RowClose(out);
  }
  if (!d.TariffTotals.empty()) {
    table.Block(RowsOf(d.TariffTotals.size()));
    RowOpen(out);
    StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 5, .mergeDown = MergeDown(d.TariffTotals.size())},
               "Итого по кодам тарифов");
    first = true;
    for (const TRSV501TariffTotalRec& total : d.TariffTotals) {
      if (!first) RowOpen(out);
      first = false;
      StringCell(out, {.index = 7, .style = CellStyle::BorderedCenteredText}, CodeWithCount(total.TariffCode, total.Count));
      AmountCell(out, {.style = CellStyle::CellSumm}, total.Payments);
      AmountCell(out, {.style = CellStyle::CellSumm}, total.Contributions);
      RowClose(out);
    }
  }
  table.Close();
}

void CountPair(ProtocolWriter& out, std::int32_t s1, std::int32_t s3) {
  const CellStyle style = s1 == s3 ? CellStyle::CellNumber : CellStyle::CellBlueNumber;
  IntegerCell(out, {.style = style}, s1);
  IntegerCell(out, {.style = style}, s3);
}

void AmountPair(ProtocolWriter& out, Amount s1, Amount s3) {
  const CellStyle style = s1 == s3 ? CellStyle::CellSumm : CellStyle::CellBlueSumm;
  AmountCell(out, {.style = style}, s1);
  AmountCell(out, {.style = style}, s3);
}

void ComparisonSheet(ProtocolWriter& out, const TRSV501CompareMainRec& rec, std::size_t k) {
  WorksheetOpen(out, "Сверка Р1Р3 осн_" + std::to_string(k));
  TableOpen(out, AmountsAfter({200}, 8));
  SheetTitle(out, 9, "Сверка данных между подразделами 1.1 и 3.2.1 (основные тарифы)");
  EmptyRow(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::SheetHeaderLeft}, "Коды тарифов взносов (раздел 1):");
  StringCell(out, {.style = CellStyle::CommonText, .mergeAcross = 7}, prot501::JoinCodes(rec.TariffCodes));
  RowClose(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::SheetHeaderLeft}, "Коды категорий ЗЛ:");
  StringCell(out, {.style = CellStyle::CommonText, .mergeAcross = 7}, prot501::JoinCodes(rec.CategoryCodes));
  RowClose(out);
  EmptyRow(out);

  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeDown = 1}, "Наименование показателя");
  StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeAcross = 1}, "За последние 3 мес.");
  for (const std::string* month : {&rec.Month1, &rec.Month2, &rec.Month3})
    StringCell(out, {.style = CellStyle::CellHeaderCenter, .mergeAcross = 1}, MonthName(*month));
  RowClose(out);
  RowOpen(out);
  for (int i = 0; i < 4; ++i) {
    StringCell(out, {.index = i == 0 ? 2 : 0, .style = CellStyle::CellHeaderCenter}, "Раздел 1");
    StringCell(out, {.style = CellStyle::CellHeaderCenter}, "Раздел 3");
  }
  RowClose(out);

  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft}, "Кол-во застрахованных лиц с начислениями");
  for (int i = 0; i < 4; ++i) CountPair(out, rec.Column(i).PersonsS1, rec.Column(i).PersonsS3);
  RowClose(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft}, "Суммы выплат и иных вознаграждений");
  for (int i = 0; i < 4; ++i) AmountPair(out, rec.Column(i).PaymentsS1, rec.Column(i).PaymentsS3);
  RowClose(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft}, "База для начисления взносов");
  for (int i = 0; i < 4; ++i) AmountPair(out, rec.Column(i).BaseS1, rec.Column(i).BaseS3);
  RowClose(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft}, "Сумма взносов");
  for (int i = 0; i < 4; ++i) AmountPair(out, rec.Column(i).ContribS1, rec.Column(i).ContribS3);
  RowClose(out);
  StringCellRow(out, {.style = CellStyle::CommonText, .mergeAcross = 8},
                "Примечание: При проверке корректирующих форм, в которых указаны только корректируемые данные "
                "застрахованных лиц, расхождения сумм не являются ошибкой.");
  WorksheetClose(out);
}

void ComparisonSheets(ProtocolWriter& out, const TRSV501ProtData& d) {
  for (std::size_t k = 0; k < d.Comparisons.size(); ++k) ComparisonSheet(out, d.Comparisons[k], k + 1);
}

void FarmMemberSheet(ProtocolWriter& out, const TRSV501ProtData& d, const SheetLimits& limits) {
  if (!d.Section2Present) return;
  const bool members = !d.FarmMembers.empty();
  ContinuedTable table(out,
                       {.name = "Данные по КФХ",
                        .panes = FrozenPanes::TopRows3,
                        .columnWidths = AmountsAfter({80, 80, 200, 80, 80, 80}, 2),
                        .headingRows = members ? 3 : 2,
                        .headingWriter =
                            [members](ProtocolWriter& out) {
                              SheetTitle(out, 8, "Сведения по взносам за членов КФХ (раздел 2)");
                              EmptyRow(out);
                              if (members)
                                HeaderCells(out, {"ИНН", "СНИЛС", "ФИО", "Год рождения", "Начало членства",
                                                  "Окончание членства", "Сумма ОПС", "Сумма ОМС"});
                            }},
                       limits);
  if (!members) {
    StringCellRow(out, {.style = CellStyle::CellHeaderLeft}, "Сведения отсутствуют");
    table.Close();
    return;
  }
  Amount pension = 0;
  Amount medical = 0;
  for (const TRSV501FarmMemberRec& member : d.FarmMembers) {
    table.Block(1);
    RowOpen(out);
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, OrPlaceholder(member.INN, "Не указан"));
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, OrPlaceholder(member.SNILS, "Не указан"));
    StringCell(out, {.style = CellStyle::BorderedText}, OrPlaceholder(member.FullName, "Не указано"));
    IntegerCell(out, {.style = CellStyle::BorderedCenteredText}, member.BirthYear);
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, OrPlaceholder(member.StartDate, "Не указана"));
    StringCell(out, {.style = CellStyle::BorderedCenteredText}, OrPlaceholder(member.EndDate, "Не указана"));
    AmountCell(out, {.style = CellStyle::CellSumm}, member.PensionContributions);
    AmountCell(out, {.style = CellStyle::CellSumm}, member.MedicalContributions);
    RowClose(out);
    pension += member.PensionContributions;
    medical += member.MedicalContributions;
  }
  table.Block(2);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 5}, "Итого по членам КФХ");
  AmountCell(out, {.style = CellStyle::CellHeaderRight}, pension);
  AmountCell(out, {.style = CellStyle::CellHeaderRight}, medical);
  RowClose(out);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 5}, "Итоговые показатели в разделе 2");
  AmountCell(out, {.style = CellStyle::CellHeaderRight}, d.Section2OPS);
  AmountCell(out, {.style = CellStyle::CellHeaderRight}, d.Section2OMS);
  RowClose(out);
  table.Close();
}

void BaseCheckPerson(ProtocolWriter& out, const TRSV501BaseCheckPLRec& person, Amount limit) {
  const int down = MergeDown(MonthRowCount(person));
  RowOpen(out);
  StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = down}, person.FullName);
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, OrPlaceholder(person.SNILS, "Не указан"));
  StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = down}, OrPlaceholder(person.INN, "Не указан"));
  bool first = true;
  TRSV501BaseCheckRunning running;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
    for (const TRSV501BaseCheckMonthRec& month : block.Months) {
      const TRSV501BaseCheckRunning cum = running.Next(block, month);
      if (!first) RowOpen(out);
      first = false;
      StringCell(out, {.index = 4, .style = CellStyle::CellHeaderLeft}, MonthName(month.Month));
      IntegerCell(out, {.style = CellStyle::CellNumber}, block.FileNumber);
      IntegerCell(out, {.style = CellStyle::CellNumber}, block.Number);
      AmountCell(out, {.style = CellStyle::CellSumm}, month.Payments);
      AmountCell(out, {.style = CellStyle::CellSumm}, cum.Payments);
      AmountCell(out, {.style = CellStyle::CellSumm}, month.Base);
      AmountCell(out, {.style = cum.Base > limit ? CellStyle::CellBlueSumm : CellStyle::CellSumm}, cum.Base);
      AmountCell(out, {.style = CellStyle::CellSumm}, month.ContractBase);
      AmountCell(out, {.style = CellStyle::CellSumm}, cum.ContractBase);
      AmountCell(out, {.style = CellStyle::CellSumm}, month.Contributions);
      AmountCell(out, {.style = CellStyle::CellSumm}, cum.Contributions);
      RowClose(out);
    }
  }
  if (first) RowClose(out);
}

void BaseCheckTotal(ProtocolWriter& out, const std::vector<TRSV501BaseCheckTotalMonthRec>& total) {
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 2, .mergeDown = MergeDown(total.size())},
             "Итого:");
  bool first = true;
  for (const TRSV501BaseCheckTotalMonthRec& month : total) {
    if (!first) RowOpen(out);
    first = false;
    StringCell(out, {.index = 4, .style = CellStyle::CellHeaderLeft}, MonthName(month.Month));
    StringCell(out, {.style = CellStyle::CellHeaderCenter}, "-");
    StringCell(out, {.style = CellStyle::CellHeaderCenter}, "-");
    for (Amount amount : {month.Payments, month.CumPayments, month.Base, month.CumBase, month.ContractBase,
                          month.CumContractBase, month.Contributions, month.CumContributions})
      AmountCell(out, {.style = CellStyle::CellHeaderRight}, amount);
    RowClose(out);
  }
  if (first) RowClose(out);
}

void BaseCheckSheet(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown,
                    const SheetLimits& limits) {
  if (d.EarlierFiles.empty() || d.BaseChecks.empty()) return;
  ContinuedTable table(
      out,
      {.name = "Талмуд НИ",
       .panes = FrozenPanes::TopRows4LeftCols4,
       .columnWidths = AmountsAfter({200, 80, 80, 80, 60, 60}, 8),
       .headingRows = 4,
       .headingWriter =
           [](ProtocolWriter& out) {
             StringCellRow(
                 out, {.style = CellStyle::SheetHeaderLeft, .mergeAcross = 10},
                 "Сведения для контроля показателей по застрахованным лицам нарастающим итогом с начала года");
             // Written as it stands: the quotes around the column name belong to the note.
             RawStringCellRow(out, {.style = CellStyle::CommonText, .mergeAcross = 10}, kBaseCheckNote);
             EmptyRow(out);
             HeaderCells(out, {"ФИО", "СНИЛС", "ИНН", "Месяц", "№ файла", "№ в файле", "Выплаты", "Выплаты НИ",
                               "База ОПС", "База ОПС НИ", "База ОПС ГПД", "База ОПС ГПД НИ", "Взносы ОПС",
                               "Взносы ОПС НИ"});
           }},
      limits);
  for (const TRSV501BaseCheckPLRec& person : d.BaseChecks) {
    if (!shown.Shows(person)) continue;
    table.Block(RowsOf(MonthRowCount(person)));
    BaseCheckPerson(out, person, d.PensionLimit);
  }
  table.Block(RowsOf(d.BaseCheckTotal.size()));
  BaseCheckTotal(out, d.BaseCheckTotal);
  table.Close();
}

// Twelve rows; the first goes on in the row already open.
void OMSOSSMonths(ProtocolWriter& out, const TRSV501OMSOSSPLRec& person, CellStyle amountStyle) {
  bool first = true;
  const auto months = WithRunningTotals(person.Months);
  for (std::size_t m = 0; m < months.size(); ++m) {
    const TRSV501OMSOSSRunningRec& month = months[m];
    if (!first) RowOpen(out);
    first = false;
    StringCell(out, {.index = 4, .style = CellStyle::CellHeaderLeft}, MonthName(static_cast<std::int32_t>(m + 1)));
    for (Amount amount : OMSOSSColumns(month)) AmountCell(out, {.style = amountStyle}, amount);
    RowClose(out);
  }
}

void OMSOSSHeading(ProtocolWriter& out, const TRSV501ProtData& d) {
  StringCellRow(out, {.style = CellStyle::SheetHeaderLeft, .mergeAcross = 11},
                "Расчётные данные по взносам ОМС и ОСС по застрахованным лицам помесячно и нарастающим итогом с "
                "начала года");
  StringCellRow(out, {.style = CellStyle::CommonText, .mergeAcross = 11},
                "Примечание: Расчёт взносов ОМС выполняется раздельно по каждому тарифу. При расчёте ОСС из выплат "
                "вычитаются суммы по ГПД и учитывается предельный размер базы.");
  // The notice takes the place of the spacer, so that the frozen heading rows stay four.
  if (d.SocialLimitKnown) {
    EmptyRow(out);
  } else {
    StringCellRow(out, {.style = CellStyle::RedText, .mergeAcross = 11}, prot501::SocialLimitUnknownText(d.Year));
  }
  HeaderCells(out, {"ФИО", "СНИЛС", "ИНН", "Месяц", "База ОМС", "База ОМС НИ", "Взносы ОМС", "Взносы ОМС НИ",
                    "База ОСС", "База ОСС НИ", "Взносы ОСС", "Взносы ОСС НИ"});
}

void OMSOSSSheet(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown, const SheetLimits& limits) {
  if (d.BaseChecks.empty()) return;
  constexpr long kMonthRows = std::tuple_size_v<decltype(TRSV501OMSOSSPLRec::Months)>;
  ContinuedTable table(out,
                       {.name = "ОМС-ОСС расчётно",
                        .panes = FrozenPanes::TopRows4LeftCols4Unselected,
                        .columnWidths = AmountsAfter({200, 80, 80, 90}, 12),
                        .headingRows = 4,
                        .headingWriter = [&d](ProtocolWriter& out) { OMSOSSHeading(out, d); }},
                       limits);
  for (const TRSV501BaseCheckPLRec& who : d.BaseChecks) {
    if (!shown.ShowsEstimateOf(who)) continue;
    table.Block(kMonthRows);
    RowOpen(out);
    StringCell(out, {.style = CellStyle::BorderedText, .mergeDown = 11}, who.FullName);
    StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = 11}, OrPlaceholder(who.SNILS, "Не указан"));
    StringCell(out, {.style = CellStyle::BorderedCenteredText, .mergeDown = 11}, OrPlaceholder(who.INN, "Не указан"));
    OMSOSSMonths(out, EstimateOf(d, who), CellStyle::CellSumm);
  }
  table.Block(kMonthRows);
  RowOpen(out);
  StringCell(out, {.style = CellStyle::CellHeaderLeft, .mergeAcross = 2, .mergeDown = 11}, "Итого:");
  OMSOSSMonths(out, d.OMSOSSTotal, CellStyle::CellHeaderRight);
  table.Close();
}

}  // namespace

void WriteWorkbookProtocol501(ProtocolWriter& out, const TRSV501ProtData& data, const ProtocolHeader& header,
                              const SheetLimits& limits, PersonSelection persons) {
  const ShownPersons shown(data, persons);
  WorkbookOpen(out);
  TitleSheet(out, header, prot501::TitleOf(data), {.errorRowOnOneLine = true}, [&](ProtocolWriter& o) {
    checks::WriteChecksWorkbookRows(o, data.CheckResults.get(), checks::kBlueCells501);
    // The sheets of persons come later; the title says first who they leave out.
    if (!shown.Line().empty()) StringCellRow(o, {.mergeAcross = 2}, shown.Line());
  });
  CompositionSheet(out, data);
  MainTariffSheet(out, data, shown, limits);
  AddTariffSheet(out, data, shown, limits);
  ComparisonSheets(out, data);
  FarmMemberSheet(out, data, limits);
  BaseCheckSheet(out, data, shown, limits);
  OMSOSSSheet(out, data, shown, limits);
  WorkbookClose(out);
}

bool TRSV501Prot::WriteSpreadsheet(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return prot501::WriteProtocolFile(
      path, [&](ProtocolWriter& out) { WriteWorkbookProtocol501(out, *this, header, {}, SelectedPersons()); }, errorText_, progress_);
}

}  // namespace orsvelt
