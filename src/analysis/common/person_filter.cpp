#include "analysis/common/person_filter.h"

#include <algorithm>

#include "analysis/checks/finding.h"
#include "model/view/report_view.h"
#include "xml/stringfuncs.h"

namespace orsvelt {

namespace {

bool HasDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The SNILS as the persons are matched on it; empty for a placeholder such as "Не указан".
std::string SnilsKey(std::string_view snils) {
  std::string digits = SnilsDigits(snils);
  return HasDigit(digits) ? digits : std::string();
}

// "С" and the SNILS, else "И" and the INN, else empty: such a person matches nobody.
std::string PersonKey(const PersonRecord& person) {
  if (std::string snils = SnilsKey(person.snils); !snils.empty()) return "С" + snils;
  if (AllDigits(person.inn)) return "И" + std::string(person.inn);
  return {};
}

// "Фамилия Имя" of "Фамилия Имя Отчество": how a ratio names a person without SNILS.
std::string_view SurnameAndName(std::string_view name) {
  const std::size_t first = name.find(' ');
  if (first == std::string_view::npos) return name;
  return name.substr(0, name.find(' ', first + 1));
}

std::string GroupedCount(std::size_t n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
    out += digits[i];
  }
  return out;
}

}  // namespace

std::optional<PersonSelection> PersonSelectionNamed(std::string_view name) {
  if (name == "all") return PersonSelection::All;
  if (name == "findings") return PersonSelection::WithFindings;
  return std::nullopt;
}

std::string_view PersonSelectionName(PersonSelection selection) {
  return selection == PersonSelection::All ? "all" : "findings";
}

std::vector<std::uint32_t> PersonsInMessages(const view::Section3& section3, const std::vector<std::string>& messages) {
  std::vector<std::uint32_t> found;
  if (messages.empty()) return found;
  // Every text a message could name an element by; a handful per message.
  std::unordered_set<std::string_view> named;
  for (const std::string& message : messages)
    for (std::size_t i = 0; i < message.size(); ++i)
      if (message[i] == ')' || message[i] == ']') named.insert(std::string_view(message).substr(0, i + 1));
  for (std::size_t i = 0; i < section3.persons.size(); ++i)
    if (named.count(section3.PathOf(section3.persons[i]))) found.push_back(static_cast<std::uint32_t>(i));
  return found;
}

PersonFilter::PersonFilter(PersonSelection selection, const checks::CheckResult* checks) : selection_(selection) {
  if (ShowsAll() || !checks) return;
  const auto name = [&](std::string_view who) {
    if (std::string snils = SnilsKey(who); !snils.empty())
      snilsNamed_.insert(std::move(snils));
    else if (!who.empty())
      namesNamed_.insert(std::string(who));
  };
  for (const checks::Finding& finding : checks->findings) {
    name(finding.snils);
    for (const std::string& who : finding.persons) name(who);
  }
  positionsRead_.insert(checks->personsInReadingMessages.begin(), checks->personsInReadingMessages.end());
}

bool PersonFilter::HasFinding(const PersonRecord& person) const {
  if (person.marked) return true;
  if (person.position && positionsRead_.count(*person.position)) return true;
  if (const std::string snils = SnilsKey(person.snils); !snils.empty()) return snilsNamed_.count(snils) > 0;
  return !person.name.empty() &&
         (namesNamed_.count(std::string(person.name)) || namesNamed_.count(std::string(SurnameAndName(person.name))));
}

void PersonFilter::Note(const PersonRecord& person) {
  if (ShowsAll() || !HasFinding(person)) return;
  if (std::string key = PersonKey(person); !key.empty()) keysWithFinding_.insert(std::move(key));
}

bool PersonFilter::Shows(const PersonRecord& person) const {
  if (ShowsAll() || HasFinding(person)) return true;
  const std::string key = PersonKey(person);
  return !key.empty() && keysWithFinding_.count(key) > 0;
}

std::string PersonFilter::LeftOutLine(std::size_t shown, std::size_t total) {
  // Every person has a finding: nobody was left out, and the line should not say otherwise.
  if (shown >= total)
    return "Показаны только лица с замечаниями: замечания есть у всех лиц (" + GroupedCount(total) + ").";
  return "Показаны только лица с замечаниями: " + GroupedCount(shown) + " из " + GroupedCount(total) +
         ". Лица без замечаний (" + GroupedCount(total - std::min(shown, total)) + ") не показаны.";
}

}  // namespace orsvelt
