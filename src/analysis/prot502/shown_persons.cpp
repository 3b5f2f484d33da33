#include "analysis/prot502/shown_persons.h"

#include "analysis/common/person_filter.h"
#include "analysis/prot502/prot502.h"

namespace orsvelt {

namespace {

// The person's position in the checked report: its quarter from file 0 has the source "0/k".
std::optional<std::uint32_t> MainPosition(const TRSV502ProtZLRec& person) {
  for (const auto& quarter : person.Quarters) {
    if (quarter && quarter->Source.File == 0 && quarter->Source.Person > 0) return quarter->Source.Person - 1;
  }
  return std::nullopt;
}

}  // namespace

ShownPersons502 ShownPersonsOf(const TRSV502Prot& prot) {
  ShownPersons502 out;
  const std::deque<TRSV502ProtZLRec>& persons = prot.Persons();
  out.shown.assign(persons.size(), true);
  if (prot.SelectedPersons() == PersonSelection::All) return out;
  const PersonFilter filter(prot.SelectedPersons(), prot.Checks().get());
  std::size_t shown = 0;
  for (std::size_t i = 0; i < persons.size(); ++i) {
    const TRSV502ProtZLRec& p = persons[i];
    out.shown[i] = filter.Shows({.snils = p.Key, .inn = p.ИННФЛ, .name = p.Name, .position = MainPosition(p)});
    shown += out.shown[i];
  }
  out.line = PersonFilter::LeftOutLine(shown, persons.size());
  return out;
}

}  // namespace orsvelt
