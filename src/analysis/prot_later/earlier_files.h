#pragma once
// How the reports of formats 5.03 to 5.08 are keyed for the choice of the earlier reports,
// and which of two reports filed for the same period and correction is used.

#include <optional>
#include <string>
#include <vector>

#include "analysis/common/earlier_reports.h"

namespace orsvelt {

// The key of a report of any version from 5.03 to 5.08, so that a year's reports are found
// across a change of form (a 2026 folder: 5.07 for the first quarter, 5.08 later); with the
// document date, version and place filled. Nullopt for any other file.
std::optional<ReportKey> ReportKeyLater(const TRSVFile& file);

struct PassedOverReport {
  EarlierReport report;
  std::string reason;  // "не используется: ..."
};

// Of reports with the same period and correction, the one with the later "ДатаДок" is used
// (compared as dates; an unreadable date counts as the earliest), then the one whose file
// name sorts later; the others are moved to passedOver with the reason. The order of the
// rest is kept.
void SettleDuplicates(std::vector<EarlierReport>& reports, std::vector<PassedOverReport>& passedOver);

// "ДатаДок" dd.mm.yyyy as yyyymmdd, or -1 when it is not such a date.
int DateValue(std::string_view ddmmyyyy);

}  // namespace orsvelt
