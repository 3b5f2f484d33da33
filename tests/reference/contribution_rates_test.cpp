// Medical and social insurance rates of format 5.01 by year and category.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/category_groups.h"
#include "reference/contribution_rates.h"

namespace orsvelt {
namespace {

// Rates in ten-thousandths of a percent, as amounts: 51000 is 5.1 %.
struct Row {
  std::vector<std::string_view> categories;
  Amount medical[3];  // 2017, 2018, 2019; 0 also where no tariff existed
  Amount social[3];
};

const std::vector<Row> kExpected{
    {{"НР", "ВЖНР"}, {51000, 51000, 51000}, {29000, 29000, 29000}},
    {{"ВПНР"}, {51000, 51000, 51000}, {18000, 18000, 18000}},
    {{"ХО", "ВЖХО", "ТВЭЗ", "ВЖТЗ"}, {40000, 51000, 51000}, {20000, 29000, 29000}},
    {{"ВПХО", "ВПТЗ"}, {40000, 51000, 51000}, {18000, 18000, 18000}},
    {{"ОДИТ", "ВЖИТ"}, {40000, 40000, 40000}, {20000, 20000, 20000}},
    {{"ВПИТ"}, {40000, 40000, 40000}, {18000, 18000, 18000}},
    {{"ЧЭС", "ВПЭС", "ВЖЭС", "АСБ", "ВПСБ", "ВЖСБ", "ИЦС", "ВПЦС", "ВЖЦС"}, {0, 0, 0}, {0, 0, 0}},
    {{"ПНЭД", "ВПЭД", "ВЖЭД"}, {0, 0, 0}, {0, 0, 0}},
    {{"КРС", "ВПКС", "ВЖКС", "ТОР", "ВПТР", "ВЖТР", "СПВЛ", "ВПВЛ", "ВЖВЛ"},
     {1000, 1000, 1000}, {15000, 15000, 15000}},
    // The Kaliningrad tariff began in 2018, for both kinds of insurance.
    {{"КЛН", "ВПКЛ", "ВЖКЛ"}, {0, 1000, 1000}, {0, 15000, 15000}},
    {{"АНМ", "ВЖАН"}, {0, 40000, 40000}, {0, 20000, 20000}},
    {{"ВПАН"}, {0, 40000, 40000}, {0, 18000, 18000}},
};

const std::string_view kYears[3] = {"2017", "2018", "2019"};

TEST(ContributionRates, EveryCategoryAndYear) {
  for (const Row& row : kExpected) {
    for (std::string_view category : row.categories) {
      for (int y = 0; y < 3; ++y) {
        SCOPED_TRACE(std::string(category) + " " + std::string(kYears[y]));
        EXPECT_EQ(ContributionRate(kYears[y], category, rateMedical), row.medical[y]);
        EXPECT_EQ(ContributionRate(kYears[y], category, rateSocial), row.social[y]);
      }
    }
  }
}

TEST(ContributionRates, EveryGroupedCategoryHasARow) {
  std::vector<std::string_view> rated;
  for (const Row& row : kExpected) rated.insert(rated.end(), row.categories.begin(), row.categories.end());
  EXPECT_EQ(rated.size(), 39u);
  for (std::string_view category : rated) {
    SCOPED_TRACE(std::string(category));
    EXPECT_EQ(CategoryGroup(category).size(), 3u);
  }
}

TEST(ContributionRates, OutsideTheTableIsZero) {
  struct Case {
    std::string_view year;
    std::string_view category;
    int kind;
  };
  const std::vector<Case> cases{
      {"2016", "НР", rateMedical}, {"2020", "НР", rateMedical}, {"2020", "НР", rateSocial},
      {"", "НР", rateSocial},      {"19", "НР", rateSocial},     {" 2019", "НР", rateSocial},
      {"2019", "НР", 2},           {"2019", "НР", -1},           {"2019", "нр", rateMedical},
      {"2019", "", rateMedical},   {"2019", "01", rateSocial},   {"2019", "ВП", rateSocial},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "/" + std::string(c.category) + "/" + std::to_string(c.kind));
    EXPECT_EQ(ContributionRate(c.year, c.category, c.kind), 0);
  }
}

}  // namespace
}  // namespace orsvelt
