// The year's persons of the pension-base accumulation handed to the ratios over the year.

#include <array>

#include "analysis/checks/check_context.h"
#include "analysis/common/saturating_sum.h"
#include "analysis/prot501/prot501.h"
#include "reference/period_codes.h"
#include "xml/stringfuncs.h"

namespace orsvelt {

checks::YearPersons TRSV501Prot::YearPersonsForChecks() const {
  checks::YearPersons year;
  year.persons.reserve(BaseChecks.size());
  for (const TRSV501BaseCheckPLRec& person : BaseChecks) {
    checks::YearPersons::Person& p = year.persons.emplace_back();
    p.snils = SnilsDigits(person.SNILS);
    if (p.snils.empty()) p.name = person.FullName;  // the name is shown only for want of a SNILS
    // As in the accumulation's total: each quarter once, and only the rows of its months.
    std::array<bool, 4> taken{};
    for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
      const int q = QuarterOfPeriod(block.PeriodCode);
      if (q < 1 || q > 4 || taken[static_cast<std::size_t>(q - 1)]) continue;
      taken[static_cast<std::size_t>(q - 1)] = true;
      const auto inQuarter = [&](std::int32_t m) { return m >= 1 && (m - 1) / 3 == q - 1; };
      for (const TRSV501BaseCheckMonthRec& row : block.Months) {
        if (!inQuarter(row.Month)) continue;
        checks::YearPersons::Sums& month = year.months[static_cast<std::size_t>(row.Month - 1)];
        AddSaturating(month.payments, row.Payments);
        AddSaturating(month.base, row.Base);
        AddSaturating(month.contributions, row.Contributions);
        AddSaturating(p.base, row.Base);
      }
      for (const TRSV501BaseCheckExtraRec& extra : person.Extras) {
        if (extra.PeriodCode != block.PeriodCode || !inQuarter(extra.Month)) continue;
        checks::YearPersons::Sums& month = year.months[static_cast<std::size_t>(extra.Month - 1)];
        AddSaturating(month.extraBase, extra.Base);
        AddSaturating(month.extraContributions, extra.Contributions);
      }
    }
  }
  return year;
}

}  // namespace orsvelt
