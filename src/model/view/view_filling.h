#pragma once
// Small steps that every format's adapter to the report view takes alike.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/common/format5.h"
#include "model/common/path_buffer.h"
#include "model/view/report_view.h"
#include "xml/stringfuncs.h"

namespace orsvelt::view {

// The model keeps -1 for a title number that is missing or no number.
inline std::optional<std::int32_t> KnownNumber(std::int32_t value) {
  return value < 0 ? std::nullopt : std::optional<std::int32_t>(value);
}

// The path of "Документ" below the root path given to TRSVFile::Load. The model keeps the
// last document of a file and not its number, so the first is assumed: a report has one.
inline std::string DocumentPath(std::string_view rootPath) { return std::string(rootPath) + " - Документ [1]"; }

inline void FillName(const TFIO* fio, std::string_view& surname, std::string_view& givenName,
                     std::string_view& patronymic) {
  if (!fio) return;
  surname = fio->Фамилия;
  givenName = fio->Имя;
  patronymic = fio->Отчество;
}

// The payer of a format that has "НПЮЛ" and "НПФЛ" under "СвНП".
template <class Document>
void FillCommonPayer(const Document& doc, const std::string& documentPath, Payer& payer) {
  if (doc.НПЮЛ) {
    payer.kind = PayerKind::Organisation;
    payer.name = doc.НПЮЛ->НаимОрг;
    payer.inn = doc.НПЮЛ->ИННЮЛ;
    payer.kpp = doc.НПЮЛ->КПП;
    payer.path = documentPath + " - СвНП - НПЮЛ";
  } else if (doc.НПФЛ) {
    payer.kind = PayerKind::NaturalPerson;
    payer.inn = doc.НПФЛ->ИННФЛ;
    FillName(doc.НПФЛ->ФИО.get(), payer.surname, payer.givenName, payer.patronymic);
    payer.path = documentPath + " - СвНП - НПФЛ";
  }
}

// Title fields that the formats keep under the same names.
template <class Document>
void FillCommonTitle(std::string_view fileId, std::string_view formatVersion, const Document& doc,
                     std::string documentPath, Title& title) {
  title.fileId = fileId;
  title.formatVersion = formatVersion;
  title.period = doc.Период;
  title.correction = KnownNumber(doc.НомКорр);
  title.year = KnownNumber(doc.ОтчетГод);
  title.placeCode = doc.ПоМесту;
  title.documentDate = doc.ДатаДок;
  title.taxOffice = doc.КодНО;
  title.path = std::move(documentPath);
}

// Identity of a person from "ДанФЛПолуч" (both formats name its fields alike).
template <class Identity>
void FillIdentity(const Identity* id, Person& p) {
  if (!id) return;
  p.identified = true;
  p.snils = id->СНИЛС;
  p.snilsDigits = SnilsDigits(id->СНИЛС);
  p.inn = id->ИННФЛ;
  p.birthDate = id->ДатаРожд;
  p.sex = id->Пол;
  FillName(id->ФИО.get(), p.surname, p.givenName, p.patronymic);
}

// Room for all persons and rows of section 3 at once: the lists of 100 000 persons would
// otherwise grow to up to twice their size.
template <class Persons>
void ReserveRows(const Persons& persons, Section3& s) {
  std::size_t rows = 0, extraRows = 0;
  for (const auto& p : persons) {
    if (!p.СвВыплСВОПС) continue;
    if (p.СвВыплСВОПС->СвВыпл) rows += p.СвВыплСВОПС->СвВыпл->СвВыплМК.size();
    if (p.СвВыплСВОПС->ВыплСВДоп) extraRows += p.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ.size();
  }
  s.persons.reserve(persons.size());
  s.rows.reserve(rows);
  s.extraRows.reserve(extraRows);
}

// Fills section 3 for a section that outlives the model's persons: add(person, i) adds the
// i-th of them to s; they are added a few at a time, their texts kept by the section
// (Section3::KeepTexts), and let go, so that the model's persons and the section are never
// both whole. `persons` is empty afterwards.
template <class Person, class Add>
void TakePersons(std::vector<Person>& persons, Section3& s, Add&& add) {
  constexpr std::size_t kStep = 1024;
  ReserveRows(persons, s);
  for (std::size_t from = 0; from < persons.size(); from += kStep) {
    const std::size_t to = std::min(persons.size(), from + kStep), first = s.persons.size();
    for (std::size_t i = from; i < to; ++i) add(persons[i], static_cast<std::uint32_t>(i));
    s.KeepTexts(first);
    for (std::size_t i = from; i < to; ++i) {
      std::destroy_at(&persons[i]);
      std::construct_at(&persons[i]);
    }
  }
  std::vector<Person>().swap(persons);
}

// A person's month rows and additional-tariff rows in the order the report writes them;
// monthOf turns the month as written into a calendar month. Each returns how many it added.
template <class Months, class MonthOf>
std::uint32_t AppendMonthRows(const Months& months, MonthOf&& monthOf, Section3& s) {
  std::uint32_t position = 0;
  for (const auto& mk : months)
    s.rows.push_back({.month = monthOf(mk.Месяц),
                      .position = position++,
                      .category = mk.КодКатЛиц,
                      .payments = mk.СумВыпл,
                      .base = mk.ВыплОПС,
                      .contractBase = mk.ВыплОПСДог,
                      .contributions = mk.НачислСВ});
  return position;
}

template <auto Tariff, class Months, class MonthOf>
std::uint32_t AppendExtraRows(const Months& months, MonthOf&& monthOf, Section3& s) {
  std::uint32_t position = 0;
  for (const auto& mt : months)
    s.extraRows.push_back({.month = monthOf(mt.Месяц),
                           .position = position++,
                           .tariff = mt.*Tariff,
                           .base = mt.ВыплСВ,
                           .contributions = mt.НачислСВ});
  return position;
}

// One group child of a block (a sum or a count group), in the order the format defines;
// exactly one member is set.
template <class Owner, class Sum, class Count>
struct Group {
  std::string_view name;
  std::unique_ptr<Sum> Owner::*sum = nullptr;
  std::unique_ptr<Count> Owner::*count = nullptr;
};

// Appends a line for each group present in o. pathOf(parentPath, name) forms a child's
// path; toLine(name, group, path) makes the line of a sum or a count group.
template <class Owner, class Sum, class Count, class PathOf, class ToLine>
void AddGroups(Block& block, const Owner& o, std::span<const Group<Owner, Sum, Count>> groups, PathOf&& pathOf,
               ToLine&& toLine) {
  for (const auto& g : groups) {
    if (g.sum && o.*g.sum)
      block.lines.push_back(toLine(g.name, *(o.*g.sum), pathOf(block.path, g.name)));
    else if (g.count && o.*g.count)
      block.lines.push_back(toLine(g.name, *(o.*g.count), pathOf(block.path, g.name)));
  }
}

}  // namespace orsvelt::view
