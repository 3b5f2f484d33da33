#include "analysis/checks/check_context.h"

namespace orsvelt::checks {

namespace {

std::string_view Keep(std::deque<std::string>& texts, std::string_view text) {
  if (text.empty()) return {};
  return texts.emplace_back(text);
}

void CopyLine(view::Line& line, std::deque<std::string>& texts) {
  line.name = Keep(texts, line.name);
  line.code = Keep(texts, line.code);
}

void CopyBlock(view::Block& block, std::deque<std::string>& texts) {
  block.name = Keep(texts, block.name);
  for (view::Code& code : block.codes) {
    code.name = Keep(texts, code.name);
    code.value = Keep(texts, code.value);
  }
  for (view::Line& line : block.lines) CopyLine(line, texts);
}

}  // namespace

OwnedSection1 CopySection1(const view::Section1& source) {
  OwnedSection1 copy;
  view::Section1& s = copy.section1 = source;
  s.oktmo = Keep(copy.texts, s.oktmo);
  for (view::Line& line : s.payable) CopyLine(line, copy.texts);
  for (view::TariffBlock& tariff : s.tariffs) {
    tariff.tariff = Keep(copy.texts, tariff.tariff);
    for (view::Block& block : tariff.blocks) CopyBlock(block, copy.texts);
  }
  for (std::vector<view::Block>* blocks : {&s.appendix2, &s.paymentAppendices, &s.blocks})
    for (view::Block& block : *blocks) CopyBlock(block, copy.texts);
  return copy;
}

std::string ShownName(std::string_view snils, std::string_view surname, std::string_view givenName) {
  return snils.empty() ? std::string(surname) + " " + std::string(givenName) : std::string(snils);
}

bool CheckContext::IsLater() const {
  const std::string_view v = report.title.formatVersion;
  return v.size() == 4 && v.substr(0, 3) == "5.0" && v[3] >= '3' && v[3] <= '8';
}

int CheckContext::MonthInPeriod(std::int32_t calendarMonth) const {
  for (int i = 0; i < 3; ++i)
    if (months[i] != 0 && months[i] == calendarMonth) return i + 1;
  return 0;
}

void CheckContext::ForEachPerson(const std::function<void(const PersonRows&)>& visit) const {
  const view::Section3& s3 = report.section3;
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    visit({p.snils, p.surname, p.givenName, s3.RowsOf(p), s3.ExtraRowsOf(p), &p, report.title.fileId});
  }
  if (!carried) return;
  for (const CarriedPerson& p : carried->persons)
    visit({p.snils, p.surname, p.givenName, p.rows, p.extraRows, nullptr, p.file});
}

}  // namespace orsvelt::checks
