#include "reference/period_codes.h"

#include <array>

namespace orsvelt {
namespace {

// Period codes of the report formats (FTS order of 10.10.2016 No ММВ-7-11/551@, kept in 5.02).
constexpr std::array<CodeRow, 12> kPeriods{{
    {"21", "1 квартал"},
    {"31", "полугодие"},
    {"33", "девять месяцев"},
    {"34", "год"},
    {"51", "1 квартал при реорганизации (ликвидации) организации"},
    {"52", "полугодие при реорганизации (ликвидации) организации"},
    {"53", "9 месяцев при реорганизации (ликвидации) организации"},
    {"90", "год при реорганизации (ликвидации) организации"},
    {"83", "1 квартал при снятии с учета в качестве индивидуального предпринимателя (главы крестьянского (фермерского) хозяйства)"},
    {"84", "полугодие при снятии с учета в качестве индивидуального предпринимателя (главы крестьянского (фермерского) хозяйства)"},
    {"85", "9 месяцев при снятии с учета в качестве индивидуального предпринимателя (главы крестьянского (фермерского) хозяйства)"},
    {"86", "год при снятии с учета в качестве индивидуального предпринимателя (главы крестьянского (фермерского) хозяйства)"},
}};

struct PeriodQuarter {
  std::string_view code;
  int quarter;
};

constexpr std::array<PeriodQuarter, 12> kQuarters{{
    {"21", 1}, {"51", 1}, {"83", 1},
    {"31", 2}, {"52", 2}, {"84", 2},
    {"33", 3}, {"53", 3}, {"85", 3},
    {"34", 4}, {"90", 4}, {"86", 4},
}};

constexpr std::array<std::array<std::string_view, 3>, 4> kQuarterMonths{{
    {"01", "02", "03"},
    {"04", "05", "06"},
    {"07", "08", "09"},
    {"10", "11", "12"},
}};

// The 5.01 month lists leave out the deregistration codes 83..86 on purpose.
constexpr std::array<PeriodQuarter, 8> kMonthPeriods{{
    {"21", 1}, {"51", 1},
    {"31", 2}, {"52", 2},
    {"33", 3}, {"53", 3},
    {"34", 4}, {"90", 4},
}};

}  // namespace

std::span<const CodeRow> PeriodRows() { return kPeriods; }

int QuarterOfPeriod(std::string_view code) {
  for (const PeriodQuarter& row : kQuarters)
    if (row.code == code) return row.quarter;
  return 0;
}

std::string_view OrdinaryPeriodOfQuarter(int quarter) {
  return quarter >= 1 && quarter <= 4 ? kPeriods[quarter - 1].code : "";  // the list opens with them
}

std::span<const std::string_view> MonthsOfPeriod(std::string_view code) {
  for (const PeriodQuarter& row : kMonthPeriods)
    if (row.code == code) return kQuarterMonths[row.quarter - 1];
  return {};
}

}  // namespace orsvelt
