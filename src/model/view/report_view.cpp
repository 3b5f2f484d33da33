#include "model/view/report_view.h"

#include <unordered_map>

#include "model/common/path_buffer.h"

namespace orsvelt::view {

namespace {

void AppendAttribute(std::string& path, std::string_view attribute) {
  if (!attribute.empty()) AppendPathStep(path, " - @", attribute, {}, 0, {});
}

template <class T>
std::span<const T> Range(const std::vector<T>& list, std::uint32_t first, std::uint32_t count) {
  if (first > list.size() || count > list.size() - first) return {};
  return std::span<const T>(list).subspan(first, count);
}

}  // namespace

std::string Line::PathOf(Column c) const {
  std::string out = path;
  if (attributes) AppendAttribute(out, (*attributes)[static_cast<std::size_t>(c)]);
  return out;
}

const Line* Block::Find(std::string_view lineName) const {
  for (const Line& l : lines)
    if (l.name == lineName) return &l;
  return nullptr;
}

std::string_view Block::CodeOf(std::string_view codeName) const {
  for (const Code& c : codes)
    if (c.name == codeName) return c.value;
  return {};
}

const Block* TariffBlock::Find(std::string_view blockName) const {
  for (const Block& b : blocks)
    if (b.name == blockName) return &b;
  return nullptr;
}

const Line* TariffBlock::Find(std::string_view blockName, std::string_view lineName) const {
  const Block* b = Find(blockName);
  return b ? b->Find(lineName) : nullptr;
}

const Line* Section1::FindPayable(std::string_view name) const {
  for (const Line& l : payable)
    if (l.name == name) return &l;
  return nullptr;
}

const Line* Section1::FindPayable(std::string_view name, std::string_view kbk) const {
  for (const Line& l : payable)
    if (l.name == name && l.code == kbk) return &l;
  return nullptr;
}

const TariffBlock* Section1::FindTariff(std::string_view tariff) const {
  for (const TariffBlock& t : tariffs)
    if (t.tariff == tariff) return &t;
  return nullptr;
}

void Section3::KeepTexts(std::size_t fromPerson) {
  if (fromPerson >= persons.size()) return;
  if (!ownTexts) ownTexts = std::make_shared<TextBlocks>();
  TextBlocks& texts = *ownTexts;
  for (std::size_t i = fromPerson; i < persons.size(); ++i) {
    Person& p = persons[i];
    for (std::string_view* text : {&p.snils, &p.inn, &p.surname, &p.givenName, &p.patronymic, &p.birthDate, &p.sex})
      *text = texts.Keep(*text);
  }
  // Codes repeat on every row: one copy of each.
  std::unordered_map<std::string_view, std::string_view> codes;
  const auto code = [&](std::string_view text) {
    const auto [at, fresh] = codes.try_emplace(text);
    if (fresh) at->second = texts.Keep(text);
    return at->second;
  };
  for (std::size_t i = persons[fromPerson].firstRow; i < rows.size(); ++i) rows[i].category = code(rows[i].category);
  for (std::size_t i = persons[fromPerson].firstExtraRow; i < extraRows.size(); ++i)
    extraRows[i].tariff = code(extraRows[i].tariff);
}

std::span<const MonthRow> Section3::RowsOf(const Person& p) const { return Range(rows, p.firstRow, p.rowCount); }

std::span<const ExtraTariffRow> Section3::ExtraRowsOf(const Person& p) const {
  return Range(extraRows, p.firstExtraRow, p.extraRowCount);
}

std::string Section3::PathOf(const Person& p) const {
  std::string out = path;
  if (form) AppendPathStep(out, form->personStep, {}, form->personOpen, p.number, form->personClose);
  return out;
}

std::string Section3::IdentityPathOf(const Person& p, std::string_view attribute) const {
  std::string out = PathOf(p);
  if (p.steps) out += p.steps->identity;
  AppendAttribute(out, attribute);
  return out;
}

std::string Section3::PathOf(const Person& p, const MonthRow& row, RowField field) const {
  std::string out = PathOf(p);
  if (p.steps) AppendPathStep(out, p.steps->rows, {}, "[", row.position, "]");
  if (form) AppendAttribute(out, form->rowAttributes[static_cast<std::size_t>(field)]);
  return out;
}

std::string Section3::PathOf(const Person& p, const ExtraTariffRow& row, ExtraRowField field) const {
  std::string out = PathOf(p);
  if (p.steps) AppendPathStep(out, p.steps->extraRows, {}, "[", row.position, "]");
  if (form) AppendAttribute(out, form->extraRowAttributes[static_cast<std::size_t>(field)]);
  return out;
}

}  // namespace orsvelt::view
