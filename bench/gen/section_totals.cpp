#include "section_totals.h"

namespace orsvelt::bench {

void TSums::AddMoney(const TSums& o) {
  paid += o.paid;
  nonTaxable += o.nonTaxable;
  opsBase += o.opsBase;
  opsExcess += o.opsExcess;
  opsCharged += o.opsCharged;
  opsChargedAbove += o.opsChargedAbove;
  omsBase += o.omsBase;
  omsCharged += o.omsCharged;
  ossPaid += o.ossPaid;
  ossNonTaxable += o.ossNonTaxable;
  ossBase += o.ossBase;
  ossExcess += o.ossExcess;
  ossCharged += o.ossCharged;
  addPaid += o.addPaid;
  addNonTaxable += o.addNonTaxable;
  addBase += o.addBase;
  addCharged += o.addCharged;
  sickCases += o.sickCases;
  sickLeave += o.sickLeave;
}

namespace {

void AddCounts(TSums& to, const TSums& from) {
  to.persons += from.persons;
  to.personsOverOps += from.personsOverOps;
  to.personsOss += from.personsOss;
  to.addPersons += from.addPersons;
}

// Counts a person once over a run of months: present in any, above the limit in any.
void CountOnce(TSums& to, const TPersonYear& year, const TPersonTerms& terms, int firstMonth, int lastMonth) {
  bool present = false, over = false, add = false;
  for (int m = firstMonth; m <= lastMonth; ++m) {
    const TMonthPay& p = year[m - 1];
    present = present || p.present;
    over = over || p.opsExcess > 0;
    add = add || p.addBase > 0;
  }
  if (!present) return;
  ++to.persons;
  if (over) ++to.personsOverOps;
  if (!terms.contract) ++to.personsOss;
  if (add) ++to.addPersons;
}

}  // namespace

void TSection1Totals::AddPerson(const TPersonYear& year, const TPersonTerms& terms) {
  TGroupTotals& g = groups_[TariffGroupOf(terms.category)];
  for (int m = 1; m <= lastMonth_; ++m) {
    const TMonthPay& p = year[m - 1];
    if (!p.present) continue;
    TSums s;
    s.persons = 1;
    s.personsOverOps = p.opsExcess > 0 ? 1 : 0;
    s.personsOss = terms.contract ? 0 : 1;
    s.paid = p.paid;
    s.nonTaxable = p.nonTaxable;
    s.opsBase = p.opsBase;
    s.opsExcess = p.opsExcess;
    s.opsCharged = p.opsCharged;
    s.opsChargedAbove = p.opsChargedAbove;
    s.omsBase = p.omsBase;
    s.omsCharged = p.omsCharged;
    s.ossPaid = p.paid;
    s.ossNonTaxable = p.ossNonTaxable;
    s.ossBase = p.ossBase;
    s.ossExcess = p.ossExcess;
    s.ossCharged = p.ossCharged;
    if (p.addBase > 0) {
      s.addPersons = 1;
      s.addPaid = p.paid;
      s.addNonTaxable = p.nonTaxable;
      s.addBase = p.addBase;
      s.addCharged = p.addCharged;
    }
    // Most of what is not taxed is sick pay that the fund takes over.
    if (!terms.contract && p.nonTaxable > 0) {
      s.sickCases = 1;
      s.sickLeave = p.nonTaxable * 6 / 10;
    }
    g.month[m - 1].AddMoney(s);
    AddCounts(g.month[m - 1], s);
    g.period.AddMoney(s);
    if (m > lastMonth_ - 3) g.last3.AddMoney(s);
  }
  CountOnce(g.period, year, terms, 1, lastMonth_);
  CountOnce(g.last3, year, terms, lastMonth_ - 2, lastMonth_);
}

TGroupTotals TSection1Totals::All() const {
  TGroupTotals all;
  for (const TGroupTotals& g : groups_) {
    for (int m = 0; m < 12; ++m) {
      all.month[m].AddMoney(g.month[m]);
      AddCounts(all.month[m], g.month[m]);
    }
    all.period.AddMoney(g.period);
    AddCounts(all.period, g.period);
    all.last3.AddMoney(g.last3);
    AddCounts(all.last3, g.last3);
  }
  return all;
}

}  // namespace orsvelt::bench
