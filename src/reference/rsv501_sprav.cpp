#include "reference/rsv501_sprav.h"

#include "reference/base_limits.h"
#include "reference/month_names.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"

namespace orsvelt {

std::span<const CodeRow> Rsv501Rows(int kind) {
  switch (kind) {
    case sprPeriod: return PeriodRows();
    case sprPlace: return PlaceRows501();
    case sprMonth: return MonthRows();
    case sprLimitOPS: return PensionLimitRows501();
    case sprLimitOSS: return SocialLimitRows501();
    default: return {};
  }
}

}  // namespace orsvelt
