#pragma once
// The sums of section 1, gathered from the same person data that section 3 lists, so that
// the two agree to the kopeck as in a report of a careful payer.

#include <array>
#include <cstdint>

#include "payroll.h"

namespace orsvelt::bench {

struct TSums {
  std::int64_t persons = 0;         // insured persons with payments
  std::int64_t personsOverOps = 0;  // of them, above the pension base limit
  std::int64_t personsOss = 0;      // persons insured for social insurance
  std::int64_t paid = 0, nonTaxable = 0, opsBase = 0, opsExcess = 0;
  std::int64_t opsCharged = 0, opsChargedAbove = 0;
  std::int64_t omsBase = 0, omsCharged = 0;
  std::int64_t ossPaid = 0, ossNonTaxable = 0, ossBase = 0, ossExcess = 0, ossCharged = 0;
  std::int64_t addPersons = 0, addPaid = 0, addNonTaxable = 0, addBase = 0, addCharged = 0;
  std::int64_t sickCases = 0, sickLeave = 0;  // benefits paid by the employer for the fund

  std::int64_t OpsBaseAll() const { return opsBase + opsExcess; }  // БазНачислСВ
  std::int64_t OpsChargedAll() const { return opsCharged + opsChargedAbove; }
  std::int64_t OssBaseAll() const { return ossBase + ossExcess; }
  void AddMoney(const TSums& o);
};

// One tariff group: each month of the year, the period from January to the last month of
// the report (persons counted once), and its last three months (likewise).
struct TGroupTotals {
  std::array<TSums, 12> month;
  TSums period, last3;
};

class TSection1Totals {
 public:
  explicit TSection1Totals(int lastMonth) : lastMonth_(lastMonth) {}

  void AddPerson(const TPersonYear& year, const TPersonTerms& terms);

  const TGroupTotals& Group(int group) const { return groups_[group]; }
  // Both groups together, for the social insurance block and the payments.
  TGroupTotals All() const;
  int LastMonth() const { return lastMonth_; }
  bool HasAddTariff() const { return groups_[0].period.addPersons > 0; }
  bool HasGroup(int group) const { return groups_[group].period.persons > 0; }

 private:
  int lastMonth_;
  std::array<TGroupTotals, kTariffGroupCount> groups_{};
};

}  // namespace orsvelt::bench
