#include "analysis/checks/tariff_grouping.h"

#include "reference/category_groups.h"
#include "reference/tariff_categories.h"

namespace orsvelt::checks {

std::string_view GroupOfTariff(std::string_view tariff) {
  const auto group = TariffGroup(tariff);
  return group.empty() ? tariff : group.front();
}

std::string_view GroupOfCategory(std::string_view category) {
  const auto tariffs = TariffsOfCategory(category);
  if (!tariffs.empty()) return tariffs.front();
  // The small-business categories (МС from April 2020) are tied to tariff 20 from 2020 on.
  if (const auto tariff = TariffOfCategoryInYear("2021", category)) return GroupOfTariff(*tariff);
  return {};
}

std::string GroupTariffsText(std::string_view group) {
  const auto tariffs = TariffGroup(group);
  if (tariffs.empty()) return std::string(group);
  std::string text;
  for (std::string_view t : tariffs) {
    if (!text.empty()) text += ", ";
    text += t;
  }
  return text;
}

}  // namespace orsvelt::checks
