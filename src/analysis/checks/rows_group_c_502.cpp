// Group C of format 5.02: this period's since-start figures against the previous period's
// report of the year (CheckContext::previous; zeros for the first quarter). Tariff blocks are
// matched by "ТарифПлат" and their codes, payable lines by КБК, appendix 2 lines by
// ("ТарифПлат", "ПризВыпл"); a block the previous report lacks counts as zeros.

#include <algorithm>

#include "analysis/checks/previous_period.h"
#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/checks/year_person_sums.h"
#include "reference/base_limits.h"

namespace orsvelt::checks {

namespace {

void CountsDoNotFall(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  // The first quarter has nothing to fall from.
  if (c.quarter < 2) return;
  const view::Section1* previous = PreviousSection1(c);
  if (!previous || !c.report.section1.present) return;
  ForEachMatchedBlock(c.report.section1, *previous,
                      [&](std::string_view tariff, const view::Block& b, const view::Block* before) {
                        if (!before) return;
                        for (const std::string_view name : {"КолСтрахЛицВс", "КолЛицНачСВВс", "ПревБазОПС"}) {
                          const view::Line* line = b.Find(name);
                          const auto now = ValueOf(line, view::Column::Year);
                          const auto then = ValueOf(before->Find(name), view::Column::Year);
                          if (!now || !then || *now >= *then) continue;
                          Finding f = Breach(row, c, view::Column::Year, *now, *then, line->PathOf(view::Column::Year),
                                             tariff);
                          f.text += ": " + std::string(b.name) + "/" + std::string(name);
                          out.push_back(std::move(f));
                        }
                      });
}

// Since-start lines of subsection 1.1 against the persons of every report of the year.
void SinceStartAgainstYearPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  const auto persons = PersonsSinceStart(c);
  if (!persons || !s1.present) return;
  const auto year = [&](std::string_view line) {
    return SumOverTariffs(s1, "РасчСВ_ОПС", line, view::Column::Year);
  };
  const auto compare = [&](std::optional<Amount> left, Amount right, std::string_view line, std::string_view what) {
    if (!left || *left == right) return;
    const view::Line* first = nullptr;
    for (const view::TariffBlock& t : s1.tariffs)
      if ((first = t.Find("РасчСВ_ОПС", line))) break;
    Finding f = Breach(row, c, view::Column::Year, *left, right, first ? first->PathOf(view::Column::Year) : s1.path);
    f.text += ": " + std::string(what);
    out.push_back(std::move(f));
  };
  compare(year("ВыплНачислФЛ"), persons->payments, "ВыплНачислФЛ", "ВыплНачислФЛ и СумВыпл");
  if (const auto base = year("БазНачислСВ"))
    compare(*base - year("БазПревышОПС").value_or(0), persons->base, "БазНачислСВ",
            "БазНачислСВ − БазПревышОПС и ВыплОПС");
  compare(year("НачислСВНеПрев"), persons->contributions, "НачислСВНеПрев", "НачислСВНеПрев и НачислСВ");
}

void PersonsAboveLimit502(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (const auto limit = LimitOfYear(PensionLimitRows502(), c.year)) PersonsAboveLimit(row, c, *limit, out);
}

const CheckRow kRows[] = {
    {.id = "C1-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма с начала периода не равна сумме с начала предыдущего периода и сумм за последние три месяца "
                "(раздел 1, приложение 2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C1", .run = SinceStartOfLines},
    {.id = "C2-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов к уплате с начала периода не равна сумме за предыдущий период и за последние три "
                "месяца" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C2", .run = SinceStartOfPayable},
    {.id = "C3-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Количество лиц с начала периода меньше, чем в расчёте за предыдущий период" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C3", .run = CountsDoNotFall},
    {.id = "C4-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма с начала периода в подразделе 1.1 не равна сумме по застрахованным лицам всех расчётов года "
                "(раздел 3)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C4", .run = SinceStartAgainstYearPersons},
    {.id = "C5-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "База для исчисления взносов на ОПС в пределах предельной величины по застрахованному лицу с начала "
                "года больше предельной величины года" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C5 (предельная величина 2020 г. 1 292 000 руб.)", .run = PersonsAboveLimit502},
};

}  // namespace

std::span<const CheckRow> GroupCRows502() { return kRows; }

}  // namespace orsvelt::checks
