// The HTML page of a 5.01 protocol, block by block in the order the page shows them.
// Every value from the report is escaped, also where earlier versions wrote it as it
// stood: a name with "&" must not break the page.

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/checks/checks_writers.h"
#include "analysis/common/composition_block.h"
#include "analysis/prot501/composition_table.h"
#include "analysis/prot501/prot501_writers.h"
#include "analysis/prot501/protocol_title.h"
#include "analysis/prot501/shown_persons.h"
#include "analysis/prot501/writer_common.h"
#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "markup/markup_text.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

using prot501::kBaseCheckNote;
using prot501::MonthName;
using prot501::MonthRowCount;
using prot501::OMSOSSColumns;
using prot501::OrPlaceholder;
using prot501::ShownPersons;

// The line about the persons left out, once, before the first table that leaves some out.
class LeftOutNotice {
 public:
  explicit LeftOutNotice(const ShownPersons& shown) : shown_(shown) {}
  void BeforeTable(ProtocolWriter& out) {
    if (said_ || shown_.Line().empty()) return;
    HtmlParagraph(out, shown_.Line());
    said_ = true;
  }

 private:
  const ShownPersons& shown_;
  bool said_ = false;
};

constexpr HtmlCellFormat kTd{};
constexpr HtmlCellFormat kTdNorm{.cssClass = "tdnorm"};
constexpr HtmlCellFormat kTdErr{.cssClass = "tderr"};
constexpr HtmlCellFormat kTdCenter{.cssClass = "center"};
constexpr HtmlCellFormat kTh{.kind = HtmlCellKind::Header};
constexpr HtmlCellFormat kThLeft{.kind = HtmlCellKind::Header, .cssClass = "left"};
constexpr HtmlCellFormat kThNorm{.kind = HtmlCellKind::Header, .cssClass = "tdnorm"};

std::string Int(std::int64_t value) { return std::to_string(value); }

// 1 for a person without rows, so that its cells still fill one row.
int RowSpan(std::size_t rows) { return rows == 0 ? 1 : static_cast<int>(rows); }

// A header cell over columns and the given number of rows.
HtmlCellFormat ThSpan(int columns, std::size_t rows) {
  return {.kind = HtmlCellKind::Header, .colspan = columns, .rowspan = static_cast<int>(rows)};
}

// The format with a row span.
HtmlCellFormat Spanning(HtmlCellFormat format, std::size_t rows) {
  format.rowspan = RowSpan(rows);
  return format;
}

void AmountCell(ProtocolWriter& out, const HtmlCellFormat& format, Amount amount) {
  HtmlRawCell(out, format, FormatAmountGrouped(amount));
}

// "code (count ЗЛ)", the code escaped.
std::string CodeWithCount(std::string_view code, std::int32_t count) {
  return MarkupText(code) + " (" + Int(count) + " ЗЛ)";
}

void CompositionRow(ProtocolWriter& out, const prot501::CompositionPart& part, const TRSV501ProtData& d) {
  const prot501::CompositionValue value = part.value(d);
  HtmlRowOpen(out, 0);
  HtmlCell(out, {.indent = 3}, part.part);
  HtmlCell(out, {.indent = 3, .cssClass = "center"},
           value.counted ? Int(value.count) : std::string(prot501::PresenceText(value.present)));
  HtmlCell(out, {.indent = 3}, part.note);
  HtmlRowClose(out, 0);
}

void Composition(ProtocolWriter& out, const TRSV501ProtData& d) {
  HtmlHeading(out, 2, "Состав файла");
  HtmlTableOpen(out);
  HtmlRowOpen(out, 0);
  for (std::string_view caption : kCompositionCaptions)
    HtmlCell(out, {.kind = HtmlCellKind::Header, .indent = 3}, caption);
  HtmlRowClose(out, 0);
  for (const prot501::CompositionPart& part : prot501::CompositionParts()) CompositionRow(out, part, d);
  HtmlKeyValueTableClose(out);
}

void MonthRowCells(ProtocolWriter& out, const TZLMonthRec& row) {
  HtmlCell(out, kTd, MonthName(row.Month));
  HtmlCell(out, kTd, row.CategoryCode);
  AmountCell(out, kTdNorm, row.Payments);
  AmountCell(out, kTdNorm, row.Base);
  AmountCell(out, kTdNorm, row.ContractBase);
  AmountCell(out, kTdNorm, row.Contributions);
}

void MainTariffPerson(ProtocolWriter& out, const TZLRec& person) {
  const std::size_t rows = person.MonthRows.size();
  HtmlRowOpen(out);
  HtmlRawCell(out, Spanning(kTdNorm, rows), Int(person.Ordinal));
  HtmlRawCell(out, Spanning(kTdNorm, rows), Int(person.Number));
  HtmlCell(out, Spanning(kTd, rows), person.FullName);
  HtmlCell(out,
           {.cssClass = person.SexMismatch ? "tderrcenter" : "tdnormcenter", .rowspan = RowSpan(rows),
            .classLast = true},
           person.SexText);
  HtmlCell(out, Spanning(kTd, rows), person.SNILS);
  HtmlCell(out, Spanning(kTd, rows), OrPlaceholder(person.INN, "не указан"));
  HtmlCell(out, Spanning(kTdCenter, rows), person.OPSFlag);
  HtmlCell(out, Spanning(kTdCenter, rows), person.OMSFlag);
  HtmlCell(out, Spanning(kTdCenter, rows), person.OSSFlag);
  if (rows == 0) {
    HtmlCell(out, {.colspan = 6}, "Данные по начислениям отсутствуют.");
    HtmlRowClose(out);
    return;
  }
  for (std::size_t i = 0; i < rows; ++i) {
    if (i > 0) HtmlRowOpen(out);
    MonthRowCells(out, person.MonthRows[i]);
    HtmlRowClose(out);
  }
}

void MainTariffTotals(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (!d.MonthCategoryTotals.empty()) {
    HtmlRowOpen(out);
    HtmlCell(out, ThSpan(9, d.MonthCategoryTotals.size()), "Итого");
    bool first = true;
    for (const TRSV501MonthCategoryTotalRec& total : d.MonthCategoryTotals) {
      if (!first) HtmlRowOpen(out);
      first = false;
      HtmlCell(out, kTd, MonthName(total.Month));
      HtmlRawCell(out, kTd, CodeWithCount(total.CategoryCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Base);
      AmountCell(out, kTdNorm, total.ContractBase);
      AmountCell(out, kTdNorm, total.Contributions);
      HtmlRowClose(out);
    }
  }
  if (!d.CategoryTotals.empty()) {
    HtmlRowOpen(out);
    HtmlCell(out, ThSpan(10, d.CategoryTotals.size()), "Итого по кодам тарифов");
    bool first = true;
    for (const TRSV501CategoryTotalRec& total : d.CategoryTotals) {
      if (!first) HtmlRowOpen(out);
      first = false;
      HtmlRawCell(out, kTd, CodeWithCount(total.CategoryCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Base);
      AmountCell(out, kTdNorm, total.ContractBase);
      AmountCell(out, kTdNorm, total.Contributions);
      HtmlRowClose(out);
    }
  }
  HtmlRowOpen(out);
  HtmlCell(out, {.kind = HtmlCellKind::Header, .colspan = 6}, "Кол-во ЗЛ по признакам:");
  HtmlRawCell(out, kTdCenter, Int(d.OPSFlagCount));
  HtmlRawCell(out, kTdCenter, Int(d.OMSFlagCount));
  HtmlRawCell(out, kTdCenter, Int(d.OSSFlagCount));
  HtmlRawCell(out, {.colspan = 6}, "");
  HtmlRowClose(out);
}

void MainTariffs(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown) {
  HtmlHeading(out, 3, "Начисления и взносы по основным тарифам");
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"№ п/п", "№ в файле", "ФИО", "Пол", "СНИЛС", "ИНН", "Признак ЗЛ ОПС", "Признак ЗЛ ОМС",
                  "Признак ЗЛ ОСС", "Месяц", "Код категории ЗЛ", "Сумма выплат", "База для начисления взносов",
                  "База в т. ч. по ГПД", "Начислено взносов"});
  for (const TZLRec& person : d.Persons)
    if (shown.Shows(person)) MainTariffPerson(out, person);
  MainTariffTotals(out, d);
  HtmlDataTableClose(out);
}

void AddTariffPerson(ProtocolWriter& out, const TZLRec& person, std::int32_t counter) {
  const std::size_t rows = person.AddRows.size();
  HtmlRowOpen(out);
  HtmlRawCell(out, Spanning(kTdNorm, rows), Int(counter));
  HtmlRawCell(out, Spanning(kTdNorm, rows), Int(person.Number));
  HtmlCell(out, Spanning(kTd, rows), person.FullName);
  HtmlCell(out, Spanning(kTd, rows), person.SNILS);
  HtmlCell(out, Spanning(kTd, rows), OrPlaceholder(person.INN, "не указан"));
  for (std::size_t i = 0; i < rows; ++i) {
    const TZLAddRec& row = person.AddRows[i];
    if (i > 0) HtmlRowOpen(out);
    HtmlCell(out, kTd, MonthName(row.Month));
    HtmlCell(out, kTd, row.TariffCode);
    AmountCell(out, kTdNorm, row.Payments);
    AmountCell(out, kTdNorm, row.Contributions);
    HtmlRowClose(out);
  }
}

void AddTariffs(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown) {
  if (d.MonthTariffTotals.empty()) return;
  HtmlHeading(out, 3, "Начисления и взносы по дополнительным тарифам");
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"№ п/п", "№ в файле", "ФИО", "СНИЛС", "ИНН", "Месяц", "Код тарифа", "Сумма выплат",
                  "Начислено взносов"});
  std::int32_t counter = 0;
  // A person keeps its number among all: the gaps show where persons were left out.
  for (const TZLRec& person : d.Persons) {
    if (person.AddRows.empty()) continue;
    ++counter;
    if (shown.Shows(person)) AddTariffPerson(out, person, counter);
  }
  HtmlRowOpen(out);
  HtmlCell(out, ThSpan(5, d.MonthTariffTotals.size()), "Итого");
  bool first = true;
  for (const TRSV501MonthTariffTotalRec& total : d.MonthTariffTotals) {
    if (!first) HtmlRowOpen(out);
    first = false;
    HtmlCell(out, kTd, MonthName(total.Month));
    HtmlRawCell(out, kTd, CodeWithCount(total.TariffCode, total.Count));
    AmountCell(out, kTdNorm, total.Payments);
    AmountCell(out, kTdNorm, total.Contributions);
    HtmlRowClose(out);
  }
  if (!d.TariffTotals.empty()) {
    HtmlRowOpen(out);
    HtmlCell(out, ThSpan(6, d.TariffTotals.size()), "Итого по кодам тарифов");
    first = true;
    for (const TRSV501TariffTotalRec& total : d.TariffTotals) {
      if (!first) HtmlRowOpen(out);
      first = false;
      HtmlRawCell(out, kTd, CodeWithCount(total.TariffCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Contributions);
      HtmlRowClose(out);
    }
  }
  HtmlDataTableClose(out);
}

void Section3(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown, LeftOutNotice& notice) {
  HtmlHeading(out, 2, "Данные по застрахованным лицам из разделов 3");
  if (d.Persons.empty()) {
    HtmlParagraph(out, "Данные в разделах 3 отсутствуют.");
    return;
  }
  notice.BeforeTable(out);
  MainTariffs(out, d, shown);
  AddTariffs(out, d, shown);
}

// An unknown month leaves the header cell empty.
std::string_view ComparisonMonth(std::string_view code) {
  const std::string_view name = MonthName(code);
  return name == prot501::kUndetermined ? std::string_view{} : name;
}

template <typename Value>
void ComparisonPair(ProtocolWriter& out, Value s1, Value s3, std::string (*format)(Value)) {
  const HtmlCellFormat& cell = s1 == s3 ? kTdNorm : kTdErr;
  HtmlRawCell(out, cell, format(s1));
  HtmlRawCell(out, cell, format(s3));
}

std::string FormatCount(std::int32_t value) { return Int(value); }

void Comparison(ProtocolWriter& out, const TRSV501CompareMainRec& rec) {
  HtmlHeading(out, 3, "Коды тарифов взносов (раздел 1): " + prot501::JoinCodes(rec.TariffCodes));
  HtmlHeading(
      out, 3,
      "Коды категорий застрахованных лиц, соответствующие кодам тарифов: " + prot501::JoinCodes(rec.CategoryCodes));
  HtmlTableOpen(out);
  HtmlRowOpen(out);
  HtmlCell(out, {.kind = HtmlCellKind::Header, .rowspan = 2}, "Наименование показателя");
  HtmlCell(out, ThSpan(2, 0), "За последние 3 месяца отчетного периода");
  for (const std::string* month : {&rec.Month1, &rec.Month2, &rec.Month3})
    HtmlCell(out, ThSpan(2, 0), ComparisonMonth(*month));
  HtmlRowClose(out);
  HtmlRowOpen(out);
  for (int i = 0; i < 4; ++i) {
    HtmlCell(out, kTh, "Раздел 1");
    HtmlCell(out, kTh, "Раздел 3");
  }
  HtmlRowClose(out);

  HtmlRowOpen(out);
  HtmlCell(out, kThLeft, "Кол-во застрахованных лиц с начислениями");
  for (int i = 0; i < 4; ++i) ComparisonPair(out, rec.Column(i).PersonsS1, rec.Column(i).PersonsS3, FormatCount);
  HtmlRowClose(out);
  HtmlRowOpen(out);
  HtmlCell(out, kThLeft, "Суммы выплат и иных вознаграждений");
  for (int i = 0; i < 4; ++i)
    ComparisonPair(out, rec.Column(i).PaymentsS1, rec.Column(i).PaymentsS3, FormatAmountGrouped);
  HtmlRowClose(out);
  HtmlRowOpen(out);
  HtmlCell(out, kThLeft, "База для начисления взносов");
  for (int i = 0; i < 4; ++i) ComparisonPair(out, rec.Column(i).BaseS1, rec.Column(i).BaseS3, FormatAmountGrouped);
  HtmlRowClose(out);
  HtmlRowOpen(out);
  HtmlCell(out, kThLeft, "Сумма взносов");
  for (int i = 0; i < 4; ++i)
    ComparisonPair(out, rec.Column(i).ContribS1, rec.Column(i).ContribS3, FormatAmountGrouped);
  HtmlRowClose(out);
  HtmlDataTableClose(out);
  HtmlParagraph(out,
                "Примечание: При проверке корректирующих форм, в которых указаны только корректируемые данные "
                "застрахованных лиц, расхождения сумм не являются ошибкой.",
                0);
}

void Comparisons(ProtocolWriter& out, const TRSV501ProtData& d) {
  HtmlHeading(out, 2, "Сверка данных между подразделами 1.1 и 3.2.1 (основные тарифы)");
  if (d.Comparisons.empty()) {
    HtmlParagraph(out, "Данные отсутствуют.");
    return;
  }
  for (const TRSV501CompareMainRec& rec : d.Comparisons) Comparison(out, rec);
}

constexpr HtmlCellFormat kThLeftOver6{.kind = HtmlCellKind::Header, .cssClass = "left", .colspan = 6, .classLast = true};

void FarmMembers(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (!d.Section2Present) return;
  HtmlHeading(out, 2, "Сведения о членах крестьянского (фермерского) хозяйства (включая главу)");
  if (d.FarmMembers.empty()) {
    HtmlParagraph(out, "Сведения о членах КФХ отсутствуют.");
    return;
  }
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"ИНН", "СНИЛС", "Ф. И. О.", "Год рождения", "Дата начала членства", "Дата окончания членства",
                  "Сумма ОПС", "Сумма ОМС"});
  Amount pension = 0;
  Amount medical = 0;
  for (const TRSV501FarmMemberRec& member : d.FarmMembers) {
    HtmlRowOpen(out);
    // The member cells stand deeper than the other rows' cells.
    constexpr HtmlCellFormat center{.indent = 6, .cssClass = "center"};
    HtmlCell(out, center, OrPlaceholder(member.INN, "Не указан"));
    HtmlCell(out, center, OrPlaceholder(member.SNILS, "Не указан"));
    HtmlCell(out, {.indent = 6, .cssClass = "left"}, OrPlaceholder(member.FullName, "Не указано"));
    HtmlRawCell(out, center, Int(member.BirthYear));
    HtmlCell(out, center, member.StartDate);
    HtmlCell(out, center, member.EndDate);
    AmountCell(out, {.indent = 6, .cssClass = "tdnorm"}, member.PensionContributions);
    AmountCell(out, {.indent = 6, .cssClass = "tdnorm"}, member.MedicalContributions);
    HtmlRowClose(out);
    pension += member.PensionContributions;
    medical += member.MedicalContributions;
  }
  HtmlRowOpen(out);
  HtmlCell(out, kThLeftOver6, "Итого взносов по членам КФХ:");
  AmountCell(out, kThNorm, pension);
  AmountCell(out, kThNorm, medical);
  HtmlRowClose(out);
  HtmlRowOpen(out);
  HtmlCell(out, kThLeftOver6, "Итоговые показатели в разделе 2:");
  AmountCell(out, kThNorm, d.Section2OPS);
  AmountCell(out, kThNorm, d.Section2OMS);
  HtmlRowClose(out);
  HtmlDataTableClose(out);
}

void BaseCheckPerson(ProtocolWriter& out, const TRSV501BaseCheckPLRec& person, Amount limit) {
  const std::size_t rows = MonthRowCount(person);
  HtmlRowOpen(out);
  HtmlCell(out, Spanning(kTd, rows), person.FullName);
  HtmlCell(out, Spanning(kTd, rows), person.SNILS);
  HtmlCell(out, Spanning(kTd, rows), OrPlaceholder(person.INN, "не указан"));
  bool first = true;
  TRSV501BaseCheckRunning running;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
    for (const TRSV501BaseCheckMonthRec& month : block.Months) {
      const TRSV501BaseCheckRunning cum = running.Next(block, month);
      if (!first) HtmlRowOpen(out);
      first = false;
      HtmlCell(out, kTh, MonthName(month.Month));
      HtmlRawCell(out, kTdNorm, Int(block.FileNumber));
      HtmlRawCell(out, kTdNorm, Int(block.Number));
      AmountCell(out, kTdNorm, month.Payments);
      AmountCell(out, kTdNorm, cum.Payments);
      AmountCell(out, kTdNorm, month.Base);
      AmountCell(out, cum.Base > limit ? kTdErr : kTdNorm, cum.Base);
      AmountCell(out, kTdNorm, month.ContractBase);
      AmountCell(out, kTdNorm, cum.ContractBase);
      AmountCell(out, kTdNorm, month.Contributions);
      AmountCell(out, kTdNorm, cum.Contributions);
      HtmlRowClose(out);
    }
  }
  if (first) HtmlRowClose(out);
}

void BaseCheckTotal(ProtocolWriter& out, const std::vector<TRSV501BaseCheckTotalMonthRec>& total) {
  HtmlRowOpen(out);
  HtmlCell(out, Spanning(ThSpan(3, 0), total.size()), "Итого:");
  bool first = true;
  for (const TRSV501BaseCheckTotalMonthRec& month : total) {
    if (!first) HtmlRowOpen(out);
    first = false;
    HtmlCell(out, kTh, MonthName(month.Month));
    HtmlCell(out, kThNorm, "-");
    HtmlCell(out, kThNorm, "-");
    for (Amount amount : {month.Payments, month.CumPayments, month.Base, month.CumBase, month.ContractBase,
                          month.CumContractBase, month.Contributions, month.CumContributions})
      AmountCell(out, kThNorm, amount);
    HtmlRowClose(out);
  }
  if (first) HtmlRowClose(out);
}

void BaseChecks(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown, LeftOutNotice& notice) {
  if (d.EarlierFiles.empty() || d.BaseChecks.empty()) return;
  notice.BeforeTable(out);
  HtmlHeading(out, 2, "Сведения для контроля показателей по застрахованным лицам нарастающим итогом с начала года");
  HtmlRawParagraph(out, kBaseCheckNote);
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"Ф. И. О.", "СНИЛС", "ИНН", "Месяц", "№ файла", "№ в файле", "Выплаты", "Выплаты НИ", "База",
                  "База НИ", "База ГПД", "База ГПД НИ", "Взносы", "Взносы НИ"});
  for (const TRSV501BaseCheckPLRec& person : d.BaseChecks)
    if (shown.Shows(person)) BaseCheckPerson(out, person, d.PensionLimit);
  BaseCheckTotal(out, d.BaseCheckTotal);
  HtmlDataTableClose(out);
}

// Twelve rows; the first goes on in the row already open.
void OMSOSSMonths(ProtocolWriter& out, const TRSV501OMSOSSPLRec& person, const HtmlCellFormat& amountCell) {
  bool first = true;
  const auto months = WithRunningTotals(person.Months);
  for (std::size_t m = 0; m < months.size(); ++m) {
    const TRSV501OMSOSSRunningRec& month = months[m];
    if (!first) HtmlRowOpen(out);
    first = false;
    HtmlCell(out, kTh, MonthName(static_cast<std::int32_t>(m + 1)));
    for (Amount amount : OMSOSSColumns(month)) AmountCell(out, amountCell, amount);
    HtmlRowClose(out);
  }
}

void OMSOSSChecks(ProtocolWriter& out, const TRSV501ProtData& d, const ShownPersons& shown, LeftOutNotice& notice) {
  if (d.EarlierFiles.empty() || d.BaseChecks.empty()) return;
  notice.BeforeTable(out);
  HtmlHeading(out, 2, "Расчётные сведения по взносам ОМС и ОСС помесячно и нарастающим итогом по застрахованным лицам");
  HtmlParagraph(out,
                "Примечание: Расчёт взносов ОМС выполняется раздельно по каждому тарифу. При расчёте ОСС из выплат "
                "вычитаются суммы по ГПД и учитывается предельный размер базы.");
  if (!d.SocialLimitKnown) HtmlParagraph(out, prot501::SocialLimitUnknownText(d.Year));
  HtmlTableOpen(out);
  HtmlHeaderRow(out, {"Ф. И. О.", "СНИЛС", "ИНН", "Месяц", "База ОМС", "База ОМС НИ", "Взносы ОМС", "Взносы ОМС НИ",
                  "База ОСС", "База ОСС НИ", "Взносы ОСС", "Взносы ОСС НИ"});
  for (const TRSV501BaseCheckPLRec& who : d.BaseChecks) {
    if (!shown.ShowsEstimateOf(who)) continue;
    HtmlRowOpen(out);
    constexpr HtmlCellFormat twelveRows{.rowspan = 12};
    HtmlCell(out, twelveRows, who.FullName);
    HtmlCell(out, twelveRows, who.SNILS);
    HtmlCell(out, twelveRows, OrPlaceholder(who.INN, "не указан"));
    OMSOSSMonths(out, EstimateOf(d, who), kTdNorm);
  }
  HtmlRowOpen(out);
  HtmlCell(out, ThSpan(3, 12), "Итого:");
  OMSOSSMonths(out, d.OMSOSSTotal, kThNorm);
  HtmlDataTableClose(out);
}

}  // namespace

void WriteHtmlProtocol501(ProtocolWriter& out, const TRSV501ProtData& data, const ProtocolHeader& header,
                          PersonSelection persons) {
  const ShownPersons shown(data, persons);
  LeftOutNotice notice(shown);
  HtmlPageOpen(out, header);
  const ProtocolTitle title = prot501::TitleOf(data);
  HtmlMainFileBlock(out, title.mainFile);
  checks::WriteChecksHtml(out, data.CheckResults.get(), checks::kBlueCells501);
  HtmlReadErrorsBlock(out, title.readErrors);
  HtmlEarlierFilesBlock(out, title.earlierFiles);
  HtmlPayerBlock(out, title.payer);
  Composition(out, data);
  Section3(out, data, shown, notice);
  Comparisons(out, data);
  FarmMembers(out, data);
  BaseChecks(out, data, shown, notice);
  OMSOSSChecks(out, data, shown, notice);
  HtmlPageClose(out);
}

bool TRSV501Prot::WriteHtml(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return prot501::WriteProtocolFile(
      path, [&](ProtocolWriter& out) { WriteHtmlProtocol501(out, *this, header, SelectedPersons()); }, errorText_, progress_);
}

}  // namespace orsvelt
