#pragma once
// How a 5.02 report is keyed for the choice of the earlier-period reports.

#include <optional>

#include "analysis/common/earlier_reports.h"

namespace orsvelt {

// The payer's part of the key, for 5.02 and every later version: "НПЮЛ": its "ИННЮЛ" and
// "КПП"; otherwise "НПФЛ": its "ИННФЛ"; otherwise both left empty.
template <class Organisation, class Person>
void SetPayerOfKey(ReportKey& key, const Organisation* organisation, const Person* person) {
  if (organisation) {
    key.Inn = organisation->ИННЮЛ;
    key.Kpp = organisation->КПП;
  } else if (person) {
    key.Inn = person->ИННФЛ;
  }
}

// The payer, year, period and correction; nullopt for a file without a 5.02 document.
std::optional<ReportKey> ReportKey502(const TRSVFile& file);

}  // namespace orsvelt
