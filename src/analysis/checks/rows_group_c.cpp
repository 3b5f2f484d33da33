// Group C: across the periods of the year (CheckContext::previous and ::earlier).

#include "analysis/checks/check_table.h"

namespace orsvelt::checks {

std::span<const CheckRow> GroupCRows() { return {}; }

}  // namespace orsvelt::checks
