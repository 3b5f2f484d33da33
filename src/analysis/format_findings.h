#pragma once
// Format control's records as findings of group F, so the protocols and the export show
// them beside the control ratios.

#include <vector>

#include "analysis/checks/finding.h"
#include "analysis/format_control/format_finding.h"

namespace orsvelt {

// A schema violation or a broken rule of the schema is a rejection (the tax service refuses
// the file); what was not checked is info. The id is the rule's error code, else "F".
std::vector<checks::Finding> FormatFindings(const FormatControlResult& result);

}  // namespace orsvelt
