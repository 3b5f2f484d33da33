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

void TRSV501Prot::FinishOMSOSS() {
  const std::string year = std::to_string(Year);
  OMSOSSTotal = TRSV501OMSOSSPLRec();
  std::array<std::vector<TRSV501OMSOSSRowRec>, 12> byMonth;  // reused: one person's at a time
  for (std::size_t at = 0; at < OMSOSSChecks.size(); ++at) {
    TRSV501BaseCheckPLRec& who = BaseChecks[at];
    TRSV501OMSOSSPLRec& person = OMSOSSChecks[at];
    person.Months = {};
    for (auto& rows : byMonth) rows.clear();
    const auto take = [&](const TRSV501OMSOSSRowRec& row) {
      TRSV501OMSOSSMonthRec& m = person.Months[row.Month - 1];
      m.OMSBase += row.Payments;
      m.OMSContrib += ContributionOf(row.Payments, ContributionRate(year, categoryCodes_[row.Category], rateMedical));
      byMonth[row.Month - 1].push_back(row);
    };
    for (std::uint32_t b = 0; b < who.Periods.size(); ++b) {
      for (const TRSV501BaseCheckMonthRec& month : who.Periods[b].Months)
        if (month.Category != TRSV501BaseCheckMonthRec::kNoCategory)
          take({month.Month, month.Category, month.Payments, month.Base - month.ContractBase});
      for (const TRSV501OMSOSSBlockRowRec& row : who.EstimateRows)
        if (row.Block == b) take(row.Row);
    }

    Amount inLimit = 0;
    for (int i = 0; i < 12; ++i) {
      TRSV501OMSOSSMonthRec& m = person.Months[i];
      if (SocialLimitKnown) {
        for (const TRSV501OMSOSSRowRec& row : byMonth[i]) {
          if (inLimit == SocialLimit) continue;
          const Amount part = inLimit + row.OSSBase <= SocialLimit ? row.OSSBase : SocialLimit - inLimit;
          m.OSSBase += part;
          inLimit += part;
          m.OSSContrib += ContributionOf(part, ContributionRate(year, categoryCodes_[row.Category], rateSocial));
        }
      }
      TRSV501OMSOSSMonthRec& t = OMSOSSTotal.Months[i];
      t.OMSBase += m.OMSBase;
      t.OMSContrib += m.OMSContrib;
      t.OSSBase += m.OSSBase;
      t.OSSContrib += m.OSSContrib;
    }
    // The protocols show the months alone.
    who.EstimateRows = {};
  }
}

}  // namespace orsvelt
