#pragma once
// Who works in which quarter, and what each person is paid and charged month by month.
// Amounts are whole kopecks.

#include <array>
#include <cstdint>

#include "person_pool.h"

namespace orsvelt::bench {

// N persons in each quarter's report: every quarter the first twentieth of the previous
// staff leaves and as many newcomers join, so persons appear, leave and join between files.
struct TStaffing {
  std::uint64_t perQuarter = 0;
  std::uint64_t turnover = 0;

  explicit TStaffing(std::uint64_t n) : perQuarter(n), turnover(n >= 20 ? n / 20 : 1) {}
  std::uint64_t First(int quarter) const { return static_cast<std::uint64_t>(quarter - 1) * turnover; }
  std::uint64_t End(int quarter) const { return First(quarter) + perQuarter; }
  bool Member(std::uint64_t index, int quarter) const { return index >= First(quarter) && index < End(quarter); }
};

struct TYearRules {
  int year = 0;
  std::int64_t opsLimit = 0;  // yearly pension base limit; from 2023 the single limit
  std::int64_t ossLimit = 0;  // yearly social insurance base limit; none from 2023
  // Persons paid so that their base reaches the limit in a planned month (CrossingMonth);
  // they are staff all year, never idle and untouched by the correction.
  int limitCrossers = 0;
  // The correction of the half-year changes its first person, so that even a small folder
  // has one with something corrected.
  bool correctionChangesFirst = false;

  // From 2023 one limit and one tariff for pension, social and medical insurance.
  bool SingleLimit() const { return year >= 2023; }
};

struct TMonthPay {
  bool present = false;  // the person has a row for this month
  std::int64_t paid = 0;            // СумВыпл
  std::int64_t nonTaxable = 0;      // benefits and aid not subject to contributions
  std::int64_t opsBase = 0;         // ВыплОПС: the pension (from 2023 single) base within the yearly limit
  std::int64_t opsExcess = 0;       // base above the limit
  std::int64_t contractBase = 0;    // ВыплОПСДог: of the base, under civil contracts
  std::int64_t opsCharged = 0;      // НачислСВ within the limit
  std::int64_t opsChargedAbove = 0; // charged on the base above the limit
  std::int64_t omsBase = 0, omsCharged = 0;
  std::int64_t ossNonTaxable = 0, ossExcess = 0, ossBase = 0, ossCharged = 0;
  std::int64_t addBase = 0, addCharged = 0;  // additional tariff (harmful conditions)
};

using TPersonYear = std::array<TMonthPay, 12>;

// Rates in hundredths of a percent. From 2023 "ops" is the single tariff and oms and oss
// are 0.
struct TRates {
  int ops = 0, opsAboveLimit = 0, oms = 0, oss = 0;
};
TRates RatesOf(Category c, int year);
inline constexpr int kAddTariffRate = 900;
std::int64_t Charge(std::int64_t base, int rate);

class TPayroll {
 public:
  TPayroll(const THash& hash, const TPersonPool& pool, TStaffing staffing, TYearRules rules)
      : hash_(hash), pool_(pool), staffing_(staffing), rules_(rules) {}

  // The person's year; with correctedQ2 the second quarter as the correction of the
  // half-year report states it (some persons changed, some annulled).
  TPersonYear Year(std::uint64_t index, bool correctedQ2) const;

  bool ChangedInCorrection(std::uint64_t index) const;
  bool AnnulledInCorrection(std::uint64_t index) const;
  // A person listed in a quarter without any payment in it.
  bool Idle(std::uint64_t index, int quarter) const;
  // The month (1..12) in which a planned crosser's base reaches the limit; 0 for the others.
  int CrossingMonth(std::uint64_t index) const;

  const TStaffing& Staffing() const { return staffing_; }
  const TYearRules& Rules() const { return rules_; }
  const TPersonPool& Pool() const { return pool_; }

 private:
  const THash& hash_;
  const TPersonPool& pool_;
  TStaffing staffing_;
  TYearRules rules_;
};

}  // namespace orsvelt::bench
