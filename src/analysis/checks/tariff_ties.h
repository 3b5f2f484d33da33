#pragma once
// Section 1 against section 3 of formats 5.03 to 5.08, per payer tariff and month of the
// quarter: each tariff block's line against the rows of the categories tied to its code in
// the reporting year (reference/tariff_categories.h). A tariff whose categories, or a
// category whose tariff, is not known is not compared and said so once.

#include <vector>

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

enum class TiedSum {
  Payments,       // "ВыплНачислФЛ" against "СумВыпл"
  Base,           // the base within the limit against "ВыплОПС"
  Contributions,  // "НачислСВНеПрев" against "НачислСВ"
};

void CompareTariffsWithPersons(const CheckRow& row, const CheckContext& c, TiedSum sum, std::vector<Finding>& out);

}  // namespace orsvelt::checks
