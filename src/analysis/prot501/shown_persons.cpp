#include "analysis/prot501/shown_persons.h"

#include <algorithm>

namespace orsvelt::prot501 {

bool AboveLimit(const TRSV501BaseCheckPLRec& person, Amount limit) {
  TRSV501BaseCheckRunning running;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods)
    for (const TRSV501BaseCheckMonthRec& month : block.Months)
      if (running.Next(block, month).Base > limit) return true;
  return false;
}

ShownPersons::ShownPersons(const TRSV501ProtData& data, PersonSelection selection)
    : filter_(selection, data.CheckResults.get()), limit_(data.PensionLimit) {
  if (filter_.ShowsAll()) return;
  for (const TZLRec& person : data.Persons) filter_.Note(Record(person));
  for (const TRSV501BaseCheckPLRec& person : data.BaseChecks) filter_.Note(Record(person));
  // The estimate's persons are those of the cumulative control, noted above.
  if (!data.Persons.empty())
    Count(data.Persons);
  else
    Count(data.BaseChecks);
}

template <class Persons>
void ShownPersons::Count(const Persons& persons) {
  const auto shown = std::count_if(persons.begin(), persons.end(), [&](const auto& p) { return Shows(p); });
  line_ = PersonFilter::LeftOutLine(static_cast<std::size_t>(shown), persons.size());
}

PersonRecord ShownPersons::Record(const TZLRec& person) const {
  return {.snils = person.SNILS,
          .inn = person.INN,
          .name = person.FullName,
          .marked = person.SexMismatch,
          .position = person.Position};
}

PersonRecord ShownPersons::Record(const TRSV501BaseCheckPLRec& person) const {
  return {.snils = person.SNILS, .inn = person.INN, .name = person.FullName, .marked = AboveLimit(person, limit_)};
}

PersonRecord ShownPersons::EstimateRecord(const TRSV501BaseCheckPLRec& person) const {
  return {.snils = person.SNILS, .inn = person.INN, .name = person.FullName};
}

}  // namespace orsvelt::prot501
