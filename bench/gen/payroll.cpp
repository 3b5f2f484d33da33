#include "payroll.h"

#include <algorithm>

namespace orsvelt::bench {

namespace {

// The months in which the planned crossers reach the limit, in the order of their indices.
constexpr int kCrossingMonths[] = {10, 5, 12, 8, 3, 7};

}  // namespace

TRates RatesOf(Category c, int year) {
  const bool it = TariffGroupOf(c) == 1;
  const bool visitor = c == Category::ВПНР || c == Category::ВПИТ;
  if (year >= 2023) {
    // The single tariff; IT also above the limit from 2025.
    if (it) return {760, year >= 2025 ? 760 : 0, 0, 0};
    return {3000, 1510, 0, 0};
  }
  if (year >= 2021) {
    if (it) return {600, 0, 10, 150};
    return {2200, 1000, 510, visitor ? 180 : 290};
  }
  // 2017..2020
  if (it) return {800, 0, 400, visitor ? 180 : 200};
  return {2200, 1000, 510, visitor ? 180 : 290};
}

std::int64_t Charge(std::int64_t base, int rate) { return (base * rate + 5000) / 10000; }

int TPayroll::CrossingMonth(std::uint64_t index) const {
  const std::uint64_t first = staffing_.First(4), end = staffing_.End(1);
  if (index < first || index >= end) return 0;
  const std::uint64_t j = index - first;
  const std::uint64_t planned = std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max(rules_.limitCrossers, 0)),
                                                        std::size(kCrossingMonths));
  return j < planned ? kCrossingMonths[j] : 0;
}

bool TPayroll::ChangedInCorrection(std::uint64_t index) const {
  if (CrossingMonth(index) != 0) return false;
  if (rules_.correctionChangesFirst && index == staffing_.First(2)) return true;
  return hash_.Chance(20, Purpose::Correction, index);
}

bool TPayroll::AnnulledInCorrection(std::uint64_t index) const {
  if (CrossingMonth(index) != 0) return false;
  return !ChangedInCorrection(index) && hash_.Chance(5, Purpose::Annulment, index);
}

bool TPayroll::Idle(std::uint64_t index, int quarter) const {
  if (CrossingMonth(index) != 0) return false;
  return hash_.Chance(10, Purpose::Idle, index, static_cast<std::uint64_t>(quarter));
}

TPersonYear TPayroll::Year(std::uint64_t index, bool correctedQ2) const {
  const TPersonTerms terms = pool_.Terms(index);
  const TRates rates = RatesOf(terms.category, rules_.year);
  // A crosser is paid the same each month: L / (m - 1/2) in whole roubles passes the limit L
  // in month m and not before.
  const int crossing = CrossingMonth(index);
  const std::int64_t crosserPay = crossing ? rules_.opsLimit / 100 * 2 / (2 * crossing - 1) * 100 : 0;
  TPersonYear year{};
  std::int64_t opsCumulative = 0, ossCumulative = 0;
  for (int month = 1; month <= 12; ++month) {
    const int quarter = (month - 1) / 3 + 1;
    TMonthPay& m = year[month - 1];
    if (!staffing_.Member(index, quarter) || Idle(index, quarter)) continue;
    if (quarter == 2 && correctedQ2 && AnnulledInCorrection(index)) continue;

    const auto key = static_cast<std::uint64_t>(month);
    std::int64_t paid = terms.salary * hash_.Range(90, 110, Purpose::MonthVariation, index, key) / 100;
    if (month % 3 == 0 && hash_.Chance(300, Purpose::Bonus, index, key))
      paid += terms.salary * hash_.Range(20, 100, Purpose::Bonus, index, key + 100) / 100;
    if (month == 5 && correctedQ2 && ChangedInCorrection(index))
      paid += hash_.Range(5000, 20000, Purpose::Correction, index, 1) * 100;
    std::int64_t nonTaxable = 0;
    if (!terms.contract && hash_.Chance(60, Purpose::NonTaxable, index, key))
      nonTaxable = std::min(paid, hash_.Range(1000, 15000, Purpose::NonTaxable, index, key + 100) * 100);
    if (crossing) {
      paid = crosserPay;
      nonTaxable = 0;
    }

    m.present = true;
    m.paid = paid;
    m.nonTaxable = nonTaxable;
    const std::int64_t base = paid - nonTaxable;
    const std::int64_t room = std::max<std::int64_t>(0, rules_.opsLimit - opsCumulative);
    m.opsBase = std::min(base, room);
    m.opsExcess = base - m.opsBase;
    opsCumulative += base;
    m.contractBase = terms.contract ? m.opsBase : 0;
    m.opsCharged = Charge(m.opsBase, rates.ops);
    m.opsChargedAbove = Charge(m.opsExcess, rates.opsAboveLimit);
    m.omsBase = base;
    m.omsCharged = Charge(base, rates.oms);
    if (terms.contract) {
      m.ossNonTaxable = paid;
    } else {
      m.ossNonTaxable = nonTaxable;
      const std::int64_t ossRoom = std::max<std::int64_t>(0, rules_.ossLimit - ossCumulative);
      m.ossBase = std::min(base, ossRoom);
      m.ossExcess = base - m.ossBase;
      ossCumulative += base;
      m.ossCharged = Charge(m.ossBase, rates.oss);
    }
    if (terms.addTariff) {
      m.addBase = base;
      m.addCharged = Charge(base, kAddTariffRate);
    }
  }
  return year;
}

}  // namespace orsvelt::bench
