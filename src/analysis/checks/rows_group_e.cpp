// Group E: other checks; here whether the year's figures could be checked whole.

#include "analysis/checks/check_table.h"
#include "reference/code_table.h"
#include "reference/period_codes.h"

namespace orsvelt::checks {

namespace {

void MissingPeriods(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (!c.completeness) return;
  for (const std::string& period : c.completeness->missingPeriods) {
    Finding f = FindingOf(row);
    f.text += ": в папке нет расчёта за период " + period;
    const std::string_view name = LookupCode(PeriodRows(), period);
    if (!name.empty()) f.text += " (" + std::string(name) + ")";
    if (!c.year.empty()) f.text += " " + c.year + " г.";
    out.push_back(std::move(f));
  }
}

void UnreadableFiles(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (!c.completeness) return;
  for (const std::string& file : c.completeness->unreadableFiles) {
    Finding f = FindingOf(row);
    f.text += ": " + file;
    f.path = file;
    out.push_back(std::move(f));
  }
}

const CheckRow kRows[] = {
    {.id = "E-period", .group = Group::E, .severity = Severity::Warning, .formats = kBothFormats | kFormatLater,
     .wording = "Показатели с начала года неполны: нет расчёта за предшествующий период года",
     .source = "Каталог КС §2 C (нужен расчёт предыдущего периода того же года)", .run = MissingPeriods},
    {.id = "E-file", .group = Group::E, .severity = Severity::Warning, .formats = kBothFormats | kFormatLater,
     .wording = "Показатели с начала года могут быть неполны: файл расчёта из папки не удалось прочитать",
     .source = "Каталог КС §2 C (нужны расчёты предыдущих периодов того же года)", .run = UnreadableFiles},
};

}  // namespace

std::span<const CheckRow> GroupERows() { return kRows; }

}  // namespace orsvelt::checks
