#include "model/view/held_persons.h"

#include <cstring>

#include "xml/stringfuncs.h"

namespace orsvelt::view {
void HeldPersons::Add(const Person& person, std::span<const MonthRow> rows) {
  HeldPerson& held = persons_.emplace_back();
  held.annulled = person.annulled;
  held.identified = person.identified;
  held.rowCount = static_cast<std::uint32_t>(rows.size());
  const std::array<std::string_view, kTexts> texts{person.snils,      person.inn,       person.surname, person.givenName,
                                                   person.patronymic, person.birthDate, person.sex};
  std::size_t size = 0;
  for (std::size_t i = 0; i < kTexts; ++i) {
    held.lengths[i] = static_cast<std::uint32_t>(texts[i].size());
    size += texts[i].size();
  }
  for (const MonthRow& row : rows) size += row.category.size();
  if (size == 0) return;
  char* at = texts_.Room(size);
  held.text = at;
  const auto copy = [&at](std::string_view text) {
    if (text.empty()) return;
    std::memcpy(at, text.data(), text.size());
    at += text.size();
  };
  for (const std::string_view text : texts) copy(text);
  for (const MonthRow& row : rows) {
    rows_.push_back({.payments = row.payments,
                     .base = row.base,
                     .contractBase = row.contractBase,
                     .contributions = row.contributions,
                     .categoryLength = static_cast<std::uint32_t>(row.category.size()),
                     .month = row.month});
    copy(row.category);
  }
}

void HeldPersons::Rebuild(const HeldPerson& held, std::size_t firstRow, Person& person,
                          std::vector<MonthRow>& rows) const {
  const char* at = held.text;
  const auto next = [&at](std::uint32_t length) {
    const std::string_view text(length ? at : "", length);
    at += length;
    return text;
  };
  person = {};
  person.snils = next(held.lengths[Snils]);
  person.inn = next(held.lengths[Inn]);
  person.surname = next(held.lengths[Surname]);
  person.givenName = next(held.lengths[GivenName]);
  person.patronymic = next(held.lengths[Patronymic]);
  person.birthDate = next(held.lengths[BirthDate]);
  person.sex = next(held.lengths[Sex]);
  person.snilsDigits = SnilsDigits(person.snils);
  person.annulled = held.annulled;
  person.identified = held.identified;
  person.rowCount = held.rowCount;
  rows.clear();
  for (std::size_t i = firstRow; i < firstRow + held.rowCount; ++i) {
    const HeldRow& row = rows_[i];
    rows.push_back({.month = row.month,
                    .position = 0,
                    .category = next(row.categoryLength),
                    .payments = row.payments,
                    .base = row.base,
                    .contractBase = row.contractBase,
                    .contributions = row.contributions});
  }
}

void HeldPersons::Clear() {
  persons_.clear();
  persons_.shrink_to_fit();
  rows_.clear();
  rows_.shrink_to_fit();
  texts_.Clear();
}

}  // namespace orsvelt::view
