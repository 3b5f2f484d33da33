#include "reference/tariff_categories.h"

#include <algorithm>
#include <array>

#include "reference/report_year.h"

namespace orsvelt {
namespace {

struct Tie {
  std::string_view tariff;
  std::array<std::string_view, 3> categories;
  int first_year;
  int last_year;
};

// The other tariff codes probably keep their 5.01 groups, but that is not established.
constexpr std::array<Tie, 4> kTies{{
    {"01", {"НР", "ВЖНР", "ВПНР"}, 2021, 2026},  // Tax Code art. 426; FTS order ЕД-7-11/878@ appendices 5 and 7
    {"06", {"ОДИТ", "ВЖИТ", "ВПИТ"}, 2021, 2026},  // Tax Code art. 427 IT tariff; FTS order ЕД-7-11/878@ appendix 5
    {"20", {"МС", "ВЖМС", "ВПМС"}, 2021, 2025},  // Tax Code art. 427 p. 2.1; withdrawn by FTS order ЕД-1-11/67@ for 2026
    {"32", {"ПВ", "ВЖПВ", "ВППВ"}, 2026, 2026},  // Tax Code art. 427 p. 13.3; FTS order of 04.02.2026 ЕД-1-11/67@
}};

bool Covers(const Tie& tie, std::string_view year) {
  const std::optional<int> number = ReportYearNumber(year);
  return number && *number >= tie.first_year && *number <= tie.last_year;
}

}  // namespace

std::span<const std::string_view> CategoriesOfTariffInYear(std::string_view year, std::string_view tariff) {
  for (const Tie& tie : kTies)
    if (tie.tariff == tariff && Covers(tie, year)) return tie.categories;
  return {};
}

std::optional<std::string_view> TariffOfCategoryInYear(std::string_view year, std::string_view category) {
  for (const Tie& tie : kTies)
    if (Covers(tie, year) && std::ranges::find(tie.categories, category) != tie.categories.end()) return tie.tariff;
  return std::nullopt;
}

}  // namespace orsvelt
