#include "payroll.h"

#include <algorithm>

namespace orsvelt::bench {

int OpsRate(Category c) { return TariffGroupOf(c) == 0 ? 2200 : 800; }
int OpsRateAboveLimit(Category c) { return TariffGroupOf(c) == 0 ? 1000 : 0; }
int OmsRate(Category c) { return TariffGroupOf(c) == 0 ? 510 : 400; }
int OssRate(Category c) {
  switch (c) {
    case Category::ВПНР:
    case Category::ВПИТ: return 180;
    case Category::ОДИТ:
    case Category::ВЖИТ: return 200;
    default: return 290;
  }
}

std::int64_t Charge(std::int64_t base, int rate) { return (base * rate + 5000) / 10000; }

bool TPayroll::ChangedInCorrection(std::uint64_t index) const {
  return hash_.Chance(20, Purpose::Correction, index);
}

bool TPayroll::AnnulledInCorrection(std::uint64_t index) const {
  return !ChangedInCorrection(index) && hash_.Chance(5, Purpose::Annulment, index);
}

bool TPayroll::Idle(std::uint64_t index, int quarter) const {
  return hash_.Chance(10, Purpose::Idle, index, static_cast<std::uint64_t>(quarter));
}

TPersonYear TPayroll::Year(std::uint64_t index, bool correctedQ2) const {
  const TPersonTerms terms = pool_.Terms(index);
  const Category c = terms.category;
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

    m.present = true;
    m.paid = paid;
    m.nonTaxable = nonTaxable;
    const std::int64_t base = paid - nonTaxable;
    const std::int64_t room = std::max<std::int64_t>(0, rules_.opsLimit - opsCumulative);
    m.opsBase = std::min(base, room);
    m.opsExcess = base - m.opsBase;
    opsCumulative += base;
    m.contractBase = terms.contract ? m.opsBase : 0;
    m.opsCharged = Charge(m.opsBase, OpsRate(c));
    m.opsChargedAbove = Charge(m.opsExcess, OpsRateAboveLimit(c));
    m.omsBase = base;
    m.omsCharged = Charge(base, OmsRate(c));
    if (terms.contract) {
      m.ossNonTaxable = paid;
    } else {
      m.ossNonTaxable = nonTaxable;
      const std::int64_t ossRoom = std::max<std::int64_t>(0, rules_.ossLimit - ossCumulative);
      m.ossBase = std::min(base, ossRoom);
      m.ossExcess = base - m.ossBase;
      ossCumulative += base;
      m.ossCharged = Charge(m.ossBase, OssRate(c));
    }
    if (terms.addTariff) {
      m.addBase = base;
      m.addCharged = Charge(base, kAddTariffRate);
    }
  }
  return year;
}

}  // namespace orsvelt::bench
