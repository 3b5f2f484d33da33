#pragma once
// What the rows of format 5.02 and of the later formats share: the columns the format has, a
// finding placed at its tariff, month and element, and a base times a rate to the kopeck.

#include <optional>
#include <string>
#include <string_view>

#include "analysis/checks/check_table.h"
#include "analysis/checks/line_ratio.h"

// Ends the wording of every 5.02 row the catalogue marks as inferred.
#define ORSVELT_FORM_ONLY " (следует из формы расчёта, а не из письма ФНС)"

namespace orsvelt::checks {

// Since the start of the year and the three months; 5.02 has no three-month total.
inline constexpr view::Column kColumns502[] = {view::Column::Year, view::Column::Month1, view::Column::Month2,
                                               view::Column::Month3};

// A finding of the row with both sides, the tariff and the month of the column, and the path.
Finding Breach(const CheckRow& row, const CheckContext& c, view::Column column, Amount left, Amount right,
               std::string path, std::string_view tariff = {});

// What the row could not check or compare, as an Info finding naming the row: "Не проверено: ... (L-C4)".
Finding NotChecked(const CheckRow& row, std::string text, std::string_view tariff = {});

// A count of persons as the findings carry it: an amount of whole units.
inline Amount CountAmount(std::int64_t count) { return count * kAmountScale; }

// base x rate % rounded half away from zero to the kopeck; the rate is a percent as an Amount.
Amount ContributionOf(Amount base, Amount rate);

// "22 %", "5.1 %": a rate for the protocol.
std::string RateText(Amount rate);

// |a - b| at most one kopeck per unit of leeway (at least one).
bool WithinKopecks(Amount a, Amount b, std::int64_t kopecks = 1);

// The value of a column, counts of persons as CountAmount; nullopt when the line or the column is absent.
std::optional<Amount> ValueOf(const view::Line* line, view::Column column);

// Every block of the name with the tariff it belongs to: the blocks of each "РасчСВ_ОПС_ОМС"
// by its "ТарифПлат", then those of appendix 2 by their own "ТарифПлат".
template <class Visit>
void ForEachBlock(const view::Section1& s1, std::string_view name, Visit&& visit) {
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks)
      if (b.name == name) visit(t.tariff, b);
  for (const view::Block& b : s1.appendix2)
    if (b.name == name) visit(b.CodeOf("ТарифПлат"), b);
}

}  // namespace orsvelt::checks
