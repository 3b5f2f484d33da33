#include "hand_views.h"

namespace orsvelt::test {

view::Line AmountLine(std::string_view name, Amount year, Amount m1, Amount m2, Amount m3) {
  static const view::ColumnNames kColumns{"СумВсегоПер", "", "Сум1Посл3М", "Сум2Посл3М", "Сум3Посл3М"};
  view::Line line;
  line.attributes = &kColumns;
  line.name = name;
  line.values = {year, std::nullopt, m1, m2, m3};
  line.path = std::string(name);
  return line;
}

HandView::HandView(std::string_view format, std::string_view year, std::string_view period) {
  view.title.formatVersion = format;
  view.title.period = period;
  view.title.year = std::stoi(std::string(year));
  view.title.correction = 0;
  view.section1.present = true;
  view.section1.path = "ОбязПлатСВ";
}

void HandView::AddPerson(std::string_view snils, std::string_view digits, std::initializer_list<view::MonthRow> rows) {
  view::Person& p = view.section3.persons.emplace_back();
  p.snils = snils;
  p.snilsDigits = std::string(digits);
  p.surname = "Петрова";
  p.number = static_cast<std::uint32_t>(view.section3.persons.size());
  p.firstRow = static_cast<std::uint32_t>(view.section3.rows.size());
  p.rowCount = static_cast<std::uint32_t>(rows.size());
  view.section3.rows.insert(view.section3.rows.end(), rows.begin(), rows.end());
}

void HandView::AddTariff(std::string_view tariff, std::string_view block, std::initializer_list<view::Line> lines) {
  view::TariffBlock& t = view.section1.tariffs.emplace_back();
  t.tariff = tariff;
  t.path = "РасчСВ_ОПС_ОМС " + std::string(tariff);
  view::Block& b = t.blocks.emplace_back();
  b.name = block;
  b.lines = lines;
}

view::MonthRow Row(std::uint8_t month, std::string_view category, Amount payments, Amount base, Amount contributions,
                   Amount contractBase) {
  view::MonthRow r;
  r.month = month;
  r.category = category;
  r.payments = payments;
  r.base = base;
  r.contributions = contributions;
  r.contractBase = contractBase;
  return r;
}

}  // namespace orsvelt::test
