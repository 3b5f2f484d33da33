#pragma once
// How a 5.01 report is keyed for the choice of the earlier-period reports.

#include <optional>

#include "analysis/common/earlier_reports.h"

namespace orsvelt {

// The payer's INN of whichever form the document holds and, for an organisation, its KPP
// (a separate division files under the same INN with its own KPP, and its persons are not
// the head office's); nullopt for a file without a 5.01 document or one naming no payer.
std::optional<ReportKey> ReportKey501(const TRSVFile& file);

}  // namespace orsvelt
