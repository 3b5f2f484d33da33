// Tariff code <-> category code ties of the reports for 2021..2026.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/tariff_categories.h"

namespace orsvelt {
namespace {

using Codes = std::vector<std::string_view>;

Codes List(std::span<const std::string_view> codes) { return {codes.begin(), codes.end()}; }

TEST(TariffCategories, EstablishedTiesPerYear) {
  struct Case {
    std::string_view year;
    std::string_view tariff;
    Codes categories;
  };
  const std::vector<Case> cases{
      {"2021", "01", {"НР", "ВЖНР", "ВПНР"}},
      {"2026", "01", {"НР", "ВЖНР", "ВПНР"}},
      {"2022", "06", {"ОДИТ", "ВЖИТ", "ВПИТ"}},
      {"2021", "20", {"МС", "ВЖМС", "ВПМС"}},
      {"2025", "20", {"МС", "ВЖМС", "ВПМС"}},
      // The small-business tariff moved to code 32 with new category codes in 2026.
      {"2026", "20", {}},
      {"2025", "32", {}},
      {"2026", "32", {"ПВ", "ВЖПВ", "ВППВ"}},
      // Codes only probably kept from 5.01 are not known.
      {"2024", "07", {}},
      {"2020", "01", {}},
      {"2027", "01", {}},
      {"2024", "", {}},
      {"2024", "1", {}},
      {" 2024", "01", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "/" + std::string(c.tariff));
    EXPECT_EQ(List(CategoriesOfTariffInYear(c.year, c.tariff)), c.categories);
    for (std::string_view category : c.categories) EXPECT_EQ(TariffOfCategoryInYear(c.year, category), c.tariff);
  }
}

TEST(TariffCategories, UnknownCategories) {
  EXPECT_EQ(TariffOfCategoryInYear("2026", "МС"), std::nullopt);
  EXPECT_EQ(TariffOfCategoryInYear("2025", "ПВ"), std::nullopt);
  EXPECT_EQ(TariffOfCategoryInYear("2024", "АСБ"), std::nullopt);
  EXPECT_EQ(TariffOfCategoryInYear("2024", "нр"), std::nullopt);
  EXPECT_EQ(TariffOfCategoryInYear("2024", ""), std::nullopt);
  EXPECT_EQ(TariffOfCategoryInYear("2019", "НР"), std::nullopt);
}

}  // namespace
}  // namespace orsvelt
