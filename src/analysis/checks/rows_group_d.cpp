// Group D: personal data that can be judged from the file (check numbers, duplicates,
// empty names, impossible dates). The registers themselves are out of reach.

#include <charconv>
#include <unordered_map>

#include "analysis/checks/check_table.h"
#include "reference/inn.h"
#include "reference/snils.h"

namespace orsvelt::checks {

namespace {


Finding PersonFinding(const CheckRow& row, const CheckContext& c, const view::Person& p, std::string_view attribute) {
  Finding f = FindingOf(row);
  f.snils = std::string(p.snils);
  f.path = c.report.section3.IdentityPathOf(p, attribute);
  f.persons.push_back(ShownName(p));
  return f;
}

void SnilsCheckNumbers(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  for (const view::Person& p : c.report.section3.persons) {
    if (p.annulled || p.snils.empty()) continue;
    const SnilsCheck check = CheckSnils(p.snils);
    if (check == SnilsCheck::valid || check == SnilsCheck::notVerified) continue;
    Finding f = PersonFinding(row, c, p, "СНИЛС");
    f.text += check == SnilsCheck::malformed ? ": \"" + std::string(p.snils) + "\" - не 11 цифр"
                                             : ": " + std::string(p.snils);
    out.push_back(std::move(f));
  }
}

void SnilsTwice(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto& persons = c.report.section3.persons;
  std::unordered_map<std::string_view, const view::Person*> first;
  first.reserve(persons.size());
  for (const view::Person& p : persons) {
    if (p.annulled || p.snilsDigits.empty()) continue;
    const auto [it, added] = first.emplace(p.snilsDigits, &p);
    if (added) continue;
    Finding f = PersonFinding(row, c, p, "СНИЛС");
    f.text += ": " + std::string(p.snils) + " (лица № " + std::to_string(it->second->number) + " и № " +
              std::to_string(p.number) + ")";
    out.push_back(std::move(f));
  }
}

void PersonInn(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  for (const view::Person& p : c.report.section3.persons) {
    if (p.annulled || p.inn.empty() || CheckPersonInn(p.inn) == InnCheck::valid) continue;
    Finding f = PersonFinding(row, c, p, "ИННФЛ");
    f.text += ": " + std::string(p.inn);
    out.push_back(std::move(f));
  }
}

void PayerInn(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Payer& payer = c.report.payer;
  if (payer.inn.empty() || payer.kind == view::PayerKind::Unknown) return;
  const bool organisation = payer.kind == view::PayerKind::Organisation;
  const InnCheck check = organisation ? CheckOrganisationInn(payer.inn) : CheckPersonInn(payer.inn);
  if (check == InnCheck::valid) return;
  Finding f = FindingOf(row);
  f.text += ": " + std::string(payer.inn);
  f.path = payer.path + (organisation ? " - @ИННЮЛ" : " - @ИННФЛ");
  out.push_back(std::move(f));
}

void EmptyName(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  for (const view::Person& p : c.report.section3.persons) {
    if (p.annulled || (!p.surname.empty() && !p.givenName.empty())) continue;
    Finding f = PersonFinding(row, c, p, p.surname.empty() ? "Фамилия" : "Имя");
    f.text += p.surname.empty() ? ": нет фамилии" : ": нет имени";
    out.push_back(std::move(f));
  }
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void BirthAfterPeriod(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto year = Number(c.year);
  if (!year || c.quarter == 0) return;
  const int periodEnd = *year * 100 + c.quarter * 3;  // yyyymm of the period's last month
  for (const view::Person& p : c.report.section3.persons) {
    const std::string_view d = p.birthDate;  // "ДД.ММ.ГГГГ"
    if (p.annulled || d.size() != 10) continue;
    const auto month = Number(d.substr(3, 2));
    const auto birthYear = Number(d.substr(6, 4));
    if (!month || !birthYear || *birthYear * 100 + *month <= periodEnd) continue;
    Finding f = PersonFinding(row, c, p, "ДатаРожд");
    f.text += ": " + std::string(d);
    out.push_back(std::move(f));
  }
}

#define ORSVELT_D_ROWS(SUFFIX, FORMAT, SEVERITY, SOURCE, NOTE)                                                    \
  {.id = "D2" SUFFIX, .group = Group::D, .severity = SEVERITY, .formats = FORMAT,                                 \
   .wording = "Неверное контрольное число СНИЛС застрахованного лица" NOTE,                                       \
   .source = SOURCE "D2; алгоритм §4.1", .run = SnilsCheckNumbers},                                               \
  {.id = "D3" SUFFIX, .group = Group::D, .severity = SEVERITY, .formats = FORMAT,                                 \
   .wording = "Один СНИЛС указан у нескольких застрахованных лиц" NOTE, .source = SOURCE "D3",                    \
   .run = SnilsTwice},                                                                                             \
  {.id = "D4" SUFFIX, .group = Group::D, .severity = SEVERITY, .formats = FORMAT,                                 \
   .wording = "Неверные контрольные цифры ИНН застрахованного лица" NOTE,                                         \
   .source = SOURCE "D4; алгоритм §4.3", .run = PersonInn},                                                       \
  {.id = "D5" SUFFIX, .group = Group::D, .severity = SEVERITY, .formats = FORMAT,                                 \
   .wording = "Неверные контрольные цифры ИНН плательщика" NOTE, .source = SOURCE "D5; алгоритмы §4.2, §4.3",    \
   .run = PayerInn},                                                                                               \
  {.id = "D7" SUFFIX, .group = Group::D, .severity = SEVERITY, .formats = FORMAT,                                 \
   .wording = "Не указаны фамилия или имя застрахованного лица" NOTE, .source = SOURCE "D7",                      \
   .run = EmptyName},                                                                                              \
  {.id = "D9" SUFFIX, .group = Group::D, .severity = Severity::Warning, .formats = FORMAT,                        \
   .wording = "Дата рождения застрахованного лица позже окончания отчётного периода" NOTE,                        \
   .source = SOURCE "D9", .run = BirthAfterPeriod}

const CheckRow kRows[] = {
    ORSVELT_D_ROWS("", kFormat501, Severity::Error, "Каталог КС, 5.01 §2 ", ""),
    ORSVELT_D_ROWS("-502", kFormat502 | kFormatLater, Severity::Warning, "Каталог КС, 5.02 §3 D (как 5.01 §2) ",
                   " (следует из формы расчёта, а не из письма ФНС)"),
};

#undef ORSVELT_D_ROWS

}  // namespace

std::span<const CheckRow> GroupDRows() { return kRows; }

}  // namespace orsvelt::checks
