#include "reference/month_names.h"

#include <array>

namespace orsvelt {
namespace {

// Calendar months.
constexpr std::array<CodeRow, 12> kMonths{{
    {"01", "Январь"}, {"02", "Февраль"}, {"03", "Март"},     {"04", "Апрель"},
    {"05", "Май"},    {"06", "Июнь"},    {"07", "Июль"},     {"08", "Август"},
    {"09", "Сентябрь"}, {"10", "Октябрь"}, {"11", "Ноябрь"}, {"12", "Декабрь"},
}};

}  // namespace

std::span<const CodeRow> MonthRows() { return kMonths; }

std::string_view CalendarMonthName(int month) { return month >= 1 && month <= 12 ? kMonths[month - 1].text : ""; }

}  // namespace orsvelt
