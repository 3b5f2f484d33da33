#include "reference/rsv502_sprav.h"

#include "reference/base_limits.h"
#include "reference/month_names.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"

namespace orsvelt {

std::span<const CodeRow> Rsv502Rows(int kind) {
  switch (kind) {
    case sprPeriod: return PeriodRows();
    case sprPlace: return PlaceRows502();
    case sprMonth: return MonthRows();
    case sprLimitOPS: return PensionLimitRows502();
    case sprLimitOSS: return SocialLimitRows502();
    default: return {};
  }
}

}  // namespace orsvelt
