#include "analysis/checks/rows_502_support.h"

#include <algorithm>

namespace orsvelt::checks {

Finding Breach(const CheckRow& row, const CheckContext& c, view::Column column, Amount left, Amount right,
               std::string path, std::string_view tariff) {
  Finding f = FindingOf(row);
  f.tariff = std::string(tariff);
  f.month = CalendarMonthOf(c, column);
  f.path = std::move(path);
  f.left = left;
  f.right = right;
  return f;
}

Finding NotChecked(const CheckRow& row, std::string text, std::string_view tariff) {
  Finding f = FindingOf(row);
  f.severity = Severity::Info;
  f.tariff = std::string(tariff);
  f.text = std::move(text) + " (" + std::string(row.id) + ")";
  return f;
}

Amount ContributionOf(Amount base, Amount rate) {
  // Amount is x10000 and the rate a percent x10000: the product is x10^8 of a percent.
  const __int128 product = static_cast<__int128>(base) * rate;
  constexpr __int128 kKopeck = 100000000;  // product units per kopeck
  const __int128 kopecks = (product + (product >= 0 ? kKopeck / 2 : -kKopeck / 2)) / kKopeck;
  return static_cast<Amount>(kopecks * 100);
}

std::string RateText(Amount rate) {
  std::string text = std::to_string(rate / kAmountScale);
  Amount fraction = rate % kAmountScale;
  if (fraction == 0) return text + " %";
  std::string digits = std::to_string(kAmountScale + fraction).substr(1);
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return text + "." + digits + " %";
}

bool WithinKopecks(Amount a, Amount b, std::int64_t kopecks) {
  const Amount gap = a > b ? a - b : b - a;
  return gap <= 100 * std::max<std::int64_t>(kopecks, 1);
}

std::optional<Amount> ValueOf(const view::Line* line, view::Column column) {
  if (!line) return std::nullopt;
  const auto v = line->Value(column);
  if (!v) return std::nullopt;
  return line->count ? CountAmount(*v) : *v;
}

}  // namespace orsvelt::checks
