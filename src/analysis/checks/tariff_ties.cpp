#include "analysis/checks/tariff_ties.h"

#include <array>
#include <map>
#include <set>

#include "analysis/checks/later_year_rules.h"
#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/common/saturating_sum.h"
#include "reference/tariff_categories.h"

namespace orsvelt::checks {

namespace {

using Months = std::array<Amount, 3>;

Amount RowValue(const view::MonthRow& r, TiedSum sum) {
  switch (sum) {
    case TiedSum::Payments: return r.payments;
    case TiedSum::Base: return r.base;
    case TiedSum::Contributions: return r.contributions;
  }
  return 0;
}

std::string_view LineOf(TiedSum sum) {
  return sum == TiedSum::Payments ? "ВыплНачислФЛ" : sum == TiedSum::Base ? "БазНеПревышОПС" : "НачислСВНеПрев";
}

std::optional<Amount> BlockValue(const view::Block& b, TiedSum sum, view::Column column) {
  if (sum == TiedSum::Base) return BaseWithinLimit(b, column);
  const view::Line* line = b.Find(LineOf(sum));
  return line ? line->Value(column) : std::nullopt;
}

const view::Line* BlockLine(const view::Block& b, TiedSum sum) {
  return sum == TiedSum::Base ? BaseWithinLimitLine(b) : b.Find(LineOf(sum));
}

struct PersonSums {
  std::map<std::string_view, Months> byTariff;  // keys are the reference's static codes
  std::set<std::string, std::less<>> unknownCategories;
};

PersonSums SumPersons(const CheckContext& c, TiedSum sum) {
  PersonSums sums;
  std::string_view lastCategory;
  Months* lastTariff = nullptr;
  c.ForEachPerson([&](const PersonRows& p) {
    for (const view::MonthRow& r : p.rows) {
      const int m = c.MonthInPeriod(r.month);
      if (!m) continue;
      if (r.category != lastCategory || !lastTariff) {
        lastCategory = r.category;
        const auto tariff = TariffOfCategoryInYear(c.year, r.category);
        lastTariff = tariff ? &sums.byTariff[*tariff] : nullptr;
        if (!lastTariff) {
          sums.unknownCategories.emplace(r.category);
          lastCategory = {};
        }
      }
      if (lastTariff) AddSaturating((*lastTariff)[m - 1], RowValue(r, sum));
    }
  });
  return sums;
}

}  // namespace

void CompareTariffsWithPersons(const CheckRow& row, const CheckContext& c, TiedSum sum, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (c.quarter == 0 || !s1.present) return;
  const PersonSums persons = SumPersons(c, sum);
  const auto finish = [&](Finding f) {
    if (c.correctionAlone) f.text += kCorrectionAloneNote;
    out.push_back(std::move(f));
  };

  std::set<std::string_view> compared;
  for (const view::TariffBlock& first : s1.tariffs) {
    if (!compared.insert(first.tariff).second) continue;
    if (CategoriesOfTariffInYear(c.year, first.tariff).empty()) {
      out.push_back(NotChecked(row, "Не сопоставлено с разделом 3: категории застрахованных лиц тарифа " +
                                         std::string(first.tariff) + " не известны",
                                first.tariff));
      continue;
    }
    const auto found = persons.byTariff.find(first.tariff);
    for (const int m : {1, 2, 3}) {
      const view::Column column = MonthColumn(m);
      std::optional<Amount> left;
      const view::Line* line = nullptr;
      for (const view::TariffBlock& t : s1.tariffs) {
        const view::Block* b = t.tariff == first.tariff ? PersonBlockOf(t) : nullptr;
        const auto v = b ? BlockValue(*b, sum, column) : std::nullopt;
        if (!v) continue;
        Amount total = left.value_or(0);
        AddSaturating(total, *v);
        left = total;
        if (!line) line = BlockLine(*b, sum);
      }
      const Amount right = found == persons.byTariff.end() ? 0 : found->second[m - 1];
      if (!left || *left == right) continue;
      finish(Breach(row, c, column, *left, right, line ? line->PathOf(column) : first.path, first.tariff));
    }
  }
  // Rows of a known tariff that section 1 does not hold.
  for (const auto& [tariff, months] : persons.byTariff) {
    if (compared.count(tariff)) continue;
    for (const int m : {1, 2, 3}) {
      if (months[m - 1] == 0) continue;
      Finding f = Breach(row, c, MonthColumn(m), 0, months[m - 1], s1.path, tariff);
      f.text += ": в разделе 1 нет тарифа " + std::string(tariff);
      finish(std::move(f));
    }
  }
  for (const std::string& category : persons.unknownCategories)
    out.push_back(NotChecked(row, "Не сопоставлено с разделом 1: тариф категории " + category + " не известен", {}));
}

}  // namespace orsvelt::checks
