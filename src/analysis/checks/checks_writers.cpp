#include "analysis/checks/checks_writers.h"

#include <vector>

#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "markup/workbook.h"
#include "markup/workbook_cells.h"
#include "xml/stringfuncs.h"

namespace orsvelt::checks {

namespace {

constexpr std::string_view kTitle = "Контрольные соотношения";
constexpr std::string_view kAllHold = "Все контрольные соотношения выполнены.";
constexpr HtmlCellFormat kCell{.cssClass = "tdnorm"};
constexpr HtmlCellFormat kCaption{.kind = HtmlCellKind::Header};

std::string CheckedWithText(const CheckResult& r) {
  if (r.checkedWith.empty()) return "Проверено без расчётов предыдущих периодов и предыдущих представлений.";
  std::string text = "Проверено вместе с расчётами: ";
  for (std::size_t i = 0; i < r.checkedWith.size(); ++i) text += (i ? ", " : "") + r.checkedWith[i];
  return text + ".";
}

std::string MonthText(const Finding& f) { return f.month ? std::to_string(*f.month) : std::string(); }

std::string PersonsText(const Finding& f) {
  std::string text;
  for (const std::string& p : f.persons) text += (text.empty() ? "" : ", ") + p;
  return text;
}

std::string AmountText(const std::optional<Amount>& a) { return a ? FormatAmountPlain(*a) : std::string(); }

constexpr std::string_view kCaptions[] = {"Код",     "Вид",       "Формулировка", "Тариф",  "Месяц",
                                          "Раздел 1", "Раздел 3", "Разница",      "Лица"};

constexpr std::string_view kFormatTitle = "Форматный контроль";
constexpr std::string_view kFormatCaptions[] = {"Код", "Вид", "Формулировка", "Элемент"};

bool IsFormat(const Finding& f) { return f.group == Group::F; }

// The findings of the ratios and those of format control, each in its own order.
struct SplitFindings {
  std::vector<const Finding*> ratios, format;
};

SplitFindings Split(const CheckResult& r) {
  SplitFindings split;
  for (const Finding& f : r.findings) (IsFormat(f) ? split.format : split.ratios).push_back(&f);
  return split;
}

// Nothing but notes of format control: the ratios' block reads as before it.
bool AllHold(const SplitFindings& split) {
  if (!split.ratios.empty()) return false;
  for (const Finding* f : split.format)
    if (f->severity != Severity::Info) return false;
  return true;
}

// One note without a place (format control not done): a line, not a table.
bool FormatIsOneLine(const SplitFindings& split) {
  return split.format.size() == 1 && split.format[0]->severity == Severity::Info && split.format[0]->path.empty();
}

}  // namespace

std::string_view SeverityText(Severity severity) {
  static constexpr std::string_view kTexts[] = {"основание непредставления", "нарушение", "предупреждение",
                                                "сведения"};
  return kTexts[static_cast<std::size_t>(severity)];
}

std::string SummaryText(const CheckResult& r) {
  return "Оснований считать расчёт непредставленным: " + std::to_string(r.Count(Severity::Rejection)) +
         "; нарушений контрольных соотношений: " + std::to_string(r.Count(Severity::Error)) +
         "; предупреждений: " + std::to_string(r.Count(Severity::Warning)) + ".";
}

void WriteChecksHtml(ProtocolWriter& out, const CheckResult* result, std::string_view blueCellsNote) {
  if (!result) return;
  HtmlHeading(out, 2, kTitle);
  const SplitFindings split = Split(*result);
  if (AllHold(split)) {
    HtmlParagraph(out, kAllHold);
  } else {
    HtmlParagraph(out, SummaryText(*result));
  }
  if (!split.ratios.empty()) {
    HtmlTableOpen(out);
    HtmlRowOpen(out);
    for (std::string_view caption : kCaptions) HtmlCell(out, kCaption, caption);
    HtmlRowClose(out);
    for (const Finding* finding : split.ratios) {
      const Finding& f = *finding;
      HtmlRowOpen(out);
      for (const std::string& cell : {f.check, std::string(SeverityText(f.severity)), f.text, f.tariff, MonthText(f),
                                      AmountText(f.left), AmountText(f.right), AmountText(f.Difference()),
                                      PersonsText(f)})
        HtmlCell(out, kCell, cell);
      HtmlRowClose(out);
    }
    HtmlDataTableClose(out);
  }
  HtmlParagraph(out, CheckedWithText(*result));
  if (!blueCellsNote.empty()) HtmlParagraph(out, blueCellsNote);
  if (split.format.empty()) return;
  HtmlHeading(out, 3, kFormatTitle);
  if (FormatIsOneLine(split)) {
    HtmlParagraph(out, split.format[0]->text);
    return;
  }
  HtmlTableOpen(out);
  HtmlRowOpen(out);
  for (std::string_view caption : kFormatCaptions) HtmlCell(out, kCaption, caption);
  HtmlRowClose(out);
  for (const Finding* f : split.format) {
    HtmlRowOpen(out);
    for (const std::string& cell : {f->check, std::string(SeverityText(f->severity)), f->text, f->path})
      HtmlCell(out, kCell, cell);
    HtmlRowClose(out);
  }
  HtmlDataTableClose(out);
}

// The workbook puts the findings on the title sheet, whose first two columns are wide: the
// code with its kind goes in the first, the wording in the second (wrapped), and the amounts
// in columns sized for them (kTitleSheetColumns).
constexpr std::string_view kSheetCaptions[] = {"Код и вид", "Формулировка", "Тариф", "Месяц",
                                               "Раздел 1",  "Раздел 3",     "Разница", "Лица"};
constexpr std::string_view kSheetFormatCaptions[] = {"Код и вид", "Формулировка", "Элемент"};

std::string CodeAndKind(const Finding& f) { return f.check + ", " + std::string(SeverityText(f.severity)); }

void WriteChecksWorkbookRows(ProtocolWriter& out, const CheckResult* result, std::string_view blueCellsNote) {
  if (!result) return;
  constexpr int kColumns = static_cast<int>(std::size(kSheetCaptions));
  static_assert(std::size(kSheetCaptions) == std::size(kTitleSheetColumns));
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 1}, kTitle);
  EmptyRow(out);
  const SplitFindings split = Split(*result);
  StringCellRow(out, {.mergeAcross = 2}, AllHold(split) ? std::string(kAllHold) : SummaryText(*result));
  if (!split.ratios.empty()) {
    RowOpen(out);
    for (std::string_view caption : kSheetCaptions) StringCell(out, {.style = CellStyle::BorderedText}, caption);
    RowClose(out);
    for (const Finding* finding : split.ratios) {
      const Finding& f = *finding;
      const bool breach = f.severity == Severity::Rejection || f.severity == Severity::Error;
      const CellFormat text{.style = breach ? CellStyle::RedText : CellStyle::BorderedText};
      RowOpen(out);
      for (const std::string& cell : {CodeAndKind(f), f.text, f.tariff, MonthText(f)}) StringCell(out, text, cell);
      for (const std::optional<Amount>& a : {f.left, f.right, f.Difference()}) {
        if (a)
          AmountCell(out, {.style = CellStyle::CellSumm}, *a);
        else
          EmptyCell(out, {.style = CellStyle::CellSumm});
      }
      StringCell(out, text, PersonsText(f));
      RowClose(out);
    }
  }
  StringCellRow(out, {.mergeAcross = kColumns - 1}, CheckedWithText(*result));
  if (!blueCellsNote.empty()) StringCellRow(out, {.mergeAcross = kColumns - 1}, blueCellsNote);
  if (!split.format.empty()) {
    StringCellRow(out, {.style = CellStyle::SheetHeaderLeft, .mergeAcross = 1}, kFormatTitle);
    if (FormatIsOneLine(split)) {
      StringCellRow(out, {.mergeAcross = kColumns - 1}, split.format[0]->text);
    } else {
      RowOpen(out);
      const int pathAcross = kColumns - 3;
      StringCell(out, {.style = CellStyle::BorderedText}, kSheetFormatCaptions[0]);
      StringCell(out, {.style = CellStyle::BorderedText}, kSheetFormatCaptions[1]);
      StringCell(out, {.style = CellStyle::BorderedText, .mergeAcross = pathAcross}, kSheetFormatCaptions[2]);
      RowClose(out);
      for (const Finding* f : split.format) {
        const CellStyle style = f->severity == Severity::Info ? CellStyle::BorderedText : CellStyle::RedText;
        RowOpen(out);
        StringCell(out, {.style = style}, CodeAndKind(*f));
        StringCell(out, {.style = style}, f->text);
        StringCell(out, {.style = style, .mergeAcross = pathAcross}, f->path);
        RowClose(out);
      }
    }
  }
  EmptyRow(out);
}

}  // namespace orsvelt::checks
