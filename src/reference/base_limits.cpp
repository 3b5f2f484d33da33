#include "reference/base_limits.h"

#include <array>

namespace orsvelt {
namespace {

// Compulsory pension insurance, whole roubles. Formats 5.01 and 5.02 see only the years they were used for.
constexpr std::array<CodeRow, 6> kPensionLimits{{
    {"2017", "876000"},   // Government decree of 29.11.2016 No 1255 for 2017
    {"2018", "1021000"},  // Government decree of 15.11.2017 No 1378 for 2018
    {"2019", "1150000"},  // Government decree of 28.11.2018 No 1426 for 2019
    {"2020", "1292000"},  // Government decree of 06.11.2019 No 1407 for 2020
    {"2021", "1465000"},  // Government decree of 26.11.2020 No 1935 for 2021
    {"2022", "1565000"},  // Government decree of 16.11.2021 No 1951 for 2022
}};

// Compulsory social insurance (temporary disability and maternity), whole roubles.
constexpr std::array<CodeRow, 6> kSocialLimits{{
    {"2017", "755000"},  // Government decree of 29.11.2016 No 1255 for 2017
    {"2018", "815000"},  // Government decree of 15.11.2017 No 1378 for 2018
    {"2019", "865000"},  // Government decree of 28.11.2018 No 1426 for 2019
    {"2020", "912000"},  // Government decree of 06.11.2019 No 1407 for 2020
    {"2021", "966000"},   // Government decree of 26.11.2020 No 1935 for 2021
    {"2022", "1032000"},  // Government decree of 16.11.2021 No 1951 for 2022
}};

// The 2021 and 2022 rows of both lists come from general knowledge, not from an act or a report read here.
constexpr std::array<Evidence, 6> kSeparateLimitEvidence{
    Evidence::established, Evidence::established, Evidence::established,
    Evidence::established, Evidence::inferred,    Evidence::inferred,
};

// One limit for pension, social and medical insurance together from 2023, whole roubles.
constexpr std::array<CodeRow, 4> kUnifiedLimits{{
    {"2023", "1917000"},  // Government decree of 25.11.2022 No 2143 for 2023
    {"2024", "2225000"},  // Government decree of 10.11.2023 No 1883 for 2024 (reached to the kopeck in 2024 reports)
    {"2025", "2759000"},  // Government decree of 22.11.2024 No 1620 for 2025
    {"2026", "2979000"},  // Government decree of 2025 for 2026
}};

// The 2025 amount is deduced from the published growth rates, not read.
constexpr std::array<Evidence, 4> kUnifiedLimitEvidence{
    Evidence::established, Evidence::established, Evidence::inferred, Evidence::established,
};

// Format 5.02 was used for 2020 only, but its lists start with 2017 like those of 5.01.
constexpr std::size_t kYears502 = 4;

// Format 5.01 was used for 2017..2019 only, so it sees the first three years.
constexpr std::size_t kYears501 = 3;

template <std::size_t N>
std::optional<KnownAmount> KnownLimit(const std::array<CodeRow, N>& rows, const std::array<Evidence, N>& evidence,
                                      std::string_view year) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].code != year) continue;
    const std::optional<Amount> amount = ParseAmount(rows[i].text);
    if (!amount) return std::nullopt;
    return KnownAmount{*amount, evidence[i]};
  }
  return std::nullopt;
}

}  // namespace

std::span<const CodeRow> PensionLimitRows502() { return std::span<const CodeRow>(kPensionLimits).first(kYears502); }
std::span<const CodeRow> SocialLimitRows502() { return std::span<const CodeRow>(kSocialLimits).first(kYears502); }
std::span<const CodeRow> PensionLimitRows501() { return std::span<const CodeRow>(kPensionLimits).first(kYears501); }
std::span<const CodeRow> SocialLimitRows501() { return std::span<const CodeRow>(kSocialLimits).first(kYears501); }

std::optional<Amount> LimitOfYear(std::span<const CodeRow> limit_rows, std::string_view year) {
  const std::string_view text = LookupCode(limit_rows, year);
  if (text.empty()) return std::nullopt;
  return ParseAmount(text);
}

std::optional<KnownAmount> PensionLimit(std::string_view year) {
  return KnownLimit(kPensionLimits, kSeparateLimitEvidence, year);
}

std::optional<KnownAmount> SocialLimit(std::string_view year) {
  return KnownLimit(kSocialLimits, kSeparateLimitEvidence, year);
}

std::optional<KnownAmount> UnifiedLimit(std::string_view year) {
  return KnownLimit(kUnifiedLimits, kUnifiedLimitEvidence, year);
}

}  // namespace orsvelt
