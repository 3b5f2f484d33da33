#include "analysis/checks/section1_sums.h"

#include <algorithm>

#include "analysis/common/saturating_sum.h"

namespace orsvelt::checks {

std::optional<Amount> SumOverTariffs(const view::Section1& section1, std::string_view block, std::string_view line,
                                     view::Column column, std::span<const std::string_view> tariffs) {
  std::optional<Amount> sum;
  for (const view::TariffBlock& tariff : section1.tariffs) {
    if (!tariffs.empty() && std::find(tariffs.begin(), tariffs.end(), tariff.tariff) == tariffs.end()) continue;
    for (const view::Block& b : tariff.blocks) {
      if (b.name != block) continue;
      const view::Line* l = b.Find(line);
      if (!l) continue;
      if (const auto v = l->Value(column)) {
        Amount s = sum.value_or(0);
        AddSaturating(s, *v);
        sum = s;
      }
    }
  }
  return sum;
}

view::Column MonthColumn(int monthInPeriod) {
  switch (monthInPeriod) {
    case 1: return view::Column::Month1;
    case 2: return view::Column::Month2;
    case 3: return view::Column::Month3;
    default: return view::Column::LastThreeMonths;
  }
}

}  // namespace orsvelt::checks
