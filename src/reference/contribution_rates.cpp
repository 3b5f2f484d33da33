#include "reference/contribution_rates.h"

#include <array>
#include <optional>
#include <span>

#include "reference/report_year.h"

namespace orsvelt {
namespace {

using Rate = std::optional<Amount>;
constexpr Rate kNone;  // the category had no such tariff that year
constexpr Rate k0{0};
constexpr Rate k0_1{1000};
constexpr Rate k1_5{15000};
constexpr Rate k1_8{18000};
constexpr Rate k2_0{20000};
constexpr Rate k2_9{29000};
constexpr Rate k4_0{40000};
constexpr Rate k5_1{51000};

constexpr std::array<std::string_view, 3> kYears{"2017", "2018", "2019"};

struct RateRow {
  std::string_view category;
  std::array<Rate, 3> medical;  // 2017, 2018, 2019
  std::array<Rate, 3> social;
};

// Tax Code art. 425-426 (general rates; 1.8 % social insurance for foreigners staying
// temporarily, ВП) and art. 427 (reduced tariffs) for 2017-2019.
constexpr std::array<RateRow, 39> kRates{{
    {"НР", {k5_1, k5_1, k5_1}, {k2_9, k2_9, k2_9}},
    {"ВЖНР", {k5_1, k5_1, k5_1}, {k2_9, k2_9, k2_9}},
    {"ВПНР", {k5_1, k5_1, k5_1}, {k1_8, k1_8, k1_8}},
    // Business companies and technology zones: 2017 was the last year of the old reduced rates.
    {"ХО", {k4_0, k5_1, k5_1}, {k2_0, k2_9, k2_9}},
    {"ВЖХО", {k4_0, k5_1, k5_1}, {k2_0, k2_9, k2_9}},
    {"ВПХО", {k4_0, k5_1, k5_1}, {k1_8, k1_8, k1_8}},
    {"ТВЭЗ", {k4_0, k5_1, k5_1}, {k2_0, k2_9, k2_9}},
    {"ВЖТЗ", {k4_0, k5_1, k5_1}, {k2_0, k2_9, k2_9}},
    {"ВПТЗ", {k4_0, k5_1, k5_1}, {k1_8, k1_8, k1_8}},
    {"ОДИТ", {k4_0, k4_0, k4_0}, {k2_0, k2_0, k2_0}},
    {"ВЖИТ", {k4_0, k4_0, k4_0}, {k2_0, k2_0, k2_0}},
    {"ВПИТ", {k4_0, k4_0, k4_0}, {k1_8, k1_8, k1_8}},
    {"ЧЭС", {k0, k0, k0}, {k0, k0, k0}},
    {"ВПЭС", {k0, k0, k0}, {k0, k0, k0}},
    {"ВЖЭС", {k0, k0, k0}, {k0, k0, k0}},
    // The simplified-tax and patent reductions ended with 2018.
    {"ПНЭД", {k0, k0, kNone}, {k0, k0, kNone}},
    {"ВПЭД", {k0, k0, kNone}, {k0, k0, kNone}},
    {"ВЖЭД", {k0, k0, kNone}, {k0, k0, kNone}},
    {"АСБ", {k0, k0, k0}, {k0, k0, k0}},
    {"ВПСБ", {k0, k0, k0}, {k0, k0, k0}},
    {"ВЖСБ", {k0, k0, k0}, {k0, k0, k0}},
    {"ИЦС", {k0, k0, k0}, {k0, k0, k0}},
    {"ВПЦС", {k0, k0, k0}, {k0, k0, k0}},
    {"ВЖЦС", {k0, k0, k0}, {k0, k0, k0}},
    {"КРС", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВПКС", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВЖКС", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ТОР", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВПТР", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВЖТР", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"СПВЛ", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВПВЛ", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    {"ВЖВЛ", {k0_1, k0_1, k0_1}, {k1_5, k1_5, k1_5}},
    // Kaliningrad zone and animation producers have reduced tariffs from 2018 only.
    {"КЛН", {kNone, k0_1, k0_1}, {kNone, k1_5, k1_5}},
    {"ВПКЛ", {kNone, k0_1, k0_1}, {kNone, k1_5, k1_5}},
    {"ВЖКЛ", {kNone, k0_1, k0_1}, {kNone, k1_5, k1_5}},
    {"АНМ", {kNone, k4_0, k4_0}, {kNone, k2_0, k2_0}},
    {"ВЖАН", {kNone, k4_0, k4_0}, {kNone, k2_0, k2_0}},
    {"ВПАН", {kNone, k4_0, k4_0}, {kNone, k1_8, k1_8}},
}};


// Rates of the other kinds and years: one row per group of categories, kind and run of years.
// Categories, kinds and years without a row are not known.
struct YearRate {
  std::span<const std::string_view> categories;
  int first_year;
  int last_year;
  int kind;
  Amount rate;
  Evidence evidence;
};

using Codes = std::span<const std::string_view>;
constexpr std::array<std::string_view, 3> kBasic{"НР", "ВЖНР", "ВПНР"};
constexpr std::array<std::string_view, 2> kBasicInsured{"НР", "ВЖНР"};
constexpr std::array<std::string_view, 1> kBasicVisitors{"ВПНР"};
constexpr std::array<std::string_view, 3> kSmallBusiness{"МС", "ВЖМС", "ВПМС"};
constexpr std::array<std::string_view, 3> kSmallBusiness2026{"ПВ", "ВЖПВ", "ВППВ"};
constexpr std::array<std::string_view, 1> kManufacturing{"ПРОМ"};
constexpr std::array<std::string_view, 1> kTechnopolis{"ТЕХ"};
constexpr std::array<std::string_view, 6> kBusinessAndZones{"ХО", "ВЖХО", "ВПХО", "ТВЭЗ", "ВЖТЗ", "ВПТЗ"};
constexpr std::array<std::string_view, 3> kIt{"ОДИТ", "ВЖИТ", "ВПИТ"};
constexpr std::array<std::string_view, 2> kItInsured{"ОДИТ", "ВЖИТ"};
constexpr std::array<std::string_view, 3> kAnimation{"АНМ", "ВЖАН", "ВПАН"};
constexpr std::array<std::string_view, 3> kCrews{"ЧЭС", "ВПЭС", "ВЖЭС"};
constexpr std::array<std::string_view, 3> kSimplified{"ПНЭД", "ВПЭД", "ВЖЭД"};
constexpr std::array<std::string_view, 3> kNonProfit{"АСБ", "ВПСБ", "ВЖСБ"};
constexpr std::array<std::string_view, 3> kSkolkovo{"ИЦС", "ВПЦС", "ВЖЦС"};
constexpr std::array<std::string_view, 9> kEconomicZones{"КРС", "ВПКС", "ВЖКС", "ТОР", "ВПТР",
                                                         "ВЖТР", "СПВЛ", "ВПВЛ", "ВЖВЛ"};
constexpr std::array<std::string_view, 3> kKaliningrad{"КЛН", "ВПКЛ", "ВЖКЛ"};

constexpr Amount r0 = 0;
constexpr Amount r0_1 = 1000;
constexpr Amount r1_5 = 15000;
constexpr Amount r1_8 = 18000;
constexpr Amount r2_9 = 29000;
constexpr Amount r5 = 50000;
constexpr Amount r5_1 = 51000;
constexpr Amount r6 = 60000;
constexpr Amount r7_6 = 76000;
constexpr Amount r8 = 80000;
constexpr Amount r10 = 100000;
constexpr Amount r13 = 130000;
constexpr Amount r14 = 140000;
constexpr Amount r15 = 150000;
constexpr Amount r15_1 = 151000;
constexpr Amount r20 = 200000;
constexpr Amount r22 = 220000;
constexpr Amount r30 = 300000;

constexpr Evidence kSeen = Evidence::established;
constexpr Evidence kInferred = Evidence::inferred;

// Reduced tariffs whose above-limit pension rate is not settled here have no above-limit row.
constexpr std::array<YearRate, 48> kYearRates{{
    // Pension insurance 2017..2020.
    {kBasic, 2017, 2020, ratePension, r22, kSeen},  // Tax Code art. 426 p. 2 sub. 1 (law of 03.07.2016 No 243-FZ)
    {kBasic, 2017, 2020, ratePensionAboveLimit, r10, kSeen},  // Tax Code art. 426 p. 2 sub. 1 (law of 03.07.2016 No 243-FZ)
    {kBusinessAndZones, 2017, 2017, ratePension, r8, kInferred},  // Tax Code art. 427 p. 1 sub. 1-2 and p. 2, 2017 row
    {kBusinessAndZones, 2018, 2018, ratePension, r13, kInferred},  // Tax Code art. 427 p. 1 sub. 1-2 and p. 2, 2018 row
    {kBusinessAndZones, 2019, 2019, ratePension, r20, kInferred},  // Tax Code art. 427 p. 1 sub. 1-2 and p. 2, 2019 row
    {kIt, 2017, 2020, ratePension, r8, kInferred},  // Tax Code art. 427 p. 1 sub. 3 and p. 2
    {kAnimation, 2018, 2020, ratePension, r8, kInferred},  // Tax Code art. 427 p. 1 sub. 15 and p. 2
    {kCrews, 2017, 2020, ratePension, r0, kInferred},  // Tax Code art. 427 p. 1 sub. 4 and p. 2
    {kCrews, 2017, 2020, ratePensionAboveLimit, r0, kInferred},  // Tax Code art. 427 p. 1 sub. 4 and p. 2
    {kSimplified, 2017, 2018, ratePension, r20, kInferred},  // Tax Code art. 427 p. 1 sub. 5 and 9 and p. 2 (ended 2018)
    {kNonProfit, 2017, 2020, ratePension, r20, kInferred},  // Tax Code art. 427 p. 1 sub. 6-8 and p. 2 (pharmacies ended 2018)
    {kSkolkovo, 2017, 2020, ratePension, r14, kInferred},  // Tax Code art. 427 p. 1 (Skolkovo project participants) and p. 2
    {kEconomicZones, 2017, 2020, ratePension, r6, kInferred},  // Tax Code art. 427 p. 1 sub. 11-13 and p. 2
    {kEconomicZones, 2017, 2020, ratePensionAboveLimit, r6, kInferred},  // Tax Code art. 427 p. 1 sub. 11-14 and p. 2
    {kKaliningrad, 2018, 2020, ratePension, r6, kInferred},  // Tax Code art. 427 p. 1 sub. 14 and p. 2
    {kKaliningrad, 2018, 2020, ratePensionAboveLimit, r6, kInferred},  // Tax Code art. 427 p. 1 sub. 11-14 and p. 2
    // Small and medium businesses from April 2020, on the pay above one МРОТ; 10 % seen in 2020 reports.
    {kSmallBusiness, 2020, 2020, ratePension, r10, kSeen},  // Tax Code art. 427 p. 1 sub. 17, p. 2.1 (law of 01.04.2020 No 102-FZ)
    {kSmallBusiness, 2020, 2022, ratePensionAboveLimit, r10, kInferred},  // Tax Code art. 427 p. 2.1
    {kSmallBusiness, 2020, 2020, rateMedical, r5, kInferred},  // Tax Code art. 427 p. 2.1
    {kSmallBusiness, 2020, 2020, rateSocial, r0, kInferred},  // Tax Code art. 427 p. 2.1

    // 2021..2022: separate kinds, basic rates of art. 426 unchanged.
    {kBasic, 2021, 2022, ratePension, r22, kInferred},  // Tax Code art. 426 p. 2 sub. 1
    {kBasic, 2021, 2022, ratePensionAboveLimit, r10, kInferred},  // Tax Code art. 426 p. 2 sub. 1
    {kBasic, 2021, 2022, rateMedical, r5_1, kInferred},  // Tax Code art. 426 p. 2 sub. 3
    {kBasicInsured, 2021, 2022, rateSocial, r2_9, kInferred},  // Tax Code art. 426 p. 2 sub. 2
    {kBasicVisitors, 2021, 2022, rateSocial, r1_8, kInferred},  // Tax Code art. 426 p. 2 sub. 2, temporarily staying foreigners
    {kSmallBusiness, 2021, 2022, ratePension, r10, kInferred},  // Tax Code art. 427 p. 2.1
    {kSmallBusiness, 2021, 2022, rateMedical, r5, kInferred},  // Tax Code art. 427 p. 2.1
    {kSmallBusiness, 2021, 2022, rateSocial, r0, kInferred},  // Tax Code art. 427 p. 2.1
    {kIt, 2021, 2022, ratePension, r6, kInferred},  // Tax Code art. 427 p. 2 (law of 31.07.2020 No 265-FZ)
    {kItInsured, 2021, 2022, rateSocial, r1_5, kInferred},  // Tax Code art. 427 p. 2 (law of 31.07.2020 No 265-FZ)
    {kIt, 2021, 2022, rateMedical, r0_1, kInferred},  // Tax Code art. 427 p. 2 (law of 31.07.2020 No 265-FZ)

    // 2023..2026: the single tariff on the base within and above the unified limit.
    {kBasic, 2023, 2026, rateUnified, r30, kSeen},  // Tax Code art. 425 p. 3 and art. 426 (law of 14.07.2022 No 239-FZ)
    {kBasic, 2023, 2026, rateUnifiedAboveLimit, r15_1, kSeen},  // Tax Code art. 425 p. 3 and art. 426 (law of 14.07.2022 No 239-FZ)
    {kSmallBusiness, 2023, 2023, rateUnified, r15, kInferred},  // Tax Code art. 427 p. 2.1 (law of 14.07.2022 No 239-FZ)
    {kSmallBusiness, 2024, 2024, rateUnified, r15, kSeen},  // Tax Code art. 427 p. 2.1; 15 % seen in 2024 reports
    {kSmallBusiness, 2023, 2024, rateUnifiedAboveLimit, r15, kInferred},  // Tax Code art. 427 p. 2.1 (law of 14.07.2022 No 239-FZ)
    {kSmallBusiness, 2025, 2025, rateUnified, r15, kSeen},  // Tax Code art. 427 p. 2.1 (law of 12.07.2024 No 176-FZ)
    {kSmallBusiness, 2025, 2025, rateUnifiedAboveLimit, r15, kSeen},  // Tax Code art. 427 p. 2.1 (law of 12.07.2024 No 176-FZ)
    {kSmallBusiness2026, 2026, 2026, rateUnified, r15, kSeen},  // Tax Code art. 427 p. 13.3 (law of 28.11.2025 No 425-FZ)
    {kSmallBusiness2026, 2026, 2026, rateUnifiedAboveLimit, r15, kSeen},  // Tax Code art. 427 p. 13.3 (law of 28.11.2025 No 425-FZ)
    // The manufacturing and technopolis category codes themselves are not confirmed.
    {kManufacturing, 2025, 2026, rateUnified, r7_6, kInferred},  // Tax Code art. 427 p. 2.5 (law of 12.07.2024 No 176-FZ)
    {kManufacturing, 2025, 2026, rateUnifiedAboveLimit, r7_6, kInferred},  // Tax Code art. 427 p. 2.5
    {kTechnopolis, 2025, 2026, rateUnified, r15, kInferred},  // Tax Code art. 427 p. 1 sub. 10, p. 2.4 (laws No 362-FZ and 399-FZ of 2024)
    {kIt, 2023, 2023, rateUnified, r7_6, kInferred},  // Tax Code art. 427 IT tariff (law of 14.07.2022 No 239-FZ)
    {kIt, 2024, 2024, rateUnified, r7_6, kSeen},  // Tax Code art. 427 IT tariff; 7.6 % seen in 2024 reports
    {kIt, 2023, 2024, rateUnifiedAboveLimit, r0, kInferred},  // Tax Code art. 427 IT tariff
    {kIt, 2025, 2026, rateUnified, r7_6, kSeen},  // Tax Code art. 427 IT tariff (law of 12.07.2024 No 176-FZ)
    {kIt, 2025, 2026, rateUnifiedAboveLimit, r7_6, kSeen},  // Tax Code art. 427 IT tariff (law of 12.07.2024 No 176-FZ)
}};
}  // namespace

Amount ContributionRate(std::string_view year, std::string_view category, int kind) {
  if (kind != rateMedical && kind != rateSocial) return 0;
  std::size_t y = 0;
  while (y < kYears.size() && kYears[y] != year) ++y;
  if (y == kYears.size()) return 0;
  for (const RateRow& row : kRates) {
    if (row.category != category) continue;
    const Rate& rate = kind == rateMedical ? row.medical[y] : row.social[y];
    return rate.value_or(0);
  }
  return 0;
}

std::optional<KnownAmount> FindContributionRate(std::string_view year, std::string_view category, int kind) {
  // Medical and social rates of 2017..2019 come from the 5.01 table, read from the order's appendix.
  if (kind == rateMedical || kind == rateSocial) {
    for (std::size_t y = 0; y < kYears.size(); ++y) {
      if (kYears[y] != year) continue;
      for (const RateRow& row : kRates) {
        if (row.category != category) continue;
        const Rate& rate = kind == rateMedical ? row.medical[y] : row.social[y];
        if (!rate) return std::nullopt;
        return KnownAmount{*rate, Evidence::established};
      }
      return std::nullopt;
    }
  }
  const std::optional<int> number = ReportYearNumber(year);
  if (!number) return std::nullopt;
  for (const YearRate& row : kYearRates) {
    if (row.kind != kind || *number < row.first_year || *number > row.last_year) continue;
    for (std::string_view code : row.categories)
      if (code == category) return KnownAmount{row.rate, row.evidence};
  }
  return std::nullopt;
}

}  // namespace orsvelt
