#pragma once
// The reporting year ("ОтчетГод") as a number, for tables whose rows cover ranges of years.

#include <optional>
#include <string_view>

namespace orsvelt {

// "2021" -> 2021; anything but exactly four ASCII digits (" 2021", "21", "2021г") -> nullopt.
constexpr std::optional<int> ReportYearNumber(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  int year = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    year = year * 10 + (c - '0');
  }
  return year;
}

}  // namespace orsvelt
