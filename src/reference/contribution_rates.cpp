#include "reference/contribution_rates.h"

#include <array>
#include <optional>

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

}  // namespace orsvelt
