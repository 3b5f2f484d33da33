// Contribution rates by year, category and kind: the 5.01 medical and social table and the
// rates with evidence of 2017..2026.

#include <optional>
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

constexpr Evidence kSeen = Evidence::established;
constexpr Evidence kInferred = Evidence::inferred;
using Known = std::optional<KnownAmount>;
constexpr Known kUnknown = std::nullopt;
constexpr Known Seen(Amount rate) { return KnownAmount{rate, kSeen}; }
constexpr Known Inferred(Amount rate) { return KnownAmount{rate, kInferred}; }

struct YearCase {
  std::vector<std::string_view> categories;
  std::vector<std::string_view> years;
  int kind;
  Known expected;
};

void ExpectRates(const std::vector<YearCase>& cases) {
  for (const YearCase& c : cases) {
    for (std::string_view category : c.categories) {
      for (std::string_view year : c.years) {
        SCOPED_TRACE(std::string(category) + " " + std::string(year) + " kind " + std::to_string(c.kind));
        EXPECT_EQ(FindContributionRate(year, category, c.kind), c.expected);
      }
    }
  }
}

TEST(ContributionRates, PensionRates2017To2020) {
  const std::vector<YearCase> cases{
      {{"НР", "ВЖНР", "ВПНР"}, {"2017", "2018", "2019", "2020"}, ratePension, Seen(220000)},
      {{"НР", "ВЖНР", "ВПНР"}, {"2017", "2018", "2019", "2020"}, ratePensionAboveLimit, Seen(100000)},
      // The business-company and technology-zone schedule rose year by year to the basic rate.
      {{"ХО", "ВПХО", "ТВЭЗ", "ВЖТЗ"}, {"2017"}, ratePension, Inferred(80000)},
      {{"ХО", "ВПХО", "ТВЭЗ", "ВЖТЗ"}, {"2018"}, ratePension, Inferred(130000)},
      {{"ХО", "ВПХО", "ТВЭЗ", "ВЖТЗ"}, {"2019"}, ratePension, Inferred(200000)},
      {{"ХО", "ТВЭЗ"}, {"2020"}, ratePension, kUnknown},
      {{"ХО", "ТВЭЗ", "ОДИТ", "АСБ", "ИЦС", "АНМ"}, {"2019"}, ratePensionAboveLimit, kUnknown},
      {{"ОДИТ", "ВЖИТ", "ВПИТ"}, {"2017", "2020"}, ratePension, Inferred(80000)},
      {{"АНМ", "ВПАН"}, {"2018", "2020"}, ratePension, Inferred(80000)},
      {{"АНМ"}, {"2017"}, ratePension, kUnknown},
      // Ship crews pay nothing: a known 0, not an unknown rate.
      {{"ЧЭС", "ВЖЭС"}, {"2017", "2020"}, ratePension, Inferred(0)},
      {{"ЧЭС"}, {"2019"}, ratePensionAboveLimit, Inferred(0)},
      {{"ПНЭД", "ВЖЭД"}, {"2017", "2018"}, ratePension, Inferred(200000)},
      {{"ПНЭД"}, {"2019", "2020"}, ratePension, kUnknown},
      {{"АСБ", "ВПСБ"}, {"2017", "2020"}, ratePension, Inferred(200000)},
      {{"ИЦС"}, {"2017", "2020"}, ratePension, Inferred(140000)},
      {{"КРС", "ТОР", "ВЖВЛ"}, {"2017", "2020"}, ratePension, Inferred(60000)},
      {{"КРС", "ТОР", "ВЖВЛ"}, {"2017", "2020"}, ratePensionAboveLimit, Inferred(60000)},
      {{"КЛН", "ВПКЛ"}, {"2018", "2020"}, ratePension, Inferred(60000)},
      {{"КЛН"}, {"2017"}, ratePension, kUnknown},
      // The 2020 reports charge 10 % on the small-business part.
      {{"МС", "ВЖМС", "ВПМС"}, {"2020"}, ratePension, Seen(100000)},
      {{"МС"}, {"2019"}, ratePension, kUnknown},
  };
  ExpectRates(cases);
}

TEST(ContributionRates, Rates2021To2026) {
  const std::vector<YearCase> cases{
      {{"НР", "ВПНР"}, {"2021", "2022"}, ratePension, Inferred(220000)},
      {{"НР", "ВПНР"}, {"2021", "2022"}, ratePensionAboveLimit, Inferred(100000)},
      {{"НР"}, {"2022"}, rateSocial, Inferred(29000)},
      {{"ВПНР"}, {"2022"}, rateSocial, Inferred(18000)},
      {{"ВЖНР"}, {"2021"}, rateMedical, Inferred(51000)},
      {{"МС", "ВЖМС"}, {"2021", "2022"}, ratePension, Inferred(100000)},
      {{"МС"}, {"2021"}, rateMedical, Inferred(50000)},
      {{"МС"}, {"2021"}, rateSocial, Inferred(0)},
      {{"ОДИТ"}, {"2021", "2022"}, ratePension, Inferred(60000)},
      {{"ОДИТ"}, {"2021"}, rateSocial, Inferred(15000)},
      {{"ВПИТ"}, {"2021"}, rateSocial, kUnknown},
      {{"ОДИТ"}, {"2022"}, rateMedical, Inferred(1000)},
      // No separate pension rate once the single tariff began, and no single tariff before it.
      {{"НР", "ОДИТ", "МС"}, {"2023", "2026"}, ratePension, kUnknown},
      {{"НР"}, {"2022"}, rateUnified, kUnknown},
      {{"НР", "ВЖНР", "ВПНР"}, {"2023", "2024", "2025", "2026"}, rateUnified, Seen(300000)},
      {{"НР", "ВЖНР", "ВПНР"}, {"2023", "2026"}, rateUnifiedAboveLimit, Seen(151000)},
      // 15 % of 247 222.00 is the 37 083.30 of the 2024 reports.
      {{"МС", "ВЖМС", "ВПМС"}, {"2024", "2025"}, rateUnified, Seen(150000)},
      {{"МС"}, {"2023"}, rateUnified, Inferred(150000)},
      {{"МС"}, {"2024"}, rateUnifiedAboveLimit, Inferred(150000)},
      {{"МС"}, {"2025"}, rateUnifiedAboveLimit, Seen(150000)},
      {{"МС", "ВЖМС"}, {"2026"}, rateUnified, kUnknown},
      {{"ПВ", "ВЖПВ", "ВППВ"}, {"2026"}, rateUnified, Seen(150000)},
      {{"ПВ"}, {"2025"}, rateUnified, kUnknown},
      {{"ПРОМ"}, {"2025", "2026"}, rateUnified, Inferred(76000)},
      {{"ПРОМ"}, {"2024"}, rateUnified, kUnknown},
      {{"ТЕХ"}, {"2025"}, rateUnified, Inferred(150000)},
      {{"ТЕХ"}, {"2025"}, rateUnifiedAboveLimit, kUnknown},
      // 760.00 on 10 000.00 in the 2024 reports.
      {{"ОДИТ", "ВЖИТ"}, {"2024"}, rateUnified, Seen(76000)},
      {{"ОДИТ"}, {"2023"}, rateUnified, Inferred(76000)},
      {{"ОДИТ"}, {"2023", "2024"}, rateUnifiedAboveLimit, Inferred(0)},
      {{"ОДИТ"}, {"2025", "2026"}, rateUnifiedAboveLimit, Seen(76000)},
      // Categories whose later rates were not established.
      {{"АСБ", "ИЦС", "КРС", "ТОР", "СПВЛ", "КЛН", "АНМ", "ЧЭС"}, {"2021", "2024"}, rateUnified, kUnknown},
      {{"АСБ", "ИЦС", "КРС", "КЛН", "ЧЭС"}, {"2021"}, ratePension, kUnknown},
  };
  ExpectRates(cases);
}

TEST(ContributionRates, FiveOhOneTableAgreesWithTheLookUp) {
  for (const Row& row : kExpected) {
    for (std::string_view category : row.categories) {
      for (int y = 0; y < 3; ++y) {
        SCOPED_TRACE(std::string(category) + " " + std::string(kYears[y]));
        const Known medical = FindContributionRate(kYears[y], category, rateMedical);
        const Known social = FindContributionRate(kYears[y], category, rateSocial);
        // A zero of the old table is either a real 0 % or no tariff that year; the look-up tells them apart.
        EXPECT_EQ(medical.value_or(KnownAmount{}).value, row.medical[y]);
        EXPECT_EQ(social.value_or(KnownAmount{}).value, row.social[y]);
        if (medical) {
          EXPECT_EQ(medical->evidence, kSeen);
        }
      }
    }
  }
  EXPECT_EQ(FindContributionRate("2017", "КЛН", rateMedical), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "ПНЭД", rateSocial), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "ПНЭД", rateMedical), kUnknown);
  EXPECT_EQ(FindContributionRate("2018", "ПНЭД", rateMedical), Seen(0));
}

TEST(ContributionRates, UnknownInputs) {
  for (std::string_view year : {"", "2016", "2027", "19", " 2019", "2019 ", "２019"}) {
    SCOPED_TRACE(std::string(year));
    for (int kind = rateMedical; kind <= rateUnifiedAboveLimit; ++kind)
      EXPECT_EQ(FindContributionRate(year, "НР", kind), kUnknown);
  }
  EXPECT_EQ(FindContributionRate("2019", "НР", -1), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "НР", 6), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "нр", ratePension), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "", ratePension), kUnknown);
  EXPECT_EQ(FindContributionRate("2019", "01", ratePension), kUnknown);
  // The 5.01 calculation keeps its contract: medical and social only, 0 for the rest.
  EXPECT_EQ(ContributionRate("2019", "НР", ratePension), 0);
  EXPECT_EQ(ContributionRate("2024", "НР", rateUnified), 0);
  EXPECT_EQ(ContributionRate("2021", "НР", rateMedical), 0);
}

}  // namespace
}  // namespace orsvelt
