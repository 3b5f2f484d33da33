// Group C of format 5.02: this period's since-start figures against the previous period's
// report of the year (CheckContext::previous; zeros for the first quarter). Tariff blocks are
// matched by "ТарифПлат" and their codes, payable lines by КБК, appendix 2 lines by
// ("ТарифПлат", "ПризВыпл"); a block the previous report lacks counts as zeros.

#include <unordered_map>

#include "analysis/checks/previous_period.h"
#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
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

// Since-start lines of subsection 1.1 against the persons of every report of the year. A
// missing or unreadable report of the year leaves the persons incomplete: nothing compared.
void SinceStartAgainstYearPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (!c.yearPersons || c.quarter == 0 || !s1.present) return;
  if (c.completeness && (!c.completeness->missingPeriods.empty() || !c.completeness->unreadableFiles.empty())) return;
  YearPersons::Sums persons;
  for (int m = 0; m < 3 * c.quarter; ++m) {
    const YearPersons::Sums& month = c.yearPersons->months[static_cast<std::size_t>(m)];
    persons.payments += month.payments;
    persons.base += month.base;
    persons.contributions += month.contributions;
  }
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
  compare(year("ВыплНачислФЛ"), persons.payments, "ВыплНачислФЛ", "ВыплНачислФЛ и СумВыпл");
  if (const auto base = year("БазНачислСВ"))
    compare(*base - year("БазПревышОПС").value_or(0), persons.base, "БазНачислСВ",
            "БазНачислСВ − БазПревышОПС и ВыплОПС");
  compare(year("НачислСВНеПрев"), persons.contributions, "НачислСВНеПрев", "НачислСВНеПрев и НачислСВ");
}

// A person's pension base since the start of the year above the year's limit: over the year's
// merged persons when the analysis gathered them, else over this report's quarter alone.
void PersonsAboveLimit(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto limit = LimitOfYear(PensionLimitRows502(), c.year);
  if (!limit) return;
  const view::Section3& s3 = c.report.section3;
  const auto breach = [&](const view::Person* p, std::string snils, Amount base) {
    Finding f = FindingOf(row);
    f.snils = snils;
    f.persons = {std::move(snils)};
    if (p) {
      const auto rows = s3.RowsOf(*p);
      f.path = rows.empty() ? s3.PathOf(*p) : s3.PathOf(*p, rows.back(), view::RowField::Base);
    }
    f.left = base;
    f.right = *limit;
    f.text += ": " + f.persons.front();
    out.push_back(std::move(f));
  };
  if (c.yearPersons) {
    std::unordered_map<std::string_view, const view::Person*> bySnils;
    for (const view::Person& p : s3.persons)
      if (!p.snilsDigits.empty()) bySnils.emplace(p.snilsDigits, &p);
    for (const YearPersons::Person& person : c.yearPersons->persons) {
      if (person.base <= *limit) continue;
      const auto found = person.snils.empty() ? bySnils.end() : bySnils.find(person.snils);
      const view::Person* p = found == bySnils.end() ? nullptr : found->second;
      breach(p, p ? ShownName(*p) : person.snils.empty() ? person.name : person.snils, person.base);
    }
    return;
  }
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    Amount base = 0;
    for (const view::MonthRow& r : s3.RowsOf(p))
      if (c.MonthInPeriod(r.month)) base += r.base;
    if (base > *limit) breach(&p, ShownName(p), base);
  }
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
     .source = "каталог КС §3 C5 (предельная величина 2020 г. 1 292 000 руб.)", .run = PersonsAboveLimit},
};

}  // namespace

std::span<const CheckRow> GroupCRows502() { return kRows; }

}  // namespace orsvelt::checks
