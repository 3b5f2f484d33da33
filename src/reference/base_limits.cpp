#include "reference/base_limits.h"

#include <array>

namespace orsvelt {
namespace {

// Compulsory pension insurance, whole roubles.
constexpr std::array<CodeRow, 4> kPensionLimits{{
    {"2017", "876000"},   // Government decree of 29.11.2016 No 1255 for 2017
    {"2018", "1021000"},  // Government decree of 15.11.2017 No 1378 for 2018
    {"2019", "1150000"},  // Government decree of 28.11.2018 No 1426 for 2019
    {"2020", "1292000"},  // Government decree of 06.11.2019 No 1407 for 2020
}};

// Compulsory social insurance (temporary disability and maternity), whole roubles.
constexpr std::array<CodeRow, 4> kSocialLimits{{
    {"2017", "755000"},  // Government decree of 29.11.2016 No 1255 for 2017
    {"2018", "815000"},  // Government decree of 15.11.2017 No 1378 for 2018
    {"2019", "865000"},  // Government decree of 28.11.2018 No 1426 for 2019
    {"2020", "912000"},  // Government decree of 06.11.2019 No 1407 for 2020
}};

// Format 5.01 was used for 2017..2019 only, so it sees the first three years.
constexpr std::size_t kYears501 = 3;

}  // namespace

std::span<const CodeRow> PensionLimitRows502() { return kPensionLimits; }
std::span<const CodeRow> SocialLimitRows502() { return kSocialLimits; }
std::span<const CodeRow> PensionLimitRows501() { return std::span<const CodeRow>(kPensionLimits).first(kYears501); }
std::span<const CodeRow> SocialLimitRows501() { return std::span<const CodeRow>(kSocialLimits).first(kYears501); }

std::optional<Amount> LimitOfYear(std::span<const CodeRow> limit_rows, std::string_view year) {
  const std::string_view text = LookupCode(limit_rows, year);
  if (text.empty()) return std::nullopt;
  return ParseAmount(text);
}

}  // namespace orsvelt
