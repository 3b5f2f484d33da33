#include "analysis/checks/year_person_sums.h"

#include <string>
#include <unordered_map>

#include "analysis/checks/check_table.h"
#include "analysis/common/saturating_sum.h"

namespace orsvelt::checks {

std::optional<YearPersons::Sums> PersonsSinceStart(const CheckContext& c) {
  if (!c.yearPersons || c.quarter < 1 || c.quarter > 4) return std::nullopt;
  if (c.completeness && (!c.completeness->missingPeriods.empty() || !c.completeness->unreadableFiles.empty()))
    return std::nullopt;
  YearPersons::Sums sums;
  for (int m = 0; m < 3 * c.quarter; ++m) {
    const YearPersons::Sums& month = c.yearPersons->months[static_cast<std::size_t>(m)];
    AddSaturating(sums.payments, month.payments);
    AddSaturating(sums.base, month.base);
    AddSaturating(sums.contributions, month.contributions);
    AddSaturating(sums.extraBase, month.extraBase);
    AddSaturating(sums.extraContributions, month.extraContributions);
  }
  return sums;
}

void PersonsAboveLimit(const CheckRow& row, const CheckContext& c, Amount limit, std::vector<Finding>& out) {
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
    f.right = limit;
    f.text += ": " + f.persons.front();
    out.push_back(std::move(f));
  };
  if (c.yearPersons) {
    std::unordered_map<std::string_view, const view::Person*> bySnils;
    for (const view::Person& p : s3.persons)
      if (!p.snilsDigits.empty()) bySnils.emplace(p.snilsDigits, &p);
    for (const YearPersons::Person& person : c.yearPersons->persons) {
      if (person.base <= limit) continue;
      const auto found = person.snils.empty() ? bySnils.end() : bySnils.find(person.snils);
      const view::Person* p = found == bySnils.end() ? nullptr : found->second;
      breach(p, ShownName(person, p), person.base);
    }
    return;
  }
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    Amount base = 0;
    for (const view::MonthRow& r : s3.RowsOf(p))
      if (c.MonthInPeriod(r.month)) AddSaturating(base, r.base);
    if (base > limit) breach(&p, ShownName(p), base);
  }
}

}  // namespace orsvelt::checks
