#include "analysis/checks/person_totals.h"

#include "analysis/common/saturating_sum.h"

namespace orsvelt::checks {

std::optional<DeclaredTotal> DeclaredTotalOf(const CheckContext& c, const view::Person& p,
                                             view::PersonTotals::Field total) {
  using T = view::PersonTotals;
  const std::optional<Amount> declared = p.declared.Of(total);
  if (!declared) return std::nullopt;
  const view::Section3& s3 = c.report.section3;
  const auto inPeriod = [&](std::uint8_t month) { return c.quarter == 0 || c.MonthInPeriod(month) != 0; };
  DeclaredTotal t{.declared = *declared};
  if (total == T::ExtraBase || total == T::ExtraContributions) {
    for (const view::ExtraTariffRow& r : s3.ExtraRowsOf(p))
      if (inPeriod(r.month)) AddSaturating(t.summed, total == T::ExtraBase ? r.base : r.contributions);
    return t;
  }
  for (const view::MonthRow& r : s3.RowsOf(p))
    if (inPeriod(r.month))
      AddSaturating(t.summed, total == T::Payments       ? r.payments
                              : total == T::Base         ? r.base
                              : total == T::ContractBase ? r.contractBase
                                                         : r.contributions);
  return t;
}

void PersonList::Add(std::string person) {
  if (!seen_.insert(person).second) return;
  if (shown_.size() < kShown)
    shown_.push_back(std::move(person));
  else
    ++more_;
}

std::vector<std::string> PersonList::Take() {
  if (more_) shown_.push_back("и ещё " + std::to_string(more_));
  more_ = 0;
  seen_.clear();
  return std::move(shown_);
}

}  // namespace orsvelt::checks
