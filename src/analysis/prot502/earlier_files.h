#pragma once
// How a 5.02 report is keyed for the choice of the earlier-period reports.

#include <optional>

#include "analysis/common/earlier_reports.h"

namespace orsvelt {

// "НПЮЛ": its "ИННЮЛ" and "КПП"; otherwise "НПФЛ": its "ИННФЛ"; otherwise both empty.
// Nullopt for a file without a 5.02 document.
std::optional<ReportKey> ReportKey502(const TRSVFile& file);

}  // namespace orsvelt
