#pragma once
// Which persons the per-person tables of a protocol list: all of them, or only those with a
// finding. The one decision of "has a finding" for every format's tables.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace orsvelt {

namespace checks {
struct CheckResult;
}
namespace view {
struct Section3;
}

enum class PersonSelection : std::uint8_t {
  All,           // every person, as the protocols always did
  WithFindings,  // only persons with a finding; summaries, totals and counts stay over all
};

// "all" and "findings", as the command line names them; nullopt for anything else.
std::optional<PersonSelection> PersonSelectionNamed(std::string_view name);
std::string_view PersonSelectionName(PersonSelection selection);

// Positions (from 0) among section 3's persons of those whose element a reading message names.
// A message names an element when its text up to one of its closing brackets is the element's
// path: "... ПерсСвСтрахЛиц (3) - ..." names person 3, never person 30.
std::vector<std::uint32_t> PersonsInMessages(const view::Section3& section3, const std::vector<std::string>& messages);

// What a table knows of one of its persons.
struct PersonRecord {
  std::string_view snils{};  // as written or shown; a text without digits is no SNILS
  std::string_view inn{};    // as written or shown; a text with other than digits is no INN
  std::string_view name{};   // "Фамилия Имя[ Отчество]"
  bool marked = false;     // the protocol marks something of the person itself (base above the limit, ...)
  // Position among the checked report's person elements, when the record comes from one.
  std::optional<std::uint32_t> position{};
};

// The persons of one protocol that have a finding: one the protocol marks, one a control ratio
// names (Finding::snils, Finding::persons), one whose element a reading message names. A person
// found with a finding in one table is shown in every table of the protocol: persons are
// matched as the analyses match them, on the SNILS, else on the INN.
class PersonFilter {
 public:
  // Everybody is shown.
  PersonFilter() = default;
  // checks may be null (no findings).
  PersonFilter(PersonSelection selection, const checks::CheckResult* checks);

  bool ShowsAll() const { return selection_ == PersonSelection::All; }

  // The record's own evidence.
  bool HasFinding(const PersonRecord& person) const;
  // Takes the record into account for the records of the same person in other tables; every
  // table's records are noted before the first one is asked about.
  void Note(const PersonRecord& person);
  bool Shows(const PersonRecord& person) const;

  // The line said once before the first filtered table, shown of total persons:
  // "Показаны только лица с замечаниями: 12 из 100 000. Лица без замечаний (99 988) не показаны."
  static std::string LeftOutLine(std::size_t shown, std::size_t total);

 private:
  PersonSelection selection_ = PersonSelection::All;
  std::unordered_set<std::string> snilsNamed_;  // digits
  std::unordered_set<std::string> namesNamed_;  // as the ratios name a person without SNILS
  std::unordered_set<std::uint32_t> positionsRead_;
  std::unordered_set<std::string> keysWithFinding_;
};

}  // namespace orsvelt
