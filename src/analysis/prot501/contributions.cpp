// The medical and social insurance contributions estimated per person and month.

#include "analysis/prot501/contributions.h"

#include <array>
#include <string>
#include <vector>

#include "analysis/prot501/prot501.h"
#include "reference/contribution_rates.h"

namespace orsvelt {

namespace {

// n / d rounded to the nearest integer, halves to even; d > 0.
std::int64_t DivideHalfEven(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  std::int64_t r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  if (2 * r > d || (2 * r == d && (q % 2 != 0))) ++q;
  return q;
}

}  // namespace

Amount ContributionOf(Amount base, Amount ratePercent) {
  // In kopecks: base/1e4 × rate/1e4 / 100 × 100 = base × rate / 1e8. The base is split so
  // the product cannot overflow.
  constexpr std::int64_t kSplit = 100'000'000;
  const std::int64_t high = base / kSplit;
  const std::int64_t low = base % kSplit;
  const std::int64_t kopecks = high * ratePercent + DivideHalfEven(low * ratePercent, kSplit);
  return kopecks * 100;
}

std::array<TRSV501OMSOSSRunningRec, 12> WithRunningTotals(const std::array<TRSV501OMSOSSMonthRec, 12>& months) {
  std::array<TRSV501OMSOSSRunningRec, 12> running{};
  for (std::size_t i = 0; i < months.size(); ++i) {
    const TRSV501OMSOSSMonthRec& m = months[i];
    const TRSV501OMSOSSRunningRec prev = i > 0 ? running[i - 1] : TRSV501OMSOSSRunningRec();
    running[i] = {.OMSBase = m.OMSBase,
                  .CumOMSBase = prev.CumOMSBase + m.OMSBase,
                  .OMSContrib = m.OMSContrib,
                  .CumOMSContrib = prev.CumOMSContrib + m.OMSContrib,
                  .OSSBase = m.OSSBase,
                  .CumOSSBase = prev.CumOSSBase + m.OSSBase,
                  .OSSContrib = m.OSSContrib,
                  .CumOSSContrib = prev.CumOSSContrib + m.OSSContrib};
  }
  return running;
}

TRSV501OMSOSSPLRec EstimateOf(const TRSV501ProtData& d, const TRSV501BaseCheckPLRec& person) {
  // The person's rows, the periods taken as they were added (a few periods: no sorting).
  std::vector<TRSV501OMSOSSRowRec> rows;
  rows.reserve(16);
  const auto take = [&](const TRSV501OMSOSSRowRec& row) {
    if (row.Month >= 1 && row.Month <= 12 && row.Category < d.CategoryCodes.size()) rows.push_back(row);
  };
  for (std::uint32_t added = 0; added < person.Periods.size(); ++added)
    for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
      if (block.Added != added) continue;
      for (const TRSV501BaseCheckMonthRec& month : block.Months)
        if (month.Category != TRSV501BaseCheckMonthRec::kNoCategory)
          take({month.Month, month.Category, month.Payments, month.Base - month.ContractBase});
      for (const TRSV501OMSOSSBlockRowRec& row : person.EstimateRows)
        if (row.Block == added) take(row.Row);
    }

  // A person's rows are mostly of one category: its rates are looked up when it changes.
  const std::string year = std::to_string(d.Year);
  std::uint32_t ratesOf = TRSV501BaseCheckMonthRec::kNoCategory;
  Amount medical = 0, social = 0;
  const auto rates = [&](std::uint32_t category) {
    if (category == ratesOf) return;
    ratesOf = category;
    medical = ContributionRate(year, d.CategoryCodes[category], rateMedical);
    social = ContributionRate(year, d.CategoryCodes[category], rateSocial);
  };
  TRSV501OMSOSSPLRec estimate;
  for (const TRSV501OMSOSSRowRec& row : rows) {
    TRSV501OMSOSSMonthRec& m = estimate.Months[static_cast<std::size_t>(row.Month - 1)];
    rates(row.Category);
    m.OMSBase += row.Payments;
    m.OMSContrib += ContributionOf(row.Payments, medical);
  }
  if (!d.SocialLimitKnown) return estimate;
  // The social base runs up to the limit month by month, and within a month row by row.
  Amount inLimit = 0;
  for (std::int32_t month = 1; month <= 12; ++month) {
    TRSV501OMSOSSMonthRec& m = estimate.Months[static_cast<std::size_t>(month - 1)];
    for (const TRSV501OMSOSSRowRec& row : rows) {
      if (row.Month != month || inLimit == d.SocialLimit) continue;
      const Amount part = inLimit + row.OSSBase <= d.SocialLimit ? row.OSSBase : d.SocialLimit - inLimit;
      m.OSSBase += part;
      inLimit += part;
      rates(row.Category);
      m.OSSContrib += ContributionOf(part, social);
    }
  }
  return estimate;
}

void TRSV501Prot::FinishOMSOSS() {
  OMSOSSTotal = TRSV501OMSOSSPLRec();
  for (const TRSV501BaseCheckPLRec& person : BaseChecks) {
    const TRSV501OMSOSSPLRec estimate = EstimateOf(*this, person);
    for (std::size_t i = 0; i < 12; ++i) {
      const TRSV501OMSOSSMonthRec& m = estimate.Months[i];
      TRSV501OMSOSSMonthRec& t = OMSOSSTotal.Months[i];
      t.OMSBase += m.OMSBase;
      t.OMSContrib += m.OMSContrib;
      t.OSSBase += m.OSSBase;
      t.OSSContrib += m.OSSContrib;
    }
  }
}

}  // namespace orsvelt
