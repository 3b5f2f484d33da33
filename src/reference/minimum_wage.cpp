#include "reference/minimum_wage.h"

#include <array>

namespace orsvelt {
namespace {

constexpr Amount Roubles(std::int64_t whole) { return whole * kAmountScale; }

struct WageRow {
  std::string_view year;
  Amount wage;           // on 1 January
  Evidence wage_evidence;
  Amount factor;         // small-business threshold in МРОТ
  Evidence factor_evidence;
};

constexpr Amount kOne = kAmountScale;
constexpr Amount kOneAndAHalf = kAmountScale * 3 / 2;
constexpr Evidence kSeen = Evidence::established;
constexpr Evidence kInferred = Evidence::inferred;

constexpr std::array<WageRow, 7> kRows{{
    // Federal law of 27.12.2019 No 463-FZ; threshold from April 2020: law of 01.04.2020 No 102-FZ (2020 reports split at it)
    {"2020", Roubles(12130), kSeen, kOne, kSeen},
    // Federal law of 29.12.2020 No 473-FZ
    {"2021", Roubles(12792), kInferred, kOne, kInferred},
    // Federal law of 06.12.2021 No 406-FZ (15 279 from 01.06.2022 by decree No 973 does not move the threshold)
    {"2022", Roubles(13890), kInferred, kOne, kInferred},
    // Federal law of 19.12.2022 No 522-FZ
    {"2023", Roubles(16242), kInferred, kOne, kInferred},
    // Federal law of 27.11.2023 No 548-FZ; the 2024 reports split pay at exactly this amount
    {"2024", Roubles(19242), kSeen, kOne, kSeen},
    // Federal law of 29.10.2024 No 365-FZ; 1.5 МРОТ by Tax Code art. 427 p. 2.1 as amended by law of 12.07.2024 No 176-FZ
    {"2025", Roubles(22440), kSeen, kOneAndAHalf, kSeen},
    // Federal law of 28.11.2025; factor unchanged from 2025
    {"2026", Roubles(27093), kSeen, kOneAndAHalf, kSeen},
}};

const WageRow* RowOf(std::string_view year) {
  for (const WageRow& row : kRows)
    if (row.year == year) return &row;
  return nullptr;
}

}  // namespace

std::optional<KnownAmount> MinimumWage(std::string_view year) {
  const WageRow* row = RowOf(year);
  if (!row) return std::nullopt;
  return KnownAmount{row->wage, row->wage_evidence};
}

std::optional<KnownAmount> SmallBusinessThresholdFactor(std::string_view year) {
  const WageRow* row = RowOf(year);
  if (!row) return std::nullopt;
  return KnownAmount{row->factor, row->factor_evidence};
}

std::optional<KnownAmount> SmallBusinessThreshold(std::string_view year) {
  const WageRow* row = RowOf(year);
  if (!row) return std::nullopt;
  // Both are fixed-point with four decimals; the product of whole roubles and 1.5 stays exact.
  return KnownAmount{row->wage * row->factor / kAmountScale, Weaker(row->wage_evidence, row->factor_evidence)};
}

}  // namespace orsvelt
