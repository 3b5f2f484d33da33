// Group B: arithmetic within section 1 and its appendices, this file only.

#include "analysis/checks/check_table.h"
#include "analysis/checks/section1_sums.h"

namespace orsvelt::checks {

namespace {

// Per tariff block: the last-three-months total of a line of a block equals its months.
void LastThreeMonthsTotal(const CheckRow& row, const CheckContext& c, std::string_view blockName,
                          std::string_view lineName, std::vector<Finding>& out) {
  for (const view::TariffBlock& tariff : c.report.section1.tariffs) {
    const view::Line* line = tariff.Find(blockName, lineName);
    if (!line) continue;
    const auto total = line->Value(view::Column::LastThreeMonths);
    if (!total) continue;
    const Amount months = line->Value(view::Column::Month1).value_or(0) + line->Value(view::Column::Month2).value_or(0) +
                          line->Value(view::Column::Month3).value_or(0);
    if (*total == months) continue;
    Finding f = FindingOf(row);
    f.tariff = std::string(tariff.tariff);
    f.path = line->PathOf(view::Column::LastThreeMonths);
    f.left = *total;
    f.right = months;
    out.push_back(std::move(f));
  }
}

const CheckRow kRows[] = {
    {.id = "1.57",
     .group = Group::B,
     .severity = Severity::Error,
     .formats = kFormat501,
     .wording = "Выплаты в пользу физических лиц (стр. 030 подраздела 1.1) за последние три месяца не равны сумме "
                "выплат за каждый из трёх месяцев",
     .source = "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.57; каталог §2 B",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       LastThreeMonthsTotal(row, c, "РасчСВ_ОПС", "ВыплНачислФЛ", out);
     }},
};

}  // namespace

std::span<const CheckRow> GroupBRows() { return kRows; }

}  // namespace orsvelt::checks
